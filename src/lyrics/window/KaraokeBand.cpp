#include "KaraokeBand.h"

#include "LrcDisplayLines.h"

#include <algorithm>

namespace {

// Two rows of the longest line shown: pieces beyond it are never laid out.
constexpr qsizetype kBandTextLimit = 2 * kMaxLyricsLineChars;

bool isBreakChar(QChar c) {
    return c == QChar(kBandBreak) || c == u'\t' || c == u' ' || c == u',' || c == u'-' || c == u'.';
}

bool isQuote(QChar c) {
    return c == u'\'' || c == u'"';
}

qint64 clampedRatio(qint64 elapsed, qint64 total, qint64 span) {
    return std::min(elapsed * total / std::max<qint64>(span, 1), total);
}

} // namespace

QString WrapBandText(const QString& text, int maxColumns) {
    QString result;
    const qsizetype length = text.size();
    qsizetype lineStart = 0; // first character of the row being filled
    qsizetype breakAt = -1;  // last break character seen on this row (outside quotes)
    QChar quote = u' ';      // the open quote, or a space when none is open
    qsizetype column = 0;    // characters on the row so far
    qsizetype pos = 0;
    while (pos < length) {
        const QChar c = text.at(pos);
        if (isBreakChar(c)) {
            if (quote == u' ')
                breakAt = pos;
        } else if (isQuote(c)) {
            if (c == quote)
                quote = u' ';
            else if (quote == u' ')
                quote = c;
        }
        ++pos;
        ++column;
        // Never break right after a row's first character: that row would hold
        // nothing but the break character.
        if (quote == u' ' && column > maxColumns && breakAt > lineStart) {
            result += text.mid(lineStart, breakAt - lineStart + 1);
            lineStart = breakAt + 1;
            if (lineStart < length)
                result += QChar(kBandBreak);
            column = pos - lineStart;
            breakAt = -1;
        }
    }
    result += text.mid(lineStart);
    return result;
}

int SweptWidth(const TLrcRec& lrc, int j, int positionTenths, int pieceWidth) {
    const int count = int(lrc.Times.size());
    const qint64 time = lrc.Times[j];
    const qint64 next = lrc.Times[std::min(j + 1, count - 1)];
    return int(clampedRatio(qint64(positionTenths) - time, pieceWidth, next - time));
}

void TKaraokeBand::Reset() {
    SegmentStart = 0;
    SegmentEnd = 0;
    BandLayout = OneRow;
    BandText.clear();
    BandTextWidth = 0;
}

void TKaraokeBand::layOut(const BandInput& in, const TextWidth& width) {
    const TLrcRec& lines = *in.displayLines;
    const int n = int(lines.Times.size());
    const int current = in.currentLine;
    QString text = lines.Lines[current];
    BandLayout = OneRow;
    SegmentStart = lines.Times[current];
    SegmentEnd = lines.Times[std::min(current + 1, n - 1)];
    BandTextWidth = width(text);
    const int bandWidth = in.size.width();
    if (2 * in.bandLineHeight < in.size.height()) {
        if (BandTextWidth > bandWidth) {
            const int per = std::max(BandTextWidth / std::max(int(text.size()), 1), 1);
            const int columns = bandWidth / per - 1;
            text = WrapBandText(text, columns);
            BandLayout = Wrapped;
        } else if (!text.isEmpty() && current < n - 1) {
            const QString& next = lines.Lines[current + 1];
            if (!next.isEmpty() && width(next) < bandWidth) {
                text += QChar(kBandBreak) + next;
                BandLayout = TwoLines;
                SegmentEnd = lines.Times[std::min(current + 2, n - 1)];
            }
        }
    }
    BandText = text;
}

std::vector<BandPiece> TKaraokeBand::Update(const BandInput& in, const TextWidth& width) {
    std::vector<BandPiece> pieces;
    if (!in.displayLines || !in.lrc)
        return pieces;
    const int n = int(in.displayLines->Times.size());
    if (in.currentLine < 0 || in.currentLine >= n || !in.playing)
        return pieces;
    if (in.positionTenths < SegmentStart || in.positionTenths > SegmentEnd)
        layOut(in, width);

    const TLrcRec& lrc = *in.lrc;
    const int count = int(lrc.Times.size());
    const int bandWidth = in.size.width();
    const int bandHeight = in.size.height();
    auto inSegment = [&](int j) { return SegmentStart <= lrc.Times[j] && lrc.Times[j] < SegmentEnd; };

    if (BandLayout == OneRow) {
        const int x0 = std::max(0, (bandWidth - width(BandText)) / 2);
        const int y0 = std::max(0, (bandHeight - in.bandLineHeight) / 2);
        pieces.push_back({BandText, x0, y0, -1});
        QString prefix;
        for (int j = 0; j < count; ++j) {
            if (!inSegment(j) || lrc.Times[j] >= in.engineTimeTenths)
                continue;
            // Pieces that start past the band's right edge cannot be seen (nor
            // can more than a shown line's worth of text measured so far).
            if (prefix.size() > kBandTextLimit)
                break;
            const int x = x0 + width(prefix);
            if (x >= bandWidth)
                break;
            const QString& piece = lrc.Lines[j];
            const int pieceWidth = width(piece);
            pieces.push_back({piece, x, y0, SweptWidth(lrc, j, in.positionTenths, pieceWidth)});
            prefix += piece;
        }
        return pieces;
    }

    const qsizetype brkIndex = BandText.indexOf(QChar(kBandBreak)); // 0-based, -1 when none
    const qsizetype brk = brkIndex < 0 ? BandText.size() + 1 : brkIndex + 1;
    const QString row1 = BandText.left(brk - 1);
    const QString row2 = BandText.mid(brk);
    const int row1Width = width(row1);
    const int row2Width = width(row2);
    const int x1 = std::max(0, bandWidth - width(row1 + row2)) / 2;
    const int y1 = std::max(0, (bandHeight - 2 * in.bandLineHeight) / 2);
    const int x2 = bandWidth - row2Width - x1;
    const int y2 = y1 + in.bandLineHeight;
    pieces.push_back({row1, x1, y1, -1});
    pieces.push_back({row2, x2, y2, -1});

    if (BandLayout == TwoLines || lrc.Segmented) {
        QString prefix;
        for (int j = 0; j < count; ++j) {
            if (!inSegment(j) || lrc.Times[j] >= in.positionTenths)
                continue;
            if (prefix.size() > kBandTextLimit)
                break;
            const QString& piece = lrc.Lines[j];
            const bool firstRow = prefix.size() + 1 < brk;
            const int x = firstRow ? x1 + width(prefix) : x2 + width(prefix) - row1Width;
            // Past the right edge of the second row nothing more can be seen.
            if (!firstRow && x >= bandWidth)
                break;
            if (x >= bandWidth) {
                prefix += piece;
                continue;
            }
            const int swept = SweptWidth(lrc, j, in.positionTenths, width(piece));
            pieces.push_back({piece, x, firstRow ? y1 : y2, swept});
            prefix += piece;
        }
        return pieces;
    }

    const int total = width(BandText);
    const int w =
        int(clampedRatio(qint64(in.positionTenths) - SegmentStart, total, qint64(SegmentEnd) - SegmentStart));
    pieces.push_back({row1, x1, y1, std::min(w, row1Width)});
    if (row1Width < w)
        pieces.push_back({row2, x2, y2, std::min(w - row1Width, row2Width)});
    return pieces;
}
