#include "LyricsDownloader.h"

#include "BuiltinSite.h"
#include "LinkRules.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryDir>

LyricsDownloader::LyricsDownloader(BuiltinSite& site, QByteArray userAgent, QObject* parent)
    : QObject(parent), site_(site), userAgent_(std::move(userAgent)), network_(new QNetworkAccessManager(this)) {}

LyricsDownloader::Result LyricsDownloader::store(const QString& fileName, const QByteArray& body) {
    Result result;
    if (body.size() > kMaxBytes || fileName.isEmpty() || fileName.contains(QLatin1Char('/')))
        return result;
    auto folder = std::make_shared<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/sorvi-lrc-XXXXXX"));
    if (!folder->isValid())
        return result;
    QFile file(folder->filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(body) != body.size())
        return result;
    file.close();
    result.ok = true;
    result.file = file.fileName();
    result.folder = std::move(folder);
    return result;
}

void LyricsDownloader::Download(const QUrl& url, const QString& fileName, Callback done) {
    if (!DownloadableUrl(url, QLatin1String(BuiltinSite::kScheme)) || fileName.isEmpty()) {
        done(Result{});
        return;
    }
    if (BuiltinSite::IsBuiltin(url)) {
        site_.Serve(url, [fileName, done = std::move(done)](const BuiltinSite::Reply& reply) {
            done(reply.ok ? store(fileName, reply.body) : Result{});
        });
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent_);
    request.setTransferTimeout(timeoutMs_);
    request.setMaximumRedirectsAllowed(5);
    // A redirect may not leave http and https (to file: for instance).
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = network_->get(request);
    auto tooBig = std::make_shared<bool>(false);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply, tooBig](qint64 received, qint64 total) {
        if (received > kMaxBytes || total > kMaxBytes) {
            *tooBig = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [reply, tooBig, fileName, done = std::move(done)] {
        reply->deleteLater();
        if (*tooBig || reply->error() != QNetworkReply::NoError) {
            done(Result{});
            return;
        }
        done(store(fileName, reply->readAll()));
    });
}

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
