#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <map>

class TShortKey;

// Runs the hot-key table's bindings from the keys that are down anywhere on
// the desktop. A back end (GlobalKeySource) reports every change of a key;
// the bindings are evaluated at each change, the same way a poll of the whole
// keyboard would see them: the first binding whose main key is down and whose
// Shift, Ctrl and Alt are down exactly as its shift set says wins; a once
// binding fires when its combination goes down and again only after no
// binding was down; a repeating binding ("#SoundUp", "#SoundDown") fires at
// once and then every kRepeatMs while its combination stays down, the only
// time a timer runs. Nothing fires while the table is suspended or while the
// player does not take input (`interactive` false: one of its dialogs is open).
class HotKeyMatcher : public QObject {
    Q_OBJECT
public:
    using CommandRunner = std::function<void(const QString&)>;
    using Gate = std::function<bool()>;

    static constexpr int kRepeatMs = 16;

    HotKeyMatcher(TShortKey& keys, CommandRunner run, Gate interactive, QObject* parent = nullptr);
    ~HotKeyMatcher() override;

    // A key (virtual-key code) went down or up.
    void SetKeyDown(quint16 vk, bool down);
    // A media key of the keyboard was pressed (`repeat`: held, the keyboard
    // repeats it): its command runs under the same suspension, once per press
    // except the volume commands, which repeat.
    void MediaKeyPressed(const QString& command, bool repeat);
    // Suspension or the player's interactive state changed: look again.
    void Reevaluate() { evaluate(); }

    bool Repeating() const { return repeat_.isActive(); }
    bool IsDown(quint16 vk) const;

private:
    bool mayFire() const;
    int match() const;
    void evaluate();

    TShortKey& keys_;
    CommandRunner run_;
    Gate interactive_;
    std::map<quint16, int> down_; // code -> how many physical keys hold it down
    int lastFired_ = -1;
    QTimer repeat_;
};
