#include "SitePages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace SitePages {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("SitePages", text);
}

QByteArray page(const QString& title, const QString& body) {
    const QString html =
        QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>\n"
                       "<style>body{font-family:sans-serif;margin:1.5em;max-width:50em}"
                       "nav a{margin-right:1em}table{border-collapse:collapse}"
                       "td,th{padding:.2em .6em;text-align:left;border-bottom:1px solid #ccd}"
                       "code{background:#eef}</style></head>\n<body>\n"
                       "<nav><a href=\"index.php\">%2</a><a href=\"lrcindex.php\">%3</a>"
                       "<a href=\"skins/\">%4</a><a href=\"help/\">%5</a><a href=\"aboutme.htm\">%6</a></nav>\n"
                       "<h1>%1</h1>\n%7\n</body></html>\n")
            .arg(Escape(title), tr("Home"), tr("Lyrics"), tr("Skins"), tr("Help"), tr("About"), body);
    return html.toUtf8();
}

// Pages below a folder ("help/", "skins/") refer to the site's root one level up.
QByteArray subPage(const QString& title, const QString& body) {
    QByteArray html = page(title, body);
    html.replace("<nav><a href=\"", "<base href=\"../\"><nav><a href=\"");
    return html;
}

QString searchFormHtml(const QString& key) {
    return QStringLiteral("<form action=\"lrcsearch.php\" method=\"get\">"
                          "<input type=\"text\" name=\"key\" size=\"40\" value=\"%1\" autofocus> "
                          "<input type=\"submit\" value=\"%2\"></form>\n")
        .arg(Escape(key), tr("Search"));
}

struct CommandHelp {
    const char* name;
    const char* argument;
    const char* text;
};

// The command vocabulary with what each argument means.
const CommandHelp kCommands[] = {
    {"#Play", "[file]", QT_TRANSLATE_NOOP("SitePages", "Plays the current song or resumes it; with a file, plays that file.")},
    {"#Pause", "", QT_TRANSLATE_NOOP("SitePages", "Pauses or resumes playback.")},
    {"#PlayPause", "", QT_TRANSLATE_NOOP("SitePages", "Pauses while playing, plays otherwise.")},
    {"#Stop", "", QT_TRANSLATE_NOOP("SitePages", "Stops playback.")},
    {"#PlayStop", "", QT_TRANSLATE_NOOP("SitePages", "Stops while playing, plays otherwise.")},
    {"#Next", "", QT_TRANSLATE_NOOP("SitePages", "Plays the next song.")},
    {"#Prev", "", QT_TRANSLATE_NOOP("SitePages", "Plays the previous song.")},
    {"#Forward", "[seconds]", QT_TRANSLATE_NOOP("SitePages", "Seeks forward (5 seconds without argument).")},
    {"#Rewind", "[seconds]", QT_TRANSLATE_NOOP("SitePages", "Seeks back (5 seconds without argument).")},
    {"#SoundUp", "", QT_TRANSLATE_NOOP("SitePages", "Raises the volume one step.")},
    {"#SoundDown", "", QT_TRANSLATE_NOOP("SitePages", "Lowers the volume one step.")},
    {"#Silent", "", QT_TRANSLATE_NOOP("SitePages", "Mutes or unmutes.")},
    {"#Shuffle", "[0|1]", QT_TRANSLATE_NOOP("SitePages", "Shuffle mode: toggles, or sets off (0) or on (1).")},
    {"#Repeat", "[0|1]", QT_TRANSLATE_NOOP("SitePages", "Repeat mode, like #Shuffle.")},
    {"#Time", "[0|1]", QT_TRANSLATE_NOOP("SitePages", "Shows elapsed or remaining time, like #Shuffle.")},
    {"#OnTop", "[0|1]", QT_TRANSLATE_NOOP("SitePages", "Keeps the player above other windows, like #Shuffle.")},
    {"#Only", "[0|1]", QT_TRANSLATE_NOOP("SitePages", "Stops after the current song, like #Shuffle.")},
    {"#OpenFile", "[file]", QT_TRANSLATE_NOOP("SitePages", "Adds files to the play list and plays the first; without argument, asks for files. Giving files to the program (sorvi a.mp3 b.mp3) does the same.")},
    {"#URL", "", QT_TRANSLATE_NOOP("SitePages", "Opens the window for adding a stream address.")},
    {"#List", "", QT_TRANSLATE_NOOP("SitePages", "Shows or hides the play list.")},
    {"#Lyrics", "", QT_TRANSLATE_NOOP("SitePages", "Shows the lyrics window.")},
    {"#ID3", "[file|SelectLyrics]", QT_TRANSLATE_NOOP("SitePages", "Opens the tag window of a file, or of the current song.")},
    {"#EditLrc", "[file]", QT_TRANSLATE_NOOP("SitePages", "Opens the lyrics editor, optionally on a lyrics file.")},
    {"#Display", "[DblClick]", QT_TRANSLATE_NOOP("SitePages", "Shows or hides the display window.")},
    {"#Skin", "[file]", QT_TRANSLATE_NOOP("SitePages", "Opens the skin manager, or loads the given skin file.")},
    {"#SwitchSmall", "", QT_TRANSLATE_NOOP("SitePages", "Switches between the full and the small skin.")},
    {"#Extract", "", QT_TRANSLATE_NOOP("SitePages", "Opens or closes the skin's sliding panel.")},
    {"#Menu", "", QT_TRANSLATE_NOOP("SitePages", "Opens the player's menu.")},
    {"#WorkForm", "", QT_TRANSLATE_NOOP("SitePages", "Opens the tool window.")},
    {"#FileManage", "", QT_TRANSLATE_NOOP("SitePages", "Opens the file manager.")},
    {"#Search", "", QT_TRANSLATE_NOOP("SitePages", "Opens the song search.")},
    {"#Setup", "", QT_TRANSLATE_NOOP("SitePages", "Opens the options.")},
    {"#Minimize", "", QT_TRANSLATE_NOOP("SitePages", "Minimises the player.")},
    {"#Normal", "", QT_TRANSLATE_NOOP("SitePages", "Restores the player and brings it to the front.")},
    {"#Searchlrc", "[key]", QT_TRANSLATE_NOOP("SitePages", "Searches lyrics for the key in the browser; without key, the lyrics search form.")},
    {"#Explorer", "[address]", QT_TRANSLATE_NOOP("SitePages", "Opens the browser on an address, or on the site's home page.")},
    {"#About", "", QT_TRANSLATE_NOOP("SitePages", "Shows the About page.")},
    {"#Help", "", QT_TRANSLATE_NOOP("SitePages", "Shows this manual.")},
    {"#CheckLink", "", QT_TRANSLATE_NOOP("SitePages", "Checks the player's file associations.")},
    {"#CheckUpdate", "", QT_TRANSLATE_NOOP("SitePages", "Checks for a newer version.")},
    {"#CreateShortcut", "", QT_TRANSLATE_NOOP("SitePages", "Puts the player in the applications menu and on the desktop.")},
    {"#Exit", "", QT_TRANSLATE_NOOP("SitePages", "Closes the player.")},
};

} // namespace

QString Escape(const QString& text) {
    return text.toHtmlEscaped();
}

QByteArray Index() {
    return page(tr("Sorvi Audio Player"),
                QStringLiteral("<p>%1</p>\n%2<ul><li><a href=\"help/\">%3</a></li>"
                               "<li><a href=\"skins/\">%4</a></li>"
                               "<li><a href=\"kvscript:#Lyrics\">%5</a></li></ul>\n")
                    .arg(tr("Find the lyrics of your songs: type an artist or a title."), searchFormHtml(QString()),
                         tr("How to use the player"), tr("Skins"), tr("Show the lyrics window")));
}

QByteArray SearchForm(const QString& key) {
    return page(tr("Lyrics search"),
                QStringLiteral("<p>%1</p>\n%2").arg(tr("Search the open lyrics database LRCLIB."),
                                                      searchFormHtml(key)));
}

QString OfferedFileName(const LrclibTrack& track) {
    // A slash in a name ("AC/DC") would make the download keep only what follows it.
    auto plain = [](QString text) {
        text = text.trimmed();
        text.replace(QLatin1Char('/'), QLatin1Char('_'));
        text.replace(QLatin1Char('\\'), QLatin1Char('_'));
        return text;
    };
    const QString title = plain(track.trackName);
    const QString artist = plain(track.artistName);
    return (artist.isEmpty() ? title : artist + QLatin1Char('-') + title) + QStringLiteral(".lrc");
}

QString DownloadLink(const LrclibTrack& track, const QString& siteBase) {
    // The file name is percent-encoded so that "/", "&" and "=" in a title
    // cannot end it early; the download decodes it again.
    return QStringLiteral("lrc:///u=%1lrcfile.php?id=%2&n=%3")
        .arg(siteBase, QString::number(track.id),
             QString::fromLatin1(QUrl::toPercentEncoding(OfferedFileName(track))));
}

QByteArray SearchResults(const QString& key, const QList<LrclibTrack>& tracks, const QString& siteBase) {
    const QList<LrclibTrack> listed = OrderForListing(tracks);
    QString body = searchFormHtml(key);
    if (listed.isEmpty()) {
        body += QStringLiteral("<p class=\"none\">%1</p>\n").arg(tr("No lyrics found."));
        return page(tr("Lyrics search"), body);
    }
    body += QStringLiteral("<table class=\"results\">\n<tr><th>%1</th><th>%2</th><th>%3</th><th>%4</th>"
                           "<th>%5</th><th></th></tr>\n")
                .arg(tr("Artist"), tr("Title"), tr("Album"), tr("Length"), tr("Lyrics"));
    for (const LrclibTrack& t : listed) {
        body += QStringLiteral("<tr class=\"match\"><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td>"
                               "<td><a href=\"%6\">%7</a></td></tr>\n")
                    .arg(Escape(t.artistName), Escape(t.trackName), Escape(t.albumName), TrackLength(t.duration),
                         t.synced() ? tr("synced") : tr("text only"), Escape(DownloadLink(t, siteBase)),
                         tr("Download"));
    }
    body += QStringLiteral("</table>\n");
    return page(tr("Lyrics search"), body);
}

QByteArray SearchFailed(const QString& key, const QString& error) {
    return page(tr("Lyrics search"),
                searchFormHtml(key) + QStringLiteral("<p class=\"error\">%1 %2</p>\n")
                                          .arg(tr("The lyrics service could not be asked:"), Escape(error)));
}

QByteArray AboutPage(const About& about) {
    return page(tr("About"),
                QStringLiteral("<p><b>Sorvi Audio Player</b> %1 %2</p>\n<p>%3</p>\n<p>%4</p>\n<ul>"
                               "<li>Qt %5 (LGPL 3)</li><li>Qt WebEngine</li><li>libmpg123 (LGPL 2.1)</li>"
                               "<li>libpulse (LGPL 2.1)</li><li>libcurl (curl licence)</li>"
                               "<li>TagLib (LGPL 2.1)</li><li>libsndfile (LGPL 2.1)</li></ul>\n"
                               "<p>%6 <a href=\"https://lrclib.net\">LRCLIB</a>.</p>\n")
                    .arg(tr("version"), Escape(about.version), tr("Licence: GNU General Public License, version 3 or later."),
                         tr("It uses these libraries:"), Escape(about.qtVersion), tr("Lyrics come from")));
}

QByteArray Help() {
    QString body;
    body += QStringLiteral("<h2>%1</h2>\n<p>%2</p>\n<p>%3</p>\n")
                .arg(tr("Using the player"),
                     tr("Drop songs or folders on the player, or open them from its menu (right click). "
                        "The skin's buttons play, pause, stop and step through the play list; the lyrics "
                        "window shows the current song's lyrics and scrolls them in time."),
                     tr("Lyrics are looked up in the folder Lyrics/: a file named like the song with "
                        "\".lrc\", the name bound in the song's tag, artist-album-title.lrc, album-title.lrc, "
                        "artist-title.lrc or title.lrc. The lyrics window's Download button searches this site; "
                        "a downloaded file can be bound to the playing song."));
    body += QStringLiteral("<h2>%1</h2>\n<p>%2</p>\n<table>\n")
                .arg(tr("Commands"),
                     tr("Every action is a command. Run one from a shell or a desktop shortcut with "
                        "<code>sorvi --command \"#Next\"</code>; an argument follows a comma: "
                        "<code>sorvi --command \"#Forward,30\"</code>."));
    for (const CommandHelp& c : kCommands) {
        const QString argument = *c.argument ? QStringLiteral(",") + QString::fromLatin1(c.argument) : QString();
        body += QStringLiteral("<tr><td><code>%1%2</code></td><td>%3</td></tr>\n")
                    .arg(QString::fromLatin1(c.name), Escape(argument), tr(c.text));
    }
    body += QStringLiteral("</table>\n");
    body += QStringLiteral("<h2>%1</h2>\n<ul>"
                           "<li><code>Options.ini</code> — %2</li><li><code>default.lst</code> — %3</li>"
                           "<li><code>count</code> — %4</li><li><code>Lyrics/</code> — %5</li>"
                           "<li><code>Skins/</code> — %6</li><li><code>Plusin/</code> — %7</li>"
                           "<li><code>mpeg.so</code> — %8</li></ul>\n")
                .arg(tr("The program folder"), tr("the settings"), tr("the play list and your categories"),
                     tr("play counts for the top ten"), tr("lyrics files (.lrc)"), tr("skins (.eks)"),
                     tr("plug-ins (.so)"), tr("the decoder, written out again when missing"));
    body += QStringLiteral("<h2>%1</h2>\n<p>%2</p>\n")
                .arg(tr("Making skins"),
                     tr("A skin is one .eks file: pictures for the main window, the small window, the play list "
                        "and the lyrics window, and a text that places buttons, sliders, text fields and "
                        "indicators on them and names the command each button runs. Build one with the skin "
                        "compiler from a folder of pictures and a layout file (see the skins folder of the "
                        "source for an example), put it into Skins/ and choose it in the skin manager."));
    return subPage(tr("Help"), body);
}

QByteArray Skins(const QStringList& skins) {
    QString body;
    if (skins.isEmpty())
        body = QStringLiteral("<p>%1</p>\n").arg(tr("No skins ship with this player."));
    else
        body = QStringLiteral("<ul>\n");
    for (const QString& path : skins) {
        body += QStringLiteral("<li>%1 <a href=\"%2\">%3</a></li>\n")
                    .arg(Escape(QFileInfo(path).completeBaseName()),
                         Escape(QStringLiteral("kvscript:#Skin,") + path), tr("Install"));
    }
    if (!skins.isEmpty())
        body += QStringLiteral("</ul>\n");
    return subPage(tr("Skins"), body);
}

QByteArray Status(const QString& result) {
    const QString text = result.isEmpty() ? tr("The file cannot be downloaded.") : result;
    return page(tr("Download"), QStringLiteral("<p class=\"status\">%1</p>\n").arg(Escape(text)));
}

QByteArray Downlrc(const QString& query, const QString& siteBase) {
    // "id=<number>" names a record of the lyrics database.
    const QString id = query.section(QLatin1String("id="), 1, 1).section(QLatin1Char('&'), 0, 0);
    bool ok = false;
    const qint64 number = id.toLongLong(&ok);
    if (!ok)
        return page(tr("Download"), QStringLiteral("<p>%1</p>\n").arg(tr("No such lyrics.")));
    // The page leads straight on to its download link.
    const QString link = Escape(QStringLiteral("lrc:///u=%1lrcfile.php?id=%2&n=%2.lrc").arg(siteBase).arg(number));
    return page(tr("Download"), QStringLiteral("<meta http-equiv=\"refresh\" content=\"0;url=%1\">\n"
                                               "<p><a href=\"%1\">%2</a></p>\n")
                                    .arg(link, tr("Download")));
}

QByteArray Upload() {
    return subPage(tr("Upload"),
                   QStringLiteral("<p>%1 <a href=\"https://lrclib.net\">LRCLIB</a>.</p>\n")
                       .arg(tr("Lyrics are shared through the open lyrics database")));
}

QByteArray NotFound(const QString& path) {
    return page(tr("Not found"), QStringLiteral("<p>%1 %2</p>\n").arg(tr("There is no page"), Escape(path)));
}

QByteArray UpdateInf(const QString& version) {
    // The date is the player's own release date, so a player reading its own
    // site finds nothing newer.
    return QStringLiteral("[update]\ndate=2002-10-8\npage=index.php\nversion=%1\n").arg(version).toUtf8();
}

} // namespace SitePages
