#include "LrcEditText.h"

#include "LrcParser.h"
#include "LrcTimeTag.h"
#include "RegularFile.h"
#include "TextCodec.h"

#include <algorithm>
#include <QFile>

QString LrcPlayTimeText(bool playing, int positionTenths) {
    return playing ? FormatLrcTime(std::max(0, positionTenths)) : QStringLiteral("00:00.0");
}

LrcEditLine InsertTimeTag(const LrcEditLine& line, const QString& timeText) {
    const QString tag = QLatin1Char('[') + timeText + QLatin1Char(']');
    const int column = std::clamp(line.column, 0, static_cast<int>(line.text.size()));
    return {tag + line.text, column + static_cast<int>(tag.size())};
}

LrcEditLine ReplaceFirstTimeTag(const LrcEditLine& line, const QString& timeText) {
    const int fromEnd = static_cast<int>(line.text.size()) - std::clamp(line.column, 0, static_cast<int>(line.text.size()));
    QString rest = TrimLrcLine(line.text).toString();
    ParseTimeTag(rest);
    const QString text = QLatin1Char('[') + timeText + QLatin1Char(']') + rest;
    return {text, std::clamp(static_cast<int>(text.size()) - fromEnd, 0, static_cast<int>(text.size()))};
}

QList<LrcInkSpan> LrcLineInk(const QString& line) {
    const QStringView trimmed = TrimLrcLine(line);
    if (trimmed.isEmpty())
        return {};
    const int start = static_cast<int>(trimmed.data() - line.constData());
    switch (ClassifyLrcLine(trimmed)) {
    case kLrcTimedLine: {
        QList<LrcInkSpan> spans;
        qsizetype at = 0;
        qint32 time = 0;
        while (const qsizetype length = MatchTimeTag(trimmed.sliced(at), &time)) {
            spans.append({start + static_cast<int>(at) + 1, static_cast<int>(length) - 2, LrcInk::TagTime});
            at += length;
        }
        return spans;
    }
    case kLrcCoLine:
    case kLrcLyLine:
    case kLrcByLine:
    case kLrcSegmentedLine:
        return {{start, static_cast<int>(trimmed.size()), LrcInk::Header}};
    default:
        return {{start, static_cast<int>(trimmed.size()), LrcInk::Comment}};
    }
}

std::optional<QString> ReadLrcEditorText(const QString& fileName) {
    QFile file;
    if (fileName.isEmpty() || !OpenRegularFile(file, fileName))
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxLrcFileBytes + 1);
    if (bytes.size() > kMaxLrcFileBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    QString text = DecodeText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
