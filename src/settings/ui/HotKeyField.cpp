#include "HotKeyField.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>

namespace {

constexpr Qt::KeyboardModifiers kModifiers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

bool IsModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr || key == Qt::Key_Super_L || key == Qt::Key_Super_R || key == Qt::Key_unknown;
}

// "Ctrl+Shift+" for the modifiers held while no key is down yet.
QString ModifierText(Qt::KeyboardModifiers modifiers) {
    QString text;
    if (modifiers & Qt::ControlModifier)
        text += QStringLiteral("Ctrl+");
    if (modifiers & Qt::AltModifier)
        text += QStringLiteral("Alt+");
    if (modifiers & Qt::ShiftModifier)
        text += QStringLiteral("Shift+");
    return text;
}

// The modifier a modifier key itself stands for: systems differ on whether
// its own press and release events already count it.
Qt::KeyboardModifiers ModifierOfKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
        return Qt::ShiftModifier;
    case Qt::Key_Control:
        return Qt::ControlModifier;
    case Qt::Key_Alt:
        return Qt::AltModifier;
    default:
        return Qt::NoModifier;
    }
}

} // namespace

HotKeyField::HotKeyField(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("HotKey"));
    setReadOnly(true);
    // Read-only fields hide their cursor; this one still looks editable.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
}

void HotKeyField::SetCombination(const QKeySequence& combination) {
    combination_ = combination.isEmpty() ? QKeySequence() : QKeySequence(combination[0]);
    showCombination();
}

void HotKeyField::showCombination() {
    setText(combination_.toString(QKeySequence::PortableText));
}

int HotKeyField::UnshiftedKey(int key) {
    static const std::pair<int, int> shifted[] = {
        {Qt::Key_Exclam, Qt::Key_1},
        {Qt::Key_At, Qt::Key_2},
        {Qt::Key_NumberSign, Qt::Key_3},
        {Qt::Key_Dollar, Qt::Key_4},
        {Qt::Key_Percent, Qt::Key_5},
        {Qt::Key_AsciiCircum, Qt::Key_6},
        {Qt::Key_Ampersand, Qt::Key_7},
        {Qt::Key_Asterisk, Qt::Key_8},
        {Qt::Key_ParenLeft, Qt::Key_9},
        {Qt::Key_ParenRight, Qt::Key_0},
        {Qt::Key_Underscore, Qt::Key_Minus},
        {Qt::Key_Plus, Qt::Key_Equal},
        {Qt::Key_BraceLeft, Qt::Key_BracketLeft},
        {Qt::Key_BraceRight, Qt::Key_BracketRight},
        {Qt::Key_Bar, Qt::Key_Backslash},
        {Qt::Key_Colon, Qt::Key_Semicolon},
        {Qt::Key_QuoteDbl, Qt::Key_Apostrophe},
        {Qt::Key_Less, Qt::Key_Comma},
        {Qt::Key_Greater, Qt::Key_Period},
        {Qt::Key_Question, Qt::Key_Slash},
        {Qt::Key_AsciiTilde, Qt::Key_QuoteLeft},
    };
    for (const auto& [from, to] : shifted)
        if (key == from)
            return to;
    return key;
}

void HotKeyField::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & kModifiers;
    if (IsModifierKey(key)) {
        if (combination_.isEmpty())
            setText(ModifierText(modifiers | ModifierOfKey(key)));
        return;
    }
    if (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier) {
        switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            focusNextPrevChild(key == Qt::Key_Tab && modifiers == Qt::NoModifier);
            return;
        default:
            break;
        }
    }
    if (modifiers == Qt::NoModifier) {
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit defaultRequested();
            return;
        case Qt::Key_Escape:
            emit cancelRequested();
            return;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            combination_ = QKeySequence();
            showCombination();
            emit combinationChanged();
            return;
        default:
            break;
        }
    }
    const int main = modifiers & Qt::ShiftModifier ? UnshiftedKey(key) : key;
    // The keypad's keys are keys of their own ("Num++" beside "=").
    const Qt::KeyboardModifiers keypad = event->modifiers() & Qt::KeypadModifier;
    combination_ = QKeySequence(QKeyCombination(modifiers | keypad, Qt::Key(main)));
    showCombination();
    emit combinationChanged();
}

void HotKeyField::keyReleaseEvent(QKeyEvent* event) {
    // Modifiers let go without a key: the field shows its combination again.
    if (!IsModifierKey(event->key()) || !combination_.isEmpty())
        return;
    setText(ModifierText(event->modifiers() & kModifiers & ~ModifierOfKey(event->key())));
}

void HotKeyField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit focusChanged(true);
}

void HotKeyField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusChanged(false);
}

void HotKeyField::contextMenuEvent(QContextMenuEvent* event) {
    // No text menu: the field holds a key, not text.
    event->accept();
}
