#include "HttpNetModule.h"

#include "HttpLrclibClient.h"
#include "HttpLyricsDownloader.h"
#include "SmallTextFetch.h"

namespace {

class HttpFactory final : public NetModule {
public:
    std::unique_ptr<LrclibClient> NewLrclibClient(const QString& base, const QByteArray& userAgent) override {
        return std::make_unique<HttpLrclibClient>(base, userAgent);
    }
    std::unique_ptr<LyricsDownloader> NewLyricsDownloader(BuiltinSite& site, const QByteArray& userAgent) override {
        return std::make_unique<HttpLyricsDownloader>(site, userAgent);
    }
    std::optional<QByteArray> FetchSmallTextFile(const QUrl& url, qint64 maxBytes, int timeoutMs) override {
        return ::FetchSmallTextFile(url, maxBytes, timeoutMs);
    }
};

} // namespace

NetModule& HttpNetModule() {
    static HttpFactory factory;
    return factory;
}
