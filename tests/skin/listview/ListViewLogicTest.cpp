// The list view's arithmetic without widgets: layout, clamping, selection by
// mouse and keys, cursor scrolling, scroll bar geometry, repeat and strips.
#include "ListViewLogic.h"

#include <gtest/gtest.h>
#include <string>

using namespace kvlist;

namespace {

std::string Flags(const std::vector<bool>& flags) {
    std::string s;
    for (bool f : flags)
        s += f ? '1' : '0';
    return s;
}

std::vector<bool> FromFlags(const std::string& s) {
    std::vector<bool> flags;
    for (char c : s)
        flags.push_back(c == '1');
    return flags;
}

TEST(ListViewLayout, RowsAndBarMaxima) {
    EXPECT_EQ(RowHeight(13), 16);
    struct Case {
        int surfaceHeight, rowHeight, visible;
    } rows[] = {{150, 16, 9}, {6, 16, 0}, {0, 16, 0}, {21, 16, 0}, {22, 16, 1}, {100, 0, 0}};
    for (const Case& c : rows)
        EXPECT_EQ(VisibleRows(c.surfaceHeight, c.rowHeight), c.visible)
            << c.surfaceHeight << "/" << c.rowHeight;

    // (widest - width + 15) / 9, never below 0.
    struct HorzCase {
        int widest, width, max;
    } horz[] = {{0, 100, 0}, {85, 100, 0}, {94, 100, 1}, {200, 100, 12}, {103, 100, 2}};
    for (const HorzCase& c : horz)
        EXPECT_EQ(HorzMax(c.widest, c.width), c.max) << c.widest << " in " << c.width;

    EXPECT_EQ(VertMax(3, 9), 0) << "fewer lines than visible rows";
    EXPECT_EQ(VertMax(9, 9), 0);
    EXPECT_EQ(VertMax(20, 9), 11);
    EXPECT_EQ(VertMax(0, 0), 0);
}

TEST(ListViewLayout, RowUnderPointer) {
    struct Case {
        int y, first, count, row;
    } cases[] = {
        {3, 0, 10, -1}, // above the first row's top
        {4, 0, 10, 0},   {18, 0, 10, 0},   {19, 0, 10, 1},
        {19, 5, 10, 6},  {163, 0, 10, -1}, // below the last line
        {150, 0, 10, 9}, {10, 0, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowAt(c.y, 16, c.first, c.count), c.row) << "y " << c.y << " first " << c.first;
}

TEST(ListViewLayout, IndexClamping) {
    struct Case {
        int index, count, clamped;
    } cases[] = {{-5, 10, -1}, {-1, 10, -1}, {0, 10, 0}, {9, 10, 9},
                 {10, 10, 9},  {100, 10, 9}, {0, 0, -1}, {3, 0, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(ClampIndex(c.index, c.count), c.clamped) << c.index << " of " << c.count;
}

TEST(ListViewSelection, ClicksWithAndWithoutModifiers) {
    struct Case {
        const char* before;
        int cursor;
        int row;
        ClickKind kind;
        const char* after;
        int newCursor;
    } cases[] = {
        {"000000", -1, 2, ClickKind::Plain, "001000", 2},
        {"110011", 1, 4, ClickKind::Plain, "000010", 4},
        {"001000", 2, 4, ClickKind::Ctrl, "001010", 2},  // toggles on, cursor stays
        {"001010", 2, 2, ClickKind::Ctrl, "000010", 2},  // toggles off, cursor stays
        {"000010", 4, 1, ClickKind::Shift, "011110", 4}, // above the cursor: clicked row down to the cursor
        {"100000", 1, 4, ClickKind::Shift, "011110", 1}, // below: earlier selections cleared
        {"000100", 3, 3, ClickKind::Shift, "000100", 3},
        {"000100", -1, 3, ClickKind::Shift, "000100", 3}, // no cursor to reach from: a plain click
        {"000000", -1, 0, ClickKind::Ctrl, "100000", -1},
        {"000000", 2, 9, ClickKind::Plain, "000000", 2}, // a row past the end changes nothing
    };
    for (const Case& c : cases) {
        std::vector<bool> flags = FromFlags(c.before);
        const int cursor = ApplyClick(flags, c.row, c.cursor, c.kind);
        EXPECT_EQ(Flags(flags), c.after) << c.before << " click " << c.row << " kind " << int(c.kind);
        EXPECT_EQ(cursor, c.newCursor) << c.before << " click " << c.row;
    }
}

TEST(ListViewKeys, CursorMovesAndEnds) {
    const int count = 20, visible = 8;
    struct Case {
        CursorKey key;
        int cursor, expected;
    } cases[] = {
        {CursorKey::PageUp, 10, 2},    {CursorKey::PageUp, 7, 0},   {CursorKey::PageUp, 8, 0},
        {CursorKey::PageUp, -1, 0},    {CursorKey::PageDown, 0, 8}, {CursorKey::PageDown, 11, 19},
        {CursorKey::PageDown, 15, 19}, // last page: the last line
        {CursorKey::PageDown, 19, 19}, {CursorKey::Up, 0, 0},       {CursorKey::Up, 5, 4},
        {CursorKey::Up, -1, -1},       {CursorKey::Down, 19, 19},   {CursorKey::Down, -1, 0},
        {CursorKey::Down, 4, 5},       {CursorKey::Home, 12, 0},    {CursorKey::End, 3, 19},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CursorAfterKey(c.key, c.cursor, count, visible), c.expected)
            << "key " << int(c.key) << " from " << c.cursor;
    for (CursorKey key :
         {CursorKey::PageUp, CursorKey::PageDown, CursorKey::Down, CursorKey::Home, CursorKey::End})
        EXPECT_EQ(CursorAfterKey(key, -1, 0, visible), -1) << "an empty list keeps the cursor at -1";
}

TEST(ListViewKeys, ViewFollowsTheCursor) {
    struct Case {
        int n, first, visible, expected;
    } cases[] = {
        {5, 0, 8, 0},                 // inside: no scroll
        {8, 0, 8, 1},                 // just below: scroll by one
        {19, 0, 8, 12},               // far below: cursor on the last visible row
        {2, 6, 8, 2},                 // above: cursor on the first row
        {6, 6, 8, 6},   {4, 0, 0, 4}, // no room for a row: the cursor row goes to the top
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirstVisibleForCursor(c.n, c.first, c.visible), c.expected) << c.n << " from " << c.first;
}

TEST(ScrollBoxGeometry, PartsAlongTheBar) {
    // 100 long, buttons 15, thumb 20: track 15..85, thumb travels 50.
    const ScrollGeometry g{100, 15, 15, 20};
    EXPECT_EQ(g.TrackLength(), 70);
    EXPECT_EQ(g.Travel(), 50);
    struct Case {
        int coordinate;
        ScrollPart part;
    } cases[] = {{-1, PartNone},         {0, PartFirstButton},   {14, PartFirstButton}, {15, PartTrack},
                 {40, PartThumb},        {59, PartThumb},        {60, PartTrack},       {84, PartTrack},
                 {85, PartSecondButton}, {99, PartSecondButton}, {100, PartNone}};
    for (const Case& c : cases)
        EXPECT_EQ(g.PartAt(c.coordinate, 40), c.part) << c.coordinate;
    const ScrollGeometry bare{100, 0, 0, 0};
    EXPECT_EQ(bare.PartAt(0, 0), PartTrack) << "without pictures the whole bar is track";
}

TEST(ScrollBoxGeometry, ThumbAndPositionArithmetic) {
    const ScrollGeometry g{100, 15, 15, 20};
    EXPECT_EQ(g.ThumbCoordinate(0, 10), 15);
    EXPECT_EQ(g.ThumbCoordinate(10, 10), 65);
    EXPECT_EQ(g.ThumbCoordinate(5, 10), 40);
    EXPECT_EQ(g.ThumbCoordinate(3, 0), 15) << "max 0 keeps the thumb at the start";

    // Dragging: thumb offset kept inside the track; position from the offset.
    struct Drag {
        int start, delta, offset, position;
    } drags[] = {{0, 25, 25, 5}, {25, -1000, 0, 0}, {25, 1000, 50, 10}, {50, 1, 50, 10}, {10, -3, 7, 1}};
    for (const Drag& d : drags) {
        const int offset = g.DraggedThumbOffset(d.start, d.delta);
        EXPECT_EQ(offset, d.offset) << d.start << "+" << d.delta;
        EXPECT_EQ(g.PositionForThumbOffset(offset, 10), d.position) << d.start << "+" << d.delta;
    }
    // A track no longer than the thumb gives no travel: position 0, thumb stays put.
    const ScrollGeometry tight{50, 15, 15, 25};
    EXPECT_EQ(tight.PositionForThumbOffset(10, 10), 0);
    EXPECT_EQ(tight.DraggedThumbOffset(0, 30), 0);

    EXPECT_EQ(g.PositionUnder(15 + 10 + 25, 10), 5) << "thumb centred on the point";
    EXPECT_EQ(g.PositionUnder(0, 10), 0);
    EXPECT_EQ(g.PositionUnder(99, 10), 10);
}

TEST(ScrollBoxRange, ClampsAndReportsChanges) {
    ScrollRange range;
    EXPECT_EQ(range.Max(), 100);
    EXPECT_TRUE(range.SetPosition(40));
    EXPECT_FALSE(range.SetPosition(40)) << "unchanged position is no change";
    EXPECT_TRUE(range.SetPosition(500));
    EXPECT_EQ(range.Position(), 100);
    EXPECT_TRUE(range.SetPosition(-3));
    EXPECT_EQ(range.Position(), 0);
    range.SetPosition(60);
    EXPECT_TRUE(range.SetMax(20)) << "a smaller max pulls the position in";
    EXPECT_EQ(range.Position(), 20);
    EXPECT_TRUE(range.SetMax(-5));
    EXPECT_EQ(range.Max(), 0);
    EXPECT_EQ(range.Position(), 0);
}

TEST(ScrollBoxRepeat, FirstDelayThenInterval) {
    RepeatSchedule schedule;
    EXPECT_EQ(schedule.Start(), 300);
    EXPECT_EQ(schedule.Tick(), 75);
    EXPECT_EQ(schedule.Tick(), 75);
    EXPECT_EQ(schedule.Ticks(), 2);
    EXPECT_EQ(schedule.Start(), 300) << "a new press starts over";
    EXPECT_EQ(schedule.Ticks(), 0);

    struct Step {
        int position, target, next;
    } steps[] = {{0, 35, 10}, {30, 35, 35}, {35, 35, 35}, {50, 12, 40}, {15, 12, 12}};
    for (const Step& s : steps)
        EXPECT_EQ(TrackRepeatStep(s.position, s.target), s.next) << s.position << " -> " << s.target;
}

TEST(SkinStrips, CutIntoFramesWithMagentaTransparent) {
    QImage strip(6, 2, QImage::Format_RGB32);
    strip.fill(qRgb(10, 20, 30));
    strip.setPixel(0, 0, qRgb(255, 0, 255));
    strip.setPixel(5, 1, qRgb(255, 0, 255));
    strip.setPixel(2, 0, qRgb(255, 0, 254)); // near magenta stays
    const QList<QImage> frames = CutStrip(strip, 3);
    ASSERT_EQ(frames.size(), 3);
    for (const QImage& f : frames)
        EXPECT_EQ(f.size(), QSize(2, 2));
    EXPECT_EQ(qAlpha(frames[0].pixel(0, 0)), 0);
    EXPECT_EQ(frames[0].pixel(1, 0), qRgb(10, 20, 30));
    EXPECT_EQ(frames[1].pixel(0, 0), qRgb(255, 0, 254));
    EXPECT_EQ(qAlpha(frames[2].pixel(1, 1)), 0);

    EXPECT_TRUE(CutStrip(QImage(), 3).isEmpty());
    EXPECT_TRUE(CutStrip(QImage(2, 2, QImage::Format_RGB32), 3).isEmpty()) << "narrower than the frame count";
}

} // namespace
