#pragma once

#include "GlobalKeySource.h"

#include <QObject>
#include <array>
#include <memory>

class QSocketNotifier;
struct _XDisplay;

// Global keys on X11. The back end opens its own connection to the display,
// selects XInput2 raw key events on the root window (they arrive whatever
// program has the focus and take nothing from it) and reports the keys that
// go down and up. The media keys are taken with passive grabs on the root
// window; a key another program already grabbed is left to that program.
// The connection is read only when the server sends something: an idle
// desktop costs nothing.
class X11GlobalKeys : public QObject, public GlobalKeySource {
    Q_OBJECT
public:
    explicit X11GlobalKeys(QObject* parent = nullptr);
    ~X11GlobalKeys() override;

    bool Start(const Sink& sink) override;
    QStringList MediaKeysTaken() const override { return mediaTaken_; }

private:
    void readKeyboardMapping();
    void takeMediaKeys();
    void reportHeldKeys();
    void drain();
    void rawKey(int keycode, bool down);

    _XDisplay* display_ = nullptr;
    int xiOpcode_ = 0;
    Sink sink_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::array<quint16, 256> vkOfKeycode_{};  // 0: a key the table does not know
    std::array<bool, 256> keycodeDown_{};
    std::array<quint16, 256> reportedVk_{}; // what the press of a held key reported
    std::array<int, 256> mediaOfKeycode_{};  // 1 + row of kMediaKeys taken, 0: none
    std::array<bool, 256> mediaDown_{};
    QStringList mediaTaken_;
};
