// Slider values, time texts, track digits, slides and the scrolling title.
#include "SkinMath.h"

#include "QtPrint.h"

#include <gtest/gtest.h>

TEST(SliderMapping, VolumeBothWaysAndBothOrientations) {
    struct Case {
        int track, thumb;
        bool vertical;
        int offset, volume;
    };
    // track 110, thumb 10: range 100.
    const Case cases[] = {
        {110, 10, false, 0, 0},    {110, 10, false, 100, 65535}, {110, 10, false, 50, 32767},
        {110, 10, true, 0, 65535}, {110, 10, true, 100, 0},      {110, 10, true, 25, 65535 - 16383},
    };
    for (const Case& c : cases) {
        const int range = SliderRange(c.track, c.thumb);
        EXPECT_EQ(VolumeFromOffset(c.offset, range, c.vertical), c.volume) << c.offset << " " << c.vertical;
    }
    EXPECT_EQ(VolumeOffset(65535, 110, 10, false), 100);
    EXPECT_EQ(VolumeOffset(0, 110, 10, false), 0);
    EXPECT_EQ(VolumeOffset(65535, 110, 10, true), 0);
    EXPECT_EQ(VolumeOffset(0, 110, 10, true), 100);
    EXPECT_EQ(VolumeOffset(32768, 110, 10, false), 50);
    // A thumb as wide as its track: the range never becomes 0.
    EXPECT_EQ(SliderRange(10, 10), 1);
    EXPECT_EQ(SliderRange(8, 10), 1);
}

TEST(SliderMapping, BalanceAndPosition) {
    EXPECT_EQ(BalanceFromOffset(0, 100, false), 0);
    EXPECT_EQ(BalanceFromOffset(50, 100, false), 50);
    EXPECT_EQ(BalanceFromOffset(100, 100, false), 100);
    EXPECT_EQ(BalanceFromOffset(0, 100, true), 100);
    EXPECT_EQ(BalanceFromOffset(37, 74, true), 50);
    EXPECT_EQ(BalanceOffset(50, 110, 10, false), 50);
    EXPECT_EQ(BalanceOffset(0, 110, 10, true), 100);
    EXPECT_EQ(BalanceOffset(100, 110, 10, true), 0);

    EXPECT_EQ(PositionSeconds(50, 100, 240), 120);
    EXPECT_EQ(PositionSeconds(150, 100, 240), 240) << "an offset past the range counts as the end";
    EXPECT_EQ(PositionOffset(1200, 240, 110, 10), 50);
    EXPECT_EQ(PositionOffset(5000, 240, 110, 10), 100) << "past the end the thumb stays at the end";
    EXPECT_EQ(PositionOffset(5, 0, 110, 10), 100) << "no duration: one tenth already fills the range";
    EXPECT_EQ(PositionOffset(0, 0, 110, 10), 0);
}

TEST(SliderMapping, ReadOuts) {
    EXPECT_EQ(BalanceReadout(50), "Balance : Center");
    EXPECT_EQ(BalanceReadout(0), "Balance : Left 100%");
    EXPECT_EQ(BalanceReadout(100), "Balance : Right 100%");
    EXPECT_EQ(BalanceReadout(40), "Balance : Left 20%");
    EXPECT_EQ(BalanceReadout(51), "Balance : Right 2%");
    EXPECT_EQ(VolumeReadout(65535), "Volume : 100%");
    EXPECT_EQ(VolumeReadout(0), "Volume : 0%");
    EXPECT_EQ(VolumeReadout(32767), "Volume : 49%");
}

TEST(ShowTime, ShortAndLongInBothModes) {
    struct Case {
        int p, d;
        bool remaining;
        const char* shortText;
        const char* longText;
    };
    const Case cases[] = {
        {3725, 4000, false, " 1:02:05", " 2:05 / 6:40"},
        {0, 0, false, " 0:00:00", " 0:00 / 0:00"},
        {65, 250, true, "-0:03:05", "-3:05 / 4:10"},
        // Past the duration the elapsed time shows even in remaining mode.
        {300, 250, true, " 0:05:00", " 5:00 / 4:10"},
        // Clamped to 0 ... 918000 seconds.
        {-20, 10, false, " 0:00:00", " 0:00 / 0:10"},
        {2000000, 2000000, false, " 255:00:00", " 0:00 / 0:00"},
    };
    for (const Case& c : cases) {
        const TimeTexts t = ShowTimeTexts(c.p, c.d, c.remaining);
        EXPECT_EQ(t.shortText, c.shortText) << c.p;
        EXPECT_EQ(t.longText, c.longText) << c.p;
    }
}

TEST(NumberDisplay, DigitsWithLeadingBlanks) {
    using D = std::array<int, 3>;
    EXPECT_EQ(DigitEntries(-1), (D{10, 10, 10})) << "no current track: three blanks";
    EXPECT_EQ(DigitEntries(0), (D{10, 10, 1}));
    EXPECT_EQ(DigitEntries(1), (D{10, 10, 2}));
    EXPECT_EQ(DigitEntries(9), (D{10, 1, 0}));
    EXPECT_EQ(DigitEntries(98), (D{10, 9, 9}));
    EXPECT_EQ(DigitEntries(99), (D{1, 0, 0}));
    EXPECT_EQ(DigitEntries(100), (D{1, 0, 1}));
    EXPECT_EQ(DigitEntries(1099), (D{1, 0, 0})) << "1100: hundreds reduced by 10";
}

TEST(Slide, StepsAndFinalPlacement) {
    SlidePlan plan = PlanSlide(10, 25);
    EXPECT_EQ(plan.step, 1);
    EXPECT_EQ(plan.count, 10) << "a distance below the step count slides in steps of one pixel";
    plan = PlanSlide(0, 25);
    EXPECT_EQ(plan.count, 0);
    plan = PlanSlide(161, 0);
    EXPECT_EQ(plan.step, 6);
    EXPECT_EQ(plan.count, 26);
    plan = PlanSlide(-10, 40);
    EXPECT_EQ(plan.step, -1);
    EXPECT_EQ(plan.count, 10);

    const QRect home(10, 20, 100, 50);
    EXPECT_EQ(SlideFinal(1, home, home, 30, true).topLeft(), QPoint(40, 20));
    EXPECT_EQ(SlideFinal(2, home, home, 30, true).topLeft(), QPoint(-20, 20));
    EXPECT_EQ(SlideFinal(3, home, home, 30, true).topLeft(), QPoint(10, 50));
    EXPECT_EQ(SlideFinal(4, home, home, 30, true), QRect(10, -10, 100, 50));
    EXPECT_EQ(SlideFinal(8, QRect(10, 20, 100, 20), home, 30, false), QRect(10, 20, 100, 20));
    EXPECT_EQ(SlideFinal(8, QRect(10, 20, 100, 20), home, 30, true), QRect(10, -10, 100, 50));
    EXPECT_EQ(SlideFinal(5, home, home, 30, false).width(), 70);
    EXPECT_EQ(SlideFinal(7, home, home, 30, false).height(), 20);
    for (int direction : {1, 2, 3, 4, 8}) {
        QRect g = home;
        if (direction == 8)
            g.setHeight(home.height() - 30);
        const QRect start = g;
        for (int i = 0; i < 30; ++i)
            g = SlideStep(direction, g, 1);
        g = SlideFinal(direction, g, home, 30, true);
        for (int i = 0; i < 30; ++i)
            g = SlideStep(direction, g, -1);
        EXPECT_EQ(SlideFinal(direction, g, home, 30, false), start) << direction;
    }
}

TEST(InfoText, WithAndWithoutTags) {
    EXPECT_EQ(InfoText({}), "***  Sorvi Audio  ***");
    SongInfoText song{true, "Song", {}, {}, {}};
    EXPECT_EQ(InfoText(song), "Sorvi Audio  *** Song  -  *** ");
    song.artist = "Artist";
    song.album = "Album";
    song.year = "19999";
    EXPECT_EQ(InfoText(song), "Sorvi Audio  *** Song  -  ar: Artist   al: Album   1999   *** ");
    song.artist.clear();
    song.year.clear();
    EXPECT_EQ(InfoText(song), "Sorvi Audio  *** Song  -  al: Album   *** ");
}

TEST(Scroll, HoldThenHalfPixelStepsThenReentryFromTheRight) {
    ScrollState s;
    s.limit = 20;
    s.offset = 6;
    s.hold = 2;
    const int scale = 1, labelWidth = 5;
    std::vector<int> xs;
    for (int tick = 0; tick < 22; ++tick) {
        xs.push_back(ScrollDrawX(s, scale));
        AdvanceScroll(s, labelWidth, scale);
    }
    // Two held ticks at -3, then -offset >> 1 while the offset climbs to the
    // limit, then the offset becomes -(5 << 1) = -10: x = 5, the right edge.
    const std::vector<int> expected = {-3, -3, -3, -4, -4,  -5,  -5, -6, -6, -7, -7,
                                       -8, -8, -9, -9, -10, -10, 5,  4,  4,  3,  3};
    EXPECT_EQ(xs, expected);
    EXPECT_EQ(ScrollDrawX(ScrollState{0, 1, 0}, 1), -1) << "the shift keeps the sign (rounds down)";
}
