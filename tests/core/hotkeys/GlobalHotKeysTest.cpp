// The real program's global hot keys under a private X server: keys pressed
// while another program has the focus, as xdotool types them through the
// server's test extension.
#include "SkinnedPlayer.h"

#include <QRegularExpression>
#include <QThread>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QString Playerctl(const QStringList& args) {
    return RunTool("playerctl", QStringList{"-p", "sorvi"} + args).trimmed();
}

// The default sink's volume in percent (first channel).
int SinkVolume() {
    const QString text = RunTool("pactl", {"get-sink-volume", "@DEFAULT_SINK@"});
    const QRegularExpressionMatch m = QRegularExpression("(\\d+)%").match(text);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

struct GlobalHotKeys : SkinnedPlayer {
    // A window of another program (this test) with the keyboard focus.
    QWidget other;

    void focusOther() {
        other.setWindowTitle("Another Program");
        other.resize(300, 200);
        other.show();
        other.activateWindow();
        RunTool("xdotool", {"search", "--sync", "--name", "Another Program", "windowactivate", "--sync"});
        ASSERT_TRUE(WaitFor([&] { return other.isActiveWindow(); }, 5000));
    }
    int tracedCount(const QString& command) const { return int(traced().count(command)); }
    bool ready() const { return !Playerctl({"status"}).isEmpty(); }
};

} // namespace

TEST_F(GlobalHotKeys, DefaultCombinationsWorkWhileAnotherProgramHasTheFocus) {
    const QString first = MakeToneMp3(home.path(), "first", 440, 30);
    const QString second = MakeToneMp3(home.path(), "second", 660, 30);
    QFile options(home.path() + "/Options.ini");
    ASSERT_TRUE(options.open(QIODevice::WriteOnly));
    // A song bound to a key, as the file manager stores it.
    const QString third = MakeToneMp3(home.path(), "third song", 550, 30);
    options.write("[OPTION]\nMIXER=system\n[HOTKEY]\n" + third.toUtf8() + "=Ctrl+Alt+B\n");
    options.close();
    start({first, second});
    ASSERT_TRUE(WaitFor([&] { return ready(); }, 20000));
    focusOther();

    // Once per press, however long the keys are held.
    const QString before = Playerctl({"status"});
    RunTool("xdotool", {"keydown", "ctrl+shift+p"});
    QThread::msleep(300);
    RunTool("xdotool", {"keyup", "ctrl+shift+p"});
    ASSERT_TRUE(WaitFor([&] { return tracedCount("#playpause") == 1; })) << traced().join(' ').toStdString();
    const QString expected = before == "Playing" ? "Paused" : "Playing";
    EXPECT_TRUE(WaitFor([&] { return Playerctl({"status"}) == expected; })) << Playerctl({"status"}).toStdString();
    RunTool("xdotool", {"key", "ctrl+shift+p"});
    EXPECT_TRUE(WaitFor([&] { return Playerctl({"status"}) != expected; }));
    EXPECT_EQ(tracedCount("#playpause"), 2);

    // Alt held as well: Ctrl+Shift+P is not that combination.
    RunTool("xdotool", {"key", "ctrl+shift+alt+p"});
    // The volume rises step by step while Ctrl+Alt+"=" is held.
    // The player follows the sink (MIXER=system).
    RunTool("pactl", {"set-sink-volume", "@DEFAULT_SINK@", "20%"});
    const int start = SinkVolume();
    RunTool("xdotool", {"keydown", "ctrl+alt+equal"});
    QThread::msleep(400);
    RunTool("xdotool", {"keyup", "ctrl+alt+equal"});
    EXPECT_TRUE(WaitFor([&] { return SinkVolume() > start + 3; })) << start << " -> " << SinkVolume();
    EXPECT_GE(tracedCount("#soundup"), 3);
    const int repeats = tracedCount("#soundup");
    QThread::msleep(200);
    EXPECT_EQ(tracedCount("#soundup"), repeats) << "nothing repeats after the keys went up";
    EXPECT_EQ(tracedCount("#playpause"), 2) << traced().join(' ').toStdString();

    // The song's combination plays it.
    RunTool("xdotool", {"key", "ctrl+alt+b"});
    EXPECT_TRUE(WaitFor([&] { return Playerctl({"metadata", "title"}).contains("third song"); }))
        << traced().join(' ').toStdString();
    EXPECT_EQ(tracedCount("#Play," + third), 1);
    EXPECT_TRUE(other.isActiveWindow()) << "the focus stays where it was";
}

TEST_F(GlobalHotKeys, AMediaKeyActsHereOnlyWhenNoOtherProgramOwnsIt) {
    const QString first = MakeToneMp3(home.path(), "first", 440, 30);
    const QString second = MakeToneMp3(home.path(), "second", 660, 30);
    for (const bool owned : {false, true}) {
        SCOPED_TRACE(owned ? "owned by another program" : "free");
        QFile::remove(trace);
        QProcess owner;
        if (owned) {
            owner.start(QStringLiteral(SORVI_BUILD_DIR) + "/x11-grab-key", {"XF86AudioNext"});
            ASSERT_TRUE(owner.waitForReadyRead(5000));
            ASSERT_EQ(owner.readAllStandardOutput().trimmed(), "grabbed");
        }
        start({first, second});
        ASSERT_TRUE(WaitFor([&] { return Playerctl({"metadata", "title"}).contains("first"); }, 20000));
        focusOther();
        RunTool("xdotool", {"key", "XF86AudioNext"});
        if (owned) {
            QThread::msleep(500);
            EXPECT_EQ(tracedCount("#next"), 0);
            EXPECT_TRUE(Playerctl({"metadata", "title"}).contains("first"));
        } else {
            EXPECT_TRUE(WaitFor([&] { return Playerctl({"metadata", "title"}).contains("second"); }));
            EXPECT_EQ(tracedCount("#next"), 1) << "one press acts once";
        }
        command("#Exit");
        EXPECT_TRUE(player.waitForFinished(10000));
        owner.closeWriteChannel();
        owner.waitForFinished(3000);
    }
}

TEST_F(GlobalHotKeys, NothingFiresWhileADialogOfThePlayerIsOpen) {
    const QString first = MakeToneMp3(home.path(), "first", 440, 30);
    start({first});
    ASSERT_TRUE(WaitFor([&] { return ready(); }, 20000));
    command("#OpenFile");
    ASSERT_TRUE(WaitFor([&] { return !RunTool("xdotool", {"search", "--onlyvisible", "--name", "Open"}).isEmpty(); },
                        10000));
    RunTool("xdotool", {"key", "ctrl+shift+s"});
    QThread::msleep(300);
    EXPECT_EQ(tracedCount("#stop"), 0);
    // The dialog closes; the same press now stops the song.
    RunTool("xdotool", {"search", "--onlyvisible", "--name", "Open", "windowactivate", "--sync", "key", "Escape"});
    ASSERT_TRUE(WaitFor([&] { return RunTool("xdotool", {"search", "--onlyvisible", "--name", "Open"}).isEmpty(); }));
    RunTool("xdotool", {"key", "ctrl+shift+s"});
    EXPECT_TRUE(WaitFor([&] { return tracedCount("#stop") == 1; }));
    EXPECT_TRUE(WaitFor([] { return Playerctl({"status"}) == "Stopped"; }));
}
