#include "HotKeyMatcher.h"

#include "TShortKey.h"
#include "VirtualKeys.h"

HotKeyMatcher::HotKeyMatcher(TShortKey& keys, CommandRunner run, Gate interactive, QObject* parent)
    : QObject(parent), keys_(keys), run_(std::move(run)), interactive_(std::move(interactive)) {
    repeat_.setInterval(kRepeatMs);
    connect(&repeat_, &QTimer::timeout, this, &HotKeyMatcher::evaluate);
    connect(&keys_, &TShortKey::suspendedChanged, this, &HotKeyMatcher::evaluate);
}

HotKeyMatcher::~HotKeyMatcher() = default;

bool HotKeyMatcher::IsDown(quint16 vk) const {
    using namespace VirtualKeys;
    auto held = [this](quint16 code) { return down_.count(code) != 0; };
    switch (vk) {
    case kShift:
        return held(kShift) || held(kLeftShift) || held(kRightShift);
    case kControl:
        return held(kControl) || held(kLeftControl) || held(kRightControl);
    case kAlt:
        return held(kAlt) || held(kLeftAlt) || held(kRightAlt);
    default:
        return held(vk);
    }
}

void HotKeyMatcher::SetKeyDown(quint16 vk, bool down) {
    if (vk == 0)
        return;
    auto it = down_.find(vk);
    if (down) {
        if (it == down_.end())
            down_.emplace(vk, 1);
        else {
            ++it->second;
            return; // a second key of the same code changes nothing
        }
    } else {
        if (it == down_.end())
            return;
        if (--it->second > 0)
            return;
        down_.erase(it);
    }
    evaluate();
}

bool HotKeyMatcher::mayFire() const {
    return !keys_.Suspended() && (!interactive_ || interactive_());
}

int HotKeyMatcher::match() const {
    const quint8 shift = quint8((IsDown(VirtualKeys::kShift) ? TShortKey::ShiftKey : 0) |
                                (IsDown(VirtualKeys::kAlt) ? TShortKey::AltKey : 0) |
                                (IsDown(VirtualKeys::kControl) ? TShortKey::CtrlKey : 0));
    for (int i = 0; i < keys_.Count(); ++i) {
        const TShortKey::Binding& binding = keys_.At(i);
        if (binding.key != 0 && binding.shift == shift && IsDown(binding.key))
            return i;
    }
    return -1;
}

void HotKeyMatcher::evaluate() {
    if (!mayFire()) {
        // What is held meanwhile is left as the last look found it.
        repeat_.stop();
        return;
    }
    const int index = match();
    if (index < 0) {
        lastFired_ = -1;
        repeat_.stop();
        return;
    }
    const bool once = keys_.At(index).once;
    if (index == lastFired_ && once) {
        repeat_.stop();
        return; // still held
    }
    lastFired_ = index;
    if (once)
        repeat_.stop();
    else if (!repeat_.isActive())
        repeat_.start();
    // Last: the command may change the table or open a dialog of its own.
    run_(keys_.CommandToRun(index));
}

void HotKeyMatcher::MediaKeyPressed(const QString& command, bool repeat) {
    if (!mayFire() || (repeat && TShortKey::OnceFor(command)))
        return;
    run_(command);
}
