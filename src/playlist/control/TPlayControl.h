#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class TPlay;
class TOption;
class PlaybackHost;

// The play controller: decides which song of DEFAULT is current, starts and
// stops it through the plug-in host, and moves on when a song ends, in order,
// shuffled, repeated or single. It is driven by the commands "#Play", "#Stop",
// "#Next", "#Prev" and "#PlayStatusChanged"; sub-commands go back through the
// dispatcher (runCommand) so that every nested step is a full dispatch.
class TPlayControl : public QObject {
    Q_OBJECT
public:
    using CommandRunner = std::function<void(const QString&)>;

    TPlayControl(TPlay& play, TOption& option, PlaybackHost& host, CommandRunner runCommand);

    void LoadCurrent();
    void PlayCurrent();
    void StopPlayback();
    void NextSong();
    void PrevSong();
    int ShufflePick(bool played);
    void ClearPlayedFlags();
    bool AllPlayed() const;

    // Command handlers.
    void Play(const QString& file); // "#Play" with or without a file
    void Stop();                    // "#Stop"
    void PlayStatusChanged();       // "#PlayStatusChanged"

    // The current song really started (status 1 after opening): one more play.
    void CountPlay();

    // Tells whether the sound server answers. A song that fails while it does
    // not is not marked as failed: the same song is tried again after a pause
    // that grows from 1 s to 30 s. Without a check the server counts as there.
    void SetSoundServerCheck(std::function<bool()> check) { soundServer_ = std::move(check); }
    static constexpr int kFirstRetryMs = 1000;
    static constexpr int kLongestRetryMs = 30000;

signals:
    // A song became current: the tag action is enabled, the information display
    // and the lyrics window follow.
    void currentSongLoaded();
    // Playback stopped, or waits, for a reason the user must be told (shown
    // through the dialog layer by the application).
    void playbackGaveUp(const QString& reason);
    // A song could not be played (its row is marked failed); `reason` is a
    // short text for the information display. Play goes on meanwhile.
    void songFailed(const QString& file, const QString& reason);

private:
    int songCount() const;
    void setPlayed(int position, bool flag);
    void markAll(bool played);
    void run(const QString& command) { runCommand_(command); }
    void playSingleOrRepeat(); // "#Next"/"#Prev" with fewer than two songs
    // Makes the song at position current: playing it when playback is wanted.
    void moveTo(int position);

    // A failed song: true when playback stopped or waits instead of moving on.
    bool handleFailure();
    bool nothingPlayable() const;
    void retryAfterServerLoss();

    TPlay& play_;
    TOption& option_;
    PlaybackHost& host_;
    CommandRunner runCommand_;
    std::function<bool()> soundServer_;
    QTimer retryTimer_;
    int retryDelayMs_ = 0;     // 0 while no retry is pending
    bool serverReported_ = false; // the user was told the server is missing
    QString refusal_;             // why the last play request reached no plug-in
};
