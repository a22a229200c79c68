#include "HotKeyEditor.h"

#include "SongHotKeys.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>

HotKeyEditor::HotKeyEditor(SongHotKeys& keys, QWidget* parent) : QWidget(parent), keys_(keys) {
    setObjectName(QStringLiteral("HotKeyEditor"));
    KeyEdit = new QKeySequenceEdit(this);
    KeyEdit->setObjectName(QStringLiteral("HotKeyEdit"));
    KeyEdit->installEventFilter(this);
    SetButton = new QPushButton(tr("Set"), this);
    CancelButton = new QPushButton(tr("Cancel"), this);
    auto* label = new QLabel(tr("Hotkey:"), this);
    label->setBuddy(KeyEdit);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(KeyEdit);
    layout->addWidget(SetButton);
    layout->addWidget(CancelButton);
    connect(SetButton, &QPushButton::clicked, this, &HotKeyEditor::Set);
    connect(CancelButton, &QPushButton::clicked, this, &HotKeyEditor::Cancel);
    connect(KeyEdit, &QKeySequenceEdit::keySequenceChanged, this, [this](const QKeySequence& keys) {
        keys_.Suspend(true);
        // One combination, not a chord of several.
        if (keys.count() > 1)
            KeyEdit->setKeySequence(QKeySequence(keys[0]));
    });
    SetFile({});
}

void HotKeyEditor::SetFile(const QString& file) {
    file_ = file;
    for (QWidget* w : {static_cast<QWidget*>(KeyEdit), static_cast<QWidget*>(SetButton),
                       static_cast<QWidget*>(CancelButton)})
        w->setEnabled(!file.isEmpty());
    const QSignalBlocker block(KeyEdit);
    KeyEdit->setKeySequence(file.isEmpty() ? QKeySequence() : QKeySequence(keys_.ShortcutTextOf(file)));
}

void HotKeyEditor::Set() {
    if (file_.isEmpty())
        return;
    const QKeySequence keys = KeyEdit->keySequence();
    if (keys.isEmpty()) {
        Cancel();
        return;
    }
    keys_.Bind(file_, QKeySequence(keys[0]));
    emit bindingChanged(file_);
}

void HotKeyEditor::Cancel() {
    if (file_.isEmpty())
        return;
    keys_.Unbind(file_);
    const QSignalBlocker block(KeyEdit);
    KeyEdit->clear();
    emit bindingChanged(file_);
}

bool HotKeyEditor::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        keys_.Suspend(true);
        break;
    case QEvent::FocusOut:
        keys_.Suspend(false);
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
            break;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Set();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            Cancel();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
