// The real player under an X server in each skin it ships: the extra skins are
// written into "Skins/" at the first start, each applies, shows its normal and
// small mode (screenshots in the test output folder) and its play button plays.
#include "SkinnedPlayer.h"

#include <QFileInfo>

namespace {

TEST_F(SkinnedPlayer, EveryShippedSkinAppliesShowsBothModesAndPlays) {
    const QString song = MakeToneMp3(home.path(), "tone", 440, 1.0);
    start({song});
    ASSERT_TRUE(WaitFor([&] { return counts().contains("=1") && traced().contains("#Stop"); }, 30000))
        << traced().join("\n").toStdString();
    for (const char* name : {"light", "compact"})
        EXPECT_TRUE(QFileInfo(home.path() + "/Skins/" + name + ".eks").isFile())
            << name << " was not written out";

    struct Skin {
        QString name, file;
        int smallWidth;
        QPoint play; // the play/stop button in the main window
    };
    const Skin skins[] = {
        {"light", home.path() + "/Skins/light.eks", 380, {112, 143}},
        {"compact", home.path() + "/Skins/compact.eks", 250, {293, 178}}, // below the room of the list
        {"default", home.path() + "/default.eks", 380, {112, 143}},
    };
    int plays = 1;
    for (const Skin& skin : skins) {
        const QString& name = skin.name;
        SCOPED_TRACE(name.toStdString());
        command("#Skin," + skin.file);
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

} // namespace
