#pragma once

#include "LrclibClient.h"

#include <QCoreApplication>
#include <memory>

class QNetworkAccessManager;
class QUrl;

// The LRCLIB client over Qt Network: GET requests with the player's
// User-Agent, a transfer time limit and a cap on the answer's size.
// Its texts keep the translation context of the player's lyrics service.
class HttpLrclibClient : public LrclibClient {
    Q_DECLARE_TR_FUNCTIONS(LrclibClient)
public:
    // `base` is the service address ("https://lrclib.net"), `userAgent` names
    // the player and its version.
    HttpLrclibClient(QString base, QByteArray userAgent);
    ~HttpLrclibClient() override;

    void Search(const QString& query, Callback done) override;
    void Get(const QString& artist, const QString& title, const QString& album, int seconds, Callback done) override;
    void GetById(qint64 id, Callback done) override;
    void SetTimeoutMs(int ms) override { timeoutMs_ = ms; }

private:
    void send(const QUrl& url, bool list, Callback done);

    QString base_;
    QByteArray userAgent_;
    int timeoutMs_ = 15000;
    std::unique_ptr<QNetworkAccessManager> network_; // owns the replies in flight
};
