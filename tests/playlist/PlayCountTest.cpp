// Play counts in "count" and the TOPTEN category built from them.
#include "PlayCounts.h"
#include "RecordingViews.h"
#include "TempHome.h"
#include "TPlay.h"

#include <gtest/gtest.h>

namespace {

QStringList TopTenFiles(TPlay& play) {
    QStringList files;
    for (const TPlayItem& item : play.TopTen().Songs())
        files << item.FileName;
    return files;
}

} // namespace

TEST(PlayCounts, MissingFileOrKeyCountsZeroAndIncrementsPersist) {
    TempHome home;
    TPlay play;
    EXPECT_EQ(play.GetPlayCount("/m/a.mp3"), 0);
    EXPECT_EQ(play.IncPlayCount("/m/a.mp3"), 1);
    EXPECT_EQ(play.IncPlayCount("/m/a.mp3"), 2);
    EXPECT_EQ(play.IncPlayCount("/m/b.mp3"), 1);
    EXPECT_EQ(play.GetPlayCount("/m/a.mp3"), 2);
    EXPECT_EQ(TPlay().GetPlayCount("/m/a.mp3"), 2);
    EXPECT_TRUE(home.read("count").contains("[COUNT]"));
}

TEST(TopTen, HighestFirstEqualCountsInFileOrder) {
    TempHome home;
    home.write("count", "[COUNT]\n/m/a.mp3=5\n/m/b.mp3=9\n/m/c.mp3=5\n");
    TPlay play;
    play.RebuildTopTen();
    EXPECT_EQ(TopTenFiles(play), (QStringList{"/m/b.mp3", "/m/a.mp3", "/m/c.mp3"}));
    for (const TPlayItem& item : play.TopTen().Songs())
        EXPECT_EQ(item.Tag.Genre, 255);
}

TEST(TopTen, AtMostTenAndRebuiltFromScratch) {
    TempHome home;
    QByteArray count = "[COUNT]\n";
    for (int i = 0; i < 12; ++i)
        count += QByteArray("/m/") + QByteArray::number(i) + ".mp3=" + QByteArray::number(i % 3 + 1) + "\n";
    count += "/m/broken.mp3=lots\n"; // not a number: counts 0
    home.write("count", count);
    TPlay play;
    play.RebuildTopTen();
    play.RebuildTopTen();
    EXPECT_EQ(TopTenFiles(play), (QStringList{"/m/2.mp3", "/m/5.mp3", "/m/8.mp3", "/m/11.mp3", "/m/1.mp3",
                                              "/m/4.mp3", "/m/7.mp3", "/m/10.mp3", "/m/0.mp3", "/m/3.mp3"}));
}

TEST(TopTen, FollowsPlayCountsWhileTheFileManagerShowsIt) {
    TempHome home;
    TPlay play;
    RecordingFileManager manager;
    play.SetFileManager(&manager);
    ASSERT_TRUE(play.BeginAdd(0));
    play.AddFile("/m/a.mp3");
    play.AddFile("/m/b.mp3");
    play.EndAdd();

    manager.shown = 0;
    play.IncPlayCount("/m/b.mp3");
    EXPECT_TRUE(manager.events.contains("changed 0 1")); // the row's play count
    EXPECT_TRUE(play.TopTen().Songs().isEmpty());        // not rebuilt while not shown

    manager.shown = 1;
    play.IncPlayCount("/m/a.mp3");
    play.IncPlayCount("/m/a.mp3");
    EXPECT_EQ(TopTenFiles(play), (QStringList{"/m/a.mp3", "/m/b.mp3"}));
    EXPECT_TRUE(manager.events.contains("rebuilt 1"));
}

TEST(TopTen, MostPlayedKeepsOrderOfEqualCounts) {
    const QList<QPair<QString, qint64>> counts = {{"x", 1}, {"y", 3}, {"z", 1}, {"w", 3}};
    EXPECT_EQ(MostPlayed(counts, 10), (QStringList{"y", "w", "x", "z"}));
    EXPECT_EQ(MostPlayed(counts, 3), (QStringList{"y", "w", "x"}));
}
