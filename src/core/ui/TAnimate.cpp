#include "TAnimate.h"

TAnimate::TAnimate() {
    timer_.setInterval(kStepMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + kFramesPerStep) % kFrameCount;
        emit frameChanged(frame_);
    });
}

void TAnimate::Register(QWidget* window) {
    entries_.append({window, false});
    update();
}

void TAnimate::Unregister(QWidget* window) {
    entries_.removeIf([window](const Entry& e) { return e.window == window || e.window.isNull(); });
    update();
}

void TAnimate::SetActive(QWidget* window, bool active) {
    for (Entry& e : entries_)
        if (e.window == window)
            e.active = active;
    update();
}

void TAnimate::update() {
    const bool anyActive =
        std::any_of(entries_.begin(), entries_.end(), [](const Entry& e) { return e.active && e.window; });
    if (anyActive && !timer_.isActive())
        timer_.start();
    else if (!anyActive)
        timer_.stop();
}
