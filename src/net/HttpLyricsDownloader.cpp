#include "HttpLyricsDownloader.h"

#include "BuiltinSite.h"
#include "LinkRules.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryDir>

HttpLyricsDownloader::HttpLyricsDownloader(BuiltinSite& site, QByteArray userAgent)
    : site_(site), userAgent_(std::move(userAgent)), network_(std::make_unique<QNetworkAccessManager>()) {}

HttpLyricsDownloader::~HttpLyricsDownloader() = default;

LyricsDownloader::Result HttpLyricsDownloader::store(const QString& fileName, const QByteArray& body) {
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

void HttpLyricsDownloader::Download(const QUrl& url, const QString& fileName, Callback done) {
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
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, tooBig](qint64 received, qint64 total) {
        if (received > kMaxBytes || total > kMaxBytes) {
            *tooBig = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, network_.get(), [reply, tooBig, fileName, done = std::move(done)] {
        reply->deleteLater();
        if (*tooBig || reply->error() != QNetworkReply::NoError) {
            done(Result{});
            return;
        }
        done(store(fileName, reply->readAll()));
    });
}
