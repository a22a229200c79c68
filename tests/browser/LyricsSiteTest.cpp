// The lyrics site the player serves itself, against a stand-in LRCLIB on
// loopback: its pages, the "lrc:" downloads and saving them into "Lyrics/".
#include "BuiltinSite.h"
#include "DialogLayer.h"
#include "FakeLrclib.h"
#include "LinkRules.h"
#include "LrcParser.h"
#include "HttpLrclibClient.h"
#include "LyricsAutoFetch.h"
#include "HttpLyricsDownloader.h"
#include "LyricsSaveFlow.h"
#include "ProgramFolder.h"
#include "SitePages.h"
#include "SongTag.h"
#include "TCommandDispatcher.h"
#include "TPlay.h"
#include "TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

const QByteArray kAgent = "Sorvi Audio Player/9.9";

struct LyricsSite : ::testing::Test {
    TempHome home;
    std::unique_ptr<FakeLrclib> lrclib = std::make_unique<FakeLrclib>();
    HttpLrclibClient client{lrclib->base(), kAgent};
    BuiltinSite site{client, {"9.9", [] { return QStringList{"/opt/skins/Blue.eks"}; }}};
    HttpLyricsDownloader downloader{site, kAgent};

    void SetUp() override { ASSERT_TRUE(lrclib->running()); }

    QString serve(const QUrl& url) {
        std::optional<BuiltinSite::Reply> reply;
        site.Serve(url, [&reply](const BuiltinSite::Reply& r) { reply = r; });
        EXPECT_TRUE(WaitFor([&] { return reply.has_value(); }, 10000)) << url.toString().toStdString();
        return reply ? QString::fromUtf8(reply->body) : QString();
    }
    QString search(const QString& key) { return serve(QUrl("sorvi://site/lrcsearch.php?key=" + QUrl::toPercentEncoding(key))); }

    // Runs an "lrc:" link's download; the saved file's bytes, or nothing when it failed.
    std::optional<QByteArray> download(const QString& link, QString* name = nullptr, QString* file = nullptr) {
        bool done = false;
        std::optional<QByteArray> bytes;
        DownloadLyricsLink(
            downloader, link,
            [&](const QString& f, const QString& n) {
                QFile in(f);
                EXPECT_TRUE(in.open(QIODevice::ReadOnly));
                bytes = in.readAll();
                if (name)
                    *name = n;
                if (file)
                    *file = f;
                EXPECT_EQ(QFileInfo(QFileInfo(f).path()).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0)
                    << "the temporary folder is private";
                done = true;
            },
            [&] { done = true; });
        EXPECT_TRUE(WaitFor([&] { return done; }, 10000)) << link.toStdString();
        return bytes;
    }
};

TEST_F(LyricsSite, SearchListsMatchesWithLyricsSyncedFirstAndNamesThePlayer) {
    const QString page = search("sun");
    const qsizetype synced1 = page.indexOf("lrcfile.php?id=12");
    const qsizetype synced2 = page.indexOf("lrcfile.php?id=14");
    const qsizetype plain = page.indexOf("lrcfile.php?id=11");
    ASSERT_GE(synced1, 0);
    ASSERT_GE(synced2, 0);
    ASSERT_GE(plain, 0);
    EXPECT_LT(synced1, synced2); // the service's order among equals
    EXPECT_LT(synced2, plain);
    EXPECT_FALSE(page.contains("Instrumental Sun")); // nothing to download
    EXPECT_TRUE(page.contains("<td>Tone Makers</td><td>Sun Song</td><td>Daylight</td><td>3:05</td>"));
    EXPECT_TRUE(page.contains("Sun &amp; Moon #1")); // escaped
    EXPECT_EQ(lrclib->fetch("/last-agent"), kAgent);
}

TEST_F(LyricsSite, EveryFailedSearchEndsOnAPage) {
    client.SetTimeoutMs(700);
    EXPECT_TRUE(search("empty").contains("No lyrics found."));
    for (const char* key : {"error", "junk", "stall"})
        EXPECT_TRUE(search(key).contains("class=\"error\"")) << key;
}

TEST_F(LyricsSite, KeyWithAmpersandAndHashStillFinds) {
    const QStringList mounted{"https://sorvi.example.net/"};
    const QString page = serve(SiteAddress("https://sorvi.example.net/lrcsearch.php?key=Sun & Moon #1", mounted));
    EXPECT_TRUE(page.contains("lrcfile.php?id=14"));
    EXPECT_FALSE(page.contains("lrcfile.php?id=12"));
}

TEST_F(LyricsSite, OtherPages) {
    EXPECT_TRUE(serve(QUrl("sorvi://site/aboutme.htm")).contains("9.9"));
    EXPECT_TRUE(serve(QUrl("sorvi://site/skins/")).contains("kvscript:#Skin,/opt/skins/Blue.eks"));
    EXPECT_TRUE(serve(QUrl("sorvi://site/status.php?result=%E6%96%87%E4%BB%B6%E6%97%A0%E6%B3%95%E4%B8%8B%E8%BD%BD"))
                    .contains(QString::fromUtf8("文件无法下载")));
    EXPECT_TRUE(serve(QUrl("sorvi://site/update.inf")).contains("[update]"));
    EXPECT_TRUE(serve(QUrl("sorvi://site/downlrc.php?id=12")).contains("lrc:///u=sorvi://site/lrcfile.php?id=12"));
    EXPECT_TRUE(serve(QUrl("sorvi://site/cn/lrcindex.php")).contains("action=\"lrcsearch.php\""));
    // The manual names every command a user can run (the status notice is internal).
    const QString help = serve(QUrl("sorvi://site/help/")).toUpper();
    for (const QString& name : TCommandDispatcher::Vocabulary()) {
        if (name != "#PLAYSTATUSCHANGED") {
            EXPECT_TRUE(help.contains("<CODE>" + name)) << name.toStdString();
        }
    }
}

TEST_F(LyricsSite, ListedLyricsAreDownloadedWithoutTheNetwork) {
    search("sun");
    LrclibTrack track;
    track.id = 12;
    track.artistName = "Tone Makers";
    track.trackName = "Sun Song";
    const QString link = SitePages::DownloadLink(track, BuiltinSite::kBase);
    lrclib.reset(); // the service is gone: the listed record is served from memory
    const LinkDecision d = ClassifyLink(QUrl(link).toString(), "sorvi://site/lrcsearch.php?key=sun", {});
    ASSERT_EQ(d.kind, LinkDecision::Download);
    QString name;
    const auto bytes = download(d.text, &name);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(name, "Tone Makers-Sun Song.lrc");
    TLrcRec rec;
    ParseLrcBytes(*bytes, rec);
    ASSERT_EQ(rec.Count, 2);
    EXPECT_EQ(rec.Times[0], 10);
    EXPECT_EQ(rec.Times[1], 45);
    EXPECT_EQ(rec.Lines[1], "Second line of the sun");
    EXPECT_TRUE(bytes->startsWith("[ar:Tone Makers]\n[ti:Sun Song]\n"));
}

TEST_F(LyricsSite, HostileOrFailingDownloadsLandAsPlainNamesOrFail) {
    downloader.SetTimeoutMs(700);
    const QString record = lrclib->base() + "/api/get/12";
    struct Case {
        QString link;
        QString name; // empty: the download fails
    };
    const Case cases[] = {
        {"u=" + record + "&n=../../x", ""}, // cut at its first "/": ".." is no name
        {"u=" + record + "&n=..%2F..%2Fx", "x.lrc"},
        {"u=" + record + "&n=%2Fetc%2Fpasswd", "passwd.lrc"},
        {"u=" + record + "&n=a%00b%0Ac", "abc.lrc"},
        {"u=" + record + "&n=" + QString(5000, 'n'), QString(116, 'n') + ".lrc"},
        {"u=" + record + "&n=..", ""},
        {"u=file:///etc/passwd&n=p.lrc", ""},
        {"u=" + lrclib->base() + "/big&n=big.lrc", ""},                 // past the size cap
        {"u=" + lrclib->base() + "/api/search?q=stall&n=s.lrc", ""},    // no answer in time
        {"u=" + lrclib->base() + "/api/get/999&n=missing.lrc", ""},     // 404
        {"u=sorvi://site/lrcfile.php?id=999&n=gone.lrc", ""},           // built-in, unknown record
    };
    for (const Case& c : cases) {
        QString name;
        QString file;
        const auto bytes = download(c.link, &name, &file);
        EXPECT_EQ(bytes.has_value(), !c.name.isEmpty()) << c.link.left(80).toStdString();
        if (!bytes)
            continue;
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(QFileInfo(file).fileName(), c.name);
        EXPECT_FALSE(QFileInfo::exists(file)) << "the temporary file goes with its folder";
    }
}

// Saving a downloaded file through the scripted dialogs, and binding it to the playing song.
struct SavingLyrics : LyricsSite {
    TPlay play;
    QString song;
    QStringList messages;
    QString saveAnswer; // "" cancels; relative names are made absolute in the lyrics folder
    int answer = MsgBox::IdOk;
    int reloads = 0;
    QString startPath;

    void SetUp() override {
        LyricsSite::SetUp();
        song = home.write("Music/track01.mp3", QByteArray(2000, '\x01'));
        TPlayItem& current = play.Current();
        current.FileName = song;
        SetTagText(current.Tag.Title, "Sun Song");
        SetTagText(current.Tag.Artist, "Tone Makers");
        current.TagRead = true;
    }
    QString save(const QByteArray& lrc, const QString& offered) {
        const QString file = home.write("download/" + offered, lrc);
        LyricsSavePorts ports{
            play,
            LyricsFolder(),
            [this](const QString&, const QString& start, const QString&) {
                startPath = start;
                return saveAnswer.isEmpty() ? QString() : LyricsFolder() + saveAnswer;
            },
            [this](const QString& text, int) {
                messages << text;
                return answer;
            },
            [this] { ++reloads; },
        };
        return SaveDownloadedLyrics(file, offered, ports);
    }
};

TEST_F(SavingLyrics, SavedUnderAnotherNameAndBoundWritesTheLyricsBlock) {
    saveAnswer = "mine";
    const QString saved = save("[00:01.00]x\n", "Tone Makers-Sun Song.lrc");
    EXPECT_EQ(startPath, LyricsFolder() + "Tone Makers-Sun Song.lrc");
    EXPECT_EQ(saved, LyricsFolder() + "mine.lrc"); // ".lrc" added
    EXPECT_EQ(home.read("Lyrics/mine.lrc"), "[00:01.00]x\n");
    EXPECT_EQ(messages, (QStringList{"Download lyrics complete.", "Set downloaded lyrics file to current lyrics?"}));
    EXPECT_EQ(reloads, 1);
    play.WritePendingTags();
    const QByteArray bytes = home.read("Music/track01.mp3");
    ASSERT_EQ(bytes.size(), 2000 + 164);
    EXPECT_EQ(bytes.mid(2000, 6), "LYRICS");
    EXPECT_EQ(bytes.mid(2006, 30), QByteArray("mine.lrc").leftJustified(30, '\0'));
    EXPECT_EQ(bytes.mid(2036, 3), "TAG");
    EXPECT_EQ(bytes.mid(2039, 8), "Sun Song"); // the other fields stay
    EXPECT_EQ(bytes.mid(2069, 11), "Tone Makers");
}

TEST_F(SavingLyrics, NoBindingQuestionWhenTheLookupFindsTheFileAndNothingOnCancel) {
    saveAnswer = "Tone Makers-Sun Song.lrc";
    EXPECT_FALSE(save("[00:01.00]x\n", "Tone Makers-Sun Song.lrc").isEmpty());
    EXPECT_EQ(messages, QStringList{"Download lyrics complete."});
    EXPECT_TRUE(play.PendingTags().isEmpty());

    messages.clear();
    saveAnswer.clear();
    EXPECT_TRUE(save("[00:02.00]y\n", "other.lrc").isEmpty());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(QFile::exists(LyricsFolder() + "other.lrc"));
    EXPECT_EQ(home.read("Music/track01.mp3").size(), 2000);
}

TEST_F(SavingLyrics, DeclinedBindingKeepsTheSongAndANameTooLongForTheTagIsNotBound) {
    saveAnswer = "mine.lrc";
    answer = MsgBox::IdCancel;
    save("[00:01.00]x\n", "a.lrc");
    EXPECT_TRUE(play.PendingTags().isEmpty());

    answer = MsgBox::IdOk;
    messages.clear();
    saveAnswer = QString(40, 'l') + ".lrc";
    save("[00:01.00]x\n", "a.lrc");
    EXPECT_TRUE(play.PendingTags().isEmpty());
    ASSERT_EQ(messages.size(), 3);
    EXPECT_TRUE(messages[2].contains("too long"));
}

} // namespace

namespace {

// Fetching lyrics when a song starts without any.
struct AutoFetch : LyricsSite {
    LyricsAutoFetch fetch{client};
    TLyricsSong song{"/music/Track 01.mp3", "Sun Song", "Tone Makers", "Daylight", ""};

    // The saved path, or empty when nothing was saved within a few seconds.
    QString run(const TLyricsSong& s, int seconds = 185) {
        QString saved;
        fetch.Fetch(s, seconds, LyricsFolder(), [&saved](const QString& path) { saved = path; });
        WaitFor([&saved] { return !saved.isEmpty(); }, 1500);
        return saved;
    }
};

TEST_F(AutoFetch, SyncedMatchIsSavedUnderTheFirstLookupNameAndFound) {
    const QString saved = run(song);
    ASSERT_EQ(saved, LyricsFolder() + "Track 01.lrc");
    EXPECT_EQ(LyricsCandidates(song).first(), "track 01.lrc");
    EXPECT_EQ(FindLyricsFile(song, LyricsFolder()), saved);
    TLrcRec rec;
    ASSERT_TRUE(LoadLrcFile(saved, rec));
    EXPECT_EQ(rec.Count, 2);
    EXPECT_EQ(lrclib->fetch("/last-agent"), kAgent);
}

TEST_F(AutoFetch, NothingIsSavedOnFailuresStaleAnswersOrAnExistingFile) {
    TLyricsSong plainOnly = song;
    plainOnly.Artist = "Plain Band";
    TLyricsSong unknown = song;
    unknown.Title = "No Such Song";
    TLyricsSong untitled = song;
    untitled.Title.clear();
    for (const TLyricsSong& s : {plainOnly, unknown, untitled})
        EXPECT_TRUE(run(s).isEmpty()) << s.Artist.toStdString() << " " << s.Title.toStdString();
    EXPECT_TRUE(run(song, 0).isEmpty()); // length not known

    // The song changed before the answer came.
    QString saved;
    fetch.Fetch(song, 185, LyricsFolder(), [&saved](const QString& path) { saved = path; });
    fetch.Cancel();
    QTest::qWait(800);
    EXPECT_TRUE(saved.isEmpty());

    home.write("Lyrics/Track 01.lrc", "mine");
    EXPECT_TRUE(run(song).isEmpty());
    EXPECT_EQ(home.read("Lyrics/Track 01.lrc"), "mine");
}

} // namespace
