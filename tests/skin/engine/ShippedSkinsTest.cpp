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

// Whether the screen shows nothing but the desktop's black in the rectangle.
bool DesktopBlack(const QImage& shot, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(shot.pixel(x, y)) > 8)
                return false;
    return true;
}

// Whether a pixel of the rectangle has the blue of the default palette's time.
bool HasTimeBlue(const QImage& shot, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (c.blue() > 150 && c.blue() - c.red() > 80)
                return true;
        }
    return false;
}

// Whether the rectangle (screen pixels, at even places) holds a 2 x 2 block
// whose pixels differ: text drawn at the screen's resolution does, a picture
// drawn at half of it and doubled does not.
bool HasFineDetail(const QImage& shot, const QRect& r) {
    for (int y = r.top(); y + 1 <= r.bottom(); y += 2)
        for (int x = r.left(); x + 1 <= r.right(); x += 2) {
            const QRgb p = shot.pixel(x, y);
            if (shot.pixel(x + 1, y) != p || shot.pixel(x, y + 1) != p || shot.pixel(x + 1, y + 1) != p)
                return true;
        }
    return false;
}

// At twice the scale every skin keeps its shape at double the size: nothing
// shows below the body while the drawers are in, the title and the play list
// are drawn at the screen's resolution, the position thumb rests in its normal
// frame, the compact strip's time stays inside its box, the display area's
// corners show the drawer, the video window shows the control bar. The
// screenshots of each mode, of the open drawers and of the bar are left for
// people.
TEST_F(SkinnedPlayer, ShippedSkinsAtTwiceTheScale) {
    extraEnv = {{"QT_SCALE_FACTOR", "2"}};
    const QString song = MakeToneMp3(home.path(), "tone", 440, 1.0);
    start({song});
    ASSERT_TRUE(WaitFor([&] { return window().isValid(); }, 15000));
    // The pointer stays wherever an earlier test of this program left it; over
    // a control of the bigger window it would show that control's hover frame.
    RunTool("xdotool", {"mousemove", "0", "0"});
    // The splash (299 x 199, centred) closes 1.5 s after start-up.
    EXPECT_TRUE(WaitFor([&] { return !window(2 * 299).isValid(); }, 10000)) << "the splash stayed";
    // The song plays once: afterwards every position thumb rests at the start.
    ASSERT_TRUE(WaitFor([&] { return counts().contains("=1") && traced().contains("#Stop"); }, 30000))
        << traced().join("\n").toStdString();
    struct Skin {
        QString name, file;
        int width, smallWidth; // of the normal and the small window, at 1x
        QRect body;            // the window body in the window, at 1x
        QRect title;           // the title display in the window, at 1x
        QPoint list, extras;   // the buttons that open the drawers, at 1x
        int extrasOut;         // how far the second drawer's handle moves out
        QPoint display;        // the display area's corner with both drawers out, at 1x
        QRect row;             // the play list's first row with its drawer out, at 1x
    };
    const Skin skins[] = {
        {.name = "light", .file = home.path() + "/Skins/light.eks", .width = 594, .smallWidth = 380,
         .body = {0, 0, 428, 172}, .title = {26, 42, 330, 16}, .list = {380, 143}, .extras = {436, 96},
         .extrasOut = 150, .display = {462, 116}, .row = {28, 180, 100, 12}},
        {.name = "default", .file = home.path() + "/default.eks", .width = 594, .smallWidth = 380,
         .body = {0, 0, 428, 172}, .title = {26, 42, 330, 16}, .list = {380, 143}, .extras = {436, 96},
         .extrasOut = 150, .display = {436, 116}, .row = {28, 180, 100, 12}},
        // The list grows upwards above the strip; no display area.
        {.name = "compact", .file = home.path() + "/Skins/compact.eks", .width = 1156, .smallWidth = 250,
         .body = {0, 158, 680, 40}, .title = {36, 170, 136, 16}, .list = {572, 178}, .extras = {690, 178},
         .extrasOut = 460, .display = {}, .row = {28, 18, 100, 12}},
    };
    auto onScreen = [&](const QRect& r) { return QRect(main.topLeft() + 2 * r.topLeft(), 2 * r.size()); };
    for (const Skin& skin : skins) {
        SCOPED_TRACE(skin.name.toStdString());
        command("#Skin," + skin.file);
        ASSERT_TRUE(WaitFor([&] { return window(2 * skin.width).isValid(); }, 10000))
            << "widest window " << window().width();
        // Near the left edge, so that the drawers have room on the screen.
        const QString id = RunTool("xdotool", {"search", "--onlyvisible", "--pid", QString::number(player.processId())})
                               .section('\n', 0, 0);
        RunTool("xdotool", {"windowmove", id, "40", "300"});
        ASSERT_TRUE(WaitFor([&] { return window(2 * skin.width).topLeft() == QPoint(40, 300); }, 5000));
        main = window(2 * skin.width);
        WaitFor([] { return false; }, 700);
        const QImage shot = screenshot("shipped-" + skin.name + "-2x");
        ASSERT_FALSE(shot.isNull());
        const QRect below(skin.body.left(), skin.body.bottom() + 6, skin.body.width(), 60);
        EXPECT_TRUE(DesktopBlack(shot, onScreen(below))) << "something shows below the body";
        EXPECT_TRUE(HasFineDetail(shot, onScreen(skin.title))) << "the title is drawn at half the resolution";
        if (skin.name == "light") {
            // The normal frame's core is light, the hover frame's dark.
            const QPoint core = onScreen({21, 107, 1, 1}).topLeft();
            EXPECT_GT(qGray(shot.pixel(core)), 200) << "the position thumb is not in its normal frame";
        }
        if (skin.name == "compact") {
            // Right of the screen box the title and time share.
            EXPECT_FALSE(HasTimeBlue(shot, onScreen({251, 166, 6, 24}))) << "the time runs out of its box";
        }

        click(2 * skin.list);
        WaitFor([] { return false; }, 1200);
        click(2 * skin.extras);
        WaitFor([] { return false; }, 1200);
        const QImage drawers = screenshot("shipped-" + skin.name + "-2x-drawers");
        ASSERT_FALSE(drawers.isNull());
        EXPECT_TRUE(HasFineDetail(drawers, onScreen(skin.row))) << "the play list is drawn at half the resolution";
        if (!skin.display.isNull()) {
            // The drawer shows around the display's rounded corner, not black.
            EXPECT_GT(qGray(drawers.pixel(onScreen({skin.display, QSize(1, 1)}).topLeft())), 12)
                << "black corner at the display area";
        }
        click(2 * skin.list);
        WaitFor([] { return false; }, 1200);
        click(2 * (skin.extras + QPoint(skin.extrasOut, 0)));
        WaitFor([] { return false; }, 1200);

        // The video window with the skin's control bar under the pointer.
        command("#Display,DblClick");
        ASSERT_TRUE(WaitFor([&] { return window(0, "Video Window").isValid(); }, 5000)) << "no display window";
        const QRect video = window(0, "Video Window");
        RunTool("xdotool",
                {"mousemove", "--sync", QString::number(video.left() + 240), QString::number(video.bottom() - 16)});
        WaitFor([] { return false; }, 1500);
        const QImage bar = screenshot("shipped-" + skin.name + "-2x-video");
        ASSERT_FALSE(bar.isNull());
        EXPECT_GT(qGray(bar.pixel(video.left() + 240, video.bottom() - 60)), 8) << "no control bar";
        command("#Display,Close");
        EXPECT_TRUE(WaitFor([&] { return !window(0, "Video Window").isValid(); }, 5000));
        RunTool("xdotool", {"mousemove", "0", "0"});

        command("#SwitchSmall");
        EXPECT_TRUE(WaitFor([&] { return window(2 * skin.smallWidth).isValid(); }, 5000)) << "no small window";
        WaitFor([] { return false; }, 500);
        EXPECT_FALSE(screenshot("shipped-" + skin.name + "-2x-small").isNull());
        command("#SwitchSmall");
        EXPECT_TRUE(WaitFor([&] { return !window(2 * skin.smallWidth).isValid(); }, 5000))
            << "normal mode did not come back";
    }
}

} // namespace
