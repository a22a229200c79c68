#pragma once

#include "LrclibTrack.h"

#include <QObject>
#include <QString>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

// Asks LRCLIB (address from [SITE] LRCLIB) with a time limit on every request.
// Each answer arrives once through its callback, also when the request fails
// or stalls: `ok` false with an error text then.
class LrclibClient : public QObject {
    Q_OBJECT
public:
    struct Result {
        bool ok = false;
        QString error;
        QList<LrclibTrack> tracks; // one record for get requests
    };
    using Callback = std::function<void(const Result&)>;

    // `base` is the service address ("https://lrclib.net"), `userAgent` names
    // the player and its version.
    LrclibClient(QString base, QByteArray userAgent, QObject* parent = nullptr);

    void Search(const QString& query, Callback done);
    void Get(const QString& artist, const QString& title, const QString& album, int seconds, Callback done);
    void GetById(qint64 id, Callback done);

    void SetTimeoutMs(int ms) { timeoutMs_ = ms; }
    static constexpr qint64 kMaxAnswerBytes = 8 * 1024 * 1024;

private:
    void send(const QUrl& url, bool list, Callback done);

    QString base_;
    QByteArray userAgent_;
    int timeoutMs_ = 15000;
    QNetworkAccessManager* network_;
};
