#include "MediaPlayerBus.h"

#include "TOption.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QUrl>

namespace {
const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
constexpr int kFullVolume = 65535;
constexpr int kVolumeStep = 1024; // what "#SoundUp" and "#SoundDown" move

QDBusObjectPath TrackId(int index) {
    return QDBusObjectPath(index < 0 ? QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack")
                                     : QStringLiteral("/org/sorvi/track/%1").arg(index));
}
} // namespace

const char* const MediaPlayerBus::kServiceName = "org.mpris.MediaPlayer2.sorvi";

MediaPlayerBus::MediaPlayerBus(TOption& option, MediaPlayerPorts ports, QObject* parent)
    : QObject(parent), option_(option), ports_(std::move(ports)) {
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
}

bool MediaPlayerBus::Start() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!bus.registerObject(kObjectPath, this) || !bus.registerService(QString::fromLatin1(kServiceName)))
        return false;
    started_ = true;
    lastStatus_ = PlaybackStatus();
    lastLoop_ = LoopStatus();
    lastMetadata_ = Metadata();
    auto changed = [this] { stateChanged(); };
    connect(&option_, &TOption::statusChanged, this, changed);
    connect(&option_, &TOption::currentIndexChanged, this, changed);
    connect(&option_, &TOption::titleChanged, this, changed);
    connect(&option_, &TOption::durationChanged, this, changed);
    connect(&option_, &TOption::repeatChanged, this, changed);
    connect(&option_, &TOption::singlePlayChanged, this, changed);
    connect(&option_, &TOption::shuffleChanged, this,
            [this](bool on) { announce(kPlayerInterface, {{QStringLiteral("Shuffle"), on}}); });
    connect(&option_, &TOption::volumeChanged, this, [this](int volume) {
        announce(kPlayerInterface, {{QStringLiteral("Volume"), double(volume) / kFullVolume}});
    });
    return true;
}

void MediaPlayerBus::stateChanged() {
    QVariantMap changed;
    const QString status = PlaybackStatus();
    if (status != lastStatus_)
        changed.insert(QStringLiteral("PlaybackStatus"), lastStatus_ = status);
    const QString loop = LoopStatus();
    if (loop != lastLoop_)
        changed.insert(QStringLiteral("LoopStatus"), lastLoop_ = loop);
    const QVariantMap metadata = Metadata();
    if (metadata != lastMetadata_)
        changed.insert(QStringLiteral("Metadata"), lastMetadata_ = metadata);
    if (!changed.isEmpty())
        announce(kPlayerInterface, changed);
}

void MediaPlayerBus::announce(const QString& interface, const QVariantMap& changed) {
    if (!started_)
        return;
    QDBusMessage signal = QDBusMessage::createSignal(kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << interface << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

QString MediaPlayerBus::PlaybackStatus() const {
    switch (option_.Status()) {
    case StatusPlaying:
        return QStringLiteral("Playing");
    case StatusPaused:
        return QStringLiteral("Paused");
    default:
        return QStringLiteral("Stopped");
    }
}

QString MediaPlayerBus::LoopStatus() const {
    if (option_.SinglePlay() && option_.Repeat())
        return QStringLiteral("Track");
    return option_.Repeat() ? QStringLiteral("Playlist") : QStringLiteral("None");
}

void MediaPlayerBus::SetLoopStatus(const QString& status) {
    const bool track = status == QLatin1String("Track");
    const bool repeat = track || status == QLatin1String("Playlist");
    run(QStringLiteral("#Repeat,") + (repeat ? "1" : "0"));
    run(QStringLiteral("#Only,") + (track ? "1" : "0"));
}

QVariantMap MediaPlayerBus::Metadata() const {
    const BusSong song = ports_.currentSong ? ports_.currentSong() : BusSong();
    QVariantMap map;
    map.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(TrackId(song.file.isEmpty() ? -1 : song.index)));
    if (song.file.isEmpty())
        return map;
    if (option_.Duration() > 0)
        map.insert(QStringLiteral("mpris:length"), qlonglong(option_.Duration()) * 1000000);
    map.insert(QStringLiteral("xesam:title"), song.title);
    if (!song.artist.isEmpty())
        map.insert(QStringLiteral("xesam:artist"), QStringList{song.artist});
    if (!song.album.isEmpty())
        map.insert(QStringLiteral("xesam:album"), song.album);
    map.insert(QStringLiteral("xesam:url"), song.file.contains(QStringLiteral("://"))
                                                ? song.file
                                                : QUrl::fromLocalFile(song.file).toString(QUrl::FullyEncoded));
    if (!song.picture.isEmpty())
        map.insert(QStringLiteral("mpris:artUrl"), QUrl::fromLocalFile(song.picture).toString(QUrl::FullyEncoded));
    if (!song.lyrics.isEmpty())
        map.insert(QStringLiteral("xesam:asText"), song.lyrics);
    return map;
}

qlonglong MediaPlayerBus::PositionMicroseconds() const { return qlonglong(option_.PositionTenthsNow()) * 100000; }

void MediaPlayerBus::SeekTo(qlonglong microseconds) {
    const int status = option_.Status();
    if (status != StatusPlaying && status != StatusPaused)
        return;
    const qlonglong target = std::clamp<qlonglong>(microseconds / 1000000, 0, std::max(0, option_.Duration()));
    const qlonglong now = option_.Position();
    if (target > now)
        run(QStringLiteral("#Forward,%1").arg(target - now));
    else if (target < now)
        run(QStringLiteral("#Rewind,%1").arg(now - target));
    emit Seeked(target * 1000000);
}

void MediaPlayerBus::SetVolume(double volume) {
    // Only steps are commands: move step by step towards the asked level.
    const int want = int(std::clamp(volume, 0.0, 1.0) * kFullVolume);
    for (int i = 0; i < kFullVolume / kVolumeStep + 1; ++i) {
        const int now = option_.Volume();
        if (want >= now + kVolumeStep / 2 && now < kFullVolume)
            run(QStringLiteral("#SoundUp"));
        else if (want <= now - kVolumeStep / 2 && now > 0)
            run(QStringLiteral("#SoundDown"));
        else
            break;
        if (option_.Volume() == now)
            break;
    }
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MediaPlayerBus* bus) : QDBusAbstractAdaptor(bus), bus_(bus) {
    connect(bus, &MediaPlayerBus::Seeked, this, &MprisPlayerAdaptor::Seeked);
}

bool MprisPlayerAdaptor::Shuffle() const { return bus_->option().Shuffle(); }
void MprisPlayerAdaptor::SetShuffle(bool on) { bus_->run(QStringLiteral("#Shuffle,") + (on ? "1" : "0")); }
double MprisPlayerAdaptor::Volume() const { return double(bus_->option().Volume()) / kFullVolume; }

void MprisPlayerAdaptor::Pause() {
    if (bus_->option().Status() == StatusPlaying)
        bus_->run(QStringLiteral("#Pause"));
}

void MprisPlayerAdaptor::Play() {
    const int status = bus_->option().Status();
    if (status == StatusPaused)
        bus_->run(QStringLiteral("#Pause"));
    else if (status != StatusPlaying)
        bus_->run(QStringLiteral("#Play"));
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong position) {
    // A position for a song that no longer plays is ignored.
    if (trackId.path() != bus_->Metadata().value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path())
        return;
    bus_->SeekTo(position);
}

void MprisPlayerAdaptor::OpenUri(const QString& uri) {
    const QUrl url(uri);
    // Opened as a file handed to the player: added to the list and played.
    bus_->run(QStringLiteral("#OpenFile,") + (url.isLocalFile() ? url.toLocalFile() : uri));
}
