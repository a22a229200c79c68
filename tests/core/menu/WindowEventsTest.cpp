// Hiding to the tray and back: the minimize item's caption and default mark,
// the tray icon's clicks mapped to commands (and ignored while a dialog is
// open), the window manager's minimize, and exceptions escaping events.
#include "ApplicationEvents.h"
#include "MenuHarness.h"
#include "PlayerPopupMenu.h"
#include "PlayerQApplication.h"
#include "PlayerTray.h"

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QTest>
#include <QWindow>
#include <stdexcept>

namespace {

struct Tray : ::testing::Test {
    MenuHarness h;
    QAction* minimize = h.layer->actions().action("MinimizeAction");
};

} // namespace

TEST_F(Tray, DoubleClicksHideAndRestoreTheMainWindow) {
    const struct {
        bool visible;
        const char* caption;
        bool isDefault;
    } steps[] = {{false, "Restore", true}, {true, "Minimize", false}, {false, "Restore", true}};
    EXPECT_EQ(minimize->text(), "Minimize");
    for (const auto& step : steps) {
        h.layer->tray().Activate(QSystemTrayIcon::DoubleClick);
        EXPECT_EQ(h.mainWindow.isVisible(), step.visible);
        EXPECT_EQ(minimize->text(), step.caption);
        EXPECT_EQ(h.layer->menu().defaultAction() == minimize, step.isDefault) << step.caption;
    }
    EXPECT_EQ(h.ran, (QStringList{"#Minimize", "#Minimize", "#Minimize"}));
}

TEST_F(Tray, ClicksMapToCommandsOnlyWhileInteractive) {
    const struct {
        QSystemTrayIcon::ActivationReason reason;
        QStringList commands;
    } cases[] = {{QSystemTrayIcon::Trigger, {"#OnTop", "#OnTop"}},
                 {QSystemTrayIcon::DoubleClick, {"#Minimize"}},
                 {QSystemTrayIcon::Context, {"#Menu"}},
                 {QSystemTrayIcon::MiddleClick, {}},
                 {QSystemTrayIcon::Unknown, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(PlayerTray::CommandsFor(c.reason), c.commands) << int(c.reason);

    // While a message box is open nothing happens.
    h.option.SetInteractive(false);
    for (const auto& c : cases)
        h.layer->tray().Activate(c.reason);
    EXPECT_TRUE(h.ran.isEmpty());
    EXPECT_TRUE(h.mainWindow.isVisible());

    // A single click leaves the on-top setting as it was.
    h.option.SetInteractive(true);
    h.option.SetAlwaysOnTop(true);
    h.layer->tray().Activate(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(h.option.AlwaysOnTop());
    EXPECT_TRUE(h.store.ReadBool("OPTION", "ALWAYSTOP", false));
    // A right click opens the menu.
    h.layer->tray().Activate(QSystemTrayIcon::Context);
    EXPECT_TRUE(WaitFor([&] { return h.layer->menu().isVisible(); }));
    h.layer->menu().hide();
}

TEST_F(Tray, TipFollowsTheSongTitle) {
    EXPECT_EQ(h.layer->tray().toolTip(), "Sorvi Audio Player");
    h.option.SetTitle("Morning Song");
    EXPECT_EQ(h.layer->tray().toolTip(), "- Morning Song -");
    h.option.SetTitle(QString(100, 'x'));
    EXPECT_EQ(h.layer->tray().toolTip().size(), 63);
    h.option.SetTitle("");
    EXPECT_EQ(h.layer->tray().toolTip(), "Sorvi Audio Player");
}

TEST_F(Tray, WindowManagerMinimizeSendsTheWindowToTheTray) {
    // The offscreen platform reports a state change at once; a bare X server
    // without a window manager never iconifies anything.
    if (QGuiApplication::platformName() != "offscreen")
        GTEST_SKIP() << "needs a platform that applies window states itself";
    QWindow* window = h.mainWindow.windowHandle();
    ASSERT_NE(window, nullptr);
    h.layer->events().SetTrayAvailable([] { return true; });
    // The platform reports the change, as a window manager would.
    window->setWindowStates(Qt::WindowMinimized);
    EXPECT_TRUE(WaitFor([&] { return h.posted.contains("#Minimize"); }));

    // The player's own restore of a hidden window is not taken for the user's.
    h.posted.clear();
    h.mainWindow.hide();
    h.mainWindow.showNormal();
    QCoreApplication::processEvents();
    EXPECT_FALSE(h.posted.contains("#Normal"));
}

TEST_F(Tray, WithoutATrayTheWindowManagersMinimizeKeepsTheWindowIconified) {
    if (QGuiApplication::platformName() != "offscreen")
        GTEST_SKIP() << "needs a platform that applies window states itself";
    h.layer->events().SetTrayAvailable([] { return false; });
    QWindow* window = h.mainWindow.windowHandle();
    ASSERT_NE(window, nullptr);
    window->setWindowStates(Qt::WindowMinimized);
    QTest::qWait(50);
    EXPECT_FALSE(h.posted.contains("#Minimize")); // hiding it would leave nothing to click
    EXPECT_TRUE(h.mainWindow.isVisible());
    // Restored by the task bar: the player takes up its scrolling title again.
    window->setWindowStates(Qt::WindowNoState);
    EXPECT_TRUE(WaitFor([&] { return h.posted.contains("#Normal"); }));
}

TEST(Exceptions, EscapingAnEventAreReportedUnlessClosing) {
    QStringList reported;
    auto report = [&](const QString& m) { reported << m; };
    auto throwing = []() -> bool { throw std::runtime_error("Disk is full."); };
    EXPECT_FALSE(PlayerQApplication::Guarded(throwing, report, false));
    EXPECT_EQ(reported, QStringList{"Disk is full."});
    EXPECT_FALSE(PlayerQApplication::Guarded(throwing, report, true));
    EXPECT_EQ(reported.size(), 1);
    EXPECT_TRUE(PlayerQApplication::Guarded([] { return true; }, report, false));
    // An exception thrown while the first is being shown is not shown again.
    int depth = 0;
    auto nested = [&](const QString& m) {
        reported << m;
        if (++depth == 1)
            PlayerQApplication::Guarded(throwing, report, false);
    };
    reported.clear();
    PlayerQApplication::Guarded(throwing, nested, false);
    EXPECT_EQ(reported, QStringList{"Disk is full."});
}
