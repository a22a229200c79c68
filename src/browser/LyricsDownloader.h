#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QTemporaryDir;

// Downloads one lyrics file into a fresh private temporary folder (mode 0700,
// removed with the result). Only http, https and the built-in site are
// fetched; a built-in address is answered by the site itself without a
// network round trip. Lyrics are small: an answer past kMaxBytes or slower
// than the time limit fails. The downloader lives in the network module
// (NetModuleApi.h), loaded on first use.
class LyricsDownloader {
public:
    struct Result {
        bool ok = false;
        QString file;                         // the downloaded file while `folder` lives
        std::shared_ptr<QTemporaryDir> folder; // removing it removes the file
    };
    using Callback = std::function<void(const Result&)>;

    static constexpr qint64 kMaxBytes = 4 * 1024 * 1024;

    virtual ~LyricsDownloader() = default;

    // `fileName` must already be a plain safe name (SafeLyricsFileName).
    virtual void Download(const QUrl& url, const QString& fileName, Callback done) = 0;
    virtual void SetTimeoutMs(int ms) = 0;
};

// Runs the download of an "lrc:" link (the text after "lrc://"): the link's
// address is downloaded under its reduced file name. `saved` gets the file
// while it exists (it is removed afterwards); `failed` runs when the link is
// refused or the download fails.
void DownloadLyricsLink(LyricsDownloader& downloader, const QString& link,
                        std::function<void(const QString& file, const QString& name)> saved,
                        std::function<void()> failed);
