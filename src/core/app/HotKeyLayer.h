#pragma once

#include <QObject>
#include <memory>

class PlayerApplication;
class HotKeyMatcher;
class GlobalKeySource;

// The global hot keys of the running player: the keyboard as the window
// system reports it (X11 only for now), matched against the hot-key table,
// and every binding run through DoCommand. Without a back end (another window
// system, a test's offscreen screen, SORVI_GLOBAL_KEYS=off) the table still
// loads, saves and edits, and simply never fires.
class HotKeyLayer : public QObject {
    Q_OBJECT
public:
    explicit HotKeyLayer(PlayerApplication& player, QObject* parent = nullptr);
    ~HotKeyLayer() override;

    // True while a back end reports keys.
    bool Listening() const { return listening_; }
    HotKeyMatcher& matcher() { return *matcher_; }

private:
    void startListening();

    std::unique_ptr<HotKeyMatcher> matcher_;
    std::unique_ptr<GlobalKeySource> source_;
    bool listening_ = false;
};
