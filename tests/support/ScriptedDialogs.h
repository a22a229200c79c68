#pragma once

#include "DialogLayer.h"

#include <QList>
#include <functional>
#include <QString>
#include <QStringList>

// A dialog layer for tests: records what would have been shown and answers
// from a script instead of opening a window.
class ScriptedDialogs : public DialogLayer {
public:
    struct Shown {
        QString kind; // "message", "ask", "open", "openfile", "save", "folder", "color", "font"
        QString text; // the message, question or dialog title
        QString title;
        int flags = 0;
    };
    QList<Shown> shown;

    int answer = MsgBox::IdOk;   // button for message boxes and questions
    bool checkAnswer = true;      // state of the check box after a question
    QStringList files;            // answer of the open-files dialog (empty: cancelled)
    QString file;                 // answer of the single-file dialogs
    std::optional<ColorRef> color;
    std::optional<FontSpec> font;
    QString lastFilter;           // filter passed to the last file dialog
    QString lastFolder;           // folder passed to the last file or folder dialog
    std::function<void()> whileShown; // runs as each dialog "is open" (state checks)

    int MessageBox(const QString& text, const QString& title, int flags) override {
        shown.append({"message", text, title, flags});
        if (whileShown)
            whileShown();
        return answer;
    }
    int AskWithCheckBox(const QString& text, const QString& title, const QString& checkCaption, bool& checked,
                        int flags) override {
        shown.append({"ask", text, title + "|" + checkCaption + (checked ? "|ticked" : "|clear"), flags});
        if (whileShown)
            whileShown();
        checked = checkAnswer;
        return answer;
    }
    QStringList OpenFiles(const QString& title, const QString& folder, const QString& filter) override {
        shown.append({"open", title, QString(), 0});
        if (whileShown)
            whileShown();
        lastFilter = filter;
        lastFolder = folder;
        return files;
    }
    QString OpenFile(const QString& title, const QString& folder, const QString& filter) override {
        shown.append({"openfile", title, QString(), 0});
        lastFilter = filter;
        lastFolder = folder;
        return file;
    }
    QString SaveFile(const QString& title, const QString& folder, const QString& filter) override {
        shown.append({"save", title, QString(), 0});
        lastFilter = filter;
        lastFolder = folder;
        return file;
    }
    QString ChooseFolder(const QString& title, const QString& folder) override {
        shown.append({"folder", title, QString(), 0});
        lastFolder = folder;
        return file;
    }
    std::optional<ColorRef> ChooseColor(ColorRef) override {
        shown.append({"color", QString(), QString(), 0});
        return color;
    }
    std::optional<FontSpec> ChooseFont(const FontSpec&) override {
        shown.append({"font", QString(), QString(), 0});
        return font;
    }
    QStringList messages() const {
        QStringList texts;
        for (const Shown& s : shown)
            if (s.kind == "message")
                texts << s.text;
        return texts;
    }
};
