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

} // namespace

TEST(EmbeddedFiles, AShortWriteNeverLeavesACutFile) {
    TempHome home;
    const QByteArray module(64 * 1024, 'm');
    const QString path = home.file("mpeg.so");
    const QString problem = WithFileSizeLimit(4096, [&] { return WriteOutProgramFile(module, path); });
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_FALSE(QFile::exists(path)) << "a cut module was committed";
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::Hidden), QStringList{}) << "temporary file left";
    // The next start, with room on the disk, writes it whole.
    EXPECT_TRUE(WriteOutProgramFile(module, path).isEmpty());
    EXPECT_EQ(home.read("mpeg.so"), module);
}

TEST(EmbeddedFiles, WhatDiffersFromTheEmbeddedFileIsWrittenAgain) {
    TempHome home;
    QByteArray module(10000, 'm');
    module[5000] = 'x';
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
        EXPECT_TRUE(WriteOutProgramFile(module, path).isEmpty()) << c.what;
        EXPECT_EQ(home.read("mpeg.so"), module) << c.what;
    }
    // An intact file is left alone (not even rewritten).
    const QDateTime old = QDateTime::currentDateTime().addSecs(-100);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    EXPECT_TRUE(WriteOutProgramFile(module, path).isEmpty());
    EXPECT_EQ(QFileInfo(path).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
    // A folder standing in the way is reported.
    QFile::remove(path);
    QDir().mkpath(path);
    EXPECT_FALSE(WriteOutProgramFile(module, path).isEmpty());
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
