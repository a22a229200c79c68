// Finding a song's lyrics file in the lyrics folder.
#include "LyricsLookup.h"

#include "FileName.h"
#include "LrcParser.h"
#include "QtPrint.h"
#include "TempHome.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <unistd.h>

namespace {

class LyricsLookup : public ::testing::Test {
protected:
    // Creates an empty file below "Lyrics/" and returns its full path.
    QString Lyrics(const QString& name) { return home.write("Lyrics/" + name, "[00:01]x\n"); }

    TempHome home;
    const TLyricsSong tagged{"/music/Some Song.MP3", "Title", "Artist", "Album", ""};
};

TEST_F(LyricsLookup, ListsFilesBeforeSubFoldersInNameOrder) {
    Lyrics("b.lrc");
    Lyrics("A.LRC");
    Lyrics("notes.txt");
    Lyrics("a/z.lrc");
    Lyrics("a/b/y.lrc");
    Lyrics("a/c.lrc");
    Lyrics("B/x.lrc");
    Lyrics(".hidden/h.lrc");
    QDir().mkpath(home.file("Lyrics/dir.lrc"));
    const QString root = LyricsFolder();
    EXPECT_EQ(ListLyricsFiles(root), (QStringList{root + "A.LRC", root + "b.lrc", root + "B/x.lrc",
                                                  root + "a/c.lrc", root + "a/z.lrc", root + "a/b/y.lrc"}));
}

TEST_F(LyricsLookup, SymbolicLinkLoopIsListedOnce) {
    Lyrics("song.lrc");
    ASSERT_TRUE(QFile::link(LyricsFolder(), home.file("Lyrics/loop")));
    EXPECT_EQ(ListLyricsFiles(LyricsFolder()), QStringList{LyricsFolder() + "song.lrc"});
}

TEST_F(LyricsLookup, FirstListedFileWinsWhateverItsCandidate) {
    // "artist-title.lrc" (5th candidate) is listed before "some song.lrc" (1st).
    const QString second = Lyrics("some song.lrc");
    const QString first = Lyrics("artist-title.lrc");
    EXPECT_EQ(FindLyricsFile(tagged), first);

    // Files of the folder come before any sub-folder, whatever the names.
    QFile::remove(first);
    QFile::remove(second);
    const QString top = Lyrics("title.lrc");
    Lyrics("0/artist-album-title.lrc");
    EXPECT_EQ(FindLyricsFile(tagged), top);
}

TEST_F(LyricsLookup, EachCandidateIsFound) {
    const struct {
        const char* file;
        TLyricsSong song;
    } cases[] = {
        {"Some Song.lrc", {"/music/Some Song.mp3", "", "", "", ""}},
        {"noext.lrc", {"/music/noext", "", "", "", ""}},
        {"Mine.Lrc", {"/music/x.mp3", "", "", "", " MINE.lrc "}},
        {"deep/ARTIST-ALBUM-TITLE.lrc", {"/music/x.mp3", "  Title ", "Artist", "Album", ""}},
        {"album-title.lrc", {"/music/x.mp3", "Title", "Artist", "Album", ""}},
        {"artist-title.lrc", {"/music/x.mp3", "Title", "Artist", "Album", ""}},
        {"title.lrc", {"/music/x.mp3", "Title", "Artist", "Album", ""}},
        // Only A to Z are lowered: non-ASCII letters must match exactly.
        {"\u00c4ra.lrc", {"/music/x.mp3", "\u00c4RA", "", "", ""}},
        // A title without artist and album still finds "--title.lrc".
        {"--solo.lrc", {"/music/x.mp3", "Solo", "", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = Lyrics(c.file);
        EXPECT_EQ(FindLyricsFile(c.song), path);
        QFile::remove(path);
    }
}

// A song from a Latin-1 disk ("Caf\xE9.mp3") finds and reads the lyrics file
// named in the same bytes, not its UTF-8 twin.
TEST_F(LyricsLookup, NameThatIsNotUtf8FindsItsOwnBytes) {
    Lyrics(QString::fromUtf8("caf\xC3\xA9.lrc"));
    const QByteArray latin1 = EncodeFileName(LyricsFolder()) + "caf\xE9.lrc";
    const int fd = ::open(latin1.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "[00:01]latin\n", 13), 13);
    ::close(fd);
    const TLyricsSong song{DecodeFileName("/music/Caf\xE9.mp3"), "", "", "", ""};
    const QString found = FindLyricsFile(song, LyricsFolder());
    EXPECT_EQ(EncodeFileName(found), latin1);
    TLrcRec rec;
    EXPECT_TRUE(LoadLrcFile(found, rec));
    EXPECT_EQ(rec.Lines, QStringList{"latin"});
    ::unlink(latin1.constData()); // Qt cannot remove a name that is not UTF-8
}

TEST_F(LyricsLookup, NoMatch) {
    Lyrics("other.lrc");
    Lyrics("title.txt");
    Lyrics("\u00e4ra.lrc"); // lower-case only beyond ASCII
    Lyrics("some song.lrc.bak");
    EXPECT_EQ(FindLyricsFile(tagged), "");
    EXPECT_EQ(FindLyricsFile({"/music/x.mp3", "\u00c4RA", "", "", ""}), "");
    // A stored name is compared as a whole name; an empty one never matches.
    EXPECT_EQ(FindLyricsFile({"/music/x.mp3", "", "", "", "title.txt"}), "");
    // The song's own folder is not searched.
    home.write("music/beside.lrc", "");
    EXPECT_EQ(FindLyricsFile({home.file("music/beside.mp3"), "", "", "", ""}), "");
}

TEST_F(LyricsLookup, MissingFolderFindsNothing) {
    EXPECT_EQ(ListLyricsFiles(LyricsFolder()), QStringList());
    EXPECT_EQ(FindLyricsFile(tagged), "");
}

TEST_F(LyricsLookup, UntaggedSongMatchesOnlyByFileOrStoredName) {
    // Files named after empty tag fields must not be given to every untagged song.
    Lyrics("--.lrc");
    Lyrics("-.lrc");
    Lyrics(".lrc");
    const TLyricsSong untagged{"/music/track01.mp3", "", "", "", ""};
    EXPECT_EQ(FindLyricsFile(untagged), "");
    EXPECT_EQ(LyricsCandidates(untagged), QStringList{"track01.lrc"});

    const QString own = Lyrics("sub/Track01.lrc");
    EXPECT_EQ(FindLyricsFile(untagged), own);

    // An artist without a title gives no "artist-.lrc" candidate either.
    EXPECT_EQ(LyricsCandidates({"/music/t.mp3", "", "Artist", "Album", ""}), QStringList{"t.lrc"});
}

TEST_F(LyricsLookup, CandidatesInOrder) {
    EXPECT_EQ(LyricsCandidates({"/m/Dir.x/Song.Name.MP3", "Ti", "Ar", "Al", "Own.LRC"}),
              (QStringList{"song.name.lrc", "own.lrc", "ar-al-ti.lrc", "al-ti.lrc", "ar-ti.lrc", "ti.lrc"}));
}

} // namespace
