#pragma once

#include "DialogLayer.h"

class TOption;

// The player's own message boxes: every plain message has the title "Kelvando";
// questions with a check box have the caption "Sorvi Audio Player". While one is
// open the player is not interactive (tray clicks, drops and hot keys are
// ignored meanwhile).
class Messenger {
public:
    Messenger(TOption& option, DialogLayer& dialogs) : option_(option), dialogs_(dialogs) {}

    int ShowMessageBox(const QString& text, int flags);
    int AskWithCheckBox(const QString& text, const QString& checkCaption, bool& checked, int flags);

    // Runs any other modal dialog of the layer with Interactive cleared.
    template <typename F> auto Modal(F&& show) {
        NonInteractive guard(option_);
        return show(dialogs_);
    }

    DialogLayer& dialogs() { return dialogs_; }

private:
    struct NonInteractive {
        explicit NonInteractive(TOption& option);
        ~NonInteractive();
        TOption& option;
    };

    TOption& option_;
    DialogLayer& dialogs_;
};
