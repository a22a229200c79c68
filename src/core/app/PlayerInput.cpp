#include "PlayerInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

namespace {
// One notch of a common mouse wheel: 15 degrees, in eighths of a degree.
constexpr int kWheelStep = 120;
} // namespace

PlayerInput::PlayerInput(QWidget& mainWindow, CommandRunner run, IsPositionSlider isPositionSlider, IsList isList,
                         QObject* parent)
    : QObject(parent), main_(&mainWindow), run_(std::move(run)), isPositionSlider_(std::move(isPositionSlider)),
      isList_(std::move(isList)) {
    mainWindow.installEventFilter(this);
}

QString PlayerInput::CommandForKey(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                                                     Qt::MetaModifier);
    if (held == Qt::ControlModifier && key == Qt::Key_O)
        return QStringLiteral("#OpenFile");
    if (held != Qt::NoModifier)
        return {};
    switch (key) {
    case Qt::Key_Space:
        return QStringLiteral("#PlayPause");
    case Qt::Key_Left:
        return QStringLiteral("#Rewind");
    case Qt::Key_Right:
        return QStringLiteral("#Forward");
    case Qt::Key_Up:
        return QStringLiteral("#SoundUp");
    case Qt::Key_Down:
        return QStringLiteral("#SoundDown");
    case Qt::Key_Delete:
        return QStringLiteral("#List,Delete");
    default:
        return {};
    }
}

QString PlayerInput::CommandForWheel(bool up, bool overPositionSlider) {
    if (overPositionSlider)
        return up ? QStringLiteral("#Forward") : QStringLiteral("#Rewind");
    return up ? QStringLiteral("#SoundUp") : QStringLiteral("#SoundDown");
}

bool PlayerInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched != main_ || !run_)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString command = CommandForKey(key->key(), key->modifiers());
        if (command.isEmpty())
            return false;
        // A focused play list has already used its own keys (moving the cursor,
        // deleting its row) before they reach the window.
        const bool listKey = key->key() != Qt::Key_Space && key->key() != Qt::Key_O;
        if (listKey && isList_ && isList_(QApplication::focusWidget()))
            return false;
        run_(command);
        return true;
    }
    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const QWidget* under = main_->childAt(wheel->position().toPoint());
        const bool position = under && isPositionSlider_ && isPositionSlider_(under);
        wheelRest_ += wheel->angleDelta().y();
        while (wheelRest_ >= kWheelStep || wheelRest_ <= -kWheelStep) {
            const bool up = wheelRest_ > 0;
            wheelRest_ += up ? -kWheelStep : kWheelStep;
            run_(CommandForWheel(up, position));
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}
