#include "LyricsDownloader.h"

#include "BuiltinSite.h"
#include "LinkRules.h"

void DownloadLyricsLink(LyricsDownloader& downloader, const QString& link,
                        std::function<void(const QString& file, const QString& name)> saved,
                        std::function<void()> failed) {
    const LrcLink parts = ParseLrcLink(link);
    const QString name = SafeLyricsFileName(parts.fileName);
    const QUrl url(parts.url, QUrl::StrictMode);
    if (name.isEmpty() || !DownloadableUrl(url, QLatin1String(BuiltinSite::kScheme))) {
        failed();
        return;
    }
    downloader.Download(url, name, [name, saved = std::move(saved), failed = std::move(failed)](const LyricsDownloader::Result& r) {
        if (r.ok)
            saved(r.file, name);
        else
            failed();
    });
}
