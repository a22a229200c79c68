#include "TPlayControl.h"

#include "FileName.h"
#include "PathResolve.h"
#include "PlayFailure.h"
#include "PlayerSettings.h"
#include "PlaybackHost.h"
#include "TOption.h"
#include "TPlay.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <sys/stat.h>

TPlayControl::TPlayControl(TPlay& play, TOption& option, PlaybackHost& host, CommandRunner runCommand)
    : play_(play), option_(option), host_(host), runCommand_(std::move(runCommand)) {
    retryTimer_.setSingleShot(true);
    connect(&retryTimer_, &QTimer::timeout, this, [this] {
        // Only while the user still wants playback and nothing else started.
        if (option_.Playing() && (option_.Status() == StatusFailed || option_.Status() == StatusStopped))
            PlayCurrent();
    });
    connect(&option_, &TOption::statusChanged, this, [this](int status) {
        if (status != StatusPlaying)
            return;
        retryDelayMs_ = 0;
        serverReported_ = false;
        play_.SetSongFailed(option_.CurrentIndex(), false);
    });
}

int TPlayControl::songCount() const { return play_.Default().Count(); }

void TPlayControl::setPlayed(int position, bool flag) {
    if (position >= 0 && position < songCount())
        play_.Default().Song(position).Played = flag;
}

void TPlayControl::markAll(bool played) {
    for (int i = 0; i < songCount(); ++i)
        play_.Default().Song(i).Played = played;
}

void TPlayControl::ClearPlayedFlags() {
    for (int i = 0; i < songCount(); ++i) {
        play_.Default().Song(i).Played = false;
        play_.SetSongFailed(i, false);
    }
}

bool TPlayControl::AllPlayed() const {
    for (const TPlayItem& song : play_.Default().Songs())
        if (!song.Played && !song.Failed)
            return false;
    return true;
}

int TPlayControl::ShufflePick(bool played) {
    // Reseeded from the high-resolution clock at every pick.
    std::mt19937 random(static_cast<unsigned>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    const int current = option_.CurrentIndex();
    std::vector<int> candidates;
    for (int i = 0; i < songCount(); ++i)
        if (play_.Default().Song(i).Played == played && i != current)
            candidates.push_back(i);
    if (candidates.empty())
        return current;
    std::uniform_int_distribution<size_t> pick(0, candidates.size() - 1);
    return candidates[pick(random)];
}

void TPlayControl::LoadCurrent() {
    TPlayItem& current = play_.Current();
    const int index = option_.CurrentIndex();
    if (index > -1 && index < songCount())
        current.FileName = ResolvePath(play_.Default().Song(index).FileName);
    current.Tag.Genre = 255;
    play_.GetTag(current.FileName, current.Tag);
    option_.SetTitle(DisplayTitle(current));
    PlayerSettings::SetCurrent(option_.store(), current.FileName);
    emit currentSongLoaded();
}

void TPlayControl::PlayCurrent() {
    const QString file = play_.Current().FileName;
    // A read-only song is made writable so that its tag can be saved.
    const QByteArray name = EncodeFileName(file);
    struct stat st {};
    if (::stat(name.constData(), &st) == 0 && S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR))
        ::chmod(name.constData(), (st.st_mode & 07777) | S_IWUSR);
    setPlayed(option_.CurrentIndex(), true);
    option_.SetStatus(StatusOpening);
    host_.PlayFile(file);
    // No plug-in took the file: it fails like a file a plug-in could not
    // open, so that play moves on instead of waiting at "opening".
    refusal_ = host_.PlayRefusal();
    if (!refusal_.isEmpty()) {
        option_.SetStatus(StatusFailed);
        option_.PostCommand(QStringLiteral("#PlayStatusChanged"));
    }
}

void TPlayControl::StopPlayback() {
    option_.SetStatus(StatusStopped);
    host_.StopCurrent();
    play_.WritePendingTags();
    option_.SetStatus(StatusStopped);
}

void TPlayControl::Play(const QString& file) {
    if (!file.isEmpty()) {
        if (option_.Playing())
            run(QStringLiteral("#Stop"));
        const QString resolved = ResolvePath(file);
        play_.SetCurrentIndex(play_.Default().IndexOf(resolved));
        play_.Current().FileName = resolved;
        LoadCurrent();
        option_.SetPlaying(true);
        PlayCurrent();
        return;
    }

    switch (option_.Status()) {
    case StatusPaused:
        run(QStringLiteral("#Pause"));
        return;
    case StatusStopped:
        break;
    default:
        return;
    }
    option_.SetPlaying(true);
    const int n = songCount();
    if (n == 0) {
        if (!play_.Current().FileName.isEmpty()) {
            PlayCurrent();
        } else {
            run(QStringLiteral("#OpenFile"));
            if (songCount() > 0)
                run(QStringLiteral("#Play"));
        }
    } else if (n == 1) {
        play_.SetCurrentIndex(0);
        LoadCurrent();
        PlayCurrent();
    } else if (option_.CurrentIndex() == -1) {
        run(QStringLiteral("#Next"));
    } else {
        LoadCurrent();
        PlayCurrent();
    }
}

void TPlayControl::Stop() {
    retryTimer_.stop();
    retryDelayMs_ = 0;
    if (option_.Playing()) {
        option_.SetPlaying(false);
        StopPlayback();
        return;
    }
    ClearPlayedFlags();
    play_.SetCurrentIndex(songCount() > 0 ? 0 : -1);
}

void TPlayControl::playSingleOrRepeat() {
    const int n = songCount();
    const int c = option_.CurrentIndex();
    if (!option_.Playing()) {
        if (c == -1)
            play_.SetCurrentIndex(0);
        return;
    }
    if (n == 1 && c == -1) {
        run(QStringLiteral("#Stop"));
        option_.SetPlaying(true);
        play_.SetCurrentIndex(0);
        LoadCurrent();
        PlayCurrent();
    } else if (option_.Repeat()) {
        run(QStringLiteral("#Play,") + play_.Current().FileName);
    } else {
        run(QStringLiteral("#Stop"));
    }
}

void TPlayControl::moveTo(int position) {
    if (option_.Playing()) {
        // "#Stop" clears Playing; "#Play" sets it again and starts the song.
        run(QStringLiteral("#Stop"));
        play_.SetCurrentIndex(position);
        option_.SetPlaying(true);
        run(QStringLiteral("#Play"));
    } else {
        play_.SetCurrentIndex(position);
        LoadCurrent();
    }
}

void TPlayControl::NextSong() {
    const int n = songCount();
    const int c = option_.CurrentIndex();
    if (n < 2) {
        playSingleOrRepeat();
        return;
    }
    int p;
    if (option_.Shuffle()) {
        p = ShufflePick(false);
        setPlayed(c, true);
        if (p == -1 || p == c) {
            if (!option_.Repeat() && option_.Playing())
                return;
            markAll(false);
            p = ShufflePick(false);
        }
    } else {
        p = c + 1;
        if (p >= n) {
            if (option_.Playing() && !option_.Repeat()) {
                run(QStringLiteral("#Stop"));
                return;
            }
            p = 0;
        }
    }
    setPlayed(p, true);
    moveTo(p);
}

void TPlayControl::PrevSong() {
    const int n = songCount();
    const int c = option_.CurrentIndex();
    if (n < 2) {
        playSingleOrRepeat();
        return;
    }
    int p;
    if (option_.Shuffle()) {
        p = ShufflePick(true);
        if (p == -1 || p == c) {
            if (!option_.Repeat() && option_.Playing())
                return;
            markAll(true);
            p = ShufflePick(true);
        }
        if (p == -1)
            p = 0;
    } else {
        p = c - 1;
        if (p < 0) {
            if (option_.Playing() && !option_.Repeat())
                return;
            p = n - 1;
        }
    }
    setPlayed(c, false);
    setPlayed(p, true);
    moveTo(p);
}

void TPlayControl::PlayStatusChanged() {
    if (!option_.Playing())
        return;
    switch (option_.Status()) {
    case StatusFailed: {
        // A file no plug-in took is not the sound server's fault.
        if (refusal_.isEmpty() && handleFailure())
            break;
        const QString file = play_.Current().FileName;
        play_.SetSongFailed(play_.Default().IndexOf(file), true);
        emit songFailed(file, refusal_.isEmpty() ? PlayFailureReason(file) : refusal_);
        refusal_.clear();
        if (!option_.SinglePlay() && option_.Repeat() && nothingPlayable()) {
            // A whole pass without one song that opened (an unplugged drive):
            // trying again would only spin.
            run(QStringLiteral("#Stop"));
            ClearPlayedFlags();
            emit playbackGaveUp(tr("None of the songs could be played: they are missing or cannot be opened."));
            break;
        }
        run(option_.SinglePlay() ? QStringLiteral("#Stop") : QStringLiteral("#Next"));
        break;
    }
    case StatusStopped:
        option_.SetPosition(0);
        if (option_.SinglePlay()) {
            run(option_.Repeat() ? QStringLiteral("#Play,") + play_.Current().FileName : QStringLiteral("#Stop"));
        } else if (option_.Repeat()) {
            run(QStringLiteral("#Next"));
        } else if (AllPlayed()) {
            run(QStringLiteral("#Stop"));
            ClearPlayedFlags();
        } else {
            run(QStringLiteral("#Next"));
        }
        break;
    default:
        break;
    }
}

void TPlayControl::CountPlay() {
    if (!play_.Current().FileName.isEmpty())
        play_.IncPlayCount(play_.Current().FileName);
}

bool TPlayControl::nothingPlayable() const {
    // A file played by path outside an empty list is the whole pass by itself.
    for (const TPlayItem& song : play_.Default().Songs())
        if (!song.Failed)
            return false;
    return true;
}

bool TPlayControl::handleFailure() {
    if (!soundServer_ || soundServer_())
        return false;
    retryAfterServerLoss();
    return true;
}

void TPlayControl::retryAfterServerLoss() {
    // The song is not to blame: it stays current and unmarked, and is tried
    // again once the pause is over. The plug-in is released meanwhile.
    host_.StopCurrent();
    retryDelayMs_ = retryDelayMs_ == 0 ? kFirstRetryMs : std::min(retryDelayMs_ * 2, kLongestRetryMs);
    retryTimer_.start(retryDelayMs_);
    if (!serverReported_) {
        serverReported_ = true;
        emit playbackGaveUp(tr("The sound server does not answer. Playback starts again when it is back."));
    }
}
