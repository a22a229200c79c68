// The X11 back end alone under a private X server: keys typed by xdotool
// arrive as key codes going down and up, and a media key another program
// grabbed first is not taken.
#include "SkinnedPlayer.h"
#include "VirtualKeys.h"
#include "X11GlobalKeys.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct Reports {
    QStringList keys; // "+80", "-80"
    QStringList media;
    GlobalKeySource::Sink sink() {
        GlobalKeySource::Sink s;
        s.key = [this](quint16 vk, bool down) { keys << QString(down ? "+" : "-") + QString::number(vk); };
        s.mediaKey = [this](const QString& command, bool repeat) { media << command + (repeat ? "*" : ""); };
        return s;
    }
};

} // namespace

TEST(X11GlobalKeys, TypedKeysArriveAsCodesAndMediaKeysOnce) {
    Reports reports;
    X11GlobalKeys keys;
    ASSERT_TRUE(keys.Start(reports.sink()));
    EXPECT_EQ(keys.MediaKeysTaken().size(), 7) << keys.MediaKeysTaken().join(' ').toStdString();

    RunTool("xdotool", {"key", "ctrl+shift+p"});
    // Left Ctrl, left Shift and P, each down and up once (in xdotool's order).
    QStringList typed = {"+162", "+160", "+80", "-160", "-162", "-80"};
    EXPECT_TRUE(WaitFor([&] { return reports.keys.size() >= typed.size(); }));
    typed.sort();
    reports.keys.sort();
    EXPECT_EQ(reports.keys, typed);

    reports.keys.clear();
    RunTool("xdotool", {"key", "XF86AudioNext", "XF86AudioLowerVolume"});
    EXPECT_TRUE(WaitFor([&] { return reports.media.size() >= 2; }));
    EXPECT_EQ(reports.media, (QStringList{"#next", "#sounddown"}));
    EXPECT_TRUE(reports.keys.isEmpty()) << "media keys are no codes of the table";
}

TEST(X11GlobalKeys, AMediaKeyAnotherProgramGrabbedIsLeftToIt) {
    QProcess owner;
    owner.start(QStringLiteral(SORVI_BUILD_DIR) + "/x11-grab-key", {"XF86AudioPlay"});
    ASSERT_TRUE(owner.waitForReadyRead(5000));
    ASSERT_EQ(owner.readAllStandardOutput().trimmed(), "grabbed");

    Reports reports;
    X11GlobalKeys keys;
    ASSERT_TRUE(keys.Start(reports.sink()));
    EXPECT_FALSE(keys.MediaKeysTaken().contains("XF86AudioPlay"));
    EXPECT_TRUE(keys.MediaKeysTaken().contains("XF86AudioStop"));
    RunTool("xdotool", {"key", "XF86AudioPlay", "XF86AudioStop"});
    EXPECT_TRUE(WaitFor([&] { return !reports.media.isEmpty(); }));
    EXPECT_EQ(reports.media, QStringList{"#stop"});
    owner.closeWriteChannel();
    owner.waitForFinished(3000);
}
