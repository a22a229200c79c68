// The pop-up menu as built: its items in order with their submenus and
// separators, the hidden reserved items, the commands the actions run, the
// checked and enabled states following the player, and "#Menu".
#include "MenuHarness.h"
#include "PlaybackHost.h"
#include "PlayerPopupMenu.h"
#include "TPlay.h"
#include "TPlayControl.h"

#include <gtest/gtest.h>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QPushButton>

namespace {

// One line per item: "-" a separator, "Title>" a submenu, "(Caption)" hidden.
QStringList describe(const QMenu& menu) {
    QStringList lines;
    for (const QAction* a : menu.actions()) {
        if (a->isSeparator())
            lines << "-";
        else if (a->menu())
            lines << a->menu()->title() + ">";
        else if (!a->isVisible())
            lines << "(" + a->text() + ")";
        else
            lines << a->text();
    }
    return lines;
}

struct Menu : ::testing::Test {
    MenuHarness h;
    PlayerPopupMenu& menu = h.layer->menu();
    QAction* action(const char* name) { return h.layer->actions().action(name); }
};

} // namespace

TEST_F(Menu, ItemsAndSubmenusInOrder) {
    EXPECT_EQ(describe(menu), (QStringList{"About...", "HomePage", "-", "Playlist", "Play>", "File>",
                                           "Lyrics>", "ID3 Info", "(EQ)", "Video Window", "Options>", "Setup",
                                           "Help Online", "-", "Minimize", "Exit"}));
    const struct {
        const char* title;
        QStringList items;
    } subs[] = {
        {"Play",
         {"Prev", "Play&Pause", "Stop", "Next", "-", "Forward", "Rewind", "-", "Single Play", "Mute", "-",
          "Video Window"}},
        {"File", {"Add Files", "Add PlayUrl", "Search File", "-", "File Management", "Skins"}},
        {"Lyrics", {"Show Lyrics", "Edit Lyrics", "-", "Download Lyrics", "Upload Lyrics"}},
        {"Options", {"Skins", "-", "Shuffle", "Repeat", "Single Play", "(Play Interval)", "-", "Check Update"}},
    };
    for (const auto& sub : subs) {
        QMenu* m = menu.submenu(sub.title);
        ASSERT_NE(m, nullptr) << sub.title;
        EXPECT_EQ(describe(*m), sub.items) << sub.title;
    }
}

TEST_F(Menu, EachActionRunsItsCommandWithoutSender) {
    const struct {
        const char* action;
        const char* command;
    } cases[] = {
        {"FileManagerAction", "#FileManage"},
        {"AddSongAction", "#OpenFile"},
        {"LrcAction", "#Lyrics"},
        {"LrcEditAction", "#EditLrc"},
        {"AboutAction", "http://site.test/aboutme.htm"},
        {"HomePageAction", "http://site.test/index.php"},
        {"ListAction", "#List"},
        {"PrevAction", "#Prev"},
        {"NextAction", "#Next"},
        {"PlayPauseAction", "#PlayPause"},
        {"StopAction", "#Stop"},
        {"ForwardAction", "#Forward"},
        {"RewindAction", "#Rewind"},
        {"SingleAction", "#Only"},
        {"SilentAction", "#Silent"},
        {"DownloadLrcAction", "#Explorer,http://site.test/cn/lrcindex.php"},
        {"UpLoadLrcAction", "#Explorer,http://site.test/cn/upload/lrcupload.htm"},
        {"OptionAction", "#Setup"},
        {"HelpAction", "http://site.test/help/"},
        {"ShuffleAction", "#Shuffle"},
        {"RepeatAction", "#Repeat"},
        {"CheckUpdateAction", "#CheckUpdate"},
        {"DisplayAction", "#Display"},
        {"TextureAction", "#Skin"},
        {"SearchAction", "#Search"},
        {"UrlAction", "#Url"},
        {"ExitAction", "#Exit"},
    };
    for (const auto& c : cases) {
        h.ran.clear();
        QAction* a = action(c.action);
        ASSERT_NE(a, nullptr) << c.action;
        a->trigger();
        EXPECT_EQ(h.ran, QStringList{c.command}) << c.action;
    }
    EXPECT_EQ(h.shellOpened, (QStringList{"http://site.test/aboutme.htm", "http://site.test/index.php",
                                          "http://site.test/help/"}));
}

TEST_F(Menu, ReservedHiddenActionsDoNothing) {
    for (const char* name : {"EQProAction", "SperateAction"}) {
        ASSERT_NE(action(name), nullptr);
        EXPECT_FALSE(action(name)->isVisible());
        action(name)->trigger();
    }
    // Names outside the vocabulary: neither a handler nor the shell sees them.
    EXPECT_TRUE(h.shellOpened.isEmpty());
    EXPECT_FALSE(h.option.AlwaysOnTop());
}

TEST_F(Menu, PlayModesCheckTheirActions) {
    const struct {
        const char* action;
        void (TOption::*set)(bool);
    } modes[] = {{"SingleAction", &TOption::SetSinglePlay},
                 {"SilentAction", &TOption::SetMute},
                 {"ShuffleAction", &TOption::SetShuffle},
                 {"RepeatAction", &TOption::SetRepeat}};
    for (const auto& m : modes) {
        EXPECT_FALSE(action(m.action)->isChecked()) << m.action;
        (h.option.*m.set)(true);
        EXPECT_TRUE(action(m.action)->isChecked()) << m.action;
        // Choosing the item runs the command; when nothing handles it, the
        // item keeps showing the player's state rather than its own toggle.
        action(m.action)->trigger();
        EXPECT_TRUE(action(m.action)->isChecked()) << m.action;
        (h.option.*m.set)(false);
        EXPECT_FALSE(action(m.action)->isChecked()) << m.action;
    }
}

namespace {
struct NoPlayback : PlaybackHost {
    void PlayFile(const QString&) override {}
    void StopCurrent() override {}
};
} // namespace

TEST(MenuTagAction, EnabledOnceASongHasBeenMadeCurrent) {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    TPlay play{&option};
    NoPlayback host;
    TPlayControl control{play, option, host, [](const QString&) {}};
    TCommandDispatcher dispatcher{option};
    QWidget main;
    MenuLayer::Ports ports;
    ports.option = &option;
    ports.dispatcher = &dispatcher;
    ports.run = [](const QString&) {};
    ports.post = [](const QString&) {};
    ports.mainWindow = &main;
    ports.control = &control;
    MenuLayer layer(ports);
    QAction* id3 = layer.actions().action("ID3Action");
    EXPECT_FALSE(id3->isEnabled());
    emit control.currentSongLoaded();
    EXPECT_TRUE(id3->isEnabled());
}

TEST_F(Menu, MenuCommandAndRightClicksOpenTheMenu) {
    ASSERT_TRUE(h.dispatcher.HasHandler("#Menu"));
    h.dispatcher.DoCommand("#Menu");
    EXPECT_TRUE(WaitFor([&] { return menu.isVisible(); }));
    menu.hide();

    // A right click on a child of the main window that leaves it unhandled.
    auto* child = new QPushButton("x", &h.mainWindow);
    child->show();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(300, 200));
    QCoreApplication::sendEvent(child, &click);
    EXPECT_TRUE(WaitFor([&] { return menu.isVisible(); }));
    menu.hide();

    // The display window joins with the same menu.
    QWidget display;
    display.show();
    h.layer->AddWindow(display);
    QContextMenuEvent onDisplay(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(100, 100));
    QCoreApplication::sendEvent(&display, &onDisplay);
    EXPECT_TRUE(WaitFor([&] { return menu.isVisible(); }));
    menu.hide();
}
