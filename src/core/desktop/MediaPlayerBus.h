#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>

class TOption;

// What the desktop is told about the song that plays.
struct BusSong {
    QString file;     // full path; empty when there is no song
    QString title;
    QString artist;
    QString album;
    QString lyrics;   // the song's lyrics without time tags, when a lyrics file exists
    QString picture;  // a picture of the song's album, when one lies beside it
    int index = -1;   // position in the play list
};

struct MediaPlayerPorts {
    std::function<void(const QString&)> run; // the command dispatcher
    std::function<BusSong()> currentSong;
};

// The player as an MPRIS2 media player on the session bus
// ("org.mpris.MediaPlayer2.sorvi", object "/org/mpris/MediaPlayer2"): desktop
// media keys, panel widgets and playerctl control it through the command
// dispatcher and read its state from TOption. Without a session bus nothing
// is registered and nothing is reported.
class MediaPlayerBus : public QObject {
    Q_OBJECT
public:
    MediaPlayerBus(TOption& option, MediaPlayerPorts ports, QObject* parent = nullptr);
    // Registers on the session bus; false (quietly) when there is none or the
    // name is taken.
    bool Start();

    static const char* const kServiceName;

    // State as the two interfaces report it.
    TOption& option() { return option_; }
    void run(const QString& command) const { ports_.run(command); }
    QString PlaybackStatus() const;
    QString LoopStatus() const;
    QVariantMap Metadata() const;
    qlonglong PositionMicroseconds() const;
    // Moves to an absolute position through "#Forward"/"#Rewind".
    void SeekTo(qlonglong microseconds);
    void SetVolume(double volume);
    void SetLoopStatus(const QString& status);

signals:
    void Seeked(qlonglong position);

private:
    void announce(const QString& interface, const QVariantMap& changed);
    void stateChanged();

    TOption& option_;
    MediaPlayerPorts ports_;
    bool started_ = false;
    QString lastStatus_;
    QString lastLoop_;
    QVariantMap lastMetadata_;
};

class MprisRootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ yes)
    Q_PROPERTY(bool CanRaise READ yes)
    Q_PROPERTY(bool HasTrackList READ no)
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)
public:
    explicit MprisRootAdaptor(MediaPlayerBus* bus) : QDBusAbstractAdaptor(bus), bus_(bus) {}
    bool yes() const { return true; }
    bool no() const { return false; }
    QString Identity() const { return QStringLiteral("Sorvi Audio Player"); }
    QString DesktopEntry() const { return QStringLiteral("sorvi"); }
    QStringList SupportedUriSchemes() const { return {QStringLiteral("file"), QStringLiteral("http")}; }
    QStringList SupportedMimeTypes() const { return {QStringLiteral("audio/mpeg"), QStringLiteral("audio/x-mpegurl")}; }
public slots:
    void Raise() { bus_->run(QStringLiteral("#Normal")); }
    void Quit() { bus_->run(QStringLiteral("#Exit")); }

private:
    MediaPlayerBus* bus_;
};

class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(QString LoopStatus READ LoopStatus WRITE SetLoopStatus)
    Q_PROPERTY(double Rate READ one WRITE SetRate)
    Q_PROPERTY(double MinimumRate READ one)
    Q_PROPERTY(double MaximumRate READ one)
    Q_PROPERTY(bool Shuffle READ Shuffle WRITE SetShuffle)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(bool CanGoNext READ yes)
    Q_PROPERTY(bool CanGoPrevious READ yes)
    Q_PROPERTY(bool CanPlay READ yes)
    Q_PROPERTY(bool CanPause READ yes)
    Q_PROPERTY(bool CanSeek READ yes)
    Q_PROPERTY(bool CanControl READ yes)
public:
    explicit MprisPlayerAdaptor(MediaPlayerBus* bus);
    QString PlaybackStatus() const { return bus_->PlaybackStatus(); }
    QString LoopStatus() const { return bus_->LoopStatus(); }
    void SetLoopStatus(const QString& status) { bus_->SetLoopStatus(status); }
    double one() const { return 1.0; }
    void SetRate(double) {}
    bool Shuffle() const;
    void SetShuffle(bool on);
    QVariantMap Metadata() const { return bus_->Metadata(); }
    double Volume() const;
    void SetVolume(double volume) { bus_->SetVolume(volume); }
    qlonglong Position() const { return bus_->PositionMicroseconds(); }
    bool yes() const { return true; }
public slots:
    void Next() { bus_->run(QStringLiteral("#Next")); }
    void Previous() { bus_->run(QStringLiteral("#Prev")); }
    void Pause();
    void PlayPause() { bus_->run(QStringLiteral("#PlayPause")); }
    void Stop() { bus_->run(QStringLiteral("#Stop")); }
    void Play();
    void Seek(qlonglong offset) { bus_->SeekTo(bus_->PositionMicroseconds() + offset); }
    void SetPosition(const QDBusObjectPath& trackId, qlonglong position);
    void OpenUri(const QString& uri);
signals:
    void Seeked(qlonglong position);

private:
    MediaPlayerBus* bus_;
};
