// The list view under real mouse and key events, and what it draws.
#include "TKvControls.h"
#include "TKvListView.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace {

QStringList Lines(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("%1. Song number %1").arg(i + 1);
    return lines;
}

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        font.setStyleStrategy(QFont::NoAntialias);
        list.SetCtrlFont(font);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
        list.setFocus();
    }
    // A point in the middle of visible row n (0 = first visible row).
    QPoint RowPoint(int n) const {
        const QRect s = list.SurfaceRect();
        return {s.left() + 20, s.top() + 3 + n * list.RowHeight() + list.RowHeight() / 2};
    }
    void Click(int visibleRow, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::mouseClick(&list, Qt::LeftButton, mods, RowPoint(visibleRow));
    }
    QList<int> Rows(std::initializer_list<int> rows) { return QList<int>(rows); }

    TKvListView list;
};

TEST_F(ListViewTest, SettingItemsResetsCursorFocusAndSelection) {
    list.SetItems(Lines(5));
    list.SetItemIndex(2);
    list.SetItemFocus(3);
    list.SetItems(Lines(7));
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.ItemFocus(), -1);
    EXPECT_TRUE(list.SelectedRows().isEmpty());

    struct Case {
        int set, index;
    } cases[] = {{-4, -1}, {0, 0}, {6, 6}, {7, 6}, {1000, 6}, {-1, -1}};
    for (const Case& c : cases) {
        list.SetItemIndex(c.set);
        EXPECT_EQ(list.ItemIndex(), c.index) << "ItemIndex " << c.set;
        list.SetItemFocus(c.set);
        EXPECT_EQ(list.ItemFocus(), c.index) << "ItemFocus " << c.set;
    }
    list.SetItems({});
    list.SetItemIndex(0);
    EXPECT_EQ(list.ItemIndex(), -1) << "an empty list keeps the cursor at -1";
}

TEST_F(ListViewTest, LayoutFollowsFontAndSize) {
    list.SetItems(Lines(3));
    EXPECT_EQ(list.RowHeight(), QFontMetrics(list.CtrlFont()).height() + 3);
    EXPECT_EQ(list.VisibleRows(), (list.SurfaceRect().height() - 6) / list.RowHeight());
    EXPECT_EQ(list.VertScrollBox()->Max(), 0) << "fewer lines than visible rows";
    list.SetItems(Lines(40));
    EXPECT_EQ(list.VertScrollBox()->Max(), 40 - list.VisibleRows());
    QSignalSpy resized(&list, &TKvListView::OnCtrlResize);
    list.resize(185, 300);
    EXPECT_EQ(resized.count(), 1);
    EXPECT_EQ(list.VisibleRows(), (list.SurfaceRect().height() - 6) / list.RowHeight());
    EXPECT_EQ(list.SurfaceRect(), list.rect().adjusted(1, 1, -1, -1)) << "single border, no bars";
}

TEST_F(ListViewTest, ClicksSelectRows) {
    list.SetItems(Lines(8));
    Click(4);
    EXPECT_EQ(list.ItemIndex(), 4);
    EXPECT_EQ(list.SelectedRows(), Rows({4}));
    Click(1, Qt::ShiftModifier);
    EXPECT_EQ(list.SelectedRows(), Rows({1, 2, 3, 4}))
        << "shift above the cursor: clicked row down to the cursor";
    EXPECT_EQ(list.ItemIndex(), 4);
    Click(6, Qt::ControlModifier);
    Click(2, Qt::ControlModifier);
    EXPECT_EQ(list.SelectedRows(), Rows({1, 3, 4, 6}));
    EXPECT_EQ(list.ItemIndex(), 4) << "ctrl leaves the cursor";
    Click(0);
    EXPECT_EQ(list.SelectedRows(), Rows({0}));

    // Below the last line and above the first row's top: nothing.
    QTest::mouseClick(&list, Qt::LeftButton, {}, RowPoint(8));
    QTest::mouseClick(&list, Qt::LeftButton, {}, list.SurfaceRect().topLeft() + QPoint(20, 2));
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_EQ(list.SelectedRows(), Rows({0}));
}

TEST_F(ListViewTest, DoubleClickAndEnterActivateARow) {
    list.SetItems(Lines(5));
    QSignalSpy activated(&list, &TKvListView::OnItemActivated);
    QSignalSpy doubled(&list, &TKvListView::OnDblClick);
    QTest::mouseDClick(&list, Qt::LeftButton, {}, RowPoint(3));
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.takeFirst().at(0).toInt(), 3);
    EXPECT_EQ(doubled.count(), 1);
    QTest::mouseDClick(&list, Qt::LeftButton, {}, RowPoint(7));
    EXPECT_EQ(activated.count(), 0) << "no row under the pointer";
    EXPECT_EQ(doubled.count(), 2) << "the owner still hears the double click";

    list.SetItemIndex(1);
    QTest::keyClick(&list, Qt::Key_Return);
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.takeFirst().at(0).toInt(), 1);
}

TEST_F(ListViewTest, KeysMoveTheCursorAndScroll) {
    list.SetItems(Lines(30));
    const int v = list.VisibleRows();
    ASSERT_GE(v, 3);
    struct Case {
        int from;
        Qt::Key key;
        int cursor;
        int first; // first visible row afterwards (-1: not checked)
    } cases[] = {
        {0, Qt::Key_Up, 0, 0},
        {0, Qt::Key_Down, 1, 0},
        {v - 1, Qt::Key_Down, v, 1},
        {0, Qt::Key_PageDown, v, 1},
        {29, Qt::Key_Down, 29, 30 - v},
        {29 - v + 2, Qt::Key_PageDown, 29, 30 - v}, // last page: the last line
        {29, Qt::Key_PageUp, 29 - v, -1},
        {v - 1, Qt::Key_PageUp, 0, 0},
        {12, Qt::Key_Home, 0, 0},
        {3, Qt::Key_End, 29, 30 - v},
    };
    for (const Case& c : cases) {
        list.SetItemIndex(c.from);
        Click(c.from - list.FirstVisibleRow()); // the cursor row alone selected
        Click(0, Qt::ControlModifier);          // and another row besides
        QTest::keyClick(&list, c.key);
        EXPECT_EQ(list.ItemIndex(), c.cursor) << "key " << c.key << " from " << c.from;
        EXPECT_EQ(list.SelectedRows(), Rows({c.cursor}))
            << "after a key move only the cursor row is selected";
        if (c.first >= 0) {
            EXPECT_EQ(list.FirstVisibleRow(), c.first) << "key " << c.key << " from " << c.from;
        }
    }
}

TEST_F(ListViewTest, OwnerSeesKeysFirstAndMayKeepThem) {
    list.SetItems(Lines(5));
    list.SetItemIndex(2);
    QList<int> seen;
    bool swallow = false;
    QObject::connect(&list, &TKvListView::OnCtrlKeyDown, [&](QKeyEvent* event) {
        seen << event->key() << list.ItemIndex();
        if (swallow)
            event->ignore();
    });
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(seen, Rows({Qt::Key_Down, 2})) << "called before the cursor moved";
    EXPECT_EQ(list.ItemIndex(), 3);
    swallow = true;
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.ItemIndex(), 3) << "an ignored key is left alone";
}

TEST_F(ListViewTest, HorizontalKeysAndWheel) {
    QStringList lines = Lines(40);
    lines[5] = QString(80, QLatin1Char('W'));
    list.SetItems(lines);
    TKvScrollBox* horz = list.HorzScrollBox();
    ASSERT_GT(horz->Max(), 2);
    QTest::keyClick(&list, Qt::Key_Left);
    EXPECT_EQ(horz->Position(), 0);
    QTest::keyClick(&list, Qt::Key_Right);
    QTest::keyClick(&list, Qt::Key_Right);
    EXPECT_EQ(horz->Position(), 2);
    for (int i = 0; i < horz->Max() + 5; ++i)
        QTest::keyClick(&list, Qt::Key_Right);
    EXPECT_EQ(horz->Position(), horz->Max());

    auto wheel = [&](int delta) {
        const QPoint at = RowPoint(1);
        QWheelEvent event(at, list.mapToGlobal(at), {}, {0, delta}, Qt::NoButton, {}, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(&list, &event);
    };
    wheel(-120);
    EXPECT_EQ(list.FirstVisibleRow(), 3);
    wheel(-240);
    EXPECT_EQ(list.FirstVisibleRow(), 9);
    wheel(120 * 50);
    EXPECT_EQ(list.FirstVisibleRow(), 0) << "stops at the top";
    wheel(-120 * 50);
    EXPECT_EQ(list.FirstVisibleRow(), list.VertScrollBox()->Max()) << "stops at the bottom";
}

TEST_F(ListViewTest, RemovingRowsKeepsCursorAndFocusValid) {
    list.SetItems(Lines(5));
    list.SetItemFocus(3);
    list.SetItemIndex(4);
    list.RemoveItem(4);
    EXPECT_EQ(list.ItemIndex(), 3) << "past the end: the last row";
    EXPECT_TRUE(list.Selected(3));
    EXPECT_EQ(list.ItemFocus(), 3);
    list.RemoveItem(0);
    EXPECT_EQ(list.ItemFocus(), 2) << "the focus follows its row";
    list.RemoveItem(2);
    EXPECT_EQ(list.ItemFocus(), -1) << "its row went";
    list.RemoveItem(7);
    list.RemoveItem(-1);
    EXPECT_EQ(list.Items().size(), 2);
    list.AppendItem(QStringLiteral("3. New"));
    list.SetItemText(0, QStringLiteral("1. Renamed"));
    EXPECT_EQ(list.Items(), QStringList({"1. Renamed", "3. Song number 3", "3. New"}));
}

TEST(FrameList, StartsWithBothBarsHidden) {
    TFrameList list;
    EXPECT_FALSE(list.HorzScrollBox()->Visible());
    EXPECT_FALSE(list.VertScrollBox()->Visible());
    EXPECT_EQ(list.size(), QSize(185, 150));
    EXPECT_EQ(list.CornerPanel(), nullptr);
}

} // namespace
