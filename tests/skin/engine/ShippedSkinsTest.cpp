// The real player under an X server in each skin it ships: the extra skins are
// written into "Skins/" at the first start, each is applied from the skin
// manager, shows its normal and small mode and its drawers (screenshots in the
// test output folder), and its play button plays.
#include "SkinnedPlayer.h"

#include <QFileInfo>

namespace {

// Double-clicks a row of the skin manager (coordinates inside its window) and
// closes the tool window again, so it covers nothing of the player.
void ApplyFromSkinManager(SkinnedPlayer& t, int rowY) {
    t.command("#Skin");
    QRect manager;
    ASSERT_TRUE(WaitFor([&] { return (manager = t.window(0, "Texture Management")).isValid(); }, 10000))
        << "no skin manager";
    WaitFor([] { return false; }, 500);
    const QPoint row = manager.topLeft() + QPoint(217, rowY);
    RunTool("xdotool", {"mousemove", "--sync", QString::number(row.x()), QString::number(row.y())});
    RunTool("xdotool", {"click", "--repeat", "2", "--delay", "80", "1"});
    WaitFor([] { return false; }, 700);
    // Out of the player's way, below it.
    RunTool("xdotool", {"search", "--onlyvisible", "--name", "Texture Management", "windowmove", "0", "760"});
    ASSERT_TRUE(WaitFor([&] { return t.window(0, "Texture Management").top() == 760; }, 5000))
        << "the tool window stayed in front of the player";
}

TEST_F(SkinnedPlayer, EveryShippedSkinAppliesShowsBothModesAndPlays) {
    const QString song = MakeToneMp3(home.path(), "tone", 440, 1.0);
    start({song});
    ASSERT_TRUE(WaitFor([&] { return counts().contains("=1") && traced().contains("#Stop"); }, 30000))
        << traced().join("\n").toStdString();
    for (const char* name : {"light", "compact"})
        EXPECT_TRUE(QFileInfo(home.path() + "/Skins/" + name + ".eks").isFile())
            << name << " was not written out";

    struct Skin {
        QString name;
        int managerRow; // its row in the skin manager: default first, then by file name
        int smallWidth;
        QPoint play; // the play/stop button in the main window
        QPoint list, extras; // the buttons that open the drawers (none in the compact strip)
    };
    const Skin skins[] = {
        {"light", 105, 380, {112, 143}, {380, 143}, {436, 96}},
        {"compact", 91, 250, {293, 178}, {}, {}}, // below the room of the list
        {"default", 77, 380, {112, 143}, {380, 143}, {436, 96}},
    };
    ignoredTitles = {"Texture Management"};
    int plays = 1;
    for (const Skin& skin : skins) {
        const QString& name = skin.name;
        SCOPED_TRACE(name.toStdString());
        ApplyFromSkinManager(*this, skin.managerRow);
        WaitFor([] { return false; }, 700);
        ASSERT_TRUE(WaitFor([&] { return window().isValid(); }, 10000)) << "no skinned main window";
        main = window();
        WaitFor([] { return false; }, 700);
        EXPECT_FALSE(screenshot("shipped-" + name + "-normal").isNull());

        // The play/stop button plays the song again.
        click(skin.play);
        ++plays;
        EXPECT_TRUE(WaitFor([&] { return counts().contains(QString("=%1").arg(plays)); }, 15000))
            << counts().toStdString();
        WaitFor([&] { return traced().count("#Stop") >= plays; }, 10000);

        if (!skin.list.isNull()) {
            click(skin.list);
            WaitFor([] { return false; }, 1200);
            click(skin.extras);
            WaitFor([] { return false; }, 1200);
            EXPECT_FALSE(screenshot("shipped-" + name + "-drawers").isNull());
            click(skin.list);
            WaitFor([] { return false; }, 1200);
            click(skin.extras + QPoint(150, 0)); // the handle moved out with its drawer
            WaitFor([] { return false; }, 1200);
        }

        command("#SwitchSmall");
        EXPECT_TRUE(WaitFor([&] { return window(skin.smallWidth).isValid(); }, 5000)) << "no small window";
        main = window(skin.smallWidth);
        WaitFor([] { return false; }, 500);
        EXPECT_FALSE(screenshot("shipped-" + name + "-small").isNull());
        command("#SwitchSmall");
        EXPECT_TRUE(WaitFor([&] { return !window(skin.smallWidth).isValid(); }, 5000))
            << "normal mode did not come back";
    }
}

// At twice the scale every skin keeps its shape at double the size: the
// screenshots show whether pictures and text stay crisp and in place.
TEST_F(SkinnedPlayer, ShippedSkinsAtTwiceTheScale) {
    extraEnv = {{"QT_SCALE_FACTOR", "2"}};
    const QString song = MakeToneMp3(home.path(), "tone", 440, 1.0);
    start({song});
    ASSERT_TRUE(WaitFor([&] { return window().isValid(); }, 15000));
    struct Skin {
        QString name, file;
        int width; // of the normal window at 1x
    };
    const Skin skins[] = {
        {"default", home.path() + "/default.eks", 594},
        {"light", home.path() + "/Skins/light.eks", 594},
    };
    for (const Skin& skin : skins) {
        SCOPED_TRACE(skin.name.toStdString());
        command("#Skin," + skin.file);
        EXPECT_TRUE(WaitFor([&] { return window(2 * skin.width).isValid(); }, 10000))
            << "widest window " << window().width();
        WaitFor([] { return false; }, 700);
        EXPECT_FALSE(screenshot("shipped-" + skin.name + "-2x").isNull());
    }
}

} // namespace
