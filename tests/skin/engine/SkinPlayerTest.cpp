// The real player under an X server, dressed by its default skin: the main
// window is shaped, its buttons run their commands, the play-list drawer
// slides and the small mode switches. Screenshots go to the test output folder.
#include "SkinnedPlayer.h"

namespace {

TEST_F(SkinnedPlayer, ShapedWindowButtonsDrawerAndSmallMode) {
    const QString song = MakeToneMp3(home.path(), "tone", 440, 1.5);
    start({song});
    // The song given on the command line plays once and the list then stops.
    ASSERT_TRUE(WaitFor([&] { return counts().contains("=1") && traced().contains("#Stop"); }, 30000))
        << traced().join("\n").toStdString();
    ASSERT_TRUE(WaitFor([&] { return window(594).isValid(); }, 10000)) << "no skinned main window";
    main = window(594);
    ASSERT_EQ(main.size(), QSize(594, 330));
    WaitFor([] { return false; }, 500);

    // Shaped: the rounded corner and the room of the closed drawers show the
    // desktop; the body shows the skin.
    QImage shot = screenshot("skin-normal");
    ASSERT_FALSE(shot.isNull());
    const QColor desktop(shot.pixel(2, shot.height() - 2));
    auto at = [&](QPoint p) { return QColor(shot.pixel(main.topLeft() + p)); };
    EXPECT_EQ(at({1, 1}), desktop) << "outside the rounded corner";
    EXPECT_EQ(at({500, 250}), desktop) << "room of the closed drawers";
    EXPECT_EQ(at({200, 250}), desktop);
    EXPECT_NE(at({200, 20}), desktop) << "the body";
    EXPECT_NE(at({436, 80}), desktop) << "the drawer's handle";

    // The play/stop button plays the song again.
    click({112, 143});
    EXPECT_TRUE(WaitFor([&] { return traced().contains("#PlayStop"); }, 5000))
        << traced().join("\n").toStdString();
    EXPECT_TRUE(WaitFor([&] { return counts().contains("=2"); }, 15000)) << counts().toStdString();
    WaitFor([&] { return traced().count("#Stop") >= 2; }, 10000);

    // The play-list drawer slides out below the body.
    click({380, 143});
    EXPECT_TRUE(WaitFor([&] { return traced().contains("#LIST"); }, 5000));
    WaitFor([] { return false; }, 1200);
    shot = screenshot("skin-drawer-open");
    EXPECT_NE(at({200, 250}), desktop) << "the open play list";
    click({380, 143});
    WaitFor([] { return false; }, 1200);

    // The control drawer slides out to the right.
    click({436, 96});
    EXPECT_TRUE(WaitFor([&] { return traced().contains("#Extract"); }, 5000));
    WaitFor([] { return false; }, 1200);
    shot = screenshot("skin-extras-open");
    EXPECT_NE(at({520, 50}), desktop) << "the open control drawer";
    click({586, 96});
    WaitFor([] { return false; }, 1200);

    // Video mode: the display window comes up with the control bar, which
    // stays while the pointer is over it.
    click({404, 143});
    EXPECT_TRUE(WaitFor([&] { return traced().contains("#Display,DblClick"); }, 5000));
    EXPECT_TRUE(WaitFor([&] { return window(0, "Video Window").isValid(); }, 5000)) << "no display window";
    const QRect video = window(0, "Video Window");
    RunTool("xdotool",
        {"mousemove", "--sync", QString::number(video.left() + 120), QString::number(video.bottom() - 20)});
    WaitFor([] { return false; }, 1500);
    shot = screenshot("skin-video-bar");
    if (video.isValid()) {
        EXPECT_NE(QColor(shot.pixel(video.left() + 120, video.bottom() - 30)), QColor(Qt::black))
            << "the control bar";
    }
    command("#Display,Close");
    EXPECT_TRUE(WaitFor([&] { return !window(0, "Video Window").isValid(); }, 5000));

    // Small mode and back.
    click({386, 18});
    EXPECT_TRUE(WaitFor([&] { return window(380).isValid(); }, 5000)) << "no small window";
    main = window(380);
    EXPECT_EQ(main.height(), 32);
    WaitFor([] { return false; }, 500);
    screenshot("skin-small");
    click({343, 16});
    EXPECT_TRUE(WaitFor([&] { return window(594).isValid(); }, 5000)) << "normal mode did not come back";

    // The exit button closes the player from inside its own click.
    main = window(594);
    WaitFor([] { return false; }, 300);
    click({410, 18});
    EXPECT_TRUE(player.waitForFinished(5000)) << "the exit button did not end the player";
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player.exitCode(), 0);
}

} // namespace
