#include "HttpLrclibClient.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

HttpLrclibClient::HttpLrclibClient(QString base, QByteArray userAgent)
    : base_(std::move(base)), userAgent_(std::move(userAgent)), network_(std::make_unique<QNetworkAccessManager>()) {
    while (base_.endsWith(QLatin1Char('/')))
        base_.chop(1);
}

HttpLrclibClient::~HttpLrclibClient() = default;

void HttpLrclibClient::Search(const QString& query, Callback done) {
    QUrl url(base_ + QStringLiteral("/api/search"));
    url.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(query)), QUrl::StrictMode);
    send(url, true, std::move(done));
}

void HttpLrclibClient::Get(const QString& artist, const QString& title, const QString& album, int seconds,
                       Callback done) {
    QUrl url(base_ + QStringLiteral("/api/get"));
    QStringList parts;
    auto add = [&parts](const char* key, const QString& value) {
        parts << QString::fromLatin1(key) + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(value));
    };
    add("artist_name", artist);
    add("track_name", title);
    add("album_name", album);
    add("duration", QString::number(seconds));
    url.setQuery(parts.join(QLatin1Char('&')), QUrl::StrictMode);
    send(url, false, std::move(done));
}

void HttpLrclibClient::GetById(qint64 id, Callback done) {
    send(QUrl(base_ + QStringLiteral("/api/get/") + QString::number(id)), false, std::move(done));
}

void HttpLrclibClient::send(const QUrl& url, bool list, Callback done) {
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        done({false, tr("The lyrics service address is not valid."), {}});
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent_);
    request.setRawHeader("Accept", "application/json");
    request.setTransferTimeout(timeoutMs_);
    QNetworkReply* reply = network_->get(request);
    // Lyrics answers are small: a reply past the cap is cut off as an error.
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxAnswerBytes)
            reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, network_.get(), [reply, list, done = std::move(done)] {
        reply->deleteLater();
        Result result;
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::NoError) {
            result.error = status == 404 ? tr("No lyrics found.") : reply->errorString();
            done(result);
            return;
        }
        const QByteArray body = reply->readAll();
        if (list) {
            if (auto tracks = ParseLrclibList(body)) {
                result.ok = true;
                result.tracks = *tracks;
            }
        } else if (auto track = ParseLrclibRecord(body)) {
            result.ok = true;
            result.tracks.append(*track);
        }
        if (!result.ok)
            result.error = tr("The lyrics service sent an answer that cannot be read.");
        done(result);
    });
}
