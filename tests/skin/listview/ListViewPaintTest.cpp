// What the list view and its bars draw: background and glyph, selected rows,
// the cursor frame, the focus row's text, magenta holes in bar pictures.
#include "ListViewFixtures.h"
#include "TKvControls.h"
#include "TKvListView.h"

#include <gtest/gtest.h>

#include <functional>

using namespace listviewtest;

namespace {

const QColor kBackground(0x64, 0x34, 0x14);
const QColor kHighLine(0x20, 0x40, 0xC0);
const QColor kHighLineText(0xE6, 0xDF, 0xD2);
const QColor kFocus(0x00, 0xFF, 0x00);
const QColor kText(0xBF, 0xA0, 0x91);

class ListViewPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(13);
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);
        list.SetCtrlFont(font);
        list.SetColor(kBackground);
        list.SetHighLineColor(kHighLine);
        list.SetHighLineTextColor(kHighLineText);
        list.SetFocusColor(kFocus);
        list.SetFontColor(kText);
    }
    // Pixels of a colour inside row r's band (surface coordinates).
    int CountInRow(const QImage& image, int r, QColor color) const {
        int n = 0;
        const int top = 3 + r * list.RowHeight();
        for (int y = top; y < top + list.RowHeight() - 1; ++y)
            for (int x = 3; x < image.width() - 6; ++x)
                n += image.pixelColor(x, y) == color;
        return n;
    }

    TFrameList list;
};

TEST_F(ListViewPaintTest, EmptyListPaintsOnlyTheBackground) {
    const QImage image = list.RenderSurface();
    ASSERT_EQ(image.size(), list.SurfaceRect().size());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixelColor(x, y), kBackground) << x << "," << y;
}

TEST_F(ListViewPaintTest, GlyphIsStretchedOverTheSurface) {
    QImage glyph(2, 2, QImage::Format_RGB32);
    glyph.setPixelColor(0, 0, Qt::red);
    glyph.setPixelColor(1, 0, Qt::green);
    glyph.setPixelColor(0, 1, Qt::blue);
    glyph.setPixelColor(1, 1, Qt::yellow);
    list.SetGlyph(glyph);
    const QImage image = list.RenderSurface();
    const int w = image.width(), h = image.height();
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(w - 2, 1), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(1, h - 2), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(w - 2, h - 2), QColor(Qt::yellow));
    EXPECT_EQ(image.pixelColor(w / 2 - 2, h / 2 - 2), QColor(Qt::red));
}

TEST_F(ListViewPaintTest, SelectedRowsCursorFrameAndFocusText) {
    list.SetItems({"1. One", "2. Two", "3. Three", "4. Four"});
    list.SetItemIndex(1);
    list.SetItemFocus(2);
    const QImage image = list.RenderSurface();
    const int rh = list.RowHeight();
    const int right = image.width() - 7; // last column of a selected band

    // Row 1: selected band in HighLineColor, text in HighLineTextColor.
    EXPECT_EQ(image.pixelColor(right - 1, 3 + rh + rh / 2), kHighLine);
    EXPECT_EQ(image.pixelColor(right + 2, 3 + rh + rh / 2), kBackground) << "the band stops 6 pixels short";
    EXPECT_GT(CountInRow(image, 1, kHighLineText), 0);
    EXPECT_EQ(CountInRow(image, 1, kText), 0);
    // Its top edge is the dotted cursor frame: both colours alternate along it.
    int dots = 0, gaps = 0;
    for (int x = 4; x < right; ++x) {
        dots += image.pixelColor(x, 3 + rh) == kHighLineText;
        gaps += image.pixelColor(x, 3 + rh) == kHighLine;
    }
    EXPECT_GT(dots, 10);
    EXPECT_GT(gaps, 10);

    // Row 0: no band, text in the font colour.
    EXPECT_EQ(image.pixelColor(right - 1, 3 + rh / 2), kBackground);
    EXPECT_GT(CountInRow(image, 0, kText), 0);
    // Row 2: the focus row's text in FocusColor.
    EXPECT_GT(CountInRow(image, 2, kFocus), 0);
    EXPECT_EQ(CountInRow(image, 2, kText), 0);

    // The focus colour wins on a selected row too.
    list.SetItemIndex(2);
    const QImage both = list.RenderSurface();
    EXPECT_GT(CountInRow(both, 2, kFocus), 0);
    EXPECT_EQ(both.pixelColor(right - 1, 3 + 2 * rh + rh / 2), kHighLine);
}

TEST_F(ListViewPaintTest, RowsScrollWithTheBars) {
    QStringList lines;
    for (int i = 0; i < 30; ++i)
        lines << QStringLiteral("Row %1").arg(i);
    list.SetItems(lines);
    list.SetItemFocus(5);
    EXPECT_GT(CountInRow(list.RenderSurface(), 5, kFocus), 0);
    list.VertScrollBox()->SetPosition(3);
    EXPECT_EQ(list.FirstVisibleRow(), 3);
    EXPECT_GT(CountInRow(list.RenderSurface(), 2, kFocus), 0) << "row 5 is now the third visible row";
    EXPECT_EQ(CountInRow(list.RenderSurface(), 5, kFocus), 0);
}

TEST_F(ListViewPaintTest, MagentaIsTransparentInBarPictures) {
    list.SetSkinImage(4, Solid(15, 10, Qt::gray));
    list.SetSkinImage(5, Strip(15, 20, kThumbColors));
    list.SetSkinImage(6, Strip(15, 15, kButtonColors));
    TKvScrollBox* bar = list.VertScrollBox();
    bar->Panel()->SetColor(Qt::white);
    const QImage image = bar->Render();
    ASSERT_EQ(image.size(), QSize(15, 148));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_NE(image.pixelColor(x, y), QColor(0xFF, 0x00, 0xFF)) << x << "," << y;
    EXPECT_EQ(image.pixelColor(7, 7), QColor(Qt::white)) << "first button's hole shows the panel";
    EXPECT_EQ(image.pixelColor(2, 2), kButtonColors[0]);
    EXPECT_EQ(image.pixelColor(2, 145), kButtonColors[3]);
    EXPECT_EQ(image.pixelColor(7, 15 + 10), QColor(Qt::gray)) << "thumb's hole shows the track";
    EXPECT_EQ(image.pixelColor(2, 15 + 2), QColor(Qt::red)) << "thumb frame 0";
    EXPECT_EQ(image.pixelColor(2, 100), QColor(Qt::gray));

    bar->MouseEnter({7, 20});
    EXPECT_EQ(bar->Render().pixelColor(2, 17), QColor(Qt::green)) << "hover frame";
    bar->MouseDown(Qt::LeftButton, {7, 140});
    EXPECT_EQ(bar->Render().pixelColor(2, 145), kButtonColors[5]) << "pressed frame";
    bar->MouseUp(Qt::LeftButton, {7, 140});
}

TEST_F(ListViewPaintTest, BottomStripAboveAHorizontalBarKeepsTheBackground) {
    list.SetGlyph(Solid(4, 4, Qt::red));
    list.SetSkinImage(1, Solid(10, 12, Qt::gray));
    list.show();
    const QImage shot = list.grab().toImage();
    const QRect s = list.SurfaceRect();
    EXPECT_EQ(shot.pixelColor(s.left() + 10, s.bottom() - 5), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(s.left() + 10, s.bottom()), kBackground);
    EXPECT_EQ(shot.pixelColor(s.left() + 10, s.bottom() + 2), QColor(Qt::gray)) << "the bar below";
}

} // namespace

// The shown picture is rendered once per change and reused by other paints
// (a parent repainting around the list), yet follows every change.
TEST_F(ListViewPaintTest, PaintsReuseThePictureUntilSomethingShownChanges) {
    list.SetItems({"one", "two", "three", "four"});
    list.show(); // a hidden control is laid out anew at every grab
    list.grab();
    const QImage first = list.grab().toImage();
    const int renders = list.Renders();
    list.update();
    EXPECT_EQ(list.grab().toImage(), first);
    EXPECT_EQ(list.Renders(), renders) << "nothing changed: no new rendering";
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"cursor", [&] { list.SetItemIndex(1); }},
        {"focus row", [&] { list.SetItemFocus(2); }},
        {"row text", [&] { list.SetItemText(0, "ONE!"); }},
        {"row removed", [&] { list.RemoveItem(3); }},
        {"colour", [&] { list.SetColor(Qt::darkGreen); }},
    };
    QImage before = first;
    for (const auto& [what, change] : changes) {
        change();
        const QImage after = list.grab().toImage();
        EXPECT_NE(after, before) << what;
        const QImage shown = after.copy(list.SurfaceRect()).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown.copy(0, 0, 30, 20), list.RenderSurface().convertToFormat(QImage::Format_RGB32).copy(0, 0, 30, 20))
            << what << ": the shown picture is the current one";
        before = after;
    }
}

TEST_F(ListViewPaintTest, AFailedRowIsDimmedUntilClearedAndTheMarkFollowsItsRow) {
    list.resize(300, 200);
    list.SetItems({"1. One", "2. Two", "3. Three"});
    const QColor dimmed((kText.red() + kBackground.red()) / 2, (kText.green() + kBackground.green()) / 2,
                        (kText.blue() + kBackground.blue()) / 2);
    list.SetItemFailed(2, true);
    QImage image = list.RenderSurface();
    EXPECT_GT(CountInRow(image, 0, kText), 0);
    EXPECT_EQ(CountInRow(image, 0, dimmed), 0);
    EXPECT_EQ(CountInRow(image, 2, kText), 0);
    EXPECT_GT(CountInRow(image, 2, dimmed), 0);
    // The row above goes: the mark moves up with its row.
    list.RemoveItem(0);
    EXPECT_TRUE(list.ItemFailed(1));
    EXPECT_FALSE(list.ItemFailed(0));
    list.SetItemFailed(1, false);
    image = list.RenderSurface();
    EXPECT_GT(CountInRow(image, 1, kText), 0);
    EXPECT_EQ(CountInRow(image, 1, dimmed), 0);
}
