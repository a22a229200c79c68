// The real player under an X server, dressed by its default skin: the main
// window is shaped, its buttons run their commands, the play-list drawer
// slides and the small mode switches. Screenshots go to the test output folder.
#include "TempHome.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString makeTone(const QString& folder, double seconds) {
    const QString wav = folder + "/tone.wav";
    const QString mp3 = folder + "/tone.mp3";
    run("sox", {"-n", "-r", "44100", "-c", "2", wav, "synth", QString::number(seconds), "sine", "440", "vol",
                "0.3"});
    run("lame", {"--quiet", "-b", "128", wav, mp3});
    return mp3;
}

struct SkinnedPlayer : ::testing::Test {
    QTemporaryDir home;
    QString trace = home.path() + "/trace.txt";
    QProcess player;
    QRect main; // the main window on the screen

    void TearDown() override {
        if (player.state() == QProcess::Running) {
            QProcess control;
            control.setProcessEnvironment(env());
            control.start(QStringLiteral(SORVI_BUILD_DIR) + "/sorvi", {"--command", "#Exit"});
            control.waitForFinished(3000);
            if (!player.waitForFinished(5000))
                player.kill();
        }
    }
    QProcessEnvironment env() const {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert("SORVI_HOME", home.path());
        e.insert("SORVI_TRACE_COMMANDS", trace);
        return e;
    }
    QStringList traced() const {
        QFile f(trace);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)
                                           : QStringList();
    }
    QString counts() const {
        QFile f(home.path() + "/count");
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    // The player's visible top-level window of the given width (0: the
    // widest), or the one with the given title.
    QRect window(int width = 0, const QString& title = {}) const {
        QRect best;
        QStringList args = {"search", "--onlyvisible"};
        args << (title.isEmpty() ? QStringList{"--pid", QString::number(player.processId())}
                                 : QStringList{"--name", title});
        const QStringList ids = run("xdotool", args).split('\n', Qt::SkipEmptyParts);
        for (const QString& id : ids) {
            const QString shell = run("xdotool", {"getwindowgeometry", "--shell", id});
            QRect r;
            for (const QString& line : shell.split('\n')) {
                const QString value = line.section('=', 1);
                if (line.startsWith("X="))
                    r.moveLeft(value.toInt());
                else if (line.startsWith("Y="))
                    r.moveTop(value.toInt());
                else if (line.startsWith("WIDTH="))
                    r.setWidth(value.toInt());
                else if (line.startsWith("HEIGHT="))
                    r.setHeight(value.toInt());
            }
            if ((width && r.width() == width) || (!width && r.width() > best.width()) || !title.isEmpty())
                best = r;
        }
        return best;
    }
    QImage screenshot(const QString& name) const {
        const QString path = TestOutputFolder() + "/skin-" + name + ".png";
        run("import", {"-window", "root", path});
        return QImage(path);
    }
    void click(QPoint inWindow) const {
        const QPoint p = main.topLeft() + inWindow;
        run("xdotool", {"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())});
        run("xdotool", {"click", "1"});
    }
};

TEST_F(SkinnedPlayer, ShapedWindowButtonsDrawerAndSmallMode) {
    const QString song = makeTone(home.path(), 1.5);
    player.setProcessEnvironment(env());
    player.setProcessChannelMode(QProcess::ForwardedChannels);
    player.start(QStringLiteral(SORVI_BUILD_DIR) + "/sorvi", {song});
    ASSERT_TRUE(player.waitForStarted());
    // The song given on the command line plays once and the list then stops.
    ASSERT_TRUE(WaitFor([&] { return counts().contains("=1") && traced().contains("#Stop"); }, 30000))
        << traced().join("\n").toStdString();
    ASSERT_TRUE(WaitFor([&] { return window(594).isValid(); }, 10000)) << "no skinned main window";
    main = window(594);
    ASSERT_EQ(main.size(), QSize(594, 330));
    WaitFor([] { return false; }, 500);

    // Shaped: the rounded corner and the room of the closed drawers show the
    // desktop; the body shows the skin.
    QImage shot = screenshot("normal");
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
    shot = screenshot("drawer-open");
    EXPECT_NE(at({200, 250}), desktop) << "the open play list";
    click({380, 143});
    WaitFor([] { return false; }, 1200);

    // The control drawer slides out to the right.
    click({436, 96});
    EXPECT_TRUE(WaitFor([&] { return traced().contains("#Extract"); }, 5000));
    WaitFor([] { return false; }, 1200);
    shot = screenshot("extras-open");
    EXPECT_NE(at({520, 50}), desktop) << "the open control drawer";
    click({586, 96});
    WaitFor([] { return false; }, 1200);

    // Video mode: the display window comes up with the control bar, which
    // stays while the pointer is over it.
    click({404, 143});
    EXPECT_TRUE(WaitFor([&] { return traced().contains("#Display,DblClick"); }, 5000));
    EXPECT_TRUE(WaitFor([&] { return window(0, "Video Window").isValid(); }, 5000)) << "no display window";
    const QRect video = window(0, "Video Window");
    run("xdotool",
        {"mousemove", "--sync", QString::number(video.left() + 120), QString::number(video.bottom() - 20)});
    WaitFor([] { return false; }, 1500);
    shot = screenshot("video-bar");
    if (video.isValid()) {
        EXPECT_NE(QColor(shot.pixel(video.left() + 120, video.bottom() - 30)), QColor(Qt::black))
            << "the control bar";
    }
    QProcess control;
    control.setProcessEnvironment(env());
    control.start(QStringLiteral(SORVI_BUILD_DIR) + "/sorvi", {"--command", "#Display,Close"});
    control.waitForFinished(3000);
    EXPECT_TRUE(WaitFor([&] { return !window(0, "Video Window").isValid(); }, 5000));

    // Small mode and back.
    click({386, 18});
    EXPECT_TRUE(WaitFor([&] { return window(380).isValid(); }, 5000)) << "no small window";
    main = window(380);
    EXPECT_EQ(main.height(), 32);
    WaitFor([] { return false; }, 500);
    screenshot("small");
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
