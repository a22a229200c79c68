#pragma once

#include "ColorText.h"
#include "FontCodec.h"

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// Message box flags and button codes, in the values the player has always
// used (icons: stop 16, question 32, exclamation 48, information 64; buttons:
// OK 0, OK/Cancel 1, Yes/No/Cancel 3, Yes/No 4).
namespace MsgBox {
enum Flags : int {
    Ok = 0,
    OkCancel = 1,
    YesNoCancel = 3,
    YesNo = 4,
    IconStop = 16,
    IconQuestion = 32,
    IconExclamation = 48,
    IconInformation = 64,
};
enum Button : int { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };
} // namespace MsgBox

// Everything the player shows modally goes through this layer: the real one
// opens Qt dialogs; tests install one that answers from a script.
class DialogLayer {
public:
    virtual ~DialogLayer() = default;

    // A message box with the given title; returns the button pressed.
    virtual int MessageBox(const QString& text, const QString& title, int flags) = 0;
    // A question with a check box under its text; `checked` carries the box's
    // state in and out. Returns the button pressed.
    virtual int AskWithCheckBox(const QString& text, const QString& title, const QString& checkCaption,
                                bool& checked, int flags) = 0;
    // File dialogs; an empty result means cancelled.
    virtual QStringList OpenFiles(const QString& title, const QString& folder, const QString& filter) = 0;
    virtual QString OpenFile(const QString& title, const QString& folder, const QString& filter) = 0;
    virtual QString SaveFile(const QString& title, const QString& folder, const QString& filter) = 0;
    virtual QString ChooseFolder(const QString& title, const QString& folder) = 0;
    virtual std::optional<ColorRef> ChooseColor(ColorRef initial) = 0;
    virtual std::optional<FontSpec> ChooseFont(const FontSpec& initial) = 0;

    // The window dialogs belong to (the main window), so that they stack above
    // it even when it stays on top; null while there is none.
    virtual void SetOwnerWindow(QWidget* window) { (void)window; }
};
