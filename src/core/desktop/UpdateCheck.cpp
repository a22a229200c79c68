#include "UpdateCheck.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>

std::optional<QByteArray> FetchSmallTextFile(const QUrl& url, qint64 maxBytes, int timeoutMs) {
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager.get(request);
    QByteArray body;
    bool refused = false;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, [&] {
        refused = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        body += reply->readAll();
        if (body.size() > maxBytes || body.contains('\0')) {
            refused = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maxBytes) {
            refused = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!refused)
        body += reply->readAll();
    const bool ok = !refused && reply->error() == QNetworkReply::NoError && body.size() <= maxBytes &&
                    !body.contains('\0');
    reply->deleteLater();
    if (!ok)
        return std::nullopt;
    return body;
}

UpdateInfo ReadUpdateInfo(const QByteArray& bytes) {
    UpdateInfo info;
    bool inUpdate = false;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            inUpdate = line.mid(1, line.size() - 2).trimmed().compare(QLatin1String("update"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inUpdate || eq < 0)
            continue;
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("date"))
            info.date = ReadShortDate(value);
        else if (key == QLatin1String("page"))
            info.page = value;
    }
    return info;
}

QDate ReadShortDate(const QString& text) {
    static const QRegularExpression form(QStringLiteral(R"(^(\d{4})([-/.])(\d{1,2})\2(\d{1,2})$)"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
}

QDate ReleaseDate() { return QDate(2002, 10, 8); }
