#pragma once

#include <functional>
#include <QString>

class QObject;
class QWidget;
class TOption;
class TPlay;
class OptionsStore;

// What the skin engine calls in the running player. Every hook may be empty
// (tests leave out what they do not need).
struct SkinEnvironment {
    TOption* option = nullptr;
    OptionsStore* store = nullptr;
    TPlay* play = nullptr;

    // Runs a command now, with the skin object as sender (null for none).
    std::function<void(const QString& command, QObject* sender)> doCommand;
    // Queues a command to run after the current event.
    std::function<void(const QString& command)> postCommand;
    // Pushes TOption's volume and balance to the system mixer.
    std::function<void()> applyVolume;
    // Takes the mixer's levels into TOption (the outside-change handler).
    std::function<void()> takeMixerChange;
    // Sends a host message to the plug-in of the current song; does nothing
    // when no plug-in is current.
    std::function<void(int code, const QString& argument)> sendToCurrentPlugin;
    // A plain message box through the player's dialog layer.
    std::function<void(const QString& text, int flags)> showMessage;

    // The display window's control bar (section 2 of the skin).
    std::function<void(class TCtrl* bar)> setControlBar;
    std::function<void(bool inside)> setMouseInside;
    std::function<void()> positionControlBar;
};
