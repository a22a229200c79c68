#include "ListViewLogic.h"

#include <algorithm>
#include <cstdint>

namespace kvlist {

int RowHeight(int spaceTextHeight) {
    return std::max(spaceTextHeight, 0) + 3;
}

int VisibleRows(int surfaceHeight, int rowHeight) {
    if (rowHeight <= 0)
        return 0;
    return std::max(surfaceHeight - 2 * kMargin, 0) / rowHeight;
}

int HorzMax(int widestLine, int surfaceWidth) {
    return std::max((widestLine - surfaceWidth + 15) / kHorzStep, 0);
}

int VertMax(int lineCount, int visibleRows) {
    return std::max(lineCount - visibleRows, 0);
}

int RowAt(int y, int rowHeight, int firstVisibleRow, int lineCount) {
    if (y < kMargin + 1 || rowHeight <= 0)
        return -1;
    const int row = (y - kMargin) / rowHeight + firstVisibleRow;
    return row < lineCount ? row : -1;
}

int ClampIndex(int index, int count) {
    return std::clamp(index, -1, std::max(count - 1, -1));
}

int ApplyClick(std::vector<bool>& selected, int row, int cursor, ClickKind kind) {
    if (row < 0 || row >= static_cast<int>(selected.size()))
        return cursor;
    if (kind == ClickKind::Ctrl) {
        selected[row] = !selected[row];
        return cursor;
    }
    std::fill(selected.begin(), selected.end(), false);
    // A Shift click needs a cursor row to reach from; without one it is a plain click.
    if (kind == ClickKind::Shift && cursor >= 0 && cursor < static_cast<int>(selected.size())) {
        for (int r = std::min(cursor, row); r <= std::max(cursor, row); ++r)
            selected[r] = true;
        return cursor;
    }
    selected[row] = true;
    return row;
}

int CursorAfterKey(CursorKey key, int cursor, int lineCount, int visibleRows) {
    if (lineCount <= 0)
        return cursor;
    const int last = lineCount - 1;
    switch (key) {
    case CursorKey::PageUp:
        return cursor - visibleRows < 0 ? 0 : cursor - visibleRows;
    case CursorKey::PageDown:
        return cursor + visibleRows >= last ? last : cursor + visibleRows;
    case CursorKey::Up:
        return cursor > 0 ? cursor - 1 : cursor;
    case CursorKey::Down:
        return cursor < last ? cursor + 1 : cursor;
    case CursorKey::Home:
        return 0;
    case CursorKey::End:
        return last;
    }
    return cursor;
}

int FirstVisibleForCursor(int n, int firstVisible, int visibleRows) {
    // A surface too small for one row still scrolls the cursor row to the top.
    const int rows = std::max(visibleRows, 1);
    if (n >= firstVisible + rows)
        return n - rows + 1;
    if (n < firstVisible)
        return n;
    return firstVisible;
}

int ScrollGeometry::ThumbCoordinate(int position, int max) const {
    if (max <= 0 || Travel() <= 0)
        return TrackStart();
    return TrackStart() + static_cast<int>(static_cast<std::int64_t>(position) * Travel() / max);
}

int ScrollGeometry::PositionForThumbOffset(int offset, int max) const {
    if (Travel() <= 0)
        return 0;
    return static_cast<int>(static_cast<std::int64_t>(offset) * max / Travel());
}

int ScrollGeometry::DraggedThumbOffset(int startOffset, int delta) const {
    return std::clamp(startOffset + delta, 0, std::max(Travel(), 0));
}

ScrollPart ScrollGeometry::PartAt(int coordinate, int thumbCoordinate) const {
    if (coordinate < 0 || coordinate >= length)
        return PartNone;
    if (coordinate < TrackStart())
        return PartFirstButton;
    if (coordinate >= TrackEnd())
        return PartSecondButton;
    if (thumb > 0 && coordinate >= thumbCoordinate && coordinate < thumbCoordinate + thumb)
        return PartThumb;
    return PartTrack;
}

int ScrollGeometry::PositionUnder(int coordinate, int max) const {
    const int offset = std::clamp(coordinate - TrackStart() - thumb / 2, 0, std::max(Travel(), 0));
    return PositionForThumbOffset(offset, max);
}

int TrackRepeatStep(int position, int target) {
    return position + std::clamp(target - position, -kTrackRepeatStep, kTrackRepeatStep);
}

bool ScrollRange::SetPosition(int position) {
    position = std::clamp(position, 0, max_);
    if (position == position_)
        return false;
    position_ = position;
    return true;
}

bool ScrollRange::SetMax(int max) {
    max_ = std::max(max, 0);
    return SetPosition(position_);
}

QImage MagentaToAlpha(const QImage& image) {
    if (image.isNull())
        return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == 0x00FF00FF)
                line[x] = 0;
        }
    }
    return out;
}

QList<QImage> CutStrip(const QImage& strip, int frames) {
    QList<QImage> result;
    if (strip.isNull() || frames <= 0 || strip.width() < frames)
        return result;
    const QImage clear = MagentaToAlpha(strip);
    const int width = strip.width() / frames;
    for (int i = 0; i < frames; ++i)
        result.append(clear.copy(i * width, 0, width, strip.height()));
    return result;
}

} // namespace kvlist
