#pragma once

#include "DialogLayer.h"

#include <QStringList>

// A dialog layer that answers from a script and records what was asked, so no
// test ever waits on a real modal dialog.
class ScriptedDialogs : public DialogLayer {
public:
    int askAnswer = MsgBox::IdCancel;
    bool untick = false;    // the user clears the check box
    QString openFileAnswer; // the file chosen in an open dialog ("" = cancelled)
    QStringList asked;      // texts of the questions and titles of the open dialogs
    QStringList filters;

    int MessageBox(const QString& text, const QString&, int) override {
        asked << text;
        return MsgBox::IdOk;
    }
    int AskWithCheckBox(const QString& text, const QString&, const QString& check, bool& checked,
                        int) override {
        asked << text + " [" + check + "]";
        if (untick)
            checked = false;
        return askAnswer;
    }
    QStringList OpenFiles(const QString&, const QString&, const QString&) override { return {}; }
    QString OpenFile(const QString& title, const QString&, const QString& filter) override {
        asked << title;
        filters << filter;
        return openFileAnswer;
    }
    QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseFolder(const QString&, const QString&) override { return {}; }
    std::optional<ColorRef> ChooseColor(ColorRef) override { return std::nullopt; }
    std::optional<FontSpec> ChooseFont(const FontSpec&) override { return std::nullopt; }
};
