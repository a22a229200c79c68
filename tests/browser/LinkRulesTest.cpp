// The browser's link rules: which navigations run commands, load the downlrc
// page or download, and which file names a download may use.
#include "BuiltinSite.h"
#include "LinkRules.h"
#include "SitePages.h"

#include <gtest/gtest.h>

namespace {

const LinkContext kContext{"https://sorvi.example.net/", "sorvi://site/", "lrc.sorvi.example.net"};

TEST(LinkRules, InterceptionTable) {
    struct Case {
        const char* target;
        const char* origin;
        LinkDecision::Kind kind;
        const char* text;
    };
    const Case cases[] = {
        // Commands run only from the player's own site or the configured one, and only "#..." texts.
        {"kvscript:#Play", "sorvi://site/index.php", LinkDecision::Command, "#Play"},
        {"KVSCRIPT:#Skin,/x/y.eks", "https://SORVI.example.net/skins/", LinkDecision::Command, "#Skin,/x/y.eks"},
        {"kvscript:#Play", "https://evil.example.com/", LinkDecision::Ignore, ""},
        {"kvscript:#Play", "", LinkDecision::Ignore, ""},
        {"kvscript:/bin/sh", "sorvi://site/index.php", LinkDecision::Ignore, ""},
        {"kvscript:https://evil.example.com/", "sorvi://site/", LinkDecision::Ignore, ""},
        // A look-alike host that only begins like the site is another origin.
        {"kvscript:#Play", "https://sorvi.example.net.evil.com/", LinkDecision::Ignore, ""},
        {"lrc://LRC.sorvi.example.net/downlrc.php?id=5&x=1", "", LinkDecision::Downlrc, "id=5&x=1"},
        {"lrc://u=https://a.example/x.lrc&n=song.lrc/", "", LinkDecision::Download,
         "u=https://a.example/x.lrc&n=song.lrc/"},
        {"lrc:///u=sorvi://site/lrcfile.php?id=5&n=a.lrc", "", LinkDecision::Download,
         "/u=sorvi://site/lrcfile.php?id=5&n=a.lrc"},
        {"https://lrclib.net/", "sorvi://site/", LinkDecision::Proceed, ""},
        {"sorvi://site/help/", "", LinkDecision::Proceed, ""},
    };
    for (const Case& c : cases) {
        const LinkDecision d = ClassifyLink(QString::fromUtf8(c.target), QString::fromUtf8(c.origin), kContext);
        EXPECT_EQ(d.kind, c.kind) << c.target << " from " << c.origin;
        EXPECT_EQ(d.text, QString::fromUtf8(c.text)) << c.target;
    }
}

TEST(LinkRules, DownloadLinkParts) {
    const LrcLink link = ParseLrcLink("u=SOURCE&n=song.lrc/");
    EXPECT_EQ(link.url, "SOURCE");
    EXPECT_EQ(link.fileName, "song.lrc");
    const LrcLink encoded = ParseLrcLink("/u=sorvi://site/lrcfile.php?id=5&n=A%20%26%20B%2FC.lrc");
    EXPECT_EQ(encoded.url, "sorvi://site/lrcfile.php?id=5");
    EXPECT_EQ(encoded.fileName, "A & B/C.lrc"); // decoded; the safe-name rule removes the folder part
    EXPECT_TRUE(ParseLrcLink("nothing").url.isEmpty());
}

TEST(LinkRules, HostileFileNamesBecomePlainNamesOrAreRefused) {
    struct Case {
        QString given;
        QString expected; // empty: refused
    };
    const Case cases[] = {
        {"song.lrc", "song.lrc"},
        {"Song", "Song.lrc"},
        {"x.LRC", "x.lrc"},
        {"../../x", "x.lrc"},
        {"/etc/passwd", "passwd.lrc"},
        {"..\\..\\win.lrc", "win.lrc"},
        {"..", ""},
        {"...lrc", ""},
        {".hidden.lrc", "hidden.lrc"},
        {QString("a") + QChar(0) + "b\nc\r.lrc", "abc.lrc"},
        {"dir/", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SafeLyricsFileName(c.given), c.expected) << c.given.toStdString();

    const QString longName = SafeLyricsFileName(QString(5000, 'a'));
    EXPECT_LE(longName.size(), 120);
    EXPECT_TRUE(longName.endsWith(".lrc"));
    // A cut never leaves half of a character made of two UTF-16 units.
    const QString emoji = SafeLyricsFileName(QString("a") + QString::fromUtf8("\xF0\x9F\x8E\xB5").repeated(100));
    EXPECT_FALSE(emoji.chopped(4).back().isHighSurrogate());
}

TEST(LinkRules, OfferedNameKeepsAllOfATitleWithASlash) {
    LrclibTrack track;
    track.id = 7;
    track.artistName = "AC/DC";
    track.trackName = "Back\\Front";
    const LrcLink link = ParseLrcLink(QUrl(SitePages::DownloadLink(track, "sorvi://site/")).toString().mid(6));
    EXPECT_EQ(link.url, "sorvi://site/lrcfile.php?id=7");
    EXPECT_EQ(SafeLyricsFileName(link.fileName), "AC_DC-Back_Front.lrc");
}

TEST(LinkRules, OnlyWebAndBuiltinAddressesAreDownloaded) {
    EXPECT_TRUE(DownloadableUrl(QUrl("https://a.example/x.lrc"), "sorvi"));
    EXPECT_TRUE(DownloadableUrl(QUrl("http://127.0.0.1:8000/x"), "sorvi"));
    EXPECT_TRUE(DownloadableUrl(QUrl("sorvi://site/lrcfile.php?id=1"), "sorvi"));
    EXPECT_FALSE(DownloadableUrl(QUrl("file:///etc/passwd"), "sorvi"));
    EXPECT_FALSE(DownloadableUrl(QUrl("ftp://a.example/x"), "sorvi"));
    EXPECT_FALSE(DownloadableUrl(QUrl("SOURCE"), "sorvi"));
}

TEST(SiteAddress, DefaultSiteIsServedByThePlayerWithTheKeyKeptWhole) {
    const QStringList mounted{"https://sorvi.example.net/", "https://sorvi.example.net/cn/"};
    EXPECT_EQ(SiteAddress("https://sorvi.example.net/help/", mounted), QUrl("sorvi://site/help/"));
    // The second section has the same pages.
    EXPECT_EQ(SiteAddress("https://sorvi.example.net/cn/lrcindex.php", mounted), QUrl("sorvi://site/lrcindex.php"));
    const QUrl search = SiteAddress("https://sorvi.example.net/lrcsearch.php?key=AC&DC #1 + more", mounted);
    EXPECT_EQ(SearchKey(search), "AC&DC #1 + more");
    EXPECT_TRUE(search.fragment().isEmpty());
    // A form submits blanks as "+".
    EXPECT_EQ(SearchKey(QUrl("sorvi://site/lrcsearch.php?key=sun+song")), "sun song");
    // Script addresses are not loaded: they would run inside the page shown, the player's own site included.
    EXPECT_TRUE(SiteAddress("javascript:location.href='kvscript:#Exit'", mounted).isEmpty());
    EXPECT_TRUE(SiteAddress(" JavaScript:alert(1)", mounted).isEmpty());
    // Another site is left alone, key and all.
    EXPECT_EQ(SiteAddress("https://other.example/lrcsearch.php?key=a&b", mounted).toString(),
              "https://other.example/lrcsearch.php?key=a&b");
}

} // namespace
