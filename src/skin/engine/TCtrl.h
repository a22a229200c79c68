#pragma once

#include "SkinModel.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <vector>

class QWidget;
class TSkin;
class TSkinItem;
class TKvImage;
class TKvPanel;
class TKvLabel;
class SkinPlayList;

// One skin object: the one or two plain controls built for a file record, its
// state entries and command. A TCtrl is the sender a command receives from a
// skin click.
class TCtrl : public QObject {
    Q_OBJECT
public:
    TCtrl(TSkin& skin, TSkinItem* item, SkinItemKind kind, QWidget* owner);
    ~TCtrl() override;

    int state = 0;            // 0 normal, 1 hover, 2 pressed; a NumberDisplay's number
    QWidget* owner = nullptr; // the window or the parent object's panel
    // Guarded: a window destroyed before its face takes its controls along.
    std::vector<QPointer<QWidget>> controls;
    QStringList StateList;
    QString command;
    SkinItemKind kind;
    int directionOrGroup = -1; // slide direction of a panel, group of an indicator
    int value = 0;             // slide distance; indicator value; long time format
    int speed = 0;             // animation steps of a slide (below 1: 25)
    TSkinItem* item = nullptr;
    QRect HomeRect; // closed left and top, image width and height
    bool opened = false;
    // A drawer's "#Extract" handle while its drawer is open: the pictures are
    // mirrored so the handle points the way the drawer will move next.
    Qt::Orientations turned;
    SkinPlayList* list = nullptr;

    void SetState(int s);
    // The picture of a StateList entry, read from the open skin file.
    QImage EntryImage(int entry);
    void ForgetImages() { images_.clear(); }

    TKvImage* Image(int i = 0) const;
    TKvPanel* Panel() const; // panel kinds
    TKvLabel* Label() const; // text kinds
    bool IsPanel() const { return IsPanelKind(kind); }
    bool Vertical() const;
    // The object's control that sits in `owner` furthest back (its panel for
    // panel kinds), for FindContainer and the window outline.
    QWidget* LastControl() const { return controls.empty() ? nullptr : controls.back().data(); }

    // Mouse routing (also reached from the controls' events).
    void MouseEnter();
    void MouseLeave();
    void MouseDown(int control, Qt::MouseButton button, QPoint pos, Qt::KeyboardModifiers modifiers);
    void MouseMove(int control, Qt::MouseButtons buttons, QPoint pos);
    void MouseUp(int control, Qt::MouseButton button, QPoint pos, Qt::KeyboardModifiers modifiers);
    void DoubleClick();

    // Sliders: moves the thumb to `offset` from the track's start, clamped.
    void PlaceThumb(int offset) { placeThumb(offset); }
    int ThumbOffset() const { return thumbOffset(); }
    // A slider whose thumb the pointer holds.
    bool Dragging() const { return dragging_; }

    // The face this object belongs to was cleared: handlers stop touching it.
    void Detach() { item = nullptr; }
    bool Detached() const { return item == nullptr; }

    // Shared by every object: the last pressed mouse button (0 left, 1 right,
    // 2 none), the press point in the pressed control, whether the pointer is
    // over a skin control.
    static int pressedButton;
    static QPoint pressPoint;
    static bool pointerInside;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int controlIndex(QObject* watched) const;
    void runCommand(const QString& text);
    // Sliders.
    void sliderDown(int control, QPoint pos);
    void sliderMove(QPoint pos);
    void sliderUp(QPoint pos, Qt::KeyboardModifiers modifiers);
    void dragStep(QPoint pos);
    int thumbOffset() const;
    int thumbRange() const;
    void placeThumb(int offset);
    void seek();

    TSkin& skin_;
    QHash<int, QImage> images_;
    bool hovered_ = false; // pointer over the pressed control during a drag
    bool dragging_ = false;
};
