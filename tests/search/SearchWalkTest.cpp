// The search's pattern rules and its directory walk over generated trees that
// hold the traps a real disk has: dot-folders, a symbolic link back to a
// parent, a FIFO and a device named like songs, and an unreadable folder.
#include "FileName.h"
#include "FileSearchWalk.h"
#include "SearchPatterns.h"
#include "TSearchThread.h"
#include "TempHome.h"

#include "../playlist/FifoGuard.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

QStringList texts(const QList<SearchPattern>& patterns) {
    QStringList out;
    for (const SearchPattern& p : patterns)
        out << (p.exact ? QStringLiteral("=") : QString()) + p.text;
    return out;
}

TEST(SearchPatterns, NormalisesEachPieceOfTheSearchField) {
    const struct {
        const char* field;
        QStringList patterns;
    } cases[] = {
        {"mp3", {"*mp3*"}},
        {".mp3", {"*.mp3"}},
        {"*.mp3;*.m3u;", {"*.mp3", "*.m3u"}},
        {"\"song.mp3\"", {"=song.mp3"}},
        {"\"\"", {"*\"\"*"}},         // two characters: not a quoted name
        {"a;;b", {"*a*", "**", "*b*"}}, // an empty piece inside finds every file
        {"", {"*.*"}},
        {";", {"**"}},
        {"so?g", {"so?g"}},
        {" mp3 ; ogg", {"*mp3*", "*ogg*"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(texts(NormalisePatterns(QString::fromUtf8(c.field))), c.patterns) << c.field;
}

TEST(SearchPatterns, MatchesNamesIgnoringCase) {
    const struct {
        const char* field;
        const char* name;
        bool matches;
    } cases[] = {
        {"mp3", "Best MP3 rip", true}, // anywhere, also without an extension
        {".mp3", "a.mp3", true},
        {".mp3", "a.mp3.txt", false},
        {"\"song.mp3\"", "SONG.mp3", true},
        {"\"song.mp3\"", "my song.mp3", false},
        {"\"a*b\"", "axxb", false}, // a quoted name is exact, stars and all
        {"", "README", true},
        {"*.*", "README", true}, // "*.*" also names files without a dot
        {"so?g", "song", true},
        {"so?g", "sog", false},
        {"*a*b*c", "aXbYbZc", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesPattern(QString::fromUtf8(c.name), NormalisePatterns(QString::fromUtf8(c.field)).first()),
                  c.matches)
            << c.field << " / " << c.name;
}

TEST(SearchPatterns, FoldersAndSizes) {
    EXPECT_EQ(SplitFolders(" /a ;;/b/;"), (QStringList{"/a/", "/b/"}));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(SizeInKB(1500), "2KB");
    EXPECT_EQ(SizeInKB(1234567), "1,235KB");
    EXPECT_EQ(SizeInKB(0), "0KB");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(SizeInKB(1234567), "1.235KB");
    QLocale::setDefault(QLocale::system());
}

TEST(SearchPatterns, ComputerMeansTheLocalFileSystemsThatHoldFiles) {
    const QByteArray mounts = "/dev/sda1 / ext4 rw 0 0\n"
                              "proc /proc proc rw 0 0\n"
                              "sysfs /sys sysfs rw 0 0\n"
                              "tmpfs /run tmpfs rw 0 0\n"
                              "/dev/sdb1 /media/usb\\040stick vfat rw 0 0\n"
                              "server:/music /mnt/music nfs4 rw 0 0\n"
                              "/dev/sda2 /home ext4 rw 0 0\n";
    EXPECT_EQ(LocalFileSystemRoots(mounts), (QStringList{"/", "/home/", "/media/usb stick/"}));
}

struct Tree {
    TempHome home;
    QString root = home.path() + "tree/";
    void file(const QString& name, int bytes = 10) const { home.write("tree/" + name, QByteArray(bytes, 'x')); }
    void folder(const QString& name) const { QDir().mkpath(root + name); }
};

struct Collected {
    QStringList folders;
    QStringList files;
};

Collected walk(const QStringList& folders, const QString& filter, FileSearchWalk::FolderOpener opener = {}) {
    Collected out;
    std::atomic_bool stop{false};
    FileSearchWalk w(folders, NormalisePatterns(filter), stop,
                     {[&](const QString& f) { out.folders << f; },
                      [&](const FoundFile& f) { out.files << f.folder + f.name; }});
    w.SetFolderOpener(std::move(opener));
    w.Run();
    return out;
}

TEST(FileSearchWalk, WalksDepthFirstPastEveryTrap) {
    Tree t;
    t.file("b.mp3");
    t.file("A.MP3");
    t.file("notes.txt");
    t.file("sub/deeper/c.mp3");
    t.file("sub/d.mp3");
    t.file("sub2/e.mp3");
    t.file(".hidden/secret.mp3");
    t.file("locked/f.mp3");
    t.folder("empty");
    // A link back to the top folder, a dangling link, a FIFO and a device named like songs.
    ASSERT_TRUE(QFile::link(t.root, t.root + "sub/loop"));
    ASSERT_TRUE(QFile::link(t.root + "gone", t.root + "dangling.mp3"));
    ASSERT_TRUE(QFile::link("/dev/null", t.root + "null.mp3"));
    MakeFifo(t.root + "sub/pipe.mp3");

    const QString root = t.root;
    const auto unreadable = [root](const QByteArray& path) -> DIR* {
        return path == QFile::encodeName(root + "locked/") ? nullptr : ::opendir(path.constData());
    };
    Collected got;
    EXPECT_FALSE(BlocksOnFifo(t.root + "sub/pipe.mp3", [&] { got = walk({root}, ".mp3", unreadable); }));
    EXPECT_EQ(got.files, (QStringList{root + "A.MP3", root + "b.mp3", root + "sub/d.mp3", root + "sub/deeper/c.mp3",
                                      root + "sub2/e.mp3"}));
    EXPECT_EQ(got.folders, (QStringList{root, root + "empty/", root + "locked/", root + "sub/",
                                        root + "sub/deeper/", root + "sub2/"}));
}

TEST(FileSearchWalk, FoldersThenPatternsInOrderEachFolderOnce) {
    Tree t;
    t.file("x/1.ogg");
    t.file("x/1.mp3");
    t.file("y/2.mp3");
    const QString x = t.root + "x/", y = t.root + "y/";
    // A missing folder is reported and skipped; x given twice is walked once per pattern.
    const Collected got = walk({y, t.root + "missing", x, x}, "mp3;ogg");
    EXPECT_EQ(got.files, (QStringList{y + "2.mp3", x + "1.mp3", x + "1.ogg"}));
    EXPECT_EQ(got.folders, (QStringList{y, y, t.root + "missing", t.root + "missing", x, x}));
}

TEST(FileSearchWalk, NamesThatAreNotUtf8NameTheirFiles) {
    Tree t;
    t.folder("old");
    // A Latin-1 name written by an older system.
    const QByteArray bytes = QFile::encodeName(t.root + "old/") + "Caf\xE9.mp3";
    const int fd = ::open(bytes.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const Collected got = walk({t.root}, "caf");
    ASSERT_EQ(got.files.size(), 1);
    EXPECT_EQ(EncodeFileName(got.files.first()), bytes);
}

TEST(TSearchThread, HandsEveryFileOverInBatchesAndEnds) {
    Tree t;
    for (int i = 0; i < 30; ++i)
        for (int j = 0; j < 100; ++j)
            t.file(QStringLiteral("f%1/s%2.mp3").arg(i).arg(j), 1500);
    TSearchThread thread({t.root}, NormalisePatterns("*.mp3"));
    QSignalSpy batches(&thread, &TSearchThread::foundFiles);
    QSignalSpy done(&thread, &TSearchThread::searchDone);
    thread.start();
    ASSERT_TRUE(done.wait(60000));
    qsizetype files = 0;
    for (const QList<QVariant>& batch : batches)
        files += batch.at(0).value<QList<FoundFile>>().size();
    EXPECT_EQ(files, 3000);
    EXPECT_LT(batches.size(), 3000 / 10);
    const FoundFile first = batches.first().at(0).value<QList<FoundFile>>().first();
    EXPECT_EQ(first.folder + first.name, t.root + "f0/s0.mp3");
    EXPECT_EQ(first.size, 1500);
}

TEST(TSearchThread, StopEndsASearchOfALargeTreeKeepingWhatWasFound) {
    Tree t;
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 100; ++j)
            t.file(QStringLiteral("a%1/b%2/s.mp3").arg(i).arg(j));
    TSearchThread thread({t.root}, NormalisePatterns(""));
    // A slow disk: the whole walk would take more than ten seconds, so it is
    // surely still running when it is stopped.
    thread.SetFolderOpener([](const QByteArray& path) {
        QThread::msleep(5);
        return ::opendir(path.constData());
    });
    QSignalSpy batches(&thread, &TSearchThread::foundFiles);
    QSignalSpy done(&thread, &TSearchThread::searchDone);
    thread.start();
    ASSERT_TRUE(batches.wait(60000));
    thread.Stop();
    ASSERT_TRUE(done.count() > 0 || done.wait(60000));
    EXPECT_TRUE(thread.wait(60000));
    qsizetype files = 0;
    for (const QList<QVariant>& batch : batches)
        files += batch.at(0).value<QList<FoundFile>>().size();
    EXPECT_GT(files, 0);
    EXPECT_LT(files, 2000);
}

} // namespace
