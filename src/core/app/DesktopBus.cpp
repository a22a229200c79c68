#include "DesktopBus.h"

#include "LyricsLookup.h"
#include "PlayerApplication.h"
#include "PlayerSettings.h"
#include "SongNotifier.h"
#include "TKvMp3PlayForm.h"
#include "TOption.h"
#include "TPlay.h"
#include "TagFile.h"
#include "TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// The lyrics lines without their time and information tags.
QString PlainLyrics(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1024 * 1024)
        return {};
    static const QRegularExpression tags(QStringLiteral(R"(^(\s*\[[^\]]*\])+)"));
    QStringList lines;
    for (QString line : DecodeText(file.readAll()).split('\n')) {
        line.remove(tags);
        line = line.trimmed();
        if (!line.isEmpty())
            lines << line;
    }
    return lines.join('\n');
}

QString PictureBeside(const QString& song) {
    const QString folder = QFileInfo(song).absolutePath() + '/';
    for (const char* name : {"cover.jpg", "cover.png", "folder.jpg", "folder.png", "front.jpg"})
        if (QFileInfo(folder + QLatin1String(name)).isFile())
            return folder + QLatin1String(name);
    return {};
}

} // namespace

DesktopBus::DesktopBus(PlayerApplication& player) : player_(player) {
    MediaPlayerPorts ports;
    ports.run = [this](const QString& command) { player_.DoCommand(command); };
    ports.currentSong = [this] { return currentSong(); };
    media_ = std::make_unique<MediaPlayerBus>(player.option(), ports);
    if (!media_->Start())
        media_.reset();

    SongNotifier::Ports notify;
    notify.currentSong = [this] { return currentSong(); };
    notify.windowHidden = [this] {
        const TKvMp3PlayForm& window = player_.mainWindow();
        return !window.isVisible() || window.isMinimized();
    };
    notify.enabled = [this] { return PlayerSettings::NotifySongs(player_.store()); };
    notifier_ = std::make_unique<SongNotifier>(player.option(), notify);
}

DesktopBus::~DesktopBus() = default;

BusSong DesktopBus::currentSong() {
    const TPlayItem& item = player_.play().Current();
    if (item.FileName == cached_.file && item.TagRead == cachedTagRead_ &&
        player_.option().CurrentIndex() == cached_.index)
        return cached_;
    BusSong song;
    song.file = item.FileName;
    song.index = player_.option().CurrentIndex();
    cachedTagRead_ = item.TagRead;
    if (!song.file.isEmpty()) {
        TSongTag tag = item.Tag;
        // Read as the play list reads it: the ID3v1 block, else the file's other tags.
        if (!item.TagRead && !song.file.contains(QStringLiteral("://")))
            player_.play().GetTag(song.file, tag);
        song.title = DisplayTitle(song.file, tag);
        song.artist = TagText(tag.Artist).trimmed();
        song.album = TagText(tag.Album).trimmed();
        TLyricsSong lyricsSong{song.file, TagText(tag.Title), song.artist, song.album, TagText(tag.LyricsName)};
        const QString lyrics = FindLyricsFile(lyricsSong);
        if (!lyrics.isEmpty())
            song.lyrics = PlainLyrics(lyrics);
        song.picture = PictureBeside(song.file);
    }
    cached_ = song;
    return song;
}
