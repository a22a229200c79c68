#pragma once

#include "SkinMath.h"

#include <functional>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <vector>

class TKvLabel;

// The scrolling song information drawn into the skin's title displays. Each
// registered label scrolls its text: it stands still for 100 ticks with
// "Sorvi Audio  " scrolled out of view, then moves left by half a pixel per
// tick until it has left, and comes back in from the right.
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
    };

    explicit TInfomation(SongSource song, QObject* parent = nullptr);

    void Register(TKvLabel* label, BackgroundSource background = {});
    void Unregister(TKvLabel* label);
    void UpdateAll();
    void ShowText(const QString& text);
    void Pause(bool flag);
    // Off while the main window is minimized ("#Minimize"), on with "#Normal".
    void SetEnabled(bool flag) { enabled_ = flag; }
    bool Enabled() const { return enabled_; }
    bool Paused() const { return paused_; }

    // One timer tick (public for tests).
    void Tick();
    const ScrollLine* Line(const TKvLabel* label) const;
    int Count() const { return int(lines_.size()); }
    static constexpr int kScale = 1; // positions count in half pixels
    static constexpr int kHold = 100;

private:
    void updateText(ScrollLine& line);
    void draw(ScrollLine& line, int x, bool centred = false);

    SongSource song_;
    std::vector<ScrollLine> lines_;
    QTimer timer_;
    QImage buffer_;
    bool paused_ = false;
    bool enabled_ = true;
};
