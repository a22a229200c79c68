#pragma once

#include "LyricsLookup.h"

#include <QObject>
#include <QString>
#include <functional>

class LrclibClient;

// Fetches the lyrics of a song that has none, in the background: LRCLIB is
// asked with the tag's artist, title and album and the song's length, and a
// synced match is saved in the lyrics folder under the first name the lookup
// tries (the song's file name with ".lrc"). Quiet on every failure. Only the
// newest request counts: an answer for a song that is no longer current is
// dropped.
class LyricsAutoFetch : public QObject {
    Q_OBJECT
public:
    explicit LyricsAutoFetch(LrclibClient& lrclib, QObject* parent = nullptr);

    // `saved` runs with the new file's path once it is written.
    void Fetch(const TLyricsSong& song, int seconds, const QString& lyricsFolder,
               std::function<void(const QString&)> saved);
    // Forgets the request in flight (the song changed).
    void Cancel() { ++generation_; }

    // The file name the fetched lyrics are saved under.
    static QString TargetName(const TLyricsSong& song);

private:
    LrclibClient& lrclib_;
    quint64 generation_ = 0;
};
