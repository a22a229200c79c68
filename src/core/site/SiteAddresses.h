#pragma once

#include <QString>

class OptionsStore;

// Addresses on the product web site. The bases are configuration: section SITE
// of "Options.ini", keys BASE (the site), BASE2 (its Chinese-language section,
// where the lyrics download and upload pages of the menu live) and LRCHOST (the
// host named in the site's "lrc://" links). Every page address is built here.
class SiteAddresses {
public:
    explicit SiteAddresses(const OptionsStore& store) : store_(store) {}

    QString SiteBase() const;           // absolute, ends with "/"
    QString SecondBase() const;         // absolute, ends with "/"
    QString LyricsDownloadHost() const; // host name only
    // The open lyrics database the built-in site searches (key LRCLIB), no "/" at the end.
    QString Lrclib() const;
    // True while BASE is left at its default: the player serves the site itself.
    bool BuiltinSite() const;

    QString Page(const QString& path) const { return SiteBase() + path; }
    QString SecondPage(const QString& path) const { return SecondBase() + path; }

    QString Index() const { return Page(QStringLiteral("index.php")); }
    QString About() const { return Page(QStringLiteral("aboutme.htm")); }
    QString Help() const { return Page(QStringLiteral("help/")); }
    // The key is inserted as it is, unencoded; an empty key gives the index page.
    QString LyricsSearch(const QString& key) const;
    QString LyricsIndexSecond() const { return SecondPage(QStringLiteral("lrcindex.php")); }
    QString LyricsUploadSecond() const { return SecondPage(QStringLiteral("upload/lrcupload.htm")); }
    QString LyricsDownload(const QString& query) const { return Page(QStringLiteral("downlrc.php?") + query); }
    QString DownloadFailed(const QString& text) const { return Page(QStringLiteral("status.php?result=") + text); }
    QString Skins() const { return Page(QStringLiteral("skins/")); }
    QString SkinUpload() const { return Page(QStringLiteral("skins/upload.htm")); }
    QString UpdateFile() const { return Page(QStringLiteral("update.inf")); }

    static const char* const kDefaultBase;
    static const char* const kDefaultSecondBase;
    static const char* const kDefaultLyricsHost;
    static const char* const kDefaultLrclib;

private:
    const OptionsStore& store_;
};
