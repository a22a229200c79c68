#pragma once

#include "LrclibTrack.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The pages of the lyrics site that the player serves itself. Every function
// returns a complete UTF-8 HTML document (update.inf: an INI text). Links on
// the pages are relative to the site's base, so the same pages work wherever
// the site is mounted.
namespace SitePages {

struct About {
    QString version;
    QString qtVersion;
};

QByteArray Index();
QByteArray SearchForm(const QString& key = QString());
// The results of a search: each record with lyrics listed with artist, title,
// album and length, synced ones first, each with an "lrc:" download link.
// `siteBase` is the built-in site's base, where the linked lyrics files are.
QByteArray SearchResults(const QString& key, const QList<LrclibTrack>& tracks, const QString& siteBase);
// The search could not be done (the service failed, stalled or answered nonsense).
QByteArray SearchFailed(const QString& key, const QString& error);
// The download link of a record: "lrc:///u=<base>lrcfile.php?id=<id>&n=<artist-title>.lrc".
QString DownloadLink(const LrclibTrack& track, const QString& siteBase);
// The name offered for a record's lyrics file, as the lyrics lookup's
// "artist-title.lrc" candidate (only "title.lrc" without an artist).
QString OfferedFileName(const LrclibTrack& track);
QByteArray AboutPage(const About& about);
QByteArray Help();
// `skins` are full paths of the skin files that ship with the player.
QByteArray Skins(const QStringList& skins);
QByteArray Status(const QString& result);
QByteArray Downlrc(const QString& query, const QString& siteBase);
QByteArray Upload();
QByteArray NotFound(const QString& path);
QByteArray UpdateInf(const QString& version);

QString Escape(const QString& text);

} // namespace SitePages
