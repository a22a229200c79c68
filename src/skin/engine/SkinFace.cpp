// The face of the player state: indicators, sliders, time and track number.
#include "SkinMath.h"
#include "SkinPicture.h"
#include "SkinWidgets.h"
#include "TCtrl.h"
#include "TInfomation.h"
#include "TOption.h"
#include "TSkin.h"

#include <QEvent>
#include <QPainter>

void TSkin::SetKindState(SkinItemKind kind, int state) {
    for (TCtrl* o : std::vector<TCtrl*>(all_))
        if (o->kind == kind)
            o->SetState(state);
}

void TSkin::SetKindValue(SkinItemKind kind, int value) {
    for (TCtrl* o : all_)
        if (o->kind == kind) {
            o->value = value;
            o->SetState(o->state);
        }
}

void TSkin::SetGroupValue(int group, int value) {
    for (TCtrl* o : all_)
        if (o->kind == SkinItemKind::IndicatorButton && o->directionOrGroup == group) {
            o->value = value;
            o->SetState(o->state);
        }
}

namespace {
// A thumb held by the pointer follows the pointer, not the state.
bool dragged(TCtrl* o, bool flag) {
    return flag && o->Dragging();
}
} // namespace

void TSkin::ShowVolume(int volume) {
    const bool dragging = env_.option && env_.option->VolumeDragging();
    for (TCtrl* o : all_) {
        if (o->kind != SkinItemKind::VolumeSlider || o->controls.size() < 2 || dragged(o, dragging))
            continue;
        QWidget* thumb = o->controls[0];
        QWidget* track = o->controls[1];
        o->PlaceThumb(o->Vertical() ? VolumeOffset(volume, track->height(), thumb->height(), true)
                                    : VolumeOffset(volume, track->width(), thumb->width(), false));
    }
}

void TSkin::ShowBalance(int balance) {
    const bool dragging = env_.option && env_.option->VolumeDragging();
    for (TCtrl* o : all_) {
        if (o->kind != SkinItemKind::BalanceSlider || o->controls.size() < 2 || dragged(o, dragging))
            continue;
        QWidget* thumb = o->controls[0];
        QWidget* track = o->controls[1];
        o->PlaceThumb(o->Vertical() ? BalanceOffset(balance, track->height(), thumb->height(), true)
                                    : BalanceOffset(balance, track->width(), thumb->width(), false));
    }
}

bool TSkin::onScreen(const QWidget* control) {
    const QWidget* window = control->window();
    // A window never shown yet is kept current: it shows what it holds at once.
    const bool hidden = window->isHidden() && window->testAttribute(Qt::WA_WState_ExplicitShowHide);
    if (!hidden && !window->isMinimized())
        return true;
    playStateStale_ = true;
    return false;
}

bool TSkin::eventFilter(QObject* watched, QEvent* event) {
    if (playStateStale_ && (event->type() == QEvent::Show || event->type() == QEvent::WindowStateChange)) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isVisible() && !window->isMinimized() && env_.option) {
            playStateStale_ = false;
            ShowPosition();
            ShowTime(env_.option->Position());
        }
    }
    return QObject::eventFilter(watched, event);
}

void TSkin::ShowPosition() {
    thumbTimer_.stop();
    if (!env_.option)
        return;
    const TOption& option = *env_.option;
    const int now = option.PositionTenthsNow();
    // The engine reports whole seconds, and each report places the thumbs.
    // In between they move once more, at the half second, if a thumb's next
    // pixel is due by then: at most two repaints a second, however short the
    // song or long the slider.
    const bool moving = option.Status() == StatusPlaying && !option.PositionDragging();
    const int last = option.EngineTimeTenths() + 5;
    int due = last + 1;
    for (TCtrl* o : all_) {
        if (o->kind != SkinItemKind::PositionSlider || o->controls.size() < 2 || !onScreen(o->controls[0]))
            continue;
        // A thumb held by the pointer follows the pointer, not the song.
        if (option.PositionDragging() && o->Dragging())
            continue;
        const int track = o->controls[1]->width(), thumb = o->controls[0]->width();
        const int shown = PositionOffset(now, option.Duration(), track, thumb);
        o->PlaceThumb(shown);
        // A window not shown yet has its thumb placed at each report, so it is
        // right when it first shows; nobody sees it move in between (a
        // minimized window was left out above).
        const bool seen = o->controls[0]->window()->isVisible();
        for (int t = now + 1; moving && seen && t < due; ++t)
            if (PositionOffset(t, option.Duration(), track, thumb) != shown) {
                due = t;
                break;
            }
    }
    if (moving && due <= last)
        thumbTimer_.start((last - now) * 100);
}

void TSkin::ShowTime(int seconds) {
    const int duration = env_.option ? env_.option->Duration() : 0;
    const bool remaining = env_.option && env_.option->TimeMode();
    const TimeTexts texts = ShowTimeTexts(seconds, duration, remaining);
    for (TCtrl* o : all_) {
        if (o->kind != SkinItemKind::TimeDisplay || !o->Label() || !onScreen(o->Label()))
            continue;
        TKvLabel* label = o->Label();
        const QString& text = o->value == 1 ? texts.longText : texts.shortText;
        // Measuring the text is most of the cost, and most reports leave the
        // shown time as it was.
        if (label->text() == text)
            continue;
        label->setText(text);
        if (!label->property("fixedWidth").toBool())
            label->resize(label->sizeHint());
    }
}

void TSkin::ShowNumber(TCtrl* o, int index) {
    o->state = index;
    TKvImage* image = o->Image();
    if (!image)
        return;
    QImage digits[3];
    int width = 0, height = 0;
    const auto entries = DigitEntries(index);
    for (int i = 0; i < 3; ++i) {
        digits[i] = KeyedByBottomLeft(o->EntryImage(entries[i]));
        width += digits[i].width();
        height = std::max(height, digits[i].height());
    }
    if (width == 0 || height == 0) {
        image->SetPicture(QImage());
        return;
    }
    QImage face(width, height, QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter p(&face);
    int x = 0;
    for (const QImage& digit : digits) {
        p.drawImage(x, 0, digit);
        x += digit.width();
    }
    p.end();
    image->resize(face.size());
    image->SetPicture(face);
}

void TSkin::RefreshFace() {
    if (TOption* option = env_.option) {
        SetKindValue(SkinItemKind::ShuffleButton, option->Shuffle() ? 1 : 0);
        SetKindValue(SkinItemKind::RepeatButton, option->Repeat() ? 1 : 0);
        SetGroupValue(7, option->AlwaysOnTop() ? 1 : 0);
        SetGroupValue(9, option->Mute() ? 1 : 0);
        const int status = option->Status();
        SetGroupValue(0, status == StatusPlaying ? 1 : status == StatusPaused ? 2 : 0);
        SetKindState(SkinItemKind::NumberDisplay, option->CurrentIndex());
        ShowVolume(option->Volume());
        ShowBalance(option->Balance());
        ShowPosition();
        ShowTime(option->Position());
    }
    info_.UpdateAll();
}

void TSkin::bindOption() {
    TOption* option = env_.option;
    if (!option)
        return;
    connect(option, &TOption::statusChanged, this, [this](int s) {
        SetGroupValue(0, s == StatusPlaying ? 1 : s == StatusPaused ? 2 : 0);
    });
    connect(option, &TOption::muteChanged, this, [this](bool on) { SetGroupValue(9, on); });
    connect(option, &TOption::alwaysOnTopChanged, this, [this](bool on) { SetGroupValue(7, on); });
    connect(option, &TOption::shuffleChanged, this,
            [this](bool on) { SetKindValue(SkinItemKind::ShuffleButton, on); });
    connect(option, &TOption::repeatChanged, this,
            [this](bool on) { SetKindValue(SkinItemKind::RepeatButton, on); });
    connect(option, &TOption::positionChanged, this, [this](int s) { ShowTime(s); });
    connect(option, &TOption::durationChanged, this, [this, option](int) {
        ShowTime(option->Position());
        ShowPosition();
    });
    // The thumbs are placed at the engine's report (tick 0) and moved on by
    // their own timer; the tenths ticks that run for the lyrics window would
    // otherwise move them up to ten times a second.
    connect(option, &TOption::tickChanged, this, [this, option](int tenths) {
        if (tenths == option->EngineTimeTenths())
            ShowPosition();
    });
    connect(option, &TOption::volumeChanged, this, [this](int v) { ShowVolume(v); });
    connect(option, &TOption::balanceChanged, this, [this](int v) { ShowBalance(v); });
    connect(option, &TOption::currentIndexChanged, this,
            [this](int i) { SetKindState(SkinItemKind::NumberDisplay, i); });
    connect(option, &TOption::titleChanged, this, [this](const QString&) { info_.UpdateAll(); });
}
