#include "ApplicationEvents.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QSystemTrayIcon>
#include <QWindowStateChangeEvent>

ApplicationEvents::ApplicationEvents(QWidget& mainWindow, CommandRunner post, QObject* parent)
    : QObject(parent), main_(&mainWindow), post_(std::move(post)), hidden_(!mainWindow.isVisible()) {
    mainWindow.installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            &ApplicationEvents::applicationStateChanged);
}

void ApplicationEvents::WatchForContextMenu(QWidget& window) {
    window.installEventFilter(this);
}

bool ApplicationEvents::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ContextMenu:
        emit contextMenuRequested(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::Show:
    case QEvent::Hide:
        // A window the window manager iconifies gets a spontaneous hide but
        // stays visible to Qt: only a real hide counts.
        if (watched == main_ && main_->isVisible() == hidden_) {
            hidden_ = !main_->isVisible();
            emit mainWindowHiddenChanged(hidden_);
        }
        break;
    case QEvent::WindowStateChange: {
        // Only the window manager's changes: the player's own commands change
        // the state too (restoring a window minimized before it was hidden).
        if (watched != main_ || !event->spontaneous())
            break;
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        const bool wasMinimized = change->oldState() & Qt::WindowMinimized;
        const bool minimized = main_->windowState() & Qt::WindowMinimized;
        // Sent to the tray only where there is one; otherwise the window
        // manager's iconified window stays in the task bar.
        const bool tray = trayAvailable_ ? trayAvailable_() : QSystemTrayIcon::isSystemTrayAvailable();
        if (minimized && !wasMinimized && main_->isVisible() && tray)
            post_(QStringLiteral("#Minimize"));
        else if (!minimized && wasMinimized && (!main_->isVisible() || !tray))
            post_(QStringLiteral("#Normal"));
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ApplicationEvents::applicationStateChanged(Qt::ApplicationState state) {
    if (state == Qt::ApplicationInactive) {
        emit applicationDeactivated();
    } else if (state == Qt::ApplicationActive && main_ && main_->isVisible() &&
               !QApplication::activeWindow()) {
        main_->activateWindow();
    }
}
