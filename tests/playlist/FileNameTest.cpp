// Songs whose names are not UTF-8 (a disk written by an older Latin-1 or
// GB18030 system): each is added from its folder and as a path, its tag is read
// from and written to that very file, and the list, the play counts and the
// current song name it again after a save and a load.
#include "FileName.h"
#include "PlayCounts.h"
#include "PlayerSettings.h"
#include "ProgramFolder.h"
#include "TPlay.h"
#include "TagFile.h"
#include "TempHome.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

struct Case {
    const char* what;
    QByteArray name;
};
const Case kCases[] = {
    {"Latin-1 byte", "Caf\xE9.mp3"},
    {"GB18030 and a Latin-1 byte", "\xC4\xE3\xBA\xC3 Caf\xE9.mp3"},
    {"UTF-8 twin of the Latin-1 name", "Caf\xC3\xA9.mp3"},
    {"encoded surrogate", "\xED\xB3\xA9.mp3"},
    {"lone high bytes", "\x80\xFF.mp3"},
};

bool writeRaw(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && written;
}

QByteArray readRaw(const QByteArray& path) {
    QByteArray bytes;
    const int fd = ::open(path.constData(), O_RDONLY);
    char buffer[4096];
    for (ssize_t got; fd >= 0 && (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, got);
    if (fd >= 0)
        ::close(fd);
    return bytes;
}

QByteArray songWithTitle(const QString& title) {
    TSongTag tag;
    SetTagText(tag.Title, title);
    return QByteArray(1000, '\0') + TagBlocks(tag);
}

QString titleInFile(const QByteArray& path) {
    const QByteArray bytes = readRaw(path);
    return TagText(ParseTagTail(bytes.right(kTagTailSize)).Title);
}

// The song whose name encodes to these bytes, or nullptr.
const TPlayItem* songNamed(const TPlayCategory& category, const QByteArray& path) {
    for (const TPlayItem& item : category.Songs())
        if (EncodeFileName(item.FileName) == path)
            return &item;
    return nullptr;
}

// Qt cannot remove names that are not UTF-8: the test removes what it made.
struct RawCleanup {
    QList<QByteArray> files;
    QList<QByteArray> folders;
    ~RawCleanup() {
        for (const QByteArray& file : files)
            ::unlink(file.constData());
        for (const QByteArray& folder : folders)
            ::rmdir(folder.constData());
    }
};

} // namespace

TEST(NonUtf8FileNames, AddedPlayedTaggedSavedAndCountedAsTheFileOnDisk) {
    TempHome home;
    const QByteArray folder = EncodeFileName(home.path()) + "music/";
    ASSERT_EQ(::mkdir(folder.constData(), 0755), 0);
    RawCleanup cleanup;
    for (const Case& c : kCases)
        cleanup.files << folder + c.name;
    for (int i = 0; i < int(std::size(kCases)); ++i)
        ASSERT_TRUE(writeRaw(folder + kCases[i].name, songWithTitle(QStringLiteral("song %1").arg(i))));

    TPlay play;
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
    play.AddFile(DecodeFileName(folder));
    play.EndAdd();
    ASSERT_EQ(play.Default().Count(), int(std::size(kCases)));
    for (int i = 0; i < int(std::size(kCases)); ++i) {
        const Case& c = kCases[i];
        const QByteArray path = folder + c.name;
        const TPlayItem* song = songNamed(play.Default(), path);
        ASSERT_TRUE(song) << c.what;
        // The tag scan read this file's own tag.
        EXPECT_TRUE(song->TagRead) << c.what;
        EXPECT_EQ(DisplayTitle(*song), QStringLiteral("song %1").arg(i)) << c.what;

        // Given as a path (the command line), in other letter case too.
        for (const QByteArray& given : {path, folder + c.name.toUpper()}) {
            TPlay one;
            ASSERT_TRUE(one.BeginAdd(TPlay::kDefaultId));
            one.AddFile(DecodeFileName(given));
            one.EndAdd();
            ASSERT_EQ(one.Default().Count(), 1) << c.what;
            EXPECT_EQ(EncodeFileName(one.Default().Song(0).FileName), path) << c.what;
        }

        // Given relative to the working folder, as a shell hands a name over.
        {
            char previous[4096];
            ASSERT_TRUE(::getcwd(previous, sizeof previous));
            ASSERT_EQ(::chdir(folder.constData()), 0);
            TPlay one;
            ASSERT_TRUE(one.BeginAdd(TPlay::kDefaultId));
            one.AddFile(DecodeFileName(c.name));
            one.EndAdd();
            ASSERT_EQ(::chdir(previous), 0);
            ASSERT_EQ(one.Default().Count(), 1) << c.what;
            EXPECT_EQ(EncodeFileName(one.Default().Song(0).FileName), path) << c.what;
        }

        // A tag written goes into this file and no other.
        TSongTag tag = song->Tag;
        SetTagText(tag.Title, QStringLiteral("new %1").arg(i));
        EXPECT_EQ(WriteTag(song->FileName, tag), TagWriteResult::Written) << c.what;
        EXPECT_EQ(titleInFile(path), QStringLiteral("new %1").arg(i)) << c.what;

        // Play counts and the current song keep the file's bytes.
        IncrementPlayCount(PlayCountFile(), song->FileName);
        EXPECT_EQ(IncrementPlayCount(PlayCountFile(), song->FileName), 2) << c.what;
        OptionsStore options(ProgramFile(QStringLiteral("Options.ini")));
        PlayerSettings::SetCurrent(options, song->FileName);
        EXPECT_EQ(PlayerSettings::Current(options), song->FileName) << c.what;
    }
    EXPECT_EQ(FolderEntries(DecodeFileName(folder)).size(), qsizetype(std::size(kCases)));
    const auto counts = ReadAllPlayCounts(PlayCountFile());
    ASSERT_EQ(counts.size(), qsizetype(std::size(kCases)));
    for (const auto& [file, count] : counts) {
        EXPECT_TRUE(songNamed(play.Default(), EncodeFileName(file))) << file.toStdString();
        EXPECT_EQ(count, 2);
    }

    // An M3U list naming them, relative to its folder and absolute.
    QByteArray m3u = "#EXTM3U\r\n";
    for (const Case& c : kCases)
        m3u += (&c - kCases) % 2 ? "music/" + c.name + "\r\n" : folder + c.name + "\n";
    ASSERT_TRUE(writeRaw(EncodeFileName(home.path()) + "list.m3u", m3u));
    TPlay listed;
    ASSERT_TRUE(listed.BeginAdd(TPlay::kDefaultId));
    listed.AddFile(home.path() + "list.m3u");
    listed.EndAdd();
    ASSERT_EQ(listed.Default().Count(), int(std::size(kCases)));
    for (const Case& c : kCases)
        EXPECT_TRUE(songNamed(listed.Default(), folder + c.name)) << c.what;

    // The list keeps the bytes, and the next start finds the same files.
    ASSERT_TRUE(play.SaveDefaultList());
    for (const Case& c : kCases)
        EXPECT_TRUE(home.read("default.lst").contains(folder + c.name)) << c.what;
    TPlay loaded;
    ASSERT_EQ(loaded.LoadList(play.DefaultListFile()), 0);
    ASSERT_EQ(loaded.Default().Count(), play.Default().Count());
    for (int i = 0; i < loaded.Default().Count(); ++i)
        EXPECT_EQ(loaded.Default().Song(i).FileName, play.Default().Song(i).FileName) << i;
}
