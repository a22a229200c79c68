#pragma once

#include <QImage>
#include <QList>
#include <vector>

// The arithmetic of the owner-drawn list view and its picture scroll bars, kept
// free of widgets so it can be checked without pixels: layout, selection by
// mouse and keys, cursor scrolling, thumb and track arithmetic, auto-repeat.
namespace kvlist {

// Text starts 3 pixels in; rows are the height of a space plus 3.
inline constexpr int kMargin = 3;
// The horizontal bar scrolls the text in steps of this many pixels.
inline constexpr int kHorzStep = 9;
// Thickness of a bar without a track picture, and of the corner panel.
inline constexpr int kDefaultBarThickness = 15;
// Auto-repeat of a held arrow button or track: first delay, then the interval.
inline constexpr int kRepeatFirstDelayMs = 300;
inline constexpr int kRepeatIntervalMs = 75;
// At most this many positions per repeat tick while the track is held.
inline constexpr int kTrackRepeatStep = 10;
// Rows moved per wheel notch.
inline constexpr int kWheelRows = 3;

// --- layout ---
int RowHeight(int spaceTextHeight);
// Rows that fit in a surface of this height (never below 0).
int VisibleRows(int surfaceHeight, int rowHeight);
// The horizontal bar's max for the widest line over a surface this wide.
int HorzMax(int widestLine, int surfaceWidth);
// The vertical bar's max: rows that do not fit.
int VertMax(int lineCount, int visibleRows);
// The row under a surface point's y, or -1 (above the first row's top, or
// below the last line).
int RowAt(int y, int rowHeight, int firstVisibleRow, int lineCount);
// Clamps a cursor or focus index to -1 ... count - 1.
int ClampIndex(int index, int count);

// --- selection by mouse ---
enum class ClickKind { Plain, Shift, Ctrl };
// Applies a click on row (a valid row) to the selection flags; returns the new
// cursor row. Without a cursor a Shift click acts as a plain click.
int ApplyClick(std::vector<bool>& selected, int row, int cursor, ClickKind kind);

// --- keys ---
enum class CursorKey { PageUp, PageDown, Up, Down, Home, End };
// The cursor row after a key; the same row when the key does not move it.
int CursorAfterKey(CursorKey key, int cursor, int lineCount, int visibleRows);
// The first visible row after the cursor moved to row n (n >= 0): the view
// scrolls just enough to show it.
int FirstVisibleForCursor(int n, int firstVisible, int visibleRows);

// --- scroll bar geometry, along the bar's axis ---
enum ScrollPart { PartNone = -1, PartFirstButton = 0, PartSecondButton = 1, PartThumb = 2, PartTrack = 3 };

struct ScrollGeometry {
    int length = 0;       // the panel's length along the axis
    int firstButton = 0;  // length of the first (up/left) button
    int secondButton = 0; // length of the second (down/right) button
    int thumb = 0;        // length of the thumb

    int TrackStart() const { return firstButton; }
    int TrackEnd() const { return length - secondButton; }
    int TrackLength() const { return TrackEnd() - TrackStart(); }
    // Room the thumb travels in (may be zero or negative on a tiny bar).
    int Travel() const { return TrackLength() - thumb; }
    // Coordinate of the thumb's leading edge for a position.
    int ThumbCoordinate(int position, int max) const;
    // The position for a thumb offset within the track (0 when there is no travel).
    int PositionForThumbOffset(int offset, int max) const;
    // Thumb offset within the track after dragging from startOffset by delta,
    // kept inside the track.
    int DraggedThumbOffset(int startOffset, int delta) const;
    // The part under a coordinate, given where the thumb is now.
    ScrollPart PartAt(int coordinate, int thumbCoordinate) const;
    // The position whose thumb would centre on a coordinate (track repeat target).
    int PositionUnder(int coordinate, int max) const;
};

// One track-repeat tick: toward target by at most kTrackRepeatStep.
int TrackRepeatStep(int position, int target);

// Position and max of a bar: max never below 0, position within 0 ... max.
class ScrollRange {
public:
    int Max() const { return max_; }
    int Position() const { return position_; }
    // Returns true when the position changed.
    bool SetPosition(int position);
    // Stores max(m, 0) and re-applies the position; true when it changed.
    bool SetMax(int max);

private:
    int max_ = 100;
    int position_ = 0;
};

// The auto-repeat schedule: the interval before the next tick.
class RepeatSchedule {
public:
    int Start() {
        ticks_ = 0;
        return kRepeatFirstDelayMs;
    }
    int Tick() {
        ++ticks_;
        return kRepeatIntervalMs;
    }
    int Ticks() const { return ticks_; }

private:
    int ticks_ = 0;
};

// --- pictures ---
// The picture with magenta (0xFF00FF) pixels made transparent (ARGB32).
QImage MagentaToAlpha(const QImage& image);
// A strip cut into equal frames side by side, magenta transparent; empty when
// the strip is null or narrower than the frame count.
QList<QImage> CutStrip(const QImage& strip, int frames);

} // namespace kvlist
