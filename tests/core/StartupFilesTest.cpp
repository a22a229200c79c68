// What a first start needs on disk: the program folder itself, and the embedded
// files written out whole (or written again when what is there differs).
#include "ProgramFolder.h"
#include "ResourceFiles.h"
#include "TempHome.h"
#include "UrlText.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

TEST(ProgramFolderCreation, AMissingFolderIsCreatedWithItsParents) {
    TempHome home;
    const QString missing = home.path() + "not/there/yet";
    SetProgramFolder(missing);
    QString error;
    EXPECT_TRUE(MakeProgramFolder(&error)) << error.toStdString();
    EXPECT_TRUE(QFileInfo(missing).isDir());
    // The folder is the user's own: others cannot write into it.
    EXPECT_FALSE(QFileInfo(missing).permissions() & (QFile::WriteGroup | QFile::WriteOther | QFile::ReadOther));
    EXPECT_TRUE(MakeProgramFolder()); // an existing folder is fine

    // A file standing where the folder should be is reported, not ignored.
    const QString blocked = home.write("blocked", "x") + "/sub";
    SetProgramFolder(blocked);
    EXPECT_FALSE(MakeProgramFolder(&error));
    EXPECT_FALSE(error.isEmpty());
}

namespace {

// Runs `write` under a file-size limit, as on a nearly full disk.
template <typename F> auto WithFileSizeLimit(rlim_t bytes, F&& write) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
    auto result = write();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return result;
}

EmbeddedCopy CopyOf(const QByteArray& bytes) {
    EmbeddedCopy copy;
    copy.size = bytes.size();
    copy.made = QDateTime::fromMSecsSinceEpoch(1700000000123);
    copy.bytes = [bytes] { return bytes; };
    return copy;
}

quint64 InodeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? quint64(info.st_ino) : 0;
}

} // namespace

TEST(EmbeddedFiles, AShortWriteNeverLeavesACutFile) {
    TempHome home;
    const QByteArray module(64 * 1024, 'm');
    const EmbeddedCopy copy = CopyOf(module);
    const QString path = home.file("mpeg.so");
    const QString problem = WithFileSizeLimit(4096, [&] { return WriteOutProgramFile(copy, path); });
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_FALSE(QFile::exists(path)) << "a cut module was committed";
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::Hidden), QStringList{}) << "temporary file left";
    // The next start, with room on the disk, writes it whole.
    EXPECT_TRUE(WriteOutProgramFile(copy, path).isEmpty());
    EXPECT_EQ(home.read("mpeg.so"), module);
}

TEST(EmbeddedFiles, WhatDiffersFromTheEmbeddedFileIsWrittenAgain) {
    TempHome home;
    QByteArray module(10000, 'm');
    module[5000] = 'x';
    const EmbeddedCopy copy = CopyOf(module);
    const QString path = home.file("mpeg.so");
    struct Case {
        const char* what;
        QByteArray onDisk;
    } cases[] = {
        {"cut short", module.left(4096)},
        {"same size, other bytes", QByteArray(module).replace(5000, 1, "y")},
        {"empty", QByteArray()},
        {"longer", module + "tail"},
    };
    for (const Case& c : cases) {
        home.write("mpeg.so", c.onDisk);
        EXPECT_TRUE(WriteOutProgramFile(copy, path).isEmpty()) << c.what;
        EXPECT_EQ(home.read("mpeg.so"), module) << c.what;
    }
    // An intact file is left alone (not rewritten: the same file stays).
    home.write("mpeg.so", module);
    const quint64 inode = InodeOf(path);
    EXPECT_TRUE(WriteOutProgramFile(copy, path).isEmpty());
    EXPECT_EQ(InodeOf(path), inode);
    EXPECT_EQ(home.read("mpeg.so"), module);
    // A folder standing in the way is reported.
    QFile::remove(path);
    QDir().mkpath(path);
    EXPECT_FALSE(WriteOutProgramFile(copy, path).isEmpty());
}

// Comparing a whole module or skin at every start costs more than the rest of
// the start-up. A file written out carries the time the embedded copy was
// made; one of its size that still carries that time is taken as intact.
// Any other time means it may have changed, and it is compared again.
TEST(EmbeddedFiles, AFileCarryingTheCopysTimeIsTrustedAndAnyOtherIsCompared) {
    TempHome home;
    const QByteArray module(10000, 'm');
    int reads = 0;
    EmbeddedCopy copy = CopyOf(module);
    copy.bytes = [&] { ++reads; return module; };
    const QString path = home.file("mpeg.so");

    ASSERT_TRUE(WriteOutProgramFile(copy, path).isEmpty());
    EXPECT_EQ(QFileInfo(path).lastModified(), copy.made);
    reads = 0;
    EXPECT_TRUE(WriteOutProgramFile(copy, path).isEmpty());
    EXPECT_EQ(reads, 0) << "an intact file carrying the copy's time was read again";

    // Changed in place by someone else: its time is now, so it is compared
    // and written again.
    home.write("mpeg.so", QByteArray(module).replace(10, 1, "z"));
    EXPECT_TRUE(WriteOutProgramFile(copy, path).isEmpty());
    EXPECT_EQ(home.read("mpeg.so"), module);

    // Written whole by an older player, which kept no time: compared once,
    // found intact, and from then on carries the copy's time.
    home.write("mpeg.so", module);
    const quint64 inode = InodeOf(path);
    reads = 0;
    EXPECT_TRUE(WriteOutProgramFile(copy, path).isEmpty());
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(InodeOf(path), inode);
    EXPECT_TRUE(WriteOutProgramFile(copy, path).isEmpty());
    EXPECT_EQ(reads, 1);

    // A copy that tells no time of making is compared at every start.
    copy.made = QDateTime();
    reads = 0;
    EXPECT_TRUE(WriteOutProgramFile(copy, path).isEmpty());
    EXPECT_TRUE(WriteOutProgramFile(copy, path).isEmpty());
    EXPECT_EQ(reads, 2);
}

TEST(UrlNames, OnlyRealSchemesMakeAUrl) {
    struct Case {
        const char* name;
        bool url;
    } cases[] = {
        {"http://h/s.mp3", true},   {"HTTPS://h/live", true}, {"ftp://h/a.mp3", true},
        {"file:///m/a.mp3", true},  {"Live: Song.mp3", false}, {"a:b.mp3", false},
        {"C:/music/a.mp3", false},  {"/m/http://x.mp3", false}, {"mms://h/x", false},
        {"Live://odd.mp3", false},  {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsUrl(c.name), c.url) << c.name;
    // A scheme a plug-in names becomes one.
    AddUrlSchemes({"MMS"});
    EXPECT_TRUE(IsUrl("mms://h/x"));
    EXPECT_FALSE(IsUrl("Live: Song.mp3"));
}
