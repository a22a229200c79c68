#pragma once

#include "LrcModel.h"

#include <functional>
#include <QSize>
#include <QString>
#include <vector>

// The karaoke band: the current lyric line (or two rows) across the bottom of
// the lyrics window, swept from left to right in the active colour as it is
// sung. This part only lays the band out; the window paints the pieces.

// Joins the two rows of a two-row layout. A noncharacter, so lyric text never
// holds it by accident.
inline constexpr char16_t kBandBreak = u'\uFFFF';

// Word wrap at maxColumns characters: a break (kBandBreak) goes after the last
// break character (tab, space, ",", "-", ".", or kBandBreak itself) before the
// limit; nothing is broken inside a quoted part ('...' or "..."); a stretch
// without break characters is not broken.
QString WrapBandText(const QString& text, int maxColumns);

// What the band is drawn from.
struct BandInput {
    const TLrcRec* lrc = nullptr;          // the loaded entries, sorted
    const TLrcRec* displayLines = nullptr; // the window's display lines, end marker included
    int currentLine = -1;
    bool playing = false;
    int positionTenths = 0;
    int engineTimeTenths = 0; // the engine's last whole-second report, in tenths
    QSize size;               // the band's client size
    int bandLineHeight = 0;   // height of a band row
};

// One thing to paint. swept < 0: the text in the normal colour. Otherwise a
// piece: the text in the normal colour, then in the active colour from the
// band's left edge up to x + swept and down to y + the band line height.
struct BandPiece {
    QString text;
    int x = 0;
    int y = 0;
    int swept = -1;
    bool operator==(const BandPiece&) const = default;
};

using TextWidth = std::function<int(const QString&)>;

class TKaraokeBand {
public:
    enum Layout { OneRow = 0, Wrapped = 1, TwoLines = 2 };

    // Loading lyrics starts afresh: the first update lays out anew.
    void Reset();

    // Lays the band out for this update (anew only when the position has left
    // [SegmentStart, SegmentEnd]) and returns what to paint, in order.
    std::vector<BandPiece> Update(const BandInput& in, const TextWidth& width);

    int SegmentStart = 0;
    int SegmentEnd = 0;
    int BandLayout = OneRow;
    QString BandText;
    int BandTextWidth = 0;

private:
    void layOut(const BandInput& in, const TextWidth& width);
};

// swept(j): how much of entry j's text is sung at the position, from its own
// time to the next entry's time (the last entry lasts one tenth), clamped to
// the text's width. Computed in 64 bits so no product can overflow.
int SweptWidth(const TLrcRec& lrc, int j, int positionTenths, int pieceWidth);
