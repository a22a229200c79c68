#include "FakeLrclib.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>

FakeLrclib::FakeLrclib() {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral("python3"), {QStringLiteral(SORVI_BROWSER_TESTS) + "/fake_lrclib.py"});
    if (!process_.waitForStarted(5000))
        return;
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    port_ = process_.readLine().trimmed().toInt();
}

FakeLrclib::~FakeLrclib() {
    process_.kill();
    process_.waitForFinished(3000);
}

QByteArray FakeLrclib::fetch(const QString& path) const {
    QNetworkAccessManager network;
    QNetworkReply* reply = network.get(QNetworkRequest(QUrl(base() + path)));
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    return reply->readAll();
}
