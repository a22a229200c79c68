#include "TCtrl.h"

#include "SkinMath.h"
#include "SkinPlayList.h"
#include "SkinWidgets.h"
#include "TInfomation.h"
#include "TOption.h"
#include "TSkin.h"

#include <QEvent>
#include <QFont>
#include <QMouseEvent>
#include <QWidget>

int TCtrl::pressedButton = 2;
QPoint TCtrl::pressPoint;
bool TCtrl::pointerInside = false;

TCtrl::TCtrl(TSkin& skin, TSkinItem* item_, SkinItemKind kind_, QWidget* owner_)
    : QObject(&skin), owner(owner_), kind(kind_), item(item_), skin_(skin) {}

// The controls are released by TSkin::Clear (deferred, since a click may be
// what clears the face).
TCtrl::~TCtrl() = default;

TKvImage* TCtrl::Image(int i) const {
    return i < int(controls.size()) ? qobject_cast<TKvImage*>(controls[i].data()) : nullptr;
}
TKvPanel* TCtrl::Panel() const {
    return controls.size() > 1 ? qobject_cast<TKvPanel*>(controls[1].data()) : nullptr;
}
TKvLabel* TCtrl::Label() const {
    return controls.empty() ? nullptr : qobject_cast<TKvLabel*>(controls[0].data());
}
bool TCtrl::Vertical() const {
    return command == QStringLiteral("上下");
}

QImage TCtrl::EntryImage(int entry) {
    if (entry < 0 || entry >= StateList.size() || StateList[entry].isEmpty() || !item)
        return {};
    auto found = images_.find(entry);
    if (found != images_.end())
        return *found;
    const QImage image = skin_.ReadStateImage(item, StateList[entry]);
    images_.insert(entry, image);
    return image;
}

void TCtrl::SetState(int s) {
    if (kind == SkinItemKind::NumberDisplay) {
        skin_.ShowNumber(this, s);
        return;
    }
    const bool valued = kind == SkinItemKind::IndicatorButton || kind == SkinItemKind::ShuffleButton ||
                        kind == SkinItemKind::RepeatButton;
    const int entry = valued ? value * 3 + s : s;
    if (s > 0 && (entry >= StateList.size() || StateList[entry].isEmpty())) {
        SetState(0);
        return;
    }
    state = s;
    switch (kind) {
    case SkinItemKind::Button:
        if (TKvImage* image = Image(0)) {
            const QImage picture = EntryImage(s);
            const bool across = turned.testFlag(Qt::Horizontal);
            const bool upright = turned.testFlag(Qt::Vertical);
            image->SetPicture(turned ? picture.mirrored(across, upright) : picture);
        }
        break;
    case SkinItemKind::VolumeSlider:
    case SkinItemKind::BalanceSlider:
    case SkinItemKind::PositionSlider:
        if (TKvImage* image = Image(0))
            image->SetPicture(EntryImage(s));
        break;
    case SkinItemKind::IndicatorButton:
    case SkinItemKind::ShuffleButton:
    case SkinItemKind::RepeatButton:
        if (TKvImage* image = Image(0))
            image->SetPicture(EntryImage(entry));
        break;
    case SkinItemKind::TextLabel:
    case SkinItemKind::TitleDisplay:
    case SkinItemKind::TimeDisplay:
        if (TKvLabel* label = Label(); label && s < StateList.size())
            skin_.ApplyFont(label, StateList[s]);
        break;
    default:
        break;
    }
}

int TCtrl::controlIndex(QObject* watched) const {
    for (size_t i = 0; i < controls.size(); ++i)
        if (controls[i] == watched)
            return int(i);
    return -1;
}

bool TCtrl::eventFilter(QObject* watched, QEvent* event) {
    const int index = controlIndex(watched);
    if (index < 0 || Detached())
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        MouseEnter();
        break;
    case QEvent::Leave:
        MouseLeave();
        break;
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        MouseDown(index, e->button(), e->position().toPoint(), e->modifiers());
        // Other buttons travel on to the window (its context menu).
        return e->button() == Qt::LeftButton;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        MouseMove(index, e->buttons(), e->position().toPoint());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        MouseUp(index, e->button(), e->position().toPoint(), e->modifiers());
        return e->button() == Qt::LeftButton;
    }
    case QEvent::MouseButtonDblClick:
        if (IsPanel() && index == 0)
            DoubleClick();
        return true;
    default:
        break;
    }
    return false;
}

namespace {
bool hoverKind(SkinItemKind k) {
    const int n = int(k);
    return (n >= 1 && n <= 6) || n == 10 || n == 11;
}
bool sliderKind(SkinItemKind k) {
    return k == SkinItemKind::VolumeSlider || k == SkinItemKind::BalanceSlider ||
           k == SkinItemKind::PositionSlider;
}
int buttonCode(Qt::MouseButton b) {
    return b == Qt::LeftButton ? 0 : b == Qt::RightButton ? 1 : 3;
}
} // namespace

void TCtrl::MouseEnter() {
    pointerInside = true;
    hovered_ = true;
    if (hoverKind(kind))
        SetState(pressedButton == 0 ? 2 : 1);
    if (item && skin_.SectionOf(item) == 2 && skin_.env().setMouseInside)
        skin_.env().setMouseInside(true);
}

void TCtrl::MouseLeave() {
    pointerInside = false;
    hovered_ = false;
    if (hoverKind(kind))
        SetState(0);
    if (item && skin_.SectionOf(item) == 2 && skin_.env().setMouseInside)
        skin_.env().setMouseInside(false);
}

void TCtrl::MouseDown(int control, Qt::MouseButton button, QPoint pos, Qt::KeyboardModifiers) {
    pressPoint = pos;
    pressedButton = buttonCode(button);
    hovered_ = true;
    if (button != Qt::LeftButton)
        return;
    if (sliderKind(kind))
        sliderDown(control, pos);
    else if (kind != SkinItemKind::NumberDisplay)
        SetState(2);
}

void TCtrl::MouseMove(int control, Qt::MouseButtons buttons, QPoint pos) {
    if (pressedButton != 0 || !(buttons & Qt::LeftButton))
        return;
    // The pressed control keeps the mouse while the button is held; crossing
    // its edge counts as leaving or entering it.
    // (A slider's thumb stays pressed while it is dragged.)
    QWidget* w = control < int(controls.size()) ? controls[control].data() : nullptr;
    if (w && !dragging_) {
        const bool inside = w->rect().contains(pos);
        if (inside != hovered_) {
            if (inside)
                MouseEnter();
            else
                MouseLeave();
        }
    }
    if (kind == SkinItemKind::WindowBody || kind == SkinItemKind::Panel ||
        kind == SkinItemKind::SlidingPanel) {
        if (owner)
            owner->move(owner->pos() + (pos - pressPoint));
    } else if (sliderKind(kind) && control == 0) {
        sliderMove(pos);
    }
}

void TCtrl::MouseUp(int control, Qt::MouseButton button, QPoint pos, Qt::KeyboardModifiers modifiers) {
    if (TOption* option = skin_.env().option) {
        // Both drag flags end with any release; the position slider reads its
        // own flag before clearing it.
        if (!(sliderKind(kind) && control == 0))
            option->SetPositionDragging(false);
        option->SetVolumeDragging(false);
    }
    QWidget* w = control < int(controls.size()) ? controls[control].data() : nullptr;
    const bool inside = w && w->rect().contains(pos);
    pressedButton = 2;
    if (button == Qt::LeftButton) {
        switch (kind) {
        case SkinItemKind::Button:
        case SkinItemKind::TextLabel:
        case SkinItemKind::IndicatorButton:
        case SkinItemKind::TitleDisplay:
        case SkinItemKind::TimeDisplay:
        case SkinItemKind::ShuffleButton:
        case SkinItemKind::RepeatButton:
            if (inside)
                runCommand(command);
            break;
        case SkinItemKind::NumberDisplay:
            if (inside)
                runCommand(QStringLiteral("#List"));
            break;
        default:
            if (sliderKind(kind) && control == 0)
                sliderUp(pos, modifiers);
            break;
        }
    }
    if (Detached())
        return; // the command replaced the face this object belonged to
    if (kind != SkinItemKind::NumberDisplay && !IsPanel() && kind != SkinItemKind::PlayListView)
        SetState(inside ? 1 : 0);
}

void TCtrl::DoubleClick() {
    if (!item)
        return;
    if (kind == SkinItemKind::DisplayArea) {
        skin_.Post(QStringLiteral("#Display,DblClick"));
    } else if (skin_.SectionOf(item) != 2) {
        skin_.Post(QStringLiteral("#SwitchSmall"));
    }
}

void TCtrl::runCommand(const QString& text) {
    if (!text.isEmpty() && skin_.env().doCommand)
        skin_.env().doCommand(text, this);
}

// --- sliders: the thumb is control 0, the track control 1 -------------------

int TCtrl::thumbOffset() const {
    const QWidget* thumb = controls[0];
    const QWidget* track = controls[1];
    return Vertical() ? thumb->y() - track->y() : thumb->x() - track->x();
}

int TCtrl::thumbRange() const {
    const QWidget* thumb = controls[0];
    const QWidget* track = controls[1];
    return Vertical() ? SliderRange(track->height(), thumb->height())
                      : SliderRange(track->width(), thumb->width());
}

void TCtrl::placeThumb(int offset) {
    QWidget* thumb = controls[0];
    const QWidget* track = controls[1];
    const int free = Vertical() ? track->height() - thumb->height() : track->width() - thumb->width();
    offset = std::clamp(offset, 0, std::max(free, 0));
    const QPoint at = Vertical() ? QPoint(thumb->x(), track->y() + offset) : QPoint(track->x() + offset, thumb->y());
    // Most ticks leave the thumb on its pixel; a move that moves nothing would
    // still make the window work out its covered areas again.
    if (thumb->pos() != at)
        thumb->move(at);
}

void TCtrl::sliderDown(int control, QPoint pos) {
    TOption* option = skin_.env().option;
    if (controls.size() < 2)
        return;
    if (kind == SkinItemKind::PositionSlider) {
        if (control == 0) {
            dragging_ = true;
            if (option)
                option->SetPositionDragging(true);
            SetState(2);
        } else {
            if (option)
                option->SetPositionDragging(true);
            placeThumb(pos.x() - controls[0]->width() / 2);
            if (option && (option->Status() == StatusPlaying || option->Status() == StatusPaused))
                seek();
            if (option)
                option->SetPositionDragging(false);
        }
        return;
    }
    if (control != 0)
        return; // a press on the track of a volume or balance slider does nothing
    dragging_ = true;
    SetState(2);
    if (option)
        option->SetVolumeDragging(true);
    skin_.Info().Pause(true);
    dragStep(pos);
}

void TCtrl::dragStep(QPoint pos) {
    if (pos == pressPoint)
        return;
    const QPoint moved = pos - pressPoint;
    placeThumb(thumbOffset() + (Vertical() ? moved.y() : moved.x()));
    TOption* option = skin_.env().option;
    if (kind == SkinItemKind::VolumeSlider) {
        const int v = VolumeFromOffset(thumbOffset(), thumbRange(), Vertical());
        if (option)
            option->SetVolume(v);
        if (skin_.env().applyVolume)
            skin_.env().applyVolume();
        skin_.Info().ShowText(VolumeReadout(v));
    } else {
        const int v = BalanceFromOffset(thumbOffset(), thumbRange(), Vertical());
        if (option)
            option->SetBalance(v);
        if (skin_.env().applyVolume)
            skin_.env().applyVolume();
        skin_.Info().ShowText(BalanceReadout(v));
    }
}

void TCtrl::sliderMove(QPoint pos) {
    if (kind != SkinItemKind::PositionSlider) {
        dragStep(pos);
        return;
    }
    TOption* option = skin_.env().option;
    if (!option || (option->Status() != StatusPlaying && option->Status() != StatusPaused))
        return;
    placeThumb(thumbOffset() + (pos - pressPoint).x());
    skin_.ShowTime(
        int(qint64(std::max(option->Duration(), option->Position())) * thumbOffset() / thumbRange()));
}

void TCtrl::sliderUp(QPoint pos, Qt::KeyboardModifiers modifiers) {
    TOption* option = skin_.env().option;
    dragging_ = false;
    if (kind == SkinItemKind::PositionSlider) {
        const bool dragging = option && option->PositionDragging();
        if (option)
            option->SetPositionDragging(false);
        const bool active = option && (option->Status() == StatusPlaying || option->Status() == StatusPaused);
        const bool abandon = modifiers & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
        if (dragging && active && !abandon)
            seek();
        else {
            skin_.ShowPosition();
            if (option)
                skin_.ShowTime(option->Position());
        }
    } else {
        skin_.Info().Pause(false);
    }
    (void)pos;
}

void TCtrl::seek() {
    TOption* option = skin_.env().option;
    if (!option)
        return;
    const int seconds = PositionSeconds(thumbOffset(), thumbRange(), option->Duration());
    option->SetPositionDragging(false);
    option->ReportEngineTime(seconds);
    if (skin_.env().sendToCurrentPlugin)
        skin_.env().sendToCurrentPlugin(7, QString::number(seconds));
}
