#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// The animated logo shared by the tool pages and the lyrics windows: 70 frames
// (0..69, then 0 again), a turn every 3.5 seconds while at least one
// registered window is marked active. It steps two frames every 100 ms rather
// than one every 50 ms: the same speed at half the wake-ups and repaints, and
// on the same 100 ms beat as the lyrics' tick, so both repaint together.
// Windows register when created, mark themselves active when shown and
// unregister when closed; they draw frameIndex() into their logo area when
// frameChanged() fires.
class TAnimate : public QObject {
    Q_OBJECT
public:
    static constexpr int kFrameCount = 70;
    static constexpr int kFrameWidth = 40;
    static constexpr int kFrameHeight = 24;
    static constexpr int kStepMs = 100;
    static constexpr int kFramesPerStep = 2;

    TAnimate();

    void Register(QWidget* window);
    void Unregister(QWidget* window);
    void SetActive(QWidget* window, bool active);
    int frameIndex() const { return frame_; }

signals:
    void frameChanged(int frame);

private:
    void update();

    struct Entry {
        QPointer<QWidget> window;
        bool active = false;
    };
    QList<Entry> entries_;
    QTimer timer_;
    int frame_ = 0;
};
