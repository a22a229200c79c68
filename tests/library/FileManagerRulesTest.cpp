// The file manager's rules without its window: moving rows, the drag forms,
// the clipboard forms and the ".m3u" writer.
#include "FileClipboard.h"
#include "FileName.h"
#include "FileManagerDrag.h"
#include "FileManagerRules.h"
#include "M3uWriter.h"
#include "TempHome.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QMimeData>
#include <QUrl>
#include <memory>

namespace {

// Applies the moves the way the store does (take out, insert at the new place).
QString applyMoves(QString order, const QList<QPair<int, int>>& moves) {
    for (const auto& [from, to] : moves) {
        const QChar song = order[from];
        order.remove(from, 1);
        order.insert(to, song);
    }
    return order;
}

QList<int> rowsOf(const QString& marks) {
    QList<int> rows;
    for (int i = 0; i < marks.size(); ++i)
        if (marks[i] == 'x')
            rows << i;
    return rows;
}

} // namespace

TEST(RowMoves, SelectedRowsReachTheTargetInTheirOrder) {
    struct Case {
        const char* name;
        const char* selected; // 'x' marks a selected row of "abcdefg"
        int target;
        const char* expected;
    } cases[] = {
        {"one row down", "x......", 3, "bcdaefg"},
        {"one row up", "....x..", 1, "aebcdfg"},
        {"a block down keeps its order", ".xx....", 3, "adbcefg"},
        {"a block up keeps its order", "...xx..", 0, "deabcfg"},
        {"scattered rows down", "x.x....", 5, "bdefacg"},
        {"scattered rows up", "...x.x.", 1, "adfbceg"},
        {"rows on both sides of the target", ".x...x.", 3, "acdbfeg"},
        {"already in place", "xx.....", 1, "abcdefg"},
    };
    for (const Case& c : cases) {
        const QList<int> selected = rowsOf(c.selected);
        EXPECT_EQ(applyMoves("abcdefg", RowMoves(selected, c.target)), c.expected) << c.name;
    }
}

TEST(RowMoves, ScrollTargetsStopAtTheEnds) {
    struct Case {
        const char* selected;
        int up;
        int down;
    } cases[] = {
        {"x....", -1, 1}, {"..x..", 1, 3}, {".xx..", 0, 3}, {"...xx", 2, -1}, {"....x", 3, -1}, {".....", -1, -1},
        {".x.x.", 0, 2}, // down: the first unselected row after the first selected one
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScrollUpTarget(rowsOf(c.selected)), c.up) << c.selected;
        EXPECT_EQ(ScrollDownTarget(rowsOf(c.selected), 5), c.down) << c.selected;
    }
    // Scroll down moves the block one row down, order kept.
    EXPECT_EQ(applyMoves("abcde", RowMoves(rowsOf(".xx.."), ScrollDownTarget(rowsOf(".xx.."), 5))), "adbce");
}

TEST(FileManagerForms, CopyAddressPutsCrLfBeforeEachPath) {
    EXPECT_EQ(CopyAddressText({"/m/a.mp3", "/m/b c.mp3"}), "\r\n/m/a.mp3\r\n/m/b c.mp3");
    EXPECT_EQ(CopyAddressText({}), "");
}

TEST(FileManagerForms, FileListsRoundTripThroughEachShellForm) {
    // A name that is not UTF-8 (Latin-1 "é") and one with a space and "#".
    const QString latin = DecodeFileName("/m/Caf\xE9.mp3");
    const QStringList files = {latin, "/m/a b#1.mp3"};
    std::unique_ptr<QMimeData> data(NewFileListMimeData(files));
    EXPECT_EQ(FilesOfMimeData(*data), files);
    EXPECT_EQ(data->data("x-special/gnome-copied-files"),
              "copy\nfile:///m/Caf%E9.mp3\nfile:///m/a%20b%231.mp3");

    // What a desktop file manager puts there: only its own form, or only a uri-list.
    QMimeData gnome;
    gnome.setData("x-special/gnome-copied-files", "cut\nfile:///m/x%20y.mp3\n");
    EXPECT_EQ(FilesOfMimeData(gnome), QStringList{"/m/x y.mp3"});
    QMimeData uris;
    uris.setData("text/uri-list", "file:///m/one.mp3\r\nhttp://example.org/two.mp3\r\n");
    EXPECT_EQ(FilesOfMimeData(uris), QStringList{"/m/one.mp3"}) << "only local files are files";
    QMimeData text;
    text.setText("/m/just-text.mp3");
    EXPECT_TRUE(FilesOfMimeData(text).isEmpty());
}

TEST(FileManagerForms, DragsAreReadBackAsWhatWasDragged) {
    std::unique_ptr<QMimeData> rows(FileManagerDrag::NewRowsData(4, {1, 3}, {"/m/b.mp3", "/m/d.mp3"}));
    FileManagerDrag drag = FileManagerDrag::Read(*rows);
    EXPECT_EQ(drag.kind, FileManagerDrag::Rows);
    EXPECT_EQ(drag.category, 4);
    EXPECT_EQ(drag.rows, (QList<int>{1, 3}));
    EXPECT_EQ(FilesOfMimeData(*rows), (QStringList{"/m/b.mp3", "/m/d.mp3"})) << "the desktop gets the files";

    std::unique_ptr<QMimeData> node(FileManagerDrag::NewCategoryData(7));
    drag = FileManagerDrag::Read(*node);
    EXPECT_EQ(drag.kind, FileManagerDrag::Category);
    EXPECT_EQ(drag.category, 7);

    QMimeData link;
    link.setUrls({QUrl("http://radio.example/live")});
    drag = FileManagerDrag::Read(link);
    EXPECT_EQ(drag.kind, FileManagerDrag::Link);
    EXPECT_EQ(drag.link, "http://radio.example/live");

    QMimeData junk;
    junk.setData("application/x-sorvi-song-rows", "x:y");
    EXPECT_EQ(FileManagerDrag::Read(junk).kind, FileManagerDrag::Nothing);
}

TEST(M3uWriting, ListIsUtf8OnePathALineAndReplacesAtomically) {
    TempHome home;
    const QString list = home.write("mine.m3u", "old content\n");
    const QString latin = DecodeFileName("/m/Caf\xE9.mp3");
    QString error;
    ASSERT_TRUE(SaveM3u(list, {"/m/Ünïcode 歌.mp3", latin, "http://radio.example/live"}, &error)) << error.toStdString();
    EXPECT_EQ(home.read("mine.m3u"), "/m/\xC3\x9Cn\xC3\xAF" "code \xE6\xAD\x8C.mp3\n/m/Caf\xE9.mp3\nhttp://radio.example/live\n");
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), QStringList{"mine.m3u"}) << "no temporary file is left";

    // A folder that cannot be written keeps nothing half-written and says why.
    EXPECT_FALSE(SaveM3u(home.path() + "missing/x.m3u", {"/m/a.mp3"}, &error));
    EXPECT_FALSE(error.isEmpty());
}
