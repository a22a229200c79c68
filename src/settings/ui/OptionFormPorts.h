#pragma once

#include "ColorText.h"
#include "FontCodec.h"

#include <functional>
#include <optional>
#include <QString>

class FileAssociations;
class OptionsStore;
class TAnimate;
class TOption;
class TShortKey;

// What the options window works with in the running player. Tests fill in
// what they need; an empty function does nothing (a dialog hook left empty
// counts as cancelled).
struct OptionFormPorts {
    OptionsStore* store = nullptr;
    TOption* option = nullptr;
    TShortKey* shortKey = nullptr;
    FileAssociations* associations = nullptr;
    TAnimate* animate = nullptr; // the shared animation, if any

    // The plug-in host's file types after a rescan: "*.mp3;*.ogg;...".
    std::function<QString()> fileTypes;
    // Runs a command string through the dispatcher.
    std::function<void(const QString&)> doCommand;
    // The lyrics window, when it exists, reads its [LYRICS] settings again.
    std::function<void()> reloadLyrics;
    // Modal dialogs, through the player's dialog layer.
    std::function<std::optional<ColorRef>(ColorRef initial)> chooseColor;
    std::function<std::optional<FontSpec>(const FontSpec& initial)> chooseFont;
    std::function<QString(const QString& title, const QString& filter)> choosePicture;
    std::function<void(const QString& text, int flags)> showMessage;
};
