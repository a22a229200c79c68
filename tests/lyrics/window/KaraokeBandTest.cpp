// The karaoke band: its layouts with a fixed-width text measure, then the same
// cases painted by the lyrics view and checked on the band surface's pixels.
#include "KaraokeBand.h"

#include "LrcDisplayLines.h"
#include "LrcParser.h"
#include "LyricsSurface.h"
#include "OptionsStore.h"
#include "TempHome.h"
#include "TLrcView.h"
#include "TOption.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QChar kBrk(kBandBreak);
int tenPerChar(const QString& s) {
    return int(s.size()) * 10;
}

struct Lyrics {
    TLrcRec lrc;
    TLrcRec lines;
    explicit Lyrics(const QString& text) {
        ParseLrcText(text, lrc);
        SortLrcRec(lrc);
        lines = BuildDisplayLines(lrc);
    }
};

BandInput input(const Lyrics& l, int position, int engine, QSize size, int lineHeight = 20) {
    BandInput in;
    in.lrc = &l.lrc;
    in.displayLines = &l.lines;
    in.playing = true;
    in.positionTenths = position;
    in.engineTimeTenths = engine;
    in.size = size;
    in.bandLineHeight = lineHeight;
    // The current line as the window computes it.
    in.currentLine = -1;
    for (int i = 0; i < l.lines.Times.size(); ++i) {
        if (l.lines.Times[i] >= position) {
            in.currentLine = i - 1;
            break;
        }
    }
    return in;
}

const QSize kShort(300, 40); // fewer than three band lines: one row only
const QSize kTall(300, 74);

} // namespace

TEST(BandWrap, BreaksAfterTheLastBreakCharacterBeforeTheLimit) {
    EXPECT_EQ(WrapBandText("aaaa bbbb cccc dddd", 9), QString("aaaa bbbb ") + kBrk + "cccc dddd");
    EXPECT_EQ(WrapBandText("one,two-three.four", 8), QString("one,two-") + kBrk + "three." + kBrk + "four");
    // Three rows: the second break stays in the text after the first.
    EXPECT_EQ(WrapBandText("aaaa bbbb cccc dddd eeee", 9),
              QString("aaaa bbbb ") + kBrk + "cccc dddd " + kBrk + "eeee");
    // No break inside quotes, none in a stretch without break characters.
    EXPECT_EQ(WrapBandText("\"aa bb cc dd\" ee", 5), QString("\"aa bb cc dd\" ") + kBrk + "ee");
    EXPECT_EQ(WrapBandText(QStringLiteral("一二三四五六七八九十"), 4),
              QStringLiteral("一二三四五六七八九十"));
    EXPECT_EQ(WrapBandText("short", 20), QString("short"));
}

TEST(BandLayoutTest, EmptyBeforeTheFirstLineWhenStoppedAndWithoutLyrics) {
    Lyrics l("[00:01.0]Hello\n[00:05.0]World");
    TKaraokeBand band;
    EXPECT_TRUE(band.Update(input(l, 5, 0, kShort), tenPerChar).empty());
    BandInput stopped = input(l, 30, 30, kShort);
    stopped.playing = false;
    EXPECT_TRUE(band.Update(stopped, tenPerChar).empty());
    Lyrics none("");
    EXPECT_TRUE(band.Update(input(none, 30, 30, kShort), tenPerChar).empty());
}

TEST(BandLayoutTest, OneRowSweptFromItsTimeToTheNextLine) {
    Lyrics l("[00:01.0]Hello world\n[00:05.0]Second");
    TKaraokeBand band;
    const auto pieces = band.Update(input(l, 30, 30, kShort), tenPerChar);
    EXPECT_EQ(band.BandLayout, TKaraokeBand::OneRow);
    EXPECT_EQ(band.SegmentStart, 10);
    EXPECT_EQ(band.SegmentEnd, 50);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].x, (300 - 110) / 2);
    EXPECT_EQ(pieces[0].y, (40 - 20) / 2);
    EXPECT_LT(pieces[0].swept, 0);
    EXPECT_EQ(pieces[1].x, pieces[0].x);
    EXPECT_EQ(pieces[1].swept, (30 - 10) * 110 / 40);
    // Painting waits for the engine's whole-second report to pass the piece's
    // time, but the width comes from the interpolated position.
    const auto early = band.Update(input(l, 19, 10, kShort), tenPerChar);
    ASSERT_EQ(early.size(), 1u);
    const auto partly = band.Update(input(l, 19, 11, kShort), tenPerChar);
    ASSERT_EQ(partly.size(), 2u);
    EXPECT_EQ(partly[1].swept, 9 * 110 / 40);
}

TEST(BandLayoutTest, WideLineStartsAtTheLeftEdgeOfAOneRowBand) {
    Lyrics l("[00:01.0]" + QString(40, 'x') + "\n[00:05.0]b");
    TKaraokeBand band;
    const auto pieces = band.Update(input(l, 20, 20, kShort), tenPerChar);
    EXPECT_EQ(band.BandLayout, TKaraokeBand::OneRow);
    EXPECT_EQ(pieces[0].x, 0);
}

TEST(BandLayoutTest, WideLineIsWrappedIntoTwoRowsInATallBand) {
    Lyrics l("[00:01.0]aaaa bbbb cccc dddd eeee fff\n[00:05.0]b");
    TKaraokeBand band;
    // 28 characters of 10 pixels in a 200-pixel band: 19 columns.
    const auto pieces = band.Update(input(l, 30, 30, QSize(200, 74)), tenPerChar);
    EXPECT_EQ(band.BandLayout, TKaraokeBand::Wrapped);
    EXPECT_EQ(band.BandText, QString("aaaa bbbb cccc dddd ") + kBrk + "eeee fff");
    ASSERT_EQ(pieces.size(), 3u);
    const int x1 = (200 - 280) < 0 ? 0 : (200 - 280) / 2;
    EXPECT_EQ(pieces[0].text, QString("aaaa bbbb cccc dddd "));
    EXPECT_EQ(pieces[0].x, x1);
    EXPECT_EQ(pieces[0].y, (74 - 40) / 2);
    EXPECT_EQ(pieces[1].text, QString("eeee fff"));
    // Row 2 ends as far from the right edge as row 1 begins from the left.
    EXPECT_EQ(pieces[1].x, 200 - 80 - x1);
    EXPECT_EQ(pieces[1].y, pieces[0].y + 20);
    // Swept as one: half the time gives half the width (break character included).
    EXPECT_EQ(pieces[2].text, pieces[0].text);
    EXPECT_EQ(pieces[2].swept, (30 - 10) * 290 / 40);
    // Later the sweep runs into row 2.
    const auto later = band.Update(input(l, 45, 40, QSize(200, 74)), tenPerChar);
    ASSERT_EQ(later.size(), 4u);
    EXPECT_EQ(later[2].swept, 200);
    EXPECT_EQ(later[3].text, QString("eeee fff"));
    EXPECT_EQ(later[3].swept, std::min(35 * 290 / 40 - 200, 80));
}

TEST(BandLayoutTest, ChineseWithoutBreakCharactersStaysOneRow) {
    Lyrics l(QStringLiteral(
        "[00:01.0]一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二\n[00:05.0]b"));
    TKaraokeBand band;
    const auto pieces = band.Update(input(l, 30, 30, QSize(200, 74)), tenPerChar);
    EXPECT_EQ(band.BandLayout, TKaraokeBand::Wrapped);
    ASSERT_GE(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].x, 0);
    EXPECT_TRUE(pieces[1].text.isEmpty());
}

TEST(BandLayoutTest, TwoShortLinesShownTogetherUntilTheLineAfterThem) {
    Lyrics l("[00:01.0]One\n[00:03.0]Two\n[00:06.0]Three");
    TKaraokeBand band;
    auto pieces = band.Update(input(l, 20, 20, kTall), tenPerChar);
    EXPECT_EQ(band.BandLayout, TKaraokeBand::TwoLines);
    EXPECT_EQ(band.SegmentEnd, 60);
    const int x1 = (300 - 60) / 2;
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].x, x1);
    EXPECT_EQ(pieces[1].x, 300 - 30 - x1);
    EXPECT_EQ(pieces[2].x, x1);
    EXPECT_EQ(pieces[2].swept, 10 * 30 / 20);
    // The second line is current now; the layout holds.
    pieces = band.Update(input(l, 40, 40, kTall), tenPerChar);
    EXPECT_EQ(band.BandLayout, TKaraokeBand::TwoLines);
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[2].swept, 30);
    EXPECT_EQ(pieces[3].text, QString("Two"));
    EXPECT_EQ(pieces[3].x, 300 - 30 - x1);
    EXPECT_EQ(pieces[3].y, pieces[1].y);
    EXPECT_EQ(pieces[3].swept, 10 * 30 / 30);
    // Past the line after them: laid out anew.
    band.Update(input(l, 61, 60, kTall), tenPerChar);
    EXPECT_EQ(band.SegmentStart, 60);
    EXPECT_EQ(band.BandText, QString("Three"));
}

TEST(BandLayoutTest, LastEntryIsPaintedFully) {
    Lyrics l("[00:01.0]A\n[00:02.0]Last");
    TKaraokeBand band;
    const auto pieces = band.Update(input(l, 30, 30, kShort), tenPerChar);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[1].text, QString("Last"));
    EXPECT_EQ(pieces[1].swept, 40);
}

TEST(BandLayoutTest, SegmentedPiecesFollowTheWords) {
    Lyrics l("[segmented]\n[00:01.0]Hel\n[00:03.0]lo\n[00:05.0] you\n[00:07.0]\n[00:08.0]Next");
    ASSERT_TRUE(l.lrc.Segmented);
    TKaraokeBand band;
    const auto pieces = band.Update(input(l, 40, 40, kShort), tenPerChar);
    EXPECT_EQ(band.BandText, QString("Hello you"));
    ASSERT_EQ(pieces.size(), 3u);
    const int x0 = (300 - 90) / 2;
    EXPECT_EQ(pieces[1].text, QString("Hel"));
    EXPECT_EQ(pieces[1].swept, 30);
    EXPECT_EQ(pieces[2].text, QString("lo"));
    EXPECT_EQ(pieces[2].x, x0 + 30);
    EXPECT_EQ(pieces[2].swept, 10 * 20 / 20);
}

TEST(BandLayoutTest, SegmentedPieceRunningPastTheBreakStaysInRowOne) {
    Lyrics l("[segmented]\n[00:01.0]aaaa\n[00:02.0] bbbbbb cc\n[00:03.0]dd\n[00:09.0]\n[00:10.0]x");
    TKaraokeBand band;
    // "aaaa bbbbbb ccdd" (16 characters) in a 100-pixel band: 9 columns.
    const auto pieces = band.Update(input(l, 35, 35, QSize(100, 74)), tenPerChar);
    EXPECT_EQ(band.BandLayout, TKaraokeBand::Wrapped);
    ASSERT_EQ(band.BandText, QString("aaaa ") + kBrk + "bbbbbb " + kBrk + "ccdd");
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[3].text, QString(" bbbbbb cc"));
    EXPECT_EQ(pieces[3].y, pieces[0].y); // row 1, running past its end
    EXPECT_EQ(pieces[4].text, QString("dd"));
    EXPECT_EQ(pieces[4].y, pieces[1].y);
    EXPECT_EQ(pieces[4].x, pieces[1].x + 140 - 50);
}

// --- the same band painted ---

namespace {

const QRgb kActive = ColorRefToPixel(33023);
const QRgb kNormal = ColorRefToPixel(16711680);

struct PaintedBand : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    TLrcView view{option};

    void load(const QString& text, int bandHeight) {
        TLyricsOptions options;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(14);
        view.SetOptions(options, font, font);
        TLrcRec lrc;
        ParseLrcText(text, lrc);
        view.SetLyrics(lrc);
        view.Resize(QSize(400, 200), QRect(0, 0, 400, 200), QRect(0, 200 - bandHeight, 400, bandHeight));
        option.SetPlaying(true);
    }
    void at(int seconds, int tick) {
        option.ReportEngineTime(seconds);
        option.SetTick(tick);
        view.UpdateLyrics();
    }
    // Columns of the band surface holding the colour within rows [top, bottom).
    std::pair<int, int> columns(QRgb color, int top, int bottom) const {
        int first = INT_MAX, last = -1;
        for (int y = std::max(top, 0); y < std::min(bottom, view.BandSurface.height()); ++y)
            for (int x = 0; x < view.BandSurface.width(); ++x)
                if (view.BandSurface.pixel(x, y) == color) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        return {first, last};
    }
};

} // namespace

TEST_F(PaintedBand, ActiveLeftOfTheSweepEdgeNormalRightOfIt) {
    load("[00:01.0]Sing along with me\n[00:05.0]Next", 40);
    at(3, 0);
    const auto& pieces = view.BandPieces();
    ASSERT_EQ(pieces.size(), 2u);
    const int edge = pieces[1].x + pieces[1].swept;
    const auto active = columns(kActive, 0, 40);
    const auto normal = columns(kNormal, 0, 40);
    ASSERT_GE(active.second, 0);
    ASSERT_GE(normal.second, 0);
    EXPECT_LT(active.second, edge);
    EXPECT_GE(normal.first, edge);
    EXPECT_GE(active.first, pieces[0].x);
}

TEST_F(PaintedBand, TwoRowsBothPaintedAndTheFirstSwept) {
    load("[00:01.0]One\n[00:03.0]Two\n[00:06.0]Three", 74);
    at(2, 0);
    ASSERT_EQ(view.Band.BandLayout, TKaraokeBand::TwoLines);
    const int row1Top = view.BandPieces()[0].y;
    const int row2Top = view.BandPieces()[1].y;
    EXPECT_GE(columns(kActive, row1Top, row2Top).second, 0);
    EXPECT_GE(columns(kNormal, row1Top, row2Top).second, 0);
    EXPECT_EQ(columns(kActive, row2Top, 74).second, -1);
    const auto row2 = columns(kNormal, row2Top, 74);
    EXPECT_GT(row2.first, columns(kNormal, row1Top, row2Top).first);
    // Once the second line is sung its row sweeps too.
    at(5, 0);
    EXPECT_GE(columns(kActive, row2Top, 74).second, 0);
}

TEST_F(PaintedBand, WrappedRowsAndTheLastEntryFullyPainted) {
    load("[00:01.0]this line is far too long for one row of the band, so it wraps into two "
         "rows\n[00:05.0]Last",
         74);
    at(3, 0);
    ASSERT_EQ(view.Band.BandLayout, TKaraokeBand::Wrapped);
    const int row2Top = view.BandPieces()[1].y;
    EXPECT_GE(columns(kNormal, 0, row2Top).second, 0);
    EXPECT_GE(columns(kNormal, row2Top, 74).second, 0);
    EXPECT_GE(columns(kActive, 0, row2Top).second, 0);

    at(6, 0); // the last line, a tenth long: fully sung at once
    EXPECT_EQ(columns(kNormal, 0, 74).second, -1);
    EXPECT_GE(columns(kActive, 0, 74).second, 0);
}

TEST_F(PaintedBand, SegmentedPiecesPaintedOneByOne) {
    load("[segmented]\n[00:01.0]Hel\n[00:03.0]lo\n[00:05.0] you\n[00:07.0]\n[00:08.0]Next", 40);
    at(4, 0);
    ASSERT_EQ(view.BandPieces().size(), 3u);
    const BandPiece& second = view.BandPieces()[2];
    const auto active = columns(kActive, 0, 40);
    const auto normal = columns(kNormal, 0, 40);
    EXPECT_LT(active.second, second.x + second.swept);
    EXPECT_GE(normal.first, second.x + second.swept);
    EXPECT_GT(active.second, second.x); // part of the second piece is sung
}

TEST_F(PaintedBand, StoppedMeansAnEmptyBand) {
    load("[00:01.0]Hello\n[00:05.0]World", 40);
    at(3, 0);
    option.SetPlaying(false);
    view.UpdateLyrics();
    EXPECT_EQ(columns(kNormal, 0, 40).second, -1);
    EXPECT_EQ(columns(kActive, 0, 40).second, -1);
}

namespace {

// The band painted straight from its pieces: each piece's text in the normal
// colour, then in the active colour up to its sweep edge, then the outline.
QImage PaintedPieceByPiece(const TLrcView& view) {
    QImage band(view.BandSurface.size(), QImage::Format_RGB32);
    band.fill(kKeyPixel);
    const TLyricsOptions colors;
    QRect ink;
    for (const BandPiece& piece : view.BandPieces()) {
        for (bool sung : {false, true}) {
            if (sung && piece.swept <= 0)
                continue;
            QPainter painter(&band);
            if (sung)
                painter.setClipRect(0, 0, piece.x + piece.swept, piece.y + view.BandLineHeight);
            painter.setFont(view.BandFont);
            painter.setPen(QColor::fromRgb(ColorRefToPixel(sung ? colors.BandActiveColor : colors.BandNormalColor)));
            painter.drawText(piece.x, piece.y + QFontMetrics(view.BandFont).ascent(),
                             QString(piece.text).replace(QChar(kBandBreak), QChar(u' ')));
        }
        ink |= QRect(0, piece.y, band.width(), view.BandLineHeight);
    }
    OutlineSurface(band, ColorRefToPixel(colors.BandRectColor), kKeyPixel, ink & band.rect());
    return band;
}

} // namespace

// Tick after tick through whole songs, the band the view keeps between ticks
// is the band painted afresh from the pieces of that moment, in every layout.
TEST_F(PaintedBand, BandKeptBetweenTicksEqualsTheBandPaintedAfresh) {
    struct Case {
        const char* name;
        const char* lrc;
        int bandHeight;
    } cases[] = {
        {"one row", "[00:01.0]Sing along with me\n[00:03.5]Next line here\n[00:06.0]End", 40},
        {"two lines", "[00:01.0]One\n[00:03.0]Two\n[00:06.0]Three", 74},
        {"wrapped",
         "[00:01.0]this line is far too long for one row of the band, so it wraps into two rows\n[00:05.0]Last",
         74},
        {"segmented", "[segmented]\n[00:01.0]Hel\n[00:03.0]lo\n[00:05.0] you\n[00:07.0]\n[00:08.0]Next", 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        load(QString::fromUtf8(c.lrc), c.bandHeight);
        int swept = 0, narrow = 0;
        for (int tenths = 0; tenths <= 90; tenths += 3) {
            const QImage before = view.BandSurface;
            at(tenths / 10, tenths % 10);
            ASSERT_TRUE(view.BandSurface == PaintedPieceByPiece(view)) << tenths;
            swept += view.BandPieces().empty() ? 0 : std::max(view.BandPieces().back().swept, 0);
            // What changed lies within what the tick says it changed, and the
            // panel put together from just that equals the panel put together
            // afresh.
            const QRect changed = view.BandChanged();
            for (int y = 0; y < before.height(); ++y)
                for (int x = 0; x < before.width(); ++x) {
                    if (before.pixel(x, y) != view.BandSurface.pixel(x, y)) {
                        ASSERT_TRUE(changed.contains(x, y)) << tenths << ": " << x << "," << y;
                    }
                }
            narrow += !changed.isEmpty() && changed.width() < view.BandSurface.width() / 4;
            const QImage presented = view.BackSurface;
            view.Present();
            ASSERT_TRUE(presented == view.BackSurface) << tenths;
        }
        EXPECT_GT(swept, 0) << "the walk went through sweeps";
        EXPECT_GT(narrow, 0) << "ticks that only move the sweep change a few columns";
    }
}
