// The lyrics editor's two writing forms.
#include "LrcWriter.h"

#include "QtPrint.h"
#include "TempHome.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatLrcForSave, MergesEqualTextsAndGroupsLines) {
    const QStringList editor{
        "  [00:30.0]Refrain  ",
        "some note",
        "",
        "   ",
        " [by:me] ",
        "[00:10][00:50.55]Verse",
        "[ti:Title]",
        "[01:10]refrain",
        "[segmented]",
        "[00:05]",
        "[00:06]",
    };
    EXPECT_EQ(FormatLrcForSave(editor), " [by:me] \r\n"
                                        "[segmented]\r\n"
                                        "[00:30.0][01:10]Refrain\r\n"
                                        "[00:10][00:50.55]Verse\r\n"
                                        "[00:05][00:06]\r\n"
                                        "some note\r\n"
                                        "[ti:Title]\r\n");
}

TEST(FormatLrcForSave, NothingToSave) {
    EXPECT_EQ(FormatLrcForSave({"", "  "}), "");
}

TEST(SaveLrcFile, WritesUtf8AndReplacesTheFile) {
    TempHome home;
    const QString file = home.write("song.lrc", "old content that is longer than the new one");
    ASSERT_TRUE(SaveLrcFile(file, {"[00:01]\u4f60\u597d"}));
    EXPECT_EQ(home.read("song.lrc"), QByteArray("[00:01]\xE4\xBD\xA0\xE5\xA5\xBD\r\n"));
    EXPECT_FALSE(SaveLrcFile(home.file("no/such/folder/x.lrc"), {"[00:01]a"}));
}

TEST(SortLrcLinesByTime, OneLinePerTagInTimeOrder) {
    TLrcRec work;
    work.Append(1, "left over from before");
    const QStringList editor{
        "[ar:Artist]",
        "[00:30.0]B",
        " [co:x]",
        "[00:10.0][00:50.0]A",
        "",
        "[offset:100]",
        "[01:00]two\u3000\u3000words",
        "[by:y]",
    };
    EXPECT_EQ(SortLrcLinesByTime(editor, work), (QStringList{
                                                    " [co:x]",
                                                    "[by:y]",
                                                    "[00:10.0]A",
                                                    "[00:30.0]B",
                                                    "[00:50.0]A",
                                                    "[01:00.0]two words",
                                                    "[ar:Artist]",
                                                    "[offset:100]",
                                                }));
    EXPECT_EQ(work.Count, 4);
    EXPECT_EQ(work.Times, (QList<qint32>{100, 300, 500, 600}));
}

} // namespace
