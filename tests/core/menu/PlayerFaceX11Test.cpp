// The menu and the mixer on the real, skinned face under an X server and a
// sound server: a right click on the skin opens the player's menu and
// choosing Next plays the next song; the desktop mixer moves the volume
// slider's thumb.
#include "PlayerApplication.h"
#include "ScriptedDialogs.h"
#include "SkinLayer.h"
#include "SkinnedPlayer.h"
#include "TCtrl.h"
#include "TKvMp3PlayForm.h"
#include "TOption.h"
#include "TSkin.h"

#include <QCoreApplication>
#include <QWindow>

namespace {

TEST_F(SkinnedPlayer, RightClickOnTheSkinOpensTheMenuAndNextPlaysTheNextSong) {
    const QString first = MakeToneMp3(home.path(), "first", 440, 20);
    const QString second = MakeToneMp3(home.path(), "second", 880, 20);
    start({first, second});
    ASSERT_TRUE(WaitFor([&] { return counts().contains(first + "=1"); }, 20000)) << traced().join("\n").toStdString();
    ASSERT_TRUE(WaitFor([&] { return window(594).isValid(); }, 10000)) << "no skinned main window";
    main = window(594);
    WaitFor([] { return false; }, 300);

    click({200, 20}, 3); // the skin's title strip opens the menu at the pointer
    WaitFor([] { return false; }, 700);
    screenshot("menu-on-skin");
    // About..., HomePage, Playlist, Play > Prev, Play&Pause, Stop, Next.
    RunTool("xdotool", {"key", "--delay", "80", "Down", "Down", "Down", "Down", "Right", "Down", "Down", "Down"});
    WaitFor([] { return false; }, 300);
    screenshot("menu-play-next");
    RunTool("xdotool", {"key", "Return"});
    EXPECT_TRUE(WaitFor([&] { return traced().contains("#Next"); }, 5000)) << traced().join("\n").toStdString();
    EXPECT_TRUE(WaitFor([&] { return counts().contains(second + "=1"); }, 15000)) << counts().toStdString();
}

// On a bare X server (no window manager re-parents or hides anything) the
// started player maps exactly one top-level window under its name: no stale
// first native window of the main window stays behind with an old picture.
TEST_F(SkinnedPlayer, ExactlyOneMappedWindowCarriesThePlayersName) {
    // Kept on top from the last run: the mode is applied while the face is
    // being put on the screen.
    {
        QFile ini(home.path() + "/Options.ini");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[OPTION]\r\nCHECKACC=0\r\nALWAYSTOP=1\r\n");
    }
    start({});
    ASSERT_TRUE(WaitFor([&] { return window(594).isValid(); }, 15000)) << "no skinned main window";
    WaitFor([] { return false; }, 2500); // the splash has closed, the start-up commands have run
    screenshot("one-main-window");
    const QStringList named =
        RunTool("xdotool", {"search", "--onlyvisible", "--name", "^Sorvi Audio Player$"})
            .split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(named.size(), 1) << RunTool("xwininfo", {"-root", "-children"}).toStdString();
    // Nor any other mapped top-level window of the player besides the main one.
    QStringList mapped;
    for (const QString& id : RunTool("xdotool", {"search", "--onlyvisible", "--pid",
                                                 QString::number(player.processId())})
                                 .split('\n', Qt::SkipEmptyParts))
        mapped << RunTool("xdotool", {"getwindowname", id}).trimmed();
    EXPECT_EQ(mapped, QStringList{"Sorvi Audio Player"});
    command("#OnTop");
    command("#OnTop");
    WaitFor([] { return false; }, 500);
    EXPECT_EQ(RunTool("xdotool", {"search", "--onlyvisible", "--name", "^Sorvi Audio Player$"})
                  .split('\n', Qt::SkipEmptyParts)
                  .size(),
              1);
}

// The on-top mode taken from "Options.ini" while the face goes on the screen
// keeps the main window's first native window: a second one made meanwhile is
// what stayed on a bare X server showing an old picture of the skin.
TEST(PlayerFace, TheOnTopModeKeepsTheFirstNativeWindow) {
    TempHome home;
    home.write("Options.ini", "[OPTION]\r\nCHECKACC=0\r\nALWAYSTOP=1\r\n");
    ScriptedDialogs dialogs;
    PlayerApplication player({&dialogs, [](const QString&) {}, {}});
    QWidget& main = player.mainWindow();
    main.winId(); // the first native window
    const WId first = main.windowHandle()->winId();
    player.Start();
    WaitFor([] { return false; }, 500); // the skin is on, the mode applied
    ASSERT_TRUE(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(main.windowHandle()->winId(), first);
    player.DoCommand("#OnTop");
    player.DoCommand("#OnTop");
    WaitFor([] { return false; }, 200);
    EXPECT_EQ(main.windowHandle()->winId(), first);
    const QStringList named = RunTool("xdotool", {"search", "--onlyvisible", "--name", "^Sorvi Audio Player$"})
                                  .split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(named, QStringList{QString::number(first)});
    player.CloseMainWindow();
}

// Offsets of every volume slider's thumb on the face.
QList<int> volumeThumbs(TSkin& skin) {
    QList<int> offsets;
    for (TCtrl* o : skin.AllObjects())
        if (o->kind == SkinItemKind::VolumeSlider)
            offsets << o->ThumbOffset();
    return offsets;
}

// With MIXER=system the player's volume is the default sink's, so the desktop's sink
// volume moves the player's sliders.
TEST(PlayerFace, TheDesktopMixerMovesTheVolumeSlider) {
    TempHome home;
    home.write("Options.ini", "[OPTION]\r\nMIXER=system\r\n");
    ScriptedDialogs dialogs;
    PlayerApplication player({&dialogs, [](const QString&) {}, {}});
    player.Start();
    TSkin& skin = player.skin().skin();
    ASSERT_FALSE(volumeThumbs(skin).isEmpty()) << "the default skin has volume sliders";

    RunTool("pactl", {"set-sink-volume", "sorvi_null", "10%"});
    ASSERT_TRUE(WaitFor([&] { return std::abs(player.option().Volume() - 6553) < 70; }, 5000))
        << player.option().Volume();
    WaitFor([] { return false; }, 100);
    const QList<int> quiet = volumeThumbs(skin);

    RunTool("pactl", {"set-sink-volume", "sorvi_null", "100%"});
    ASSERT_TRUE(WaitFor([&] { return player.option().Volume() == 65535; }, 5000)) << player.option().Volume();
    WaitFor([] { return false; }, 100);
    const QList<int> loud = volumeThumbs(skin);
    ASSERT_EQ(quiet.size(), loud.size());
    for (int i = 0; i < quiet.size(); ++i)
        EXPECT_NE(quiet[i], loud[i]) << "slider " << i << " did not follow the mixer";

    RunTool("pactl", {"set-sink-volume", "sorvi_null", "30%", "10%"}); // left louder: balance to the left
    ASSERT_TRUE(WaitFor([&] { return player.option().Balance() < 50; }, 5000)) << player.option().Balance();
    player.CloseMainWindow();
}

// By default the volume is the player's own stream: the desktop's sound
// settings for that stream move the slider, and the slider leaves the sink and
// every other program alone.
TEST(PlayerFace, TheDesktopSettingsOfThePlayersStreamMoveTheVolumeSlider) {
    TempHome home;
    ScriptedDialogs dialogs;
    RunTool("pactl", {"set-sink-volume", "sorvi_null", "100%"});
    PlayerApplication player({&dialogs, [](const QString&) {}, {}});
    player.Start();
    TSkin& skin = player.skin().skin();
    const QString tone = MakeToneMp3(home.path(), "tone", 440, 20);
    player.DoCommand("#Play," + tone);
    // The player's stream: the one of this process (another test's player may
    // still be closing its own).
    QString stream;
    const QString pid = "application.process.id = \"" + QString::number(QCoreApplication::applicationPid()) + '"';
    ASSERT_TRUE(WaitFor([&] {
        for (const QString& block : RunTool("pactl", {"list", "sink-inputs"}).split("Sink Input #"))
            if (block.contains(pid))
                stream = block.section('\n', 0, 0).trimmed();
        return !stream.isEmpty();
    }, 10000)) << "the player's stream did not appear";
    const QList<int> before = volumeThumbs(skin);

    RunTool("pactl", {"set-sink-input-volume", stream, "10%"});
    ASSERT_TRUE(WaitFor([&] { return std::abs(player.option().Volume() - 6553) < 70; }, 5000))
        << player.option().Volume();
    WaitFor([] { return false; }, 100);
    const QList<int> quiet = volumeThumbs(skin);
    ASSERT_EQ(quiet.size(), before.size());
    for (int i = 0; i < quiet.size(); ++i)
        EXPECT_NE(quiet[i], before[i]) << "slider " << i << " did not follow the stream";

    player.DoCommand("#SoundUp");
    EXPECT_TRUE(RunTool("pactl", {"get-sink-volume", "sorvi_null"}).contains("65536 / 100%"))
        << "the sink is not the player's";
    EXPECT_TRUE(WaitFor([&] { return std::abs(player.option().Volume() - 7577) < 70; }, 2000));
    player.CloseMainWindow();
}

} // namespace
