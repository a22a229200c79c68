#include "LrcTimeTag.h"

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int DigitValue(QChar c) {
    return c.unicode() - u'0';
}

// Two ASCII digits as a number, or -1.
int TwoDigits(QStringView text, qsizetype at) {
    if (!IsDigit(text[at]) || !IsDigit(text[at + 1]))
        return -1;
    return DigitValue(text[at]) * 10 + DigitValue(text[at + 1]);
}

} // namespace

qsizetype MatchTimeTag(QStringView text, qint32* time) {
    // Indexes here are 0-based: "[" at 0, ":" at 3, "]" at 6 for [mm:ss], or
    // "." at 6 and "]" at 8..10 for the forms with a fraction.
    if (text.size() < 7 || text[0] != u'[' || text[3] != u':')
        return 0;
    const int minutes = TwoDigits(text, 1);
    const int seconds = TwoDigits(text, 4);
    if (minutes < 0 || seconds < 0)
        return 0;
    qsizetype length = 0;
    int tenths = 0;
    if (text[6] == u']') {
        length = 7;
    } else if (text[6] == u'.') {
        qsizetype close = 7;
        while (close < text.size() && close < 11 && IsDigit(text[close]))
            ++close;
        // One to three fraction digits followed directly by "]".
        if (close == 7 || close > 10 || close >= text.size() || text[close] != u']')
            return 0;
        tenths = DigitValue(text[7]);
        length = close + 1;
    } else {
        return 0;
    }
    *time = (minutes * 60 + seconds) * 10 + tenths;
    return length;
}

qint32 ParseTimeTag(QString& s) {
    qint32 time = 0;
    const qsizetype length = MatchTimeTag(s, &time);
    if (length == 0)
        return -1;
    s.remove(0, length);
    return time;
}

QString StripTimeTags(const QString& line) {
    QStringView rest(line);
    qint32 time = 0;
    qsizetype start = 0;
    while (const qsizetype length = MatchTimeTag(rest.sliced(start), &time))
        start += length;
    return line.sliced(start);
}

QString FormatLrcTime(qint32 time) {
    return QString::asprintf("%.2d:%.2d.%.1d", time / 600, (time % 600) / 10, time % 10);
}
