#include "WindowCommands.h"

#include "PlayerApplication.h"
#include "SkinLayer.h"
#include "TCommandDispatcher.h"
#include "TFrameForm.h"
#include "TKvMp3PlayForm.h"
#include "TOption.h"

#include <QApplication>
#include <QSystemTrayIcon>

namespace {

void showRestored(QWidget& window) {
    if (window.isMinimized())
        window.showNormal();
    window.show();
}

void displayCommand(PlayerApplication& player, const QString& argument) {
    TFrameForm* display = player.displayWindow();
    if (!display)
        return;
    const QString what = argument.toUpper().trimmed();
    if (what == QLatin1String("MINIMIZE")) {
        display->showMinimized();
    } else if (what == QLatin1String("CLOSE")) {
        display->close();
    } else if (what == QLatin1String("FULLSCREEN")) {
        display->show();
        if (display->isMaximized())
            display->showNormal();
        else
            display->showMaximized();
    } else if (what == QLatin1String("DBLCLICK")) {
        if (display->isVisible()) {
            display->hide();
        } else {
            display->show();
            display->showMaximized();
            display->ShowControlBarBriefly();
        }
    } else if (what == QLatin1String("SHOW")) {
        // A skin with a display area opens its drawer instead.
        if (player.skin().DisplayArea(1))
            return;
        if (!display->isVisible())
            showRestored(*display);
    } else if (what.isEmpty() && player.skin().DisplayArea(0)) {
        return;
    } else if (what.isEmpty() || what == QLatin1String("DEFAULT")) {
        showRestored(*display);
    }
}

} // namespace

void InstallWindowCommands(TCommandDispatcher& d, PlayerApplication& player) {
    d.SetHandler(QStringLiteral("#MINIMIZE"), [&player, &d](const CommandCall&) {
        QWidget& main = player.mainWindow();
        // Without a notification area a hidden window could not be found again:
        // it is iconified instead and keeps its task-bar entry.
        const bool tray = QSystemTrayIcon::isSystemTrayAvailable();
        if (main.isVisible() && !(main.isMinimized() && !tray)) {
            player.skin().SetInformationEnabled(false);
            if (tray)
                main.hide();
            else
                main.showMinimized();
        } else {
            d.DoCommand(QStringLiteral("#Normal"));
        }
    });
    d.SetHandler(QStringLiteral("#NORMAL"), [&player](const CommandCall&) {
        QWidget& main = player.mainWindow();
        showRestored(main);
        main.raise();
        main.activateWindow();
        // The on-top mode is applied again as it is, which puts the window back
        // at the top of its band (without writing the unchanged mode twice).
        player.option().ReapplyAlwaysOnTop();
        player.skin().SetInformationEnabled(true);
    });
    d.SetHandler(QStringLiteral("#DISPLAY"), [&player](const CommandCall& call) {
        // A skin button asking for video mode may belong to a face the
        // command changes: it runs after the click.
        if (call.sender && call.argument.trimmed().toUpper() == QLatin1String("DBLCLICK")) {
            player.PostCommand(QStringLiteral("#Display,") + call.argument);
            return;
        }
        displayCommand(player, call.argument);
    });
    d.SetHandler(QStringLiteral("#URL"), [&player](const CommandCall&) { player.OpenUrlWindow(0); });
    d.SetHandler(QStringLiteral("#EXIT"), [&player](const CommandCall&) { player.RequestQuit(1); });
}
