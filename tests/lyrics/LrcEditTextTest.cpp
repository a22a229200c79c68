// The lyrics editor's text operations: stamping the play time with the caret
// rules, the play-time panel, colouring by line kind, reading a file.
#include "LrcEditText.h"

#include "../playlist/FifoGuard.h"
#include "QtPrint.h"
#include "TempHome.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {

struct StampCase {
    const char* name;
    bool modify; // F6 instead of F5
    LrcEditLine before;
    QString time;
    LrcEditLine after;
};

TEST(LrcTimeStamp, InsertAndModifyKeepTheCaretOnTheSameText) {
    const StampCase cases[] = {
        {"F5 at column 0", false, {"Hello", 0}, "01:02.3", {"[01:02.3]Hello", 9}},
        {"F5 inside the text", false, {"Hello", 3}, "01:02.3", {"[01:02.3]Hello", 12}},
        {"F5 on a tagged line", false, {"[00:05.0]Hi", 0}, "00:00.0", {"[00:00.0][00:05.0]Hi", 9}},
        {"F5 on an empty line", false, {"", 0}, "00:00.0", {"[00:00.0]", 9}},
        {"F5 past 100 minutes", false, {"Hi", 1}, "100:00.0", {"[100:00.0]Hi", 11}},
        {"F6 replaces only the first tag", true, {"[00:10.00][00:20.00]Hi", 22}, "01:02.3",
         {"[01:02.3][00:20.00]Hi", 21}},
        {"F6 caret before the tags", true, {"[00:10.00][00:20.00]Hi", 0}, "01:02.3", {"[01:02.3][00:20.00]Hi", 0}},
        {"F6 keeps the distance from the end", true, {"[00:10.00]Hello", 12}, "01:02.3", {"[01:02.3]Hello", 11}},
        {"F6 on a line without a tag", true, {"Hello", 5}, "01:02.3", {"[01:02.3]Hello", 14}},
        {"F6 trims the line", true, {"  [00:10]Hi  ", 10}, "00:00.0", {"[00:00.0]Hi", 8}},
        {"F6 on a malformed tag keeps it", true, {"[1:02.3]Hi", 0}, "00:01.0", {"[00:01.0][1:02.3]Hi", 9}},
    };
    for (const StampCase& c : cases) {
        const LrcEditLine got = c.modify ? ReplaceFirstTimeTag(c.before, c.time) : InsertTimeTag(c.before, c.time);
        EXPECT_EQ(got.text, c.after.text) << c.name;
        EXPECT_EQ(got.column, c.after.column) << c.name;
    }
}

TEST(LrcTimeStamp, PanelShowsThePositionOnlyWhilePlaying) {
    EXPECT_EQ(LrcPlayTimeText(true, 623), "01:02.3");
    EXPECT_EQ(LrcPlayTimeText(false, 623), "00:00.0") << "F5 while stopped stamps 00:00.0";
    EXPECT_EQ(LrcPlayTimeText(true, 0), "00:00.0");
}

TEST(LrcLineInk, ColoursByLineKind) {
    using S = LrcInkSpan;
    const std::pair<QString, QList<S>> cases[] = {
        {"[01:02.3]Hello", {{1, 7, LrcInk::TagTime}}},
        {"  [00:10][00:20.55]Hi [00:30]", {{3, 5, LrcInk::TagTime}, {10, 8, LrcInk::TagTime}}},
        {"[00:10.0]x[00:20.0]", {{1, 7, LrcInk::TagTime}}},
        {" [by:me] ", {{1, 7, LrcInk::Header}}},
        {"[SEGMENTED]", {{0, 11, LrcInk::Header}}},
        {"[by:no close", {{0, 12, LrcInk::Comment}}},
        {"[ti:Title]", {{0, 10, LrcInk::Comment}}},
        {"[01:02:34]Hi", {{0, 12, LrcInk::Comment}}},
        {"   ", {}},
    };
    for (const auto& [line, spans] : cases)
        EXPECT_EQ(LrcLineInk(line), spans) << line.toStdString();
}

TEST(ReadLrcEditorText, DecodesNormalisesLineEndsAndRefusesWhatIsNoLyricsFile) {
    TempHome home;
    EXPECT_EQ(ReadLrcEditorText(home.write("a.lrc", "[00:01]a\r\nb\rc\n")), QString("[00:01]a\nb\nc\n"));
    EXPECT_EQ(ReadLrcEditorText(home.write("gbk.lrc", "[00:01]\xc4\xe3\xba\xc3")), QString("[00:01]\u4f60\u597d"));
    EXPECT_EQ(ReadLrcEditorText(home.write("empty.lrc", "")), QString(""));
    EXPECT_FALSE(ReadLrcEditorText(home.file("missing.lrc")));
    EXPECT_FALSE(ReadLrcEditorText(home.path()));
    const QString fifo = MakeFifo(home.file("pipe.lrc"));
    EXPECT_FALSE(BlocksOnFifo(fifo, [&fifo] { EXPECT_FALSE(ReadLrcEditorText(fifo)); }));
    QFile big(home.file("big.lrc"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(17 * 1024 * 1024));
    big.close();
    EXPECT_FALSE(ReadLrcEditorText(big.fileName())) << "a cut-off text would be saved back cut off";
}

} // namespace
