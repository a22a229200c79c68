#pragma once

#include "SkinMath.h"

#include <functional>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <climits>
#include <vector>

class TKvLabel;

// The scrolling song information drawn into the skin's title displays. Each
// registered label scrolls its text: it stands still for 100 ticks of 16 ms
// with "Sorvi Audio  " scrolled out of view, then moves left by half a pixel
// per tick until it has left, and comes back in from the right. A text that
// fits its label stands still.
//
// The picture changes only when the text moves by a whole pixel, so the timer
// is set for that moment (every other tick while moving, once after the
// hold) and is off while nothing moves: during a pause, while the window is
// minimized or hidden, and while every text fits.
class TInfomation : public QObject {
    Q_OBJECT
public:
    using SongSource = std::function<SongInfoText()>;
    // Part of the container's background under a transparent label.
    using BackgroundSource = std::function<QImage()>;

    struct ScrollLine {
        QPointer<TKvLabel> label;
        BackgroundSource background;
        ScrollState scroll;
        QString shown;
        QString full;
        bool still = false;  // the text fits: no scrolling
        QImage back;         // the background under the label, taken once
        QImage text;         // the shown text, shaped once per change
        int drawnX = INT_MIN; // the pixel column of the face on the label
    };

    explicit TInfomation(SongSource song, QObject* parent = nullptr);

    void Register(TKvLabel* label, BackgroundSource background = {});
    void Unregister(TKvLabel* label);
    void UpdateAll();
    void ShowText(const QString& text);
    void Pause(bool flag);
    // Off while the main window is minimized or hidden.
    void SetEnabled(bool flag);
    bool Enabled() const { return enabled_; }
    bool Paused() const { return paused_; }
    // Shows a short message (why a song could not be played) centred in every
    // title display for `milliseconds`, then the title again; a title that
    // changes meanwhile waits until then.
    void ShowNotice(const QString& text, int milliseconds);
    bool NoticeShown() const { return notice_; }

    // One 16 ms step of every line; a line is drawn when its text moved by a
    // whole pixel (public for tests).
    void Tick();
    const ScrollLine* Line(const TKvLabel* label) const;
    int Count() const { return int(lines_.size()); }
    // The timer runs (tests check that nothing wakes the player in vain).
    bool Running() const { return timer_.isActive(); }
    // How many pictures were handed to labels (tests).
    int Draws() const { return draws_; }
    static constexpr int kScale = 1; // positions count in half pixels
    static constexpr int kHold = 100;
    static constexpr int kTickMs = 16;

private:
    void updateText(ScrollLine& line);
    void shapeText(ScrollLine& line);
    void draw(ScrollLine& line, int x);
    bool moving(const ScrollLine& line) const;
    void step(int ticks);
    void schedule();

    SongSource song_;
    std::vector<ScrollLine> lines_;
    QTimer timer_;
    int pendingTicks_ = 0; // steps the running timer stands for
    bool paused_ = false;
    bool notice_ = false;
    QTimer noticeTimer_;
    bool held() const { return paused_ || notice_; }
    bool enabled_ = true;
    int draws_ = 0;
};
