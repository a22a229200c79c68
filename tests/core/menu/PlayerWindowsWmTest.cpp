// The running player under a real window manager (openbox, which has no
// notification area) and a sound server, watched from the X server's side as
// well: minimizing keeps a task-bar entry, dialogs and tool windows belong to
// the main window, the lyrics question never holds up a song, and the main
// window's keys and wheel run their commands.
#include "LyricsLayer.h"
#include "Messenger.h"
#include "PlayerApplication.h"
#include "QtDialogLayer.h"
#include "ScriptedDialogs.h"
#include "SkinLayer.h"
#include "SkinnedPlayer.h"
#include "SkinPlayList.h"
#include "TCtrl.h"
#include "TID3Form.h"
#include "TID3Forms.h"
#include "TKvListView.h"
#include "TKvMp3PlayForm.h"
#include "TLrcForm.h"
#include "TLrcView.h"
#include "TOption.h"
#include "TPlay.h"
#include "TSkin.h"

#include <QApplication>
#include <QFileDialog>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWindow>

namespace {

// Every command the in-process player runs, one a line (read once per process).
const QString kTrace = [] {
    const QString path = TestOutputFolder() + "/player-windows-trace.txt";
    QFile::remove(path);
    qputenv("SORVI_TRACE_COMMANDS", path.toUtf8());
    return path;
}();

// The traced commands, without the status reports the engine sends meanwhile.
QStringList traced() {
    QFile f(kTrace);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList commands = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    commands.removeAll("#PlayStatusChanged");
    return commands;
}

// One property of a window as the X server holds it.
QString xprop(WId window, const char* property) {
    return RunTool("xprop", {"-id", QString::number(window), property}).trimmed();
}

WId transientFor(WId window) {
    const QString text = xprop(window, "WM_TRANSIENT_FOR"); // "...: window id # 0x1a00005"
    return WId(text.section('#', 1).trimmed().toULongLong(nullptr, 16));
}

struct PlayerUnderWm : ::testing::Test {
    TempHome home;
    void SetUp() override {
        // No start-up question about file associations.
        home.write("Options.ini", "[OPTION]\r\nCHECKACC=0\r\n");
    }
    // Starts the player and waits until its skinned face is on the screen.
    void start(PlayerApplication& player) {
        player.Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&player.mainWindow()));
        const WId id = player.mainWindow().windowHandle()->winId();
        ASSERT_TRUE(WaitFor([&] { return xprop(id, "WM_STATE").contains("Normal"); }))
            << xprop(id, "WM_STATE").toStdString();
    }
};

TEST_F(PlayerUnderWm, MinimizingWithoutATrayIconifiesAndRestores) {
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable()) << "openbox has no notification area";
    ScriptedDialogs dialogs;
    PlayerApplication player({&dialogs, [](const QString&) {}, {}});
    start(player);
    QWidget& main = player.mainWindow();
    const WId id = main.windowHandle()->winId();
    auto state = [&] { return xprop(id, "WM_STATE") + xprop(id, "_NET_WM_STATE"); };

    // The skin's minimize button and the hot key: iconified, not withdrawn.
    player.DoCommand("#Minimize");
    EXPECT_TRUE(WaitFor([&] { return state().contains("Iconic"); })) << state().toStdString();
    EXPECT_TRUE(state().contains("_NET_WM_STATE_HIDDEN")) << state().toStdString();
    EXPECT_TRUE(main.isVisible());
    player.DoCommand("#Normal");
    EXPECT_TRUE(WaitFor([&] { return state().contains("Normal") && !main.isMinimized(); }))
        << state().toStdString();

    // The window manager's own minimize leaves it iconified too.
    RunTool("xdotool", {"windowminimize", QString::number(id)});
    EXPECT_TRUE(WaitFor([&] { return state().contains("Iconic"); })) << state().toStdString();
    QTest::qWait(500); // anything the player posts in answer has run
    EXPECT_TRUE(state().contains("Iconic")) << state().toStdString();
    EXPECT_TRUE(main.isVisible());
    // ... and the task bar (the window manager) brings it back.
    RunTool("xdotool", {"windowactivate", QString::number(id)});
    EXPECT_TRUE(WaitFor([&] { return state().contains("Normal"); })) << state().toStdString();
    player.CloseMainWindow();
}

// What a dialog that was open belonged to.
struct Owner {
    QString kind;
    QWidget* parent = nullptr;
    QWindow* transientParent = nullptr;
    WId transientForX = 0;
};

TEST_F(PlayerUnderWm, DialogsAndToolWindowsBelongToTheOnTopMainWindow) {
    QtDialogLayer dialogs; // the real dialogs: each is closed by the watcher below
    PlayerApplication player({&dialogs, [](const QString&) {}, {}});
    start(player);
    QWidget& main = player.mainWindow();
    player.option().SetAlwaysOnTop(true);
    ASSERT_TRUE(WaitFor([&] { return main.windowFlags().testFlag(Qt::WindowStaysOnTopHint) && main.isVisible(); }));
    // The window manager keeps it above others.
    const WId mainId = main.windowHandle()->winId();
    EXPECT_TRUE(WaitFor([&] { return xprop(mainId, "_NET_WM_STATE").contains("_NET_WM_STATE_ABOVE"); }))
        << xprop(mainId, "_NET_WM_STATE").toStdString();

    QList<Owner> seen;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        seen.append({modal->metaObject()->className(), modal->parentWidget(),
                     modal->windowHandle() ? modal->windowHandle()->transientParent() : nullptr,
                     transientFor(modal->windowHandle()->winId())});
        modal->close();
    });
    watcher.start(100);

    player.DoCommand("#OpenFile");
    player.messenger().ShowMessageBox("A message", MsgBox::IconInformation);
    watcher.stop();
    ASSERT_EQ(seen.size(), 2);
    for (const Owner& o : seen) {
        SCOPED_TRACE(o.kind.toStdString());
        EXPECT_EQ(o.parent, &main);
        EXPECT_EQ(o.transientParent, main.windowHandle());
        EXPECT_EQ(o.transientForX, main.windowHandle()->winId());
    }

    // The tool windows: the lyrics window and a tag window.
    const QString song = MakeToneMp3(home.path(), "song", 440, 2);
    player.DoCommand("#Lyrics");
    player.DoCommand("#ID3," + song);
    TLrcForm* lyrics = player.lyrics().lyricsWindow();
    ASSERT_TRUE(lyrics);
    ASSERT_TRUE(player.lyrics().tagWindows()->Find(song));
    for (QWidget* tool : {static_cast<QWidget*>(lyrics), static_cast<QWidget*>(player.lyrics().tagWindows()->Find(song))}) {
        SCOPED_TRACE(tool->objectName().toStdString());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(tool));
        EXPECT_EQ(tool->parentWidget(), &main);
        EXPECT_TRUE(tool->isWindow());
        EXPECT_EQ(tool->windowHandle()->transientParent(), main.windowHandle());
        EXPECT_TRUE(WaitFor([&] { return transientFor(tool->windowHandle()->winId()) == main.windowHandle()->winId(); }))
            << xprop(tool->windowHandle()->winId(), "WM_TRANSIENT_FOR").toStdString();
    }
    // Leaving the on-top mode keeps the same native window; the tools stay its own.
    player.option().SetAlwaysOnTop(false);
    ASSERT_TRUE(WaitFor([&] { return !main.windowFlags().testFlag(Qt::WindowStaysOnTopHint) && main.isVisible(); }));
    EXPECT_TRUE(WaitFor([&] { return !xprop(mainId, "_NET_WM_STATE").contains("_NET_WM_STATE_ABOVE"); }))
        << xprop(mainId, "_NET_WM_STATE").toStdString();
    EXPECT_EQ(main.windowHandle()->winId(), mainId) << "the main window was made anew";
    EXPECT_EQ(lyrics->windowHandle()->transientParent(), main.windowHandle());
    EXPECT_TRUE(WaitFor([&] { return transientFor(lyrics->windowHandle()->winId()) == main.windowHandle()->winId(); }))
        << xprop(lyrics->windowHandle()->winId(), "WM_TRANSIENT_FOR").toStdString();
    player.CloseMainWindow();
}

TEST_F(PlayerUnderWm, TheLyricsQuestionComesAfterTheSongStarted) {
    ScriptedDialogs dialogs;
    dialogs.answer = MsgBox::IdCancel;
    PlayerApplication player({&dialogs, [](const QString&) {}, {}});
    start(player);
    const QString song = MakeToneMp3(home.path(), "nolyrics", 440, 10);
    player.DoCommand("#Lyrics");
    int statusWhileAsked = -1;
    dialogs.whileShown = [&] { statusWhileAsked = player.option().Status(); };
    player.DoCommand("#Play," + song);
    ASSERT_TRUE(WaitFor([&] { return !dialogs.shown.isEmpty(); }));
    EXPECT_EQ(dialogs.shown[0].text, QString("can't locate lyrics file, search in server?"));
    EXPECT_NE(statusWhileAsked, int(StatusStopped)) << "the song waited for the answer";
    EXPECT_TRUE(WaitFor([&] { return player.option().Status() == StatusPlaying; }));
    EXPECT_EQ(player.lyrics().lyricsWindow()->view().Notice, QString("no lyrics"));
    player.CloseMainWindow();
}

// The skin's controls of one kind on the main window.
QWidget* controlOf(PlayerApplication& player, SkinItemKind kind) {
    for (TCtrl* o : player.skin().skin().AllObjects())
        if (o->kind == kind && o->LastControl() && o->LastControl()->window() == &player.mainWindow())
            return o->LastControl();
    return nullptr;
}

TKvListView* playList(PlayerApplication& player) {
    for (TCtrl* o : player.skin().skin().AllObjects())
        if (o->list)
            return o->list->List();
    return nullptr;
}

TEST_F(PlayerUnderWm, KeysAndTheWheelOnTheMainWindowRunTheirCommands) {
    const QString first = MakeToneMp3(home.path(), "first", 440, 15);
    const QString second = MakeToneMp3(home.path(), "second", 660, 15);
    ScriptedDialogs dialogs;
    PlayerApplication player({&dialogs, [](const QString&) {}, {first, second}});
    start(player);
    QWidget& main = player.mainWindow();
    ASSERT_TRUE(WaitFor([&] { return player.option().Status() == StatusPlaying; }, 10000));
    main.activateWindow();
    QWidget* focused = QApplication::focusWidget();
    if (focused)
        focused->clearFocus();

    auto lastCommand = [] { return traced().isEmpty() ? QString() : traced().last(); };
    struct KeyCase {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* command;
    } keys[] = {
        {Qt::Key_Space, Qt::NoModifier, "#PlayPause"}, {Qt::Key_Space, Qt::NoModifier, "#PlayPause"},
        {Qt::Key_Right, Qt::NoModifier, "#Forward"},   {Qt::Key_Left, Qt::NoModifier, "#Rewind"},
        {Qt::Key_Up, Qt::NoModifier, "#SoundUp"},      {Qt::Key_Down, Qt::NoModifier, "#SoundDown"},
        {Qt::Key_O, Qt::ControlModifier, "#OpenFile"},
    };
    for (const KeyCase& k : keys) {
        SCOPED_TRACE(k.command);
        const int before = traced().size();
        QTest::keyClick(&main, k.key, k.modifiers);
        EXPECT_TRUE(traced().mid(before).contains(k.command)) << traced().mid(before).join(" ").toStdString();
    }
    EXPECT_EQ(dialogs.shown.last().kind, QString("open")); // Ctrl+O asked for files
    // Space twice: paused and on again.
    EXPECT_TRUE(WaitFor([&] { return player.option().Status() == StatusPlaying; }));

    // The volume follows Up and Down.
    player.option().SetVolume(30000);
    QTest::keyClick(&main, Qt::Key_Up);
    EXPECT_GT(player.option().Volume(), 30000);
    QTest::keyClick(&main, Qt::Key_Down);
    QTest::keyClick(&main, Qt::Key_Down);
    EXPECT_LT(player.option().Volume(), 30000);

    // Delete: the play list's selected row goes; keys in a focused list stay its own.
    TKvListView* list = playList(player);
    ASSERT_TRUE(list);
    list->setFocus();
    for (int i = 0; i < 3 && list->ItemIndex() != 1; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->ItemIndex(), 1);
    list->clearFocus();
    main.setFocus();
    ASSERT_EQ(player.play().Default().Count(), 2);
    QTest::keyClick(&main, Qt::Key_Delete);
    EXPECT_EQ(lastCommand(), QString("#List,Delete"));
    EXPECT_EQ(player.play().Default().Count(), 1);

    // The wheel: volume over the window and its volume slider, seeking over the position slider.
    // Real wheel clicks from the X server (button 4 up, 5 down): the window
    // itself at its title strip, a control at its middle.
    auto wheel = [&](QWidget* over, int delta) {
        const QPoint at = over->mapToGlobal(over == &main ? QPoint(200, 20) : over->rect().center());
        // (no --sync: it waits for a motion that never comes when the pointer is already there)
        RunTool("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y())});
        QTest::qWait(50);
        for (int i = 0; i < std::abs(delta) / 120; ++i)
            RunTool("xdotool", {"click", delta > 0 ? "4" : "5"});
    };
    QWidget* volume = controlOf(player, SkinItemKind::VolumeSlider);
    QWidget* position = controlOf(player, SkinItemKind::PositionSlider);
    ASSERT_TRUE(volume && position) << "the default skin has both sliders";
    struct WheelCase {
        QWidget* over;
        int delta;
        QStringList commands;
    } wheels[] = {
        {volume, 120, {"#SoundUp"}},
        {volume, -240, {"#SoundDown", "#SoundDown"}},
        {&main, 120, {"#SoundUp"}},
        {position, 120, {"#Forward"}},
        {position, -120, {"#Rewind"}},
    };
    for (const WheelCase& w : wheels) {
        SCOPED_TRACE(w.commands.join(" ").toStdString());
        const int before = traced().size();
        wheel(w.over, w.delta);
        EXPECT_TRUE(WaitFor([&] { return traced().size() >= before + w.commands.size(); }, 3000));
        QTest::qWait(100);
        EXPECT_EQ(traced().mid(before), w.commands);
    }
    player.CloseMainWindow();
}

} // namespace
