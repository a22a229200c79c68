// Display lines: the plain copy with its end marker, and segment joining.
#include "LrcDisplayLines.h"

#include "LrcParser.h"
#include "QtPrint.h"

#include <gtest/gtest.h>

namespace {

TLrcRec Loaded(const char* text) {
    TLrcRec rec;
    ParseLrcBytes(text, rec);
    SortLrcRec(rec);
    return rec;
}

TEST(BuildDisplayLines, PlainLyricsGetTheEndMarker) {
    const TLrcRec display = BuildDisplayLines(Loaded("[00:02]B\n[00:01]A\n[00:03]"));
    EXPECT_EQ(display.Lines, (QStringList{"A", "B", "", ""}));
    EXPECT_EQ(display.Times, (QList<qint32>{10, 20, 30, kLrcEndTime}));
    EXPECT_EQ(display.Count, 4);
}

TEST(BuildDisplayLines, EmptyLyricsHoldOnlyTheEndMarker) {
    const TLrcRec display = BuildDisplayLines(Loaded(""));
    EXPECT_EQ(display.Lines, QStringList{""});
    EXPECT_EQ(display.Times, QList<qint32>{kLrcEndTime});
    EXPECT_EQ(display.Count, 1);
}

TEST(BuildDisplayLines, SegmentsJoinPiecesUntilAnEmptyTimedLine) {
    // Two segments: "Hello world" from 1.0 s, ended by the empty line at 3.0 s,
    // then "Again" from 4.0 s. The loaded record keeps the pieces' own times.
    // Lines are trimmed, so a space between pieces belongs at the start of a piece.
    const TLrcRec rec = Loaded("[segmented]\n"
                               "[00:01]Hello \n"
                               "[00:02] world\n"
                               "[00:03]\n"
                               "[00:04]Again\n");
    ASSERT_EQ(rec.Count, 4);
    const TLrcRec display = BuildDisplayLines(rec);
    EXPECT_EQ(display.Lines, (QStringList{"Hello world", "Again", ""}));
    EXPECT_EQ(display.Times, (QList<qint32>{10, 40, kLrcEndTime}));
}

TEST(BuildDisplayLines, SegmentWaitsForItsFirstText) {
    // An empty line first: the leading display line stays empty at time 0 and
    // the next segment takes the time of its first text, not of the empty line.
    const TLrcRec display = BuildDisplayLines(Loaded("[SEGMENTED]\n[00:01]\n[00:02]\n[00:05]x\n"));
    EXPECT_EQ(display.Lines, (QStringList{"", "", "x", ""}));
    EXPECT_EQ(display.Times, (QList<qint32>{0, 10, 50, kLrcEndTime}));
}

TEST(BuildDisplayLines, SegmentedEmptyLyrics) {
    const TLrcRec display = BuildDisplayLines(Loaded("[segmented]"));
    EXPECT_EQ(display.Lines, (QStringList{"", ""}));
    EXPECT_EQ(display.Times, (QList<qint32>{0, kLrcEndTime}));
}

} // namespace
