#include "X11GlobalKeys.h"

#include "VirtualKeys.h"

#include <QSocketNotifier>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace {

// Set while a grab is being tried: the server's refusal arrives as an error.
bool grabRefused = false;
int recordGrabError(Display*, XErrorEvent* error) {
    if (error->error_code == BadAccess)
        grabRefused = true;
    return 0;
}

// Lock keys change nothing about a media key: grab it under each of them.
constexpr unsigned kLockCombinations[] = {0, LockMask, Mod2Mask, LockMask | Mod2Mask};

} // namespace

X11GlobalKeys::X11GlobalKeys(QObject* parent) : QObject(parent) {}

X11GlobalKeys::~X11GlobalKeys() {
    notifier_.reset();
    if (!display_)
        return;
    const Window root = DefaultRootWindow(display_);
    for (int keycode = 0; keycode < 256; ++keycode)
        if (mediaOfKeycode_[keycode])
            for (unsigned locks : kLockCombinations)
                XUngrabKey(display_, keycode, locks, root);
    XCloseDisplay(display_);
}

bool X11GlobalKeys::Start(const Sink& sink) {
    if (display_)
        return true;
    display_ = XOpenDisplay(nullptr);
    if (!display_)
        return false;
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 0;
    if (!XQueryExtension(display_, "XInputExtension", &xiOpcode_, &event, &error) ||
        XIQueryVersion(display_, &major, &minor) != Success) {
        XCloseDisplay(display_);
        display_ = nullptr;
        return false;
    }
    sink_ = sink;

    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof(bits);
    mask.mask = bits;
    XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);

    readKeyboardMapping();
    // A held media key sends presses without releases, so repeats are told apart.
    XkbSetDetectableAutoRepeat(display_, True, nullptr);
    takeMediaKeys();
    reportHeldKeys();

    notifier_ = std::make_unique<QSocketNotifier>(ConnectionNumber(display_), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &X11GlobalKeys::drain);
    XFlush(display_);
    drain(); // what the round trips above have already read
    return true;
}

void X11GlobalKeys::readKeyboardMapping() {
    int minKeycode = 0;
    int maxKeycode = 0;
    XDisplayKeycodes(display_, &minKeycode, &maxKeycode);
    int perKeycode = 0;
    KeySym* syms = XGetKeyboardMapping(display_, KeyCode(minKeycode), maxKeycode - minKeycode + 1, &perKeycode);
    if (!syms)
        return;
    vkOfKeycode_.fill(0);
    for (int keycode = minKeycode; keycode <= maxKeycode && keycode < 256; ++keycode) {
        // The first of the key's first two levels that the table knows: a
        // letter by its small letter, a keypad digit by its Num Lock level.
        const KeySym* levels = syms + (keycode - minKeycode) * perKeycode;
        for (int level = 0; level < perKeycode && level < 2; ++level) {
            const quint16 vk = VirtualKeys::VkOfKeysym(quint32(levels[level]));
            if (vk) {
                vkOfKeycode_[keycode] = vk;
                break;
            }
        }
    }
    XFree(syms);
}

void X11GlobalKeys::takeMediaKeys() {
    const Window root = DefaultRootWindow(display_);
    for (int row = 0; row < int(std::size(kMediaKeys)); ++row) {
        const KeyCode keycode = XKeysymToKeycode(display_, kMediaKeys[row].keysym);
        if (keycode == 0 || mediaOfKeycode_[keycode])
            continue;
        XSync(display_, False);
        grabRefused = false;
        XErrorHandler previous = XSetErrorHandler(&recordGrabError);
        for (unsigned locks : kLockCombinations)
            XGrabKey(display_, keycode, locks, root, False, GrabModeAsync, GrabModeAsync);
        XSync(display_, False);
        XSetErrorHandler(previous);
        if (grabRefused) {
            // Another program owns the key: give back what was taken of it.
            for (unsigned locks : kLockCombinations)
                XUngrabKey(display_, keycode, locks, root);
            continue;
        }
        mediaOfKeycode_[keycode] = row + 1;
        mediaTaken_ << QString::fromLatin1(kMediaKeys[row].name);
    }
}

void X11GlobalKeys::reportHeldKeys() {
    char keys[32] = {};
    XQueryKeymap(display_, keys);
    for (int keycode = 0; keycode < 256; ++keycode)
        if (keys[keycode / 8] & (1 << (keycode % 8)))
            rawKey(keycode, true);
}

void X11GlobalKeys::rawKey(int keycode, bool down) {
    if (keycode < 0 || keycode > 255 || keycodeDown_[keycode] == down)
        return;
    keycodeDown_[keycode] = down;
    // A release reports the code its press reported, even when the keyboard
    // mapping changed meanwhile.
    const quint16 vk = down ? vkOfKeycode_[keycode] : reportedVk_[keycode];
    reportedVk_[keycode] = down ? vk : 0;
    if (vk && sink_.key)
        sink_.key(vk, down);
}

void X11GlobalKeys::drain() {
    while (display_ && XPending(display_)) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type == GenericEvent && event.xcookie.extension == xiOpcode_) {
            if (XGetEventData(display_, &event.xcookie)) {
                const auto* raw = static_cast<const XIRawEvent*>(event.xcookie.data);
                if (event.xcookie.evtype == XI_RawKeyPress || event.xcookie.evtype == XI_RawKeyRelease)
                    rawKey(raw->detail, event.xcookie.evtype == XI_RawKeyPress);
                XFreeEventData(display_, &event.xcookie);
            }
        } else if (event.type == MappingNotify) {
            // Another layout, or a tool that borrowed a spare key code: the
            // codes of the keys are read again.
            XRefreshKeyboardMapping(&event.xmapping);
            if (event.xmapping.request == MappingKeyboard)
                readKeyboardMapping();
        } else if (event.type == KeyPress || event.type == KeyRelease) {
            const unsigned keycode = event.xkey.keycode;
            if (keycode > 255 || !mediaOfKeycode_[keycode])
                continue;
            if (event.type == KeyRelease) {
                mediaDown_[keycode] = false;
                continue;
            }
            const bool repeat = mediaDown_[keycode];
            mediaDown_[keycode] = true;
            if (sink_.mediaKey)
                sink_.mediaKey(QString::fromLatin1(kMediaKeys[mediaOfKeycode_[keycode] - 1].command), repeat);
        }
    }
}
