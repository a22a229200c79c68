#pragma once

#include "PlayerActions.h"

#include <functional>
#include <memory>
#include <QObject>
#include <QPointer>
#include <QWidget>

class TOption;
class TCommandDispatcher;
class TPlayControl;
class PlayerPopupMenu;
class PlayerTray;
class ApplicationEvents;

// The main window's actions, its pop-up menu, the tray icon and the
// application-wide events, attached to the running player from outside the
// windows: "#Menu" opens the menu at the cursor, right clicks on the main and
// display windows open it there, the main window's hiding and showing switch
// the minimize item, the window manager's minimize sends the window to the
// tray.
class MenuLayer : public QObject {
    Q_OBJECT
public:
    using CommandRunner = std::function<void(const QString&)>;

    struct Ports {
        TOption* option = nullptr;
        TCommandDispatcher* dispatcher = nullptr; // "#Menu" is installed here
        CommandRunner run;                        // DoCommand, no sender
        CommandRunner post;                       // PostCommand
        PlayerActions::ShortCutOf shortCutOf;     // hot-key text of a command
        PlayerActions::Pages pages;
        QWidget* mainWindow = nullptr;
        TPlayControl* control = nullptr; // currentSongLoaded enables the tag action; may be null
    };

    // The ports of the running player (PlayerApplication); a template so that
    // this header needs none of the player's classes.
    template <typename Player> static Ports PortsOf(Player& player) {
        Ports ports;
        ports.option = &player.option();
        ports.dispatcher = &player.dispatcher();
        ports.run = [&player](const QString& command) { player.DoCommand(command); };
        ports.post = [&player](const QString& command) { player.PostCommand(command); };
        ports.shortCutOf = [&player](const QString& command) {
            return player.shortKey().ShortCutOf(command).toString(QKeySequence::NativeText);
        };
        const auto& site = player.site();
        ports.pages = {site.About(), site.Index(), site.Help(), site.LyricsIndexSecond(),
                       site.LyricsUploadSecond()};
        ports.mainWindow = &player.mainWindow();
        ports.control = &player.control();
        return ports;
    }

    explicit MenuLayer(const Ports& ports, QObject* parent = nullptr);
    ~MenuLayer() override;

    // The display window: its right clicks open the same menu.
    void AddWindow(QWidget& window);
    // Takes the tray icon away (the player is closing).
    void Close();

    PlayerActions& actions() { return *actions_; }
    PlayerPopupMenu& menu();
    PlayerTray& tray() { return *tray_; }
    ApplicationEvents& events() { return *events_; }

signals:
    // The application lost the focus: the global hot keys' suspension is over.
    void hotKeySuspensionCleared();

private:
    Ports ports_;
    std::unique_ptr<PlayerActions> actions_;
    std::unique_ptr<PlayerPopupMenu> menu_;
    std::unique_ptr<PlayerTray> tray_;
    std::unique_ptr<ApplicationEvents> events_;
};
