#include "SiteAddresses.h"

#include "OptionsStore.h"

const char* const SiteAddresses::kDefaultBase = "https://sorvi.example.net/";
const char* const SiteAddresses::kDefaultSecondBase = "https://sorvi.example.net/cn/";
const char* const SiteAddresses::kDefaultLyricsHost = "lrc.sorvi.example.net";
const char* const SiteAddresses::kDefaultLrclib = "https://lrclib.net";

namespace {
QString withSlash(QString url) {
    if (!url.endsWith('/'))
        url += '/';
    return url;
}
} // namespace

QString SiteAddresses::SiteBase() const {
    return withSlash(store_.ReadString(QStringLiteral("SITE"), QStringLiteral("BASE"), kDefaultBase));
}

QString SiteAddresses::SecondBase() const {
    return withSlash(store_.ReadString(QStringLiteral("SITE"), QStringLiteral("BASE2"), kDefaultSecondBase));
}

QString SiteAddresses::LyricsDownloadHost() const {
    return store_.ReadString(QStringLiteral("SITE"), QStringLiteral("LRCHOST"), kDefaultLyricsHost);
}

QString SiteAddresses::LyricsSearch(const QString& key) const {
    if (key.isEmpty())
        return Page(QStringLiteral("lrcindex.php"));
    return Page(QStringLiteral("lrcsearch.php?key=") + key);
}

QString SiteAddresses::Lrclib() const {
    QString url = store_.ReadString(QStringLiteral("SITE"), QStringLiteral("LRCLIB"), kDefaultLrclib).trimmed();
    while (url.endsWith('/'))
        url.chop(1);
    return url.isEmpty() ? QString::fromLatin1(kDefaultLrclib) : url;
}

bool SiteAddresses::BuiltinSite() const {
    return SiteBase().compare(QLatin1String(kDefaultBase), Qt::CaseInsensitive) == 0;
}
