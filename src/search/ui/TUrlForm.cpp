#include "TUrlForm.h"

#include "Messenger.h"
#include "TPlay.h"
#include "WindowPlacement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TUrlForm::TUrlForm(TUrlFormContext context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      context_(std::move(context)) {
    setObjectName(QStringLiteral("TUrlForm"));
    setWindowTitle(QStringLiteral("Sorvi"));
    auto* layout = new QHBoxLayout(this);
    auto* label = new QLabel(tr("&Url:"), this);
    AddEdit = new QLineEdit(this);
    AddEdit->setObjectName(QStringLiteral("AddEdit"));
    AddEdit->setMinimumWidth(320);
    label->setBuddy(AddEdit);
    Button1 = new QPushButton(tr("&OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    layout->addWidget(label);
    layout->addWidget(AddEdit, 1);
    layout->addWidget(Button1);
    connect(Button1, &QPushButton::clicked, this, &TUrlForm::Ok);
    // Enter in the edit presses the default button.
    connect(AddEdit, &QLineEdit::returnPressed, this, &TUrlForm::Ok);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    LoadWindowPlacement(*this, context_.store);
}

void TUrlForm::Ok() {
    const QString text = AddEdit->text();
    if (text.trimmed().isEmpty()) {
        context_.messenger.ShowMessageBox(tr("Please Input url."), MsgBox::IconInformation);
        return;
    }
    // A category gone or made read-only since the window was opened takes nothing.
    if (!context_.play.AcceptsUserFiles(target_)) {
        context_.messenger.ShowMessageBox(QCoreApplication::translate("TPlay", kReadOnlyCategoryMessage),
                                          MsgBox::IconInformation);
        return;
    }
    if (!context_.play.BeginAdd(target_)) {
        context_.messenger.ShowMessageBox(QCoreApplication::translate("TPlay", kAddBusyMessage),
                                          MsgBox::IconInformation);
        return;
    }
    context_.play.AddFile(text);
    context_.play.EndAdd();
    if (context_.afterAdd)
        context_.afterAdd();
    close();
}

void TUrlForm::closeEvent(QCloseEvent* event) {
    SaveWindowPlacement(*this, context_.store);
    QWidget::closeEvent(event);
}
