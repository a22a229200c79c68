#include "Messenger.h"

#include "TOption.h"

Messenger::NonInteractive::NonInteractive(TOption& o) : option(o) { option.SetInteractive(false); }
Messenger::NonInteractive::~NonInteractive() { option.SetInteractive(true); }

int Messenger::ShowMessageBox(const QString& text, int flags) {
    NonInteractive guard(option_);
    return dialogs_.MessageBox(text, QStringLiteral("Kelvando"), flags);
}

int Messenger::AskWithCheckBox(const QString& text, const QString& checkCaption, bool& checked, int flags) {
    NonInteractive guard(option_);
    return dialogs_.AskWithCheckBox(text, QString::fromUtf8(kProductName), checkCaption, checked, flags);
}
