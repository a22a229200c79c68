#pragma once

#include <QObject>
#include <QString>
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

signals:
    // A song became current: the tag action is enabled, the information display
    // and the lyrics window follow.
    void currentSongLoaded();

private:
    int songCount() const;
    void setPlayed(int position, bool flag);
    void markAll(bool played);
    void run(const QString& command) { runCommand_(command); }
    void playSingleOrRepeat(); // "#Next"/"#Prev" with fewer than two songs
    // Makes the song at position current: playing it when playback is wanted.
    void moveTo(int position);

    TPlay& play_;
    TOption& option_;
    PlaybackHost& host_;
    CommandRunner runCommand_;
};
