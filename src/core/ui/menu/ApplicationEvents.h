#pragma once

#include <functional>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

// What the application as a whole tells the player, watched on its windows:
// - the main window shown or hidden (the minimize action follows);
// - the window manager minimizing the visible main window ("#Minimize": it
//   goes to the tray) or restoring it while hidden ("#Normal");
// - a right click (context-menu request) on the main window, the display
//   window or any child of theirs that leaves it unhandled;
// - the application losing the focus to another program (global hot keys
//   work again) and getting it back (the visible main window takes the focus
//   when no window of ours has it).
class ApplicationEvents : public QObject {
    Q_OBJECT
public:
    using CommandRunner = std::function<void(const QString&)>;

    // post: queues a command to run after the current event.
    ApplicationEvents(QWidget& mainWindow, CommandRunner post, QObject* parent = nullptr);

    // Another window (the display window) whose right clicks open the menu.
    void WatchForContextMenu(QWidget& window);
    // Whether the desktop has a notification area (QSystemTrayIcon's answer
    // unless replaced): only then does the window manager's minimize send the
    // window to the tray; otherwise the iconified window stays in the task bar.
    void SetTrayAvailable(std::function<bool()> available) { trayAvailable_ = std::move(available); }

signals:
    void mainWindowHiddenChanged(bool hidden);
    void contextMenuRequested(const QPoint& globalPos);
    // The application was deactivated: the hot-key manager's suspension is over.
    void applicationDeactivated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applicationStateChanged(Qt::ApplicationState state);

    QPointer<QWidget> main_;
    CommandRunner post_;
    std::function<bool()> trayAvailable_;
    bool hidden_ = false;
};
