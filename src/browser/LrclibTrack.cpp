#include "LrclibTrack.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace {

LrclibTrack fromObject(const QJsonObject& o) {
    LrclibTrack t;
    t.id = static_cast<qint64>(o.value(QLatin1String("id")).toDouble());
    t.trackName = o.value(QLatin1String("trackName")).toString();
    t.artistName = o.value(QLatin1String("artistName")).toString();
    t.albumName = o.value(QLatin1String("albumName")).toString();
    t.duration = o.value(QLatin1String("duration")).toDouble();
    t.instrumental = o.value(QLatin1String("instrumental")).toBool();
    t.plainLyrics = o.value(QLatin1String("plainLyrics")).toString();
    t.syncedLyrics = o.value(QLatin1String("syncedLyrics")).toString();
    return t;
}

// Header values must stay on one line and must not close the tag early.
QString headerValue(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char(']'), QLatin1Char(')'));
    return text.trimmed();
}

} // namespace

std::optional<QList<LrclibTrack>> ParseLrclibList(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray())
        return std::nullopt;
    QList<LrclibTrack> tracks;
    for (const QJsonValue& v : doc.array()) {
        if (v.isObject())
            tracks.append(fromObject(v.toObject()));
    }
    return tracks;
}

std::optional<LrclibTrack> ParseLrclibRecord(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    return fromObject(doc.object());
}

QList<LrclibTrack> OrderForListing(const QList<LrclibTrack>& tracks) {
    QList<LrclibTrack> listed;
    for (const LrclibTrack& t : tracks) {
        if (t.hasLyrics())
            listed.append(t);
    }
    std::stable_sort(listed.begin(), listed.end(),
                     [](const LrclibTrack& a, const LrclibTrack& b) { return a.synced() && !b.synced(); });
    return listed;
}

QString TrackLength(double seconds) {
    const long total = std::lround(std::max(0.0, seconds));
    return QStringLiteral("%1:%2").arg(total / 60).arg(total % 60, 2, 10, QLatin1Char('0'));
}

QByteArray LrcFileText(const LrclibTrack& track) {
    QString text;
    if (!track.artistName.isEmpty())
        text += QStringLiteral("[ar:%1]\n").arg(headerValue(track.artistName));
    if (!track.trackName.isEmpty())
        text += QStringLiteral("[ti:%1]\n").arg(headerValue(track.trackName));
    if (!track.albumName.isEmpty())
        text += QStringLiteral("[al:%1]\n").arg(headerValue(track.albumName));
    if (track.duration > 0)
        text += QStringLiteral("[length:%1]\n").arg(TrackLength(track.duration));
    QString body = track.synced() ? track.syncedLyrics : track.plainLyrics;
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text += body;
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    return text.toUtf8();
}
