#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The window system's view of the keyboard for the global hot keys: which
// keys go down and up whatever program has the focus, and the keyboard's
// media keys when no other program owns them. The X11 back end listens to
// raw key events; a system without one simply never reports anything.
class GlobalKeySource {
public:
    struct Sink {
        // A key went down or up (virtual-key code, VirtualKeys).
        std::function<void(quint16 vk, bool down)> key;
        // A media key this program took was pressed; `repeat` while held.
        std::function<void(const QString& command, bool repeat)> mediaKey;
    };

    virtual ~GlobalKeySource() = default;
    // Starts reporting to `sink`; false when the window system offers no
    // global keys (no display, no raw key events).
    virtual bool Start(const Sink& sink) = 0;
    // The media keys (key symbol names) this program took; the others belong
    // to another program, which hands them to the player in its own way.
    virtual QStringList MediaKeysTaken() const = 0;
};

// The keyboard's media keys and the commands they run.
struct MediaKeyRow {
    quint32 keysym;
    const char* name;
    const char* command;
};
inline constexpr MediaKeyRow kMediaKeys[] = {
    {0x1008FF14, "XF86AudioPlay", "#playpause"},       {0x1008FF15, "XF86AudioStop", "#stop"},
    {0x1008FF17, "XF86AudioNext", "#next"},            {0x1008FF16, "XF86AudioPrev", "#prev"},
    {0x1008FF13, "XF86AudioRaiseVolume", "#soundup"}, {0x1008FF11, "XF86AudioLowerVolume", "#sounddown"},
    {0x1008FF12, "XF86AudioMute", "#silent"},
};
