#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class BuiltinSite;
class QNetworkAccessManager;
class QTemporaryDir;

// Downloads one lyrics file into a fresh private temporary folder (mode 0700,
// removed with the result). Only http, https and the built-in site are
// fetched; a built-in address is answered by the site itself without a
// network round trip. Lyrics are small: an answer past kMaxBytes or slower
// than the time limit fails.
class LyricsDownloader : public QObject {
    Q_OBJECT
public:
    struct Result {
        bool ok = false;
        QString file;                         // the downloaded file while `folder` lives
        std::shared_ptr<QTemporaryDir> folder; // removing it removes the file
    };
    using Callback = std::function<void(const Result&)>;

    static constexpr qint64 kMaxBytes = 4 * 1024 * 1024;

    LyricsDownloader(BuiltinSite& site, QByteArray userAgent, QObject* parent = nullptr);

    // `fileName` must already be a plain safe name (SafeLyricsFileName).
    void Download(const QUrl& url, const QString& fileName, Callback done);
    void SetTimeoutMs(int ms) { timeoutMs_ = ms; }

private:
    static Result store(const QString& fileName, const QByteArray& body);

    BuiltinSite& site_;
    QByteArray userAgent_;
    int timeoutMs_ = 20000;
    QNetworkAccessManager* network_;
};

// Runs the download of an "lrc:" link (the text after "lrc://"): the link's
// address is downloaded under its reduced file name. `saved` gets the file
// while it exists (it is removed afterwards); `failed` runs when the link is
// refused or the download fails.
void DownloadLyricsLink(LyricsDownloader& downloader, const QString& link,
                        std::function<void(const QString& file, const QString& name)> saved,
                        std::function<void()> failed);
