// Reading LRC text: the time-tag grammar, line kinds, the reader's skipping
// rules, sorting with its space clean-up, and file loading with its encodings.
#include "LrcParser.h"
#include "LrcTimeTag.h"
#include "QtPrint.h"
#include "TempHome.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>
#include <sys/stat.h>
#include <vector>

namespace {

struct Entry {
    qint32 time;
    QString text;
    bool operator==(const Entry&) const = default;
};

void PrintTo(const Entry& e, std::ostream* os) {
    *os << e.time << ":\"" << e.text.toStdString() << '"';
}

std::vector<Entry> Entries(const TLrcRec& rec) {
    std::vector<Entry> out;
    for (qsizetype i = 0; i < rec.Times.size(); ++i)
        out.push_back({rec.Times[i], rec.Lines.value(i)});
    return out;
}

struct LrcCase {
    const char* name;
    QByteArray file;            // file content (UTF-8)
    int kind;                   // ClassifyLrcLine of the trimmed first line
    std::vector<Entry> entries; // after SortLrcRec
    bool segmented = false;
    const char* firstTime = ""; // FormatLrcTime of the first entry, when given
};

const std::vector<LrcCase>& Cases() {
    static const std::vector<LrcCase> cases = {
        {"OneFractionDigit", "[01:02.3]Hi", 0, {{623, "Hi"}}, false, "01:02.3"},
        {"TwoFractionDigits", "[01:02.34]Hi", 0, {{623, "Hi"}}},
        {"ThreeFractionDigits", "[01:02.345]Hi", 0, {{623, "Hi"}}},
        {"FourFractionDigits", "[01:02.3456]Hi", -1, {}},
        {"EmptyFraction", "[01:02.]Hi", -1, {}},
        {"FractionNotANumber", "[01:02.3x]Hi", -1, {}},
        {"NoFraction", "[01:02]Hi", 0, {{620, "Hi"}}, false, "01:02.0"},
        {"ColonBeforeFraction", "[01:02:34]Hi", -1, {}},
        {"OneMinuteDigit", "[1:02.34]Hi", -1, {}},
        {"ThreeMinuteDigits", "[100:00.0]Hi", -1, {}},
        {"NegativeMinutes", "[-1:02]Hi", -1, {}},
        {"SecondsAbove59", "[00:75]Hi", 0, {{750, "Hi"}}, false, "01:15.0"},
        {"Unclosed", "[01:02.3Hi", -1, {}},
        {"TagNotAtStart", "x[01:02]Hi", -1, {}},
        {"TwoTagsOneLine", "[00:05.00][00:00.00]Intro", 0, {{0, "Intro"}, {50, "Intro"}}},
        {"TagsWithoutText", "[00:01][00:02]", 0, {{10, ""}, {20, ""}}},
        {"TextStopsTheScan", "[00:10.0]x[00:20.0]", 0, {{100, "x[00:20.0]"}}},
        {"TextKeepsLeadingSpace", "  [00:01]  A  ", 0, {{10, " A"}}},
        {"ByWithoutBracket", "[by:someone\n[00:01]A", -1, {{10, "A"}}},
        {"ByClosed", "[by:someone]", 3, {}},
        {"LyClosed", "[LY:x]", 2, {}},
        {"CoClosed", "[co:x]", 1, {}},
        {"SegmentedAnyCase", "[00:01]A\n[SeGmEnTeD]\n[00:02]B", 0, {{10, "A"}, {20, "B"}}, true},
        {"SegmentedWithText", "[segmented] yes", -1, {}},
        {"OffsetIgnored", "[offset:+500]\n[00:01]A", -1, {{10, "A"}}},
        {"InfoTagsSkipped", "[ar:Artist]\n[AL:Album]\n[ti:Title]\n[00:01]A", -1, {{10, "A"}}},
        // Info tags are recognised by their start alone, even with a time after.
        {"InfoTagPrefixOnly", "[ti:[00:01]A", -1, {}},
        {"EmptyFile", "", -1, {}},
        {"BlankLinesOnly", "\r\n \t\r\n\n", -1, {}},
        {"SortsByTime", "[00:30]C\n[00:10]A\n[00:20]B", 0, {{100, "A"}, {200, "B"}, {300, "C"}}},
        {"EqualTimesKeepFileOrder", "[00:10]First\n[00:10]Second", 0, {{100, "First"}, {100, "Second"}}},
        {"FullWidthSpaces", "[00:01]one\xE3\x80\x80\xE3\x80\x80two", 0, {{10, "one two"}}},
        {"DoubleSpaces", "[00:01]one    two  \xE3\x80\x80 three", 0, {{10, "one two three"}}},
        {"CrOnlyLineEnds", "[00:01]A\r[00:02]B\r", 0, {{10, "A"}, {20, "B"}}},
        {"CrLfAndNoFinalNewline", "[00:01]A\r\n[00:02]B", 0, {{10, "A"}, {20, "B"}}},
        {"ControlCharsTrimmed", "\x01[00:01]A\x1A", 0, {{10, "A"}}},
        {"LastTimeOfTwoDigitMinutes", "[99:59.9]End", 0, {{59999, "End"}}, false, "99:59.9"},
        // Seconds beyond 59 reach 100 minutes, which formats with three minute
        // digits that do not read back as a tag.
        {"HundredMinutes", "[99:60]Late", 0, {{60000, "Late"}}, false, "100:00.0"},
    };
    return cases;
}

class LrcEdgeCase : public ::testing::TestWithParam<LrcCase> {};

TEST_P(LrcEdgeCase, ReadsAsExpected) {
    const LrcCase& c = GetParam();
    const QString text = QString::fromUtf8(c.file);
    const QString firstLine = text.section(QRegularExpression("[\r\n]"), 0, 0);
    EXPECT_EQ(ClassifyLrcLine(TrimLrcLine(firstLine)), c.kind);

    TLrcRec rec;
    ParseLrcBytes(c.file, rec);
    SortLrcRec(rec);
    EXPECT_EQ(Entries(rec), c.entries);
    EXPECT_EQ(rec.Count, static_cast<qint32>(c.entries.size()));
    EXPECT_EQ(rec.Lines.size(), rec.Times.size());
    EXPECT_EQ(rec.Segmented, c.segmented);

    if (*c.firstTime) {
        ASSERT_FALSE(c.entries.empty());
        const QString formatted = FormatLrcTime(c.entries[0].time);
        EXPECT_EQ(formatted, c.firstTime);
        // The formatted time reads back as a tag only while minutes have two digits.
        QString tag = '[' + formatted + ']';
        const qint32 back = ParseTimeTag(tag);
        EXPECT_EQ(back, c.entries[0].time < 60000 ? c.entries[0].time : -1);
    }
}

INSTANTIATE_TEST_SUITE_P(Lrc, LrcEdgeCase, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParseTimeTag, RemovesTheTagOnlyOnSuccess) {
    QString ok = "[01:02.34][00:01]rest";
    EXPECT_EQ(ParseTimeTag(ok), 623);
    EXPECT_EQ(ok, "[00:01]rest");

    QString bad = "[01:02:34]rest";
    EXPECT_EQ(ParseTimeTag(bad), -1);
    EXPECT_EQ(bad, "[01:02:34]rest");

    EXPECT_EQ(StripTimeTags("[00:01][00:02.5]a[00:03]"), "a[00:03]");
    EXPECT_EQ(StripTimeTags("no tags"), "no tags");
}

TEST(AddTimedLine, AppendsToWhatIsThere) {
    TLrcRec rec;
    AddTimedLine(u"[00:01]A", rec);
    AddTimedLine(u"not a tag", rec);
    AddTimedLine(u"[00:03][00:02]B", rec);
    EXPECT_EQ(Entries(rec), (std::vector<Entry>{{10, "A"}, {30, "B"}, {20, "B"}}));
    EXPECT_EQ(rec.Count, 3);
}

TEST(LoadLrcFile, UnreadablePathsGiveFalseAndAnEmptyRecord) {
    TempHome home;
    TLrcRec rec;
    rec.Append(5, "stale");
    rec.Segmented = true;

    EXPECT_FALSE(LoadLrcFile(home.file("missing.lrc"), rec));
    EXPECT_EQ(rec.Count, 0);
    EXPECT_TRUE(rec.Lines.isEmpty());
    EXPECT_FALSE(rec.Segmented);

    EXPECT_FALSE(LoadLrcFile(home.path(), rec)); // a folder
    EXPECT_FALSE(LoadLrcFile(QString(), rec));

    // A FIFO must not block the reader.
    const QString fifo = home.file("pipe.lrc");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(LoadLrcFile(fifo, rec));
}

TEST(LoadLrcFile, EmptyFileLoads) {
    TempHome home;
    TLrcRec rec;
    EXPECT_TRUE(LoadLrcFile(home.write("empty.lrc", {}), rec));
    EXPECT_EQ(rec.Count, 0);
}

TEST(LoadLrcFile, Gb18030AndUtf8FilesReadAlike) {
    TempHome home;
    // "[00:01]" + 你好 + two ideographic spaces + 世界, in both encodings.
    const QByteArray gb("[00:01]\xC4\xE3\xBA\xC3\xA1\xA1\xA1\xA1\xCA\xC0\xBD\xE7\r\n[00:02]\xC4\xE3\r\n");
    const QByteArray utf8(
        "[00:01]\xE4\xBD\xA0\xE5\xA5\xBD\xE3\x80\x80\xE3\x80\x80\xE4\xB8\x96\xE7\x95\x8C\r\n"
        "[00:02]\xE4\xBD\xA0\r\n");
    const std::vector<Entry> expected{{10, QString::fromUtf8("你好 世界")}, {20, QString::fromUtf8("你")}};

    for (const auto& [name, bytes] : {std::pair{"gb.lrc", gb}, std::pair{"utf8.lrc", utf8},
                                      std::pair{"bom.lrc", QByteArray("\xEF\xBB\xBF") + utf8}}) {
        SCOPED_TRACE(name);
        TLrcRec rec;
        ASSERT_TRUE(LoadLrcFile(home.write(name, bytes), rec));
        SortLrcRec(rec);
        EXPECT_EQ(Entries(rec), expected);
    }
}

TEST(LoadLrcFile, SurvivesHostileContent) {
    TempHome home;
    TLrcRec rec;

    // Binary garbage with NUL bytes around one good line, no final newline.
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(static_cast<char>((i * 7919) & 0xFF));
    ASSERT_TRUE(LoadLrcFile(home.write("garbage.lrc", garbage + "\n[00:01]ok\n" + garbage), rec));
    EXPECT_GE(rec.Count, 1);
    EXPECT_EQ(rec.Lines.size(), rec.Times.size());

    // One huge line: 200,000 tags and then a text.
    const QByteArray huge = QByteArray("[00:01]").repeated(200000) + "end";
    ASSERT_TRUE(LoadLrcFile(home.write("huge.lrc", huge), rec));
    SortLrcRec(rec);
    ASSERT_EQ(rec.Count, 200000);
    EXPECT_EQ(rec.Lines.first(), "end");
    EXPECT_EQ(rec.Lines.last(), "end");
}

TEST(LoadLrcFile, OversizedFileIsReadUpToTheLastWholeLine) {
    TempHome home;
    // One timed line at the start, filler lines past the limit and a timed line
    // beyond it: the part within the limit is read, the rest is not.
    QByteArray bytes = "[00:01]first\n";
    const QByteArray filler = QByteArray(1023, 'x') + '\n';
    while (bytes.size() < kMaxLrcFileBytes)
        bytes += filler;
    bytes += "[00:02]beyond\n";
    TLrcRec rec;
    ASSERT_TRUE(LoadLrcFile(home.write("big.lrc", bytes), rec));
    EXPECT_EQ(Entries(rec), (std::vector<Entry>{{10, "first"}}));
}

} // namespace
