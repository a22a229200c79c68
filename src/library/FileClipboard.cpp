#include "FileClipboard.h"

#include "FileName.h"

#include <QMimeData>
#include <QUrl>

namespace {

const QString kGnomeCopiedFiles = QStringLiteral("x-special/gnome-copied-files");

bool isStreamLink(const QUrl& url) {
    static const QStringList schemes = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp"),
                                        QStringLiteral("mms")};
    return url.isValid() && !url.host().isEmpty() && schemes.contains(url.scheme().toLower());
}

} // namespace

QString CopyAddressText(const QStringList& paths) {
    QString text;
    for (const QString& path : paths)
        text += QStringLiteral("\r\n") + path;
    return text;
}

QUrl FileUrl(const QString& path) {
    return QUrl::fromEncoded("file://" + EncodeFileName(path).toPercentEncoding("/"), QUrl::StrictMode);
}

QMimeData* NewFileListMimeData(const QStringList& paths) {
    QList<QUrl> urls;
    QByteArray copied = "copy";
    for (const QString& path : paths) {
        const QUrl url = FileUrl(path);
        urls << url;
        copied += '\n' + url.toEncoded();
    }
    auto* data = new QMimeData;
    data->setUrls(urls);
    data->setData(kGnomeCopiedFiles, copied);
    data->setText(paths.join(QLatin1Char('\n')));
    return data;
}

QStringList FilesOfMimeData(const QMimeData& data) {
    QList<QUrl> urls = data.urls();
    if (urls.isEmpty() && data.hasFormat(kGnomeCopiedFiles)) {
        // "copy" or "cut", then one address a line.
        const QList<QByteArray> lines = data.data(kGnomeCopiedFiles).split('\n');
        for (qsizetype i = 1; i < lines.size(); ++i)
            if (!lines[i].trimmed().isEmpty())
                urls << QUrl::fromEncoded(lines[i].trimmed(), QUrl::StrictMode);
    }
    QStringList files;
    for (const QUrl& url : urls)
        if (url.isLocalFile())
            files << LocalFileOfUrl(url);
    return files;
}

QString LinkOfMimeData(const QMimeData& data) {
    for (const QUrl& url : data.urls())
        if (isStreamLink(url))
            return url.toString();
    const QString text = data.text().trimmed();
    if (!text.contains(QLatin1Char('\n')) && isStreamLink(QUrl(text, QUrl::StrictMode)))
        return text;
    return {};
}
