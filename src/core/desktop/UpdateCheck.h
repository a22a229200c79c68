#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QUrl>
#include <optional>

// Fetches small text files over HTTP. The player's comes from the network
// module (NetModuleApi.h), loaded on first use.
class TextFetcher {
public:
    virtual ~TextFetcher() = default;
    // Nothing when the server cannot be reached, answers with an error, sends
    // more than `maxBytes`, sends a NUL byte (not text) or has not finished
    // within `timeoutMs`. Waits in a local event loop that leaves user input
    // alone.
    virtual std::optional<QByteArray> FetchSmallTextFile(const QUrl& url, qint64 maxBytes, int timeoutMs) = 0;
};

// What the site's "update.inf" says: [update] date and page.
struct UpdateInfo {
    QDate date; // invalid when missing or unreadable
    QString page;
};
UpdateInfo ReadUpdateInfo(const QByteArray& bytes);

// A short date as the site writes it: year first ("2002-10-8", "2002/10/08",
// "2002.10.8"); anything else is invalid.
QDate ReadShortDate(const QString& text);

// The release date of this player, which the listed date must pass.
QDate ReleaseDate();
