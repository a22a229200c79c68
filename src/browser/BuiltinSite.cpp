#include "BuiltinSite.h"

#include "LrclibClient.h"
#include "SitePages.h"

#include <QLibraryInfo>
#include <QUrlQuery>

const char* const BuiltinSite::kScheme = "sorvi";
const char* const BuiltinSite::kBase = "sorvi://site/";

namespace {

BuiltinSite::Reply html(const QByteArray& body) {
    return {true, QByteArrayLiteral("text/html"), body};
}

QString queryValue(const QUrl& url, const QString& key) {
    QString query = url.query(QUrl::FullyEncoded);
    query.replace(QLatin1Char('+'), QLatin1Char(' '));
    return QUrlQuery(query).queryItemValue(key, QUrl::FullyDecoded);
}

} // namespace

BuiltinSite::BuiltinSite(LrclibClient& lrclib, Info info, QObject* parent)
    : QObject(parent), lrclib_(lrclib), info_(std::move(info)) {}

bool BuiltinSite::IsBuiltin(const QUrl& url) {
    return url.scheme().compare(QLatin1String(kScheme), Qt::CaseInsensitive) == 0;
}

QString SearchKey(const QUrl& url) {
    return queryValue(url, QStringLiteral("key"));
}

QUrl SiteAddress(const QString& address, const QStringList& mountedBases) {
    QString base;
    for (const QString& mounted : mountedBases) {
        if (!mounted.isEmpty() && address.startsWith(mounted, Qt::CaseInsensitive) && mounted.size() > base.size())
            base = mounted;
    }
    if (base.isEmpty()) {
        const QUrl url = QUrl::fromUserInput(address.trimmed());
        // A script address would run inside the page shown (the player's own site too).
        if (url.scheme().compare(QLatin1String("javascript"), Qt::CaseInsensitive) == 0)
            return QUrl();
        return url;
    }
    QString path = address.mid(base.size());
    const QString search = QStringLiteral("lrcsearch.php?key=");
    if (path.startsWith(search, Qt::CaseInsensitive))
        path = search + QString::fromLatin1(QUrl::toPercentEncoding(path.mid(search.size())));
    return QUrl(QLatin1String(BuiltinSite::kBase) + path);
}

void BuiltinSite::Serve(const QUrl& url, Callback done) {
    QString path = url.path();
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    // The site's second section (its Chinese-language pages) has the same pages.
    if (path.startsWith(QLatin1String("cn/"), Qt::CaseInsensitive))
        path.remove(0, 3);
    path = path.toLower();

    if (path.isEmpty() || path == QLatin1String("index.php") || path == QLatin1String("index.htm"))
        return done(html(SitePages::Index()));
    if (path == QLatin1String("lrcindex.php"))
        return done(html(SitePages::SearchForm()));
    if (path == QLatin1String("lrcsearch.php")) {
        const QString key = SearchKey(url).trimmed();
        if (key.isEmpty())
            return done(html(SitePages::SearchForm()));
        return serveSearch(key, std::move(done));
    }
    if (path == QLatin1String("lrcfile.php")) {
        bool ok = false;
        const qint64 id = queryValue(url, QStringLiteral("id")).toLongLong(&ok);
        if (!ok)
            return done({false, {}, {}});
        return serveLyricsFile(id, std::move(done));
    }
    if (path == QLatin1String("aboutme.htm"))
        return done(html(SitePages::AboutPage({info_.version, QString::fromLatin1(qVersion())})));
    if (path == QLatin1String("help") || path.startsWith(QLatin1String("help/")))
        return done(html(SitePages::Help()));
    if (path == QLatin1String("skins/upload.htm") || path == QLatin1String("upload/lrcupload.htm"))
        return done(html(SitePages::Upload()));
    if (path == QLatin1String("skins") || path == QLatin1String("skins/"))
        return done(html(SitePages::Skins(info_.skins ? info_.skins() : QStringList())));
    if (path == QLatin1String("status.php"))
        return done(html(SitePages::Status(queryValue(url, QStringLiteral("result")))));
    if (path == QLatin1String("downlrc.php"))
        return done(html(SitePages::Downlrc(url.query(QUrl::FullyDecoded), QLatin1String(kBase))));
    if (path == QLatin1String("update.inf"))
        return done({true, QByteArrayLiteral("text/plain"), SitePages::UpdateInf(info_.version)});
    done({false, QByteArrayLiteral("text/html"), SitePages::NotFound(path)});
}

void BuiltinSite::serveSearch(const QString& key, Callback done) {
    lrclib_.Search(key, [this, key, done = std::move(done)](const LrclibClient::Result& result) {
        if (!result.ok)
            return done(html(SitePages::SearchFailed(key, result.error)));
        for (const LrclibTrack& t : result.tracks)
            listed_.insert(t.id, t);
        done(html(SitePages::SearchResults(key, result.tracks, QLatin1String(kBase))));
    });
}

void BuiltinSite::serveLyricsFile(qint64 id, Callback done) {
    const auto found = listed_.constFind(id);
    if (found != listed_.constEnd()) {
        if (!found->hasLyrics())
            return done({false, {}, {}});
        return done({true, QByteArrayLiteral("text/plain; charset=utf-8"), LrcFileText(*found)});
    }
    lrclib_.GetById(id, [this, done = std::move(done)](const LrclibClient::Result& result) {
        if (!result.ok || result.tracks.isEmpty() || !result.tracks.first().hasLyrics())
            return done({false, {}, {}});
        listed_.insert(result.tracks.first().id, result.tracks.first());
        done({true, QByteArrayLiteral("text/plain; charset=utf-8"), LrcFileText(result.tracks.first())});
    });
}
