#include "LyricsAutoFetch.h"

#include "LrclibClient.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

LyricsAutoFetch::LyricsAutoFetch(LrclibClient& lrclib, QObject* parent) : QObject(parent), lrclib_(lrclib) {}

QString LyricsAutoFetch::TargetName(const TLyricsSong& song) {
    const QString base = QFileInfo(song.FileName).completeBaseName();
    return base.isEmpty() ? QString() : base + QStringLiteral(".lrc");
}

void LyricsAutoFetch::Fetch(const TLyricsSong& song, int seconds, const QString& lyricsFolder,
                            std::function<void(const QString&)> saved) {
    const quint64 generation = ++generation_;
    const QString name = TargetName(song);
    const QString title = song.Title.trimmed();
    const QString artist = song.Artist.trimmed();
    // The service matches on artist and title; without them there is nothing to ask.
    if (name.isEmpty() || title.isEmpty() || artist.isEmpty() || seconds <= 0)
        return;
    lrclib_.Get(artist, title, song.Album.trimmed(), seconds,
                [this, generation, name, lyricsFolder, saved = std::move(saved)](const LrclibClient::Result& r) {
                    if (generation != generation_ || !r.ok || r.tracks.isEmpty() || !r.tracks.first().synced())
                        return;
                    QDir().mkpath(lyricsFolder);
                    const QString path = QDir(lyricsFolder).filePath(name);
                    if (QFileInfo::exists(path))
                        return; // never replaces a file the user has
                    QSaveFile file(path);
                    if (!file.open(QIODevice::WriteOnly))
                        return;
                    file.write(LrcFileText(r.tracks.first()));
                    if (file.commit() && saved)
                        saved(path);
                });
}
