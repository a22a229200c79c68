#include "SongNotifier.h"

#include "TOption.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

SongNotifier::SongNotifier(TOption& option, Ports ports, QObject* parent) : QObject(parent), ports_(std::move(ports)) {
    connect(&option, &TOption::statusChanged, this, &SongNotifier::statusChanged);
}

void SongNotifier::statusChanged(int status) {
    if (status != StatusPlaying)
        return;
    const BusSong song = ports_.currentSong();
    // A song resumed after a pause is not new.
    if (song.file.isEmpty() || song.file == lastSong_)
        return;
    lastSong_ = song.file;
    if (!ports_.enabled() || !ports_.windowHidden())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // One notification replaced by the next, so a run of songs does not pile up.
    call << QStringLiteral("Sorvi Audio Player") << lastId_ << QStringLiteral("sorvi") << song.title << song.artist
         << QStringList() << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("sorvi")}} << 5000;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        QDBusPendingReply<uint> reply = *w;
        if (reply.isValid())
            lastId_ = reply.value();
        w->deleteLater();
    });
}
