#pragma once

#include <functional>
#include <memory>
#include <QObject>
#include <QStringList>
#include <QSystemTrayIcon>

class TOption;

// The player's notification-area icon: the application icon with the song
// title as its tip. A left click brings the main window to the front ("#OnTop"
// twice leaves the on-top mode as it was), a double click hides or restores it
// ("#Minimize"), a right click opens the pop-up menu ("#Menu"); clicks are
// ignored while a message box or file dialog of the player is open. Where the
// desktop has no notification area the icon is simply not shown.
class PlayerTray : public QObject {
    Q_OBJECT
public:
    using CommandRunner = std::function<void(const QString&)>;

    PlayerTray(const TOption& option, CommandRunner run, QObject* parent = nullptr);
    ~PlayerTray() override;

    // The commands a click on the icon runs.
    static QStringList CommandsFor(QSystemTrayIcon::ActivationReason reason);
    // A click on the icon (also what the icon's own signal calls).
    void Activate(QSystemTrayIcon::ActivationReason reason);

    QString toolTip() const { return icon_ ? icon_->toolTip() : QString(); }
    bool shown() const { return icon_ && icon_->isVisible(); }
    // Takes the icon off the notification area (when the player closes).
    void Remove();

private:
    void showTip();

    const TOption& option_;
    CommandRunner run_;
    std::unique_ptr<QSystemTrayIcon> icon_;
};
