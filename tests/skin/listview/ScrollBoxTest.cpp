// The picture scroll bars: docking, buttons with auto-repeat, track pages,
// thumb drags and hover frames.
#include "ListViewFixtures.h"
#include "TempHome.h"
#include "TKvControls.h"
#include "TKvListView.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

using namespace listviewtest;
using namespace kvlist;

namespace {

class ScrollBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        list.SetCtrlFont(font);
        list.resize(200, 200);
        QStringList lines;
        for (int i = 0; i < 60; ++i)
            lines << QStringLiteral("Line %1").arg(i);
        list.SetItems(lines);
        list.SetSkinImage(4, Solid(15, 10, Qt::gray));
        list.SetSkinImage(5, Strip(15, 20, kThumbColors));
        list.SetSkinImage(6, Strip(15, 15, kButtonColors));
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
        bar = list.VertScrollBox();
    }
    QPoint At(int y) const { return {7, y}; }

    TFrameList list;
    TKvScrollBox* bar = nullptr;
};

TEST_F(ScrollBoxTest, TrackPictureShowsAndDocksTheBar) {
    ASSERT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Panel()->parentWidget(), &list);
    EXPECT_EQ(bar->Panel()->geometry(), QRect(184, 1, 15, 198)) << "right edge inside the border";
    EXPECT_EQ(list.SurfaceRect(), QRect(1, 1, 183, 198));
    EXPECT_EQ(bar->Max(), 60 - list.VisibleRows());
    const ScrollGeometry g = bar->Geometry();
    EXPECT_EQ(g.firstButton, 15);
    EXPECT_EQ(g.secondButton, 15);
    EXPECT_EQ(g.thumb, 20);

    list.SetSkinImage(1, Solid(10, 12, Qt::gray)); // horizontal track, 12 high
    TKvScrollBox* horz = list.HorzScrollBox();
    ASSERT_TRUE(horz->Visible());
    EXPECT_EQ(horz->Panel()->geometry(), QRect(1, 187, 183, 12));
    ASSERT_NE(list.CornerPanel(), nullptr);
    EXPECT_EQ(list.CornerPanel()->geometry(), QRect(184, 187, 15, 12));
    EXPECT_EQ(bar->Panel()->geometry(), QRect(184, 1, 15, 186));
    EXPECT_EQ(list.SurfaceRect(), QRect(1, 1, 183, 186));
    list.SetItemIndex(2);
    list.SetItemFocus(4);
    list.grab().save(TestOutputFolder() + QStringLiteral("/listview-both-bars.png"));

    horz->SetVisible(false);
    EXPECT_EQ(list.CornerPanel(), nullptr);
    EXPECT_EQ(horz->Panel()->parentWidget(), nullptr);
    EXPECT_EQ(list.SurfaceRect(), QRect(1, 1, 183, 198));
}

TEST_F(ScrollBoxTest, ButtonsStepAndRepeatAfter300ThenEvery75) {
    QTest::mousePress(bar->Panel(), Qt::LeftButton, {}, At(190));
    EXPECT_EQ(bar->Position(), 1);
    EXPECT_EQ(list.FirstVisibleRow(), 1) << "the list scrolls with the bar";
    EXPECT_EQ(bar->FrameOf(PartSecondButton), 2);
    EXPECT_TRUE(bar->RepeatTimer().isActive());
    EXPECT_EQ(bar->RepeatTimer().interval(), 300);
    std::vector<int> intervals, positions;
    for (int i = 0; i < 3; ++i) {
        bar->RepeatTick();
        intervals.push_back(bar->RepeatTimer().interval());
        positions.push_back(bar->Position());
    }
    EXPECT_EQ(intervals, (std::vector<int>{75, 75, 75}));
    EXPECT_EQ(positions, (std::vector<int>{2, 3, 4}));
    QTest::mouseRelease(bar->Panel(), Qt::LeftButton, {}, At(190));
    EXPECT_FALSE(bar->RepeatTimer().isActive());
    EXPECT_EQ(bar->ButtonState(), 2);
    EXPECT_EQ(bar->FrameOf(PartSecondButton), 1) << "still under the pointer";

    QTest::mousePress(bar->Panel(), Qt::LeftButton, {}, At(5));
    EXPECT_EQ(bar->Position(), 3);
    EXPECT_EQ(bar->RepeatTimer().interval(), 300) << "every press starts with the long delay";
    bar->RepeatTick();
    bar->RepeatTick();
    bar->RepeatTick();
    bar->RepeatTick();
    EXPECT_EQ(bar->Position(), 0) << "stops at 0";
    QTest::mouseRelease(bar->Panel(), Qt::LeftButton, {}, At(5));
}

TEST_F(ScrollBoxTest, TrackPagesThenCreepsTowardThePressPoint) {
    const int page = list.height() / list.RowHeight();
    QSignalSpy scrolled(bar, &TKvScrollBox::OnScroll);
    QTest::mousePress(bar->Panel(), Qt::LeftButton, {}, At(170));
    EXPECT_EQ(bar->Position(), page);
    EXPECT_EQ(scrolled.count(), 1);
    EXPECT_EQ(bar->RepeatTimer().interval(), 300);
    const int target = bar->Geometry().PositionUnder(170, bar->Max());
    ASSERT_GT(target, page + 10) << "far enough to need several ticks";
    int previous = bar->Position();
    for (int i = 0; i < 20; ++i) {
        bar->RepeatTick();
        EXPECT_LE(bar->Position() - previous, 10);
        EXPECT_GE(bar->Position(), previous);
        previous = bar->Position();
    }
    EXPECT_EQ(bar->Position(), target);
    QTest::mouseRelease(bar->Panel(), Qt::LeftButton, {}, At(170));

    // Above the thumb: one page back.
    const int before = bar->Position();
    QTest::mousePress(bar->Panel(), Qt::LeftButton, {}, At(16));
    EXPECT_EQ(bar->Position(), std::max(before - page, 0));
    QTest::mouseRelease(bar->Panel(), Qt::LeftButton, {}, At(16));
}

TEST_F(ScrollBoxTest, ThumbDragStaysInsideTheTrack) {
    const ScrollGeometry g = bar->Geometry();
    ASSERT_EQ(g.Travel(), 198 - 30 - 20);
    QTest::mousePress(bar->Panel(), Qt::LeftButton, {}, At(25)); // on the thumb at the top
    EXPECT_EQ(bar->FrameOf(PartThumb), 2);
    EXPECT_FALSE(bar->RepeatTimer().isActive()) << "the thumb does not repeat";
    struct Move {
        int y, position;
    } moves[] = {{25 + 74, 74 * bar->Max() / 148},
                 {25 + 1000, bar->Max()},
                 {-500, 0},
                 {25 + 148, bar->Max()},
                 {25, 0}};
    for (const Move& m : moves) {
        bar->MouseMove(At(m.y), Qt::LeftButton);
        EXPECT_EQ(bar->Position(), m.position) << "pointer at " << m.y;
        EXPECT_EQ(list.FirstVisibleRow(), m.position);
    }
    bar->MouseMove(At(25 + 74), Qt::LeftButton);
    QTest::mouseRelease(bar->Panel(), Qt::LeftButton, {}, At(25 + 74));
    EXPECT_EQ(bar->Position(), 74 * bar->Max() / 148);
    EXPECT_EQ(bar->HotPart(), PartThumb) << "the thumb snapped under the pointer";
}

TEST_F(ScrollBoxTest, HoverFramesAndLeaving) {
    bar->MouseEnter(At(25));
    EXPECT_EQ(bar->HotPart(), PartThumb);
    EXPECT_EQ(bar->FrameOf(PartThumb), 1);
    EXPECT_EQ(bar->FrameOf(PartFirstButton), 0);
    bar->MouseEnter(At(3));
    EXPECT_EQ(bar->HotPart(), PartFirstButton);
    EXPECT_EQ(bar->FrameOf(PartFirstButton), 1);
    bar->MouseDown(Qt::LeftButton, At(3));
    bar->MouseUp(Qt::LeftButton, At(-40)); // released off the bar
    EXPECT_EQ(bar->HotPart(), PartNone);
    EXPECT_EQ(bar->FrameOf(PartFirstButton), 0);

    bar->MouseDown(Qt::LeftButton, At(190));
    ASSERT_TRUE(bar->RepeatTimer().isActive());
    bar->MouseLeave();
    EXPECT_FALSE(bar->RepeatTimer().isActive()) << "leaving stops the repeat";
    EXPECT_EQ(bar->HotPart(), PartNone);
    bar->MouseUp(Qt::LeftButton, At(-40));

    bar->SetEnabled(false);
    const int position = bar->Position();
    bar->MouseEnter(At(25));
    bar->MouseDown(Qt::LeftButton, At(190));
    EXPECT_EQ(bar->HotPart(), PartNone);
    EXPECT_EQ(bar->Position(), position) << "a disabled bar does not scroll";
}

TEST_F(ScrollBoxTest, MaxAndPositionClamp) {
    QSignalSpy scrolled(bar, &TKvScrollBox::OnScroll);
    bar->SetPosition(-3);
    EXPECT_EQ(scrolled.count(), 0) << "already at 0";
    bar->SetPosition(bar->Max() + 10);
    EXPECT_EQ(bar->Position(), bar->Max());
    EXPECT_EQ(scrolled.count(), 1);
    QStringList few = {"a", "b"};
    list.SetItems(few);
    EXPECT_EQ(bar->Max(), 0);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(list.FirstVisibleRow(), 0);
    bar->SetMax(-7);
    EXPECT_EQ(bar->Max(), 0);
}

} // namespace

// A bar that shows only when needed appears once the rows outgrow the list and
// goes again when they fit, giving its width back to the rows.
TEST_F(ScrollBoxTest, BarShownOnlyWhenNeededFollowsTheRows) {
    bar->SetOnlyWhenNeeded(true);
    EXPECT_TRUE(bar->Visible()) << "60 rows do not fit";
    list.SetItems({QStringLiteral("one"), QStringLiteral("two")});
    EXPECT_FALSE(bar->Visible());
    EXPECT_EQ(list.SurfaceRect(), QRect(1, 1, 198, 198));
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QStringLiteral("Line %1").arg(i);
    list.SetItems(lines);
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(list.SurfaceRect(), QRect(1, 1, 183, 198));
    list.resize(200, 1200);
    EXPECT_FALSE(bar->Visible()) << "a taller list holds every row";
    bar->SetVisible(false);
    list.resize(200, 200);
    EXPECT_FALSE(bar->Visible()) << "a bar switched off stays off";
}
