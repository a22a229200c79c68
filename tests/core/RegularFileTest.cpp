#include "RegularFile.h"
#include "TempHome.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

// Each of these would hang or exhaust the window thread if it were opened like a
// plain file; each must come back at once with no bytes.
TEST(RegularFile, RefusesWhatIsNotARegularFileWithoutBlocking) {
    TempHome home;
    const QString fifo = home.file("song.mp3");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir().mkpath(home.file("folder.mp3"));
    const QString refused[] = {fifo, home.file("folder.mp3"), "/dev/zero", home.file("missing.mp3"), ""};
    for (const QString& path : refused) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(IsRegularFile(path));
        EXPECT_EQ(OpenRegularFileForReading(path), -1);
        EXPECT_FALSE(ReadRegularFile(path, 1024).has_value());
        EXPECT_FALSE(ReadRegularFileHead(path, 1024).has_value());
    }
}

TEST(RegularFile, ReadsUpToTheLimit) {
    TempHome home;
    const QString path = home.write("list.m3u", QByteArray(100, 'x'));
    struct Case {
        qint64 limit;
        bool whole;    // ReadRegularFile gives the file
        qsizetype head; // ReadRegularFileHead's size
    } cases[] = {{1000, true, 100}, {100, true, 100}, {99, false, 99}, {0, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.limit);
        EXPECT_EQ(ReadRegularFile(path, c.limit).has_value(), c.whole);
        ASSERT_TRUE(ReadRegularFileHead(path, c.limit).has_value());
        EXPECT_EQ(ReadRegularFileHead(path, c.limit)->size(), c.head);
    }
    EXPECT_TRUE(IsRegularFile(path));
    EXPECT_EQ(ReadRegularFile(home.write("empty", {}), 10).value(), QByteArray());
}
