#include "QtDialogLayer.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconOf(int flags) {
    switch (flags & 0xF0) {
    case MsgBox::IconStop:
        return QMessageBox::Critical;
    case MsgBox::IconQuestion:
        return QMessageBox::Question;
    case MsgBox::IconExclamation:
        return QMessageBox::Warning;
    case MsgBox::IconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(int flags) {
    switch (flags & 0x0F) {
    case MsgBox::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgBox::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgBox::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int codeOf(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return MsgBox::IdOk;
    case QMessageBox::Yes:
        return MsgBox::IdYes;
    case QMessageBox::No:
        return MsgBox::IdNo;
    default:
        return MsgBox::IdCancel;
    }
}

} // namespace

QWidget* QtDialogLayer::DialogParent() const {
    // A dialog without a parent belongs to no window of ours: the window
    // manager may stack it under an always-on-top player.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    // The active window only when it is one that stays (not the splash, which
    // frees itself, nor a menu).
    QWidget* active = QApplication::activeWindow();
    const Qt::WindowType type = active ? active->windowType() : Qt::Widget;
    if (active && active->isVisible() && (type == Qt::Window || type == Qt::Dialog))
        return active;
    // A window hidden in the tray cannot carry a dialog: it then stands alone.
    return owner_ && owner_->isVisible() ? owner_.data() : nullptr;
}

int QtDialogLayer::MessageBox(const QString& text, const QString& title, int flags) {
    QMessageBox box(iconOf(flags), title, text, buttonsOf(flags), DialogParent());
    return codeOf(box.exec());
}

int QtDialogLayer::AskWithCheckBox(const QString& text, const QString& title, const QString& checkCaption,
                                   bool& checked, int flags) {
    QMessageBox box(iconOf(flags), title, text, buttonsOf(flags), DialogParent());
    auto* check = new QCheckBox(checkCaption, &box);
    check->setChecked(checked);
    box.setCheckBox(check);
    const int code = codeOf(box.exec());
    checked = check->isChecked();
    return code;
}

QStringList QtDialogLayer::OpenFiles(const QString& title, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileNames(DialogParent(), title, folder, filter);
}

QString QtDialogLayer::OpenFile(const QString& title, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(DialogParent(), title, folder, filter);
}

QString QtDialogLayer::SaveFile(const QString& title, const QString& folder, const QString& filter) {
    return QFileDialog::getSaveFileName(DialogParent(), title, folder, filter);
}

QString QtDialogLayer::ChooseFolder(const QString& title, const QString& folder) {
    return QFileDialog::getExistingDirectory(DialogParent(), title, folder);
}

std::optional<ColorRef> QtDialogLayer::ChooseColor(ColorRef initial) {
    const QColor color = QColorDialog::getColor(ColorRefToQColor(initial), DialogParent());
    if (!color.isValid())
        return std::nullopt;
    return QColorToColorRef(color);
}

std::optional<FontSpec> QtDialogLayer::ChooseFont(const FontSpec& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, FontSpecToQFont(initial), DialogParent());
    if (!ok)
        return std::nullopt;
    FontSpec spec = initial;
    spec.name = font.family();
    spec.bold = font.bold();
    spec.italic = font.italic();
    spec.underline = font.underline();
    spec.strikeout = font.strikeOut();
    spec.size = font.pointSize() > 0 ? font.pointSize() : spec.size;
    return spec;
}
