#pragma once

#include "LrclibTrack.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class LrclibClient;

// The lyrics site served by the player itself under "sorvi://site/". It
// answers every page path of the product site; its search asks LRCLIB and
// keeps the records it listed, so that their "lrc:" downloads are answered
// from memory.
class BuiltinSite : public QObject {
    Q_OBJECT
public:
    static const char* const kScheme; // "sorvi"
    static const char* const kBase;   // "sorvi://site/"

    struct Reply {
        bool ok = true;          // false: the address names nothing that can be served
        QByteArray mimeType;
        QByteArray body;
    };
    using Callback = std::function<void(const Reply&)>;

    struct Info {
        QString version;
        std::function<QStringList()> skins; // the skin files that ship with the player
    };

    BuiltinSite(LrclibClient& lrclib, Info info, QObject* parent = nullptr);

    // Answers an address of the built-in site, at once or when LRCLIB has answered.
    void Serve(const QUrl& url, Callback done);

    static bool IsBuiltin(const QUrl& url);

private:
    void serveSearch(const QString& key, Callback done);
    void serveLyricsFile(qint64 id, Callback done);

    LrclibClient& lrclib_;
    Info info_;
    QHash<qint64, LrclibTrack> listed_;
};

// The address the browser loads for `address`: one under one of `mountedBases`
// (the configured site addresses while they are left at their defaults) is
// moved onto the built-in site, and there the key of a search page, given
// unencoded, is percent-encoded whole so that "&", "#" and "+" stay part of it.
// Every other address is taken as it is, except a "javascript:" address
// (empty result: nothing is loaded).
QUrl SiteAddress(const QString& address, const QStringList& mountedBases);

// The search key of a built-in search address, decoded (a "+" from a form is a blank).
QString SearchKey(const QUrl& url);
