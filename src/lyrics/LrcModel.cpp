#include "LrcModel.h"

#include <algorithm>
#include <numeric>
#include <vector>

void TLrcRec::Clear() {
    Lines.clear();
    Times.clear();
    Count = 0;
    Segmented = false;
}

void TLrcRec::Append(qint32 time, const QString& text) {
    Times.append(time);
    Lines.append(text);
    Count = static_cast<qint32>(Times.size());
}

QString CleanLrcSpaces(const QString& text) {
    // Replacing "  " by " " and full-width spaces by " " until neither is left
    // comes down to: every full-width space is a space, every run of spaces one
    // space. Done in one pass so a hostile line of spaces stays linear.
    bool needed = false;
    for (qsizetype i = 0; i < text.size() && !needed; ++i) {
        const QChar c = text[i];
        needed = c == kFullWidthSpace || (c == u' ' && i + 1 < text.size() &&
                                          (text[i + 1] == u' ' || text[i + 1] == kFullWidthSpace));
    }
    if (!needed)
        return text;
    QString out;
    out.reserve(text.size());
    bool lastWasSpace = false;
    for (const QChar c : text) {
        const bool space = c == u' ' || c == kFullWidthSpace;
        if (space && lastWasSpace)
            continue;
        out.append(space ? QChar(u' ') : c);
        lastWasSpace = space;
    }
    return out;
}

void SortLrcRec(TLrcRec& rec) {
    const qsizetype n = std::min(rec.Lines.size(), rec.Times.size());
    rec.Lines.resize(n);
    rec.Times.resize(n);

    // Clean the texts first (the order does not change the result). All entries
    // of one timed line share one text, so a line with thousands of tags is
    // cleaned once rather than once per entry.
    QString lastRaw;
    QString lastClean;
    for (qsizetype i = 0; i < n; ++i) {
        const QString& raw = rec.Lines[i];
        if (i == 0 || raw.constData() != lastRaw.constData() || raw.size() != lastRaw.size()) {
            lastRaw = raw;
            lastClean = CleanLrcSpaces(raw);
        }
        rec.Lines[i] = lastClean;
    }

    std::vector<qsizetype> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return rec.Times[a] < rec.Times[b]; });
    QStringList lines;
    QList<qint32> times;
    lines.reserve(n);
    times.reserve(n);
    for (const qsizetype i : order) {
        lines.append(rec.Lines[i]);
        times.append(rec.Times[i]);
    }
    rec.Lines = std::move(lines);
    rec.Times = std::move(times);
    rec.Count = static_cast<qint32>(n);
}
