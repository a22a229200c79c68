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
    const QString light = home.path() + "/Skins/light.eks";
    EXPECT_TRUE(QFileInfo(light).isFile()) << "the light skin was not written out";

    int plays = 1;
    for (const QString& name : {QString("light"), QString("default")}) {
        SCOPED_TRACE(name.toStdString());
        const QString file = name == "default" ? home.path() + "/default.eks" : light;
        command("#Skin," + file);
        ASSERT_TRUE(WaitFor([&] { return window(594).isValid(); }, 10000)) << "no skinned main window";
        main = window(594);
        WaitFor([] { return false; }, 700);
        EXPECT_FALSE(screenshot("shipped-" + name + "-normal").isNull());

        // The play/stop button plays the song again.
        click({112, 143});
        ++plays;
        EXPECT_TRUE(WaitFor([&] { return counts().contains(QString("=%1").arg(plays)); }, 15000))
            << counts().toStdString();
        WaitFor([&] { return traced().count("#Stop") >= plays; }, 10000);

        command("#SwitchSmall");
        EXPECT_TRUE(WaitFor([&] { return window(380).isValid(); }, 5000)) << "no small window";
        main = window(380);
        WaitFor([] { return false; }, 500);
        EXPECT_FALSE(screenshot("shipped-" + name + "-small").isNull());
        command("#SwitchSmall");
        EXPECT_TRUE(WaitFor([&] { return window(594).isValid(); }, 5000)) << "normal mode did not come back";
    }
}

} // namespace
