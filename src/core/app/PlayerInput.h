#pragma once

#include <functional>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// The main window's keyboard and mouse wheel, turned into commands: Space
// play/pause, Left/Right seek, Up/Down volume, Ctrl+O open files, Delete
// removes the play list's selected rows ("#List,Delete"); the wheel over the
// position slider seeks, anywhere else on the window it changes the volume.
// Keys a focused play list uses itself (arrows, Delete) stay with the list.
class PlayerInput : public QObject {
    Q_OBJECT
public:
    using CommandRunner = std::function<void(const QString&)>;
    // Whether a widget of the window is (inside) the skin's position slider.
    using IsPositionSlider = std::function<bool(const QWidget*)>;
    // Whether a widget is a play list that handles its own keys.
    using IsList = std::function<bool(const QWidget*)>;

    PlayerInput(QWidget& mainWindow, CommandRunner run, IsPositionSlider isPositionSlider, IsList isList,
                QObject* parent = nullptr);

    // The command of a key on the main window, or "" for keys it does not use.
    static QString CommandForKey(int key, Qt::KeyboardModifiers modifiers);
    // The command of one wheel step (up: away from the user).
    static QString CommandForWheel(bool up, bool overPositionSlider);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> main_;
    CommandRunner run_;
    IsPositionSlider isPositionSlider_;
    IsList isList_;
    int wheelRest_ = 0; // eighths of a degree not yet worth a step
};
