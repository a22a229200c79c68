#pragma once

#include "DialogLayer.h"
#include "QtForms.h"

#include <QPointer>
#include <QWidget>

// The dialog layer over Qt's standard dialogs.
class QtDialogLayer : public DialogLayer {
public:
    int MessageBox(const QString& text, const QString& title, int flags) override;
    int AskWithCheckBox(const QString& text, const QString& title, const QString& checkCaption, bool& checked,
                        int flags) override;
    QStringList OpenFiles(const QString& title, const QString& folder, const QString& filter) override;
    QString OpenFile(const QString& title, const QString& folder, const QString& filter) override;
    QString SaveFile(const QString& title, const QString& folder, const QString& filter) override;
    QString ChooseFolder(const QString& title, const QString& folder) override;
    std::optional<ColorRef> ChooseColor(ColorRef initial) override;
    std::optional<FontSpec> ChooseFont(const FontSpec& initial) override;
    void SetOwnerWindow(QWidget* window) override { owner_ = window; }

    // The parent of the next dialog: the open modal window, else the active
    // window of the player, else the owner window while it is shown.
    QWidget* DialogParent() const;

private:
    QPointer<QWidget> owner_;
};
