#pragma once

#include "ListViewLogic.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QTimer>

class TKvListView;
namespace KvListView {
class TKvPanel;
}
class ScrollBoxPanel;
class QMouseEvent;
class QWidget;

// A picture scroll bar owned by a list view: a panel docked to the bottom
// (horizontal) or right (vertical) edge holding a stretched track picture, two
// arrow buttons (frames 0-2 the first button normal/hover/pressed, 3-5 the
// second) and a thumb (frames 0-2). Magenta is transparent in the strips.
// Without pictures it draws a plain 15-pixel bar with a plain thumb.
// Holding a button or the track repeats after 300 ms, then every 75 ms.
class TKvScrollBox : public QObject {
    Q_OBJECT
public:
    enum Kind : unsigned char { Horizontal = 0, Vertical = 1 };

    TKvScrollBox(Kind kind, TKvListView* listView);
    ~TKvScrollBox() override;

    Kind kind() const { return kind_; }
    KvListView::TKvPanel* Panel() const;
    TKvListView* ListView() const { return listView_; }

    bool Visible() const { return visible_; }
    // Shows the panel docked in the list view, or hides and un-parents it.
    void SetVisible(bool visible);
    // A bar switched on shows only while there is something to scroll
    // (Max() > 0), giving its room back to the rows otherwise.
    void SetOnlyWhenNeeded(bool onlyWhenNeeded);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // The track picture, stretched between the buttons; it also sets the bar's
    // thickness (width of a vertical bar, height of a horizontal one).
    const QImage& TrackImage() const { return track_; }
    void SetTrackImage(const QImage& picture);
    // The thumb's frames (0 normal, 1 hover, 2 pressed); an empty list clears it.
    const QList<QImage>& BarImage() const { return barFrames_; }
    void SetBarImage(const QList<QImage>& frames);
    // The buttons' frames (0-2 first button, 3-5 second button).
    const QList<QImage>& ImageList() const { return buttonFrames_; }
    void SetImageList(const QList<QImage>& frames);
    // Convenience: cut a strip of 3 (thumb) or 6 (buttons) frames, magenta transparent.
    void SetBarStrip(const QImage& strip) { SetBarImage(kvlist::CutStrip(strip, 3)); }
    void SetButtonStrip(const QImage& strip) { SetImageList(kvlist::CutStrip(strip, 6)); }

    int Max() const { return range_.Max(); }
    void SetMax(int max);
    int Position() const { return range_.Position(); }
    // Clamps to 0 ... Max; emits OnScroll when the position changed.
    void SetPosition(int position);

    // Bar thickness from the track picture (15 without one).
    int Thickness() const;
    // Geometry along the bar's axis at its current size.
    kvlist::ScrollGeometry Geometry() const;
    // The part under the pointer (-1 none), the button held (2 none).
    int HotPart() const { return hotPart_; }
    int ButtonState() const { return buttonState_; }
    // The frame (0 normal, 1 hover, 2 pressed) a part shows now.
    int FrameOf(kvlist::ScrollPart part) const;
    QTimer& RepeatTimer() { return repeatTimer_; }
    // One auto-repeat step (the timer's slot; tests call it directly).
    void RepeatTick();

    // The bar drawn at its current size (what the panel shows).
    QImage Render() const;

    // Mouse handling in panel coordinates (the panel forwards its events).
    void MouseEnter(QPoint point);
    void MouseLeave();
    void MouseDown(Qt::MouseButton button, QPoint point);
    void MouseMove(QPoint point, Qt::MouseButtons buttons);
    void MouseUp(Qt::MouseButton button, QPoint point);

signals:
    void OnScroll(TKvScrollBox* sender);

private:
    int Along(QPoint point) const;
    int Page() const;
    void Refresh();

    Kind kind_;
    TKvListView* listView_;
    ScrollBoxPanel* panel_;
    // Shows or hides the panel as wanted_ and the need to scroll say.
    void ApplyVisibility();

    bool visible_ = false;
    bool wanted_ = false;
    bool onlyWhenNeeded_ = false;
    bool enabled_ = true;
    QImage track_;
    QList<QImage> barFrames_;
    QList<QImage> buttonFrames_;
    kvlist::ScrollRange range_;
    kvlist::RepeatSchedule schedule_;
    QTimer repeatTimer_;
    int pressOffset_ = 0;
    int pressThumbOffset_ = 0;
    int buttonState_ = 2; // Qt button held on the bar: 2 = none (as stored)
    bool leftHeld_ = false;
    int pressedPart_ = kvlist::PartNone;
    int hotPart_ = kvlist::PartNone;
    bool dragging_ = false;
    int dragThumbOffset_ = 0;
};
