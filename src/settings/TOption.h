#pragma once

#include "OptionsStore.h"

#include <QObject>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>

// Player status values.
enum PlayStatus : int { StatusStopped = 0, StatusPlaying = 1, StatusPaused = 2, StatusOpening = 3, StatusFailed = 4 };

inline constexpr const char* kProductName = "Sorvi Audio Player";

// The player state and the deferred command queue. Every change of state goes
// through a setter, which persists what is persisted and announces the change
// with a signal; the faces (skin, main window actions, tray icon, lyrics
// window) listen to the signals and never change the state themselves.
class TOption : public QObject {
    Q_OBJECT
public:
    using CommandRunner = std::function<void(const QString&)>;

    explicit TOption(OptionsStore& store, QObject* parent = nullptr);
    ~TOption() override;

    OptionsStore& store() { return store_; }

    // The dispatcher that drains the queue (DoCommand with no sender).
    void SetCommandRunner(CommandRunner runner) { runner_ = std::move(runner); }
    // Appends the command to the queue; it runs after the current event.
    void PostCommand(const QString& command);
    int queuedCommands() const { return static_cast<int>(queue_.size()); }

    // Reads the persisted play modes (current values as defaults) and applies
    // each through its setter; then applies CurrentIndex again. Run at the end
    // of every application of a skin section.
    void Load();

    // --- state, read-only outside the setters ---
    int CurrentIndex() const { return currentIndex_; }
    bool Repeat() const { return repeat_; }
    int Status() const { return status_; }
    int Tick() const { return tick_; }
    int Position() const { return position_; }
    bool TimeMode() const { return timeMode_; }
    // The title shown for the current song: the playing stream's own title
    // while it names one, else the song's display title.
    const QString& Title() const { return streamTitle_.isEmpty() ? title_ : streamTitle_; }
    const QString& StreamTitle() const { return streamTitle_; }
    bool Shuffle() const { return shuffle_; }
    bool Mute() const { return mute_; }
    int Volume() const { return volume_; }
    int Balance() const { return balance_; }
    bool AlwaysOnTop() const { return alwaysOnTop_; }
    bool SinglePlay() const { return singlePlay_; }
    bool Interactive() const { return interactive_; }
    bool Playing() const { return playing_; }
    int PositionTenths() const { return positionTenths_; }
    // The tenths played as of now, also while no tick runs: for readers that
    // ask now and then (the lyrics editor's time stamps, the desktop bus).
    int PositionTenthsNow() const;
    int EngineTimeTenths() const { return engineTimeTenths_; }
    int Duration() const { return duration_; }
    bool PositionDragging() const { return positionDragging_; }
    bool VolumeDragging() const { return volumeDragging_; }
    const QString& RecentFolder() const { return recentFolder_; }

    // --- setters ---
    void SetShuffle(bool flag);
    void SetRepeat(bool flag);
    void SetSinglePlay(bool flag);
    void SetAlwaysOnTop(bool flag);
    // Announces the on-top mode again unchanged, so that the faces place the
    // window anew; nothing is written.
    void ReapplyAlwaysOnTop() { emit alwaysOnTopChanged(alwaysOnTop_); }
    void SetTimeMode(bool flag);
    void SetMute(bool flag);
    void SetCurrentIndex(int index);
    void SetStatus(int status);
    void SetPosition(int seconds);
    void SetTick(int tick);
    void SetTitle(const QString& title);
    // The title an internet radio stream names for what it plays now; empty
    // gives the display back to the song's title.
    void SetStreamTitle(const QString& title);
    void SetVolume(int volume);
    void SetBalance(int balance);
    void SetInteractive(bool flag);
    void SetPlaying(bool flag) { playing_ = flag; }
    void SetDuration(int seconds);
    void SetPositionDragging(bool flag) { positionDragging_ = flag; }
    void SetVolumeDragging(bool flag) { volumeDragging_ = flag; }
    void SetRecentFolder(const QString& folder) { recentFolder_ = folder; }
    // A position report from the playing plug-in: EngineTimeTenths := seconds x 10,
    // SetTick(0), and the shown time follows unless a position slider is dragged.
    void ReportEngineTime(int seconds);
    // The tick (tenths between the engine's whole-second reports) runs only
    // while playing and at least one user that shows tenths wants it; a user
    // that is destroyed stops wanting.
    void WantTicks(const QObject* user, bool want);

    // Texts derived from the state.
    QString ApplicationTitle() const; // task bar title
    QString TrayTip() const;          // notification-area tip, 63 characters at most
    QString LyricsCaption() const;    // caption of the lyrics window

signals:
    void shuffleChanged(bool);
    void repeatChanged(bool);
    void singlePlayChanged(bool);
    void alwaysOnTopChanged(bool);
    void timeModeChanged(bool);
    void muteChanged(bool);
    void currentIndexChanged(int);
    void statusChanged(int);
    void positionChanged(int seconds);
    void tickChanged(int positionTenths);
    void titleChanged(const QString& title);
    void volumeChanged(int);
    void balanceChanged(int);
    void durationChanged(int);
    void interactiveChanged(bool);
    // Fired after Load() so that faces light the indicators of open windows.
    void loaded();

private:
    void drainQueue();
    void onTick();
    void updateTickTimer(bool catchUp);
    int tenthsSinceReport() const;

    OptionsStore& store_;
    CommandRunner runner_;
    std::deque<QString> queue_;
    QTimer queueTimer_;
    QTimer tickTimer_;
    QElapsedTimer sinceReport_; // since the last engine time report
    QList<const QObject*> tickUsers_;

    int currentIndex_ = -1;
    bool repeat_ = false;
    int status_ = StatusStopped;
    int tick_ = 0;
    int position_ = 0;
    bool timeMode_ = false;
    QString title_;
    QString streamTitle_;
    bool shuffle_ = false;
    bool mute_ = false;
    int volume_ = 0;
    int balance_ = 50;
    bool alwaysOnTop_ = false;
    bool singlePlay_ = false;
    bool interactive_ = true;
    bool playing_ = false;
    int positionTenths_ = 0;
    int engineTimeTenths_ = 0;
    int duration_ = 0;
    bool positionDragging_ = false;
    bool volumeDragging_ = false;
    QString recentFolder_;
};
