#pragma once

#include <QString>
#include <QUrl>

// What the browser does with a navigation, decided from the target address
// as text and the address of the page that asked for it.
struct LinkDecision {
    enum Kind {
        Proceed,  // an ordinary page: let the browser load it
        Command,  // "kvscript:#...": run `text` as a player command
        Downlrc,  // "lrc://<host>/downlrc.php?q": load the site's downlrc page with query `text`
        Download, // "lrc://...": download the lyrics link `text` (the part after "//")
        Ignore,   // cancelled, nothing happens
    };
    Kind kind = Proceed;
    QString text;
};

// The addresses the rules compare with.
struct LinkContext {
    QString siteBase;     // the configured site, ends with "/"
    QString builtinBase;  // the site served by the player itself, ends with "/"
    QString downloadHost; // host named in the site's "lrc://" links to downlrc.php
};

// The interception order: "kvscript", then "lrc://<host>/downlrc.php", then
// "lrc:" + "//", else the navigation goes ahead. A "kvscript" link runs only a
// command beginning with "#" (any other text would be handed to the desktop to
// open) and only from a page of the built-in site or of the configured site.
LinkDecision ClassifyLink(const QString& target, const QString& origin, const LinkContext& context);

// The two parts of a download link "name=URL&name=file": the URL between the
// first "=" and the first "&", the file name after the next "=" up to its
// first "/" (a "/" appended by the browser is dropped).
struct LrcLink {
    QString url;
    QString fileName;
};
LrcLink ParseLrcLink(const QString& rest);

// A plain file name for a downloaded lyrics file: only the last path part,
// no control characters, no names made of dots, at most 120 characters, ending
// with ".lrc". Empty when nothing usable is left (the download is refused).
QString SafeLyricsFileName(const QString& name);

// Only these addresses are downloaded: http, https and the built-in site's scheme.
bool DownloadableUrl(const QUrl& url, const QString& builtinScheme);
