#pragma once

#include "LyricsDownloader.h"

#include <QByteArray>
#include <memory>

class BuiltinSite;
class QNetworkAccessManager;

// The lyrics downloader over Qt Network; built-in addresses are answered by
// the built-in site.
class HttpLyricsDownloader : public LyricsDownloader {
public:
    HttpLyricsDownloader(BuiltinSite& site, QByteArray userAgent);
    ~HttpLyricsDownloader() override;

    void Download(const QUrl& url, const QString& fileName, Callback done) override;
    void SetTimeoutMs(int ms) override { timeoutMs_ = ms; }

private:
    static Result store(const QString& fileName, const QByteArray& body);

    BuiltinSite& site_;
    QByteArray userAgent_;
    int timeoutMs_ = 20000;
    std::unique_ptr<QNetworkAccessManager> network_; // owns the replies in flight
};
