// The real player under Xvfb with the stand-in LRCLIB: the web engine is not
// started before the browser is first opened, nor the network library before
// something goes over the network; "#Searchlrc,<title>" opens the browser on
// the search results. Prints the player's resident memory before
// and after opening and closing the browser and the time from the command to
// the results page; leaves a screenshot in the test output folder.
#include "FakeLrclib.h"
#include "SkinnedPlayer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <cstdio>

namespace {

long residentKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Whether a web engine helper process runs below the player.
bool engineRunning(qint64 pid) {
    return RunTool("ps", {"--ppid", QString::number(pid), "-o", "comm="}).contains("QtWebEngine");
}

// Whether the web engine's library is mapped into the player.
bool mapped(qint64 pid, const QByteArray& library) {
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}
bool engineLoaded(qint64 pid) { return mapped(pid, "libQt6WebEngineCore"); }
bool networkLoaded(qint64 pid) { return mapped(pid, "libQt6Network"); }

struct BrowserEndToEnd : SkinnedPlayer {
    FakeLrclib lrclib;
    void SetUp() override {
        ASSERT_TRUE(lrclib.running());
        // The engine's sandbox does not run as root or under Xvfb without a GPU.
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
        QFile ini(home.path() + "/Options.ini");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[SITE]\nLRCLIB=" + lrclib.base().toUtf8() + "\n");
    }
    QString browserWindow(const QString& title) const {
        return RunTool("xdotool", {"search", "--onlyvisible", "--name", title}).section('\n', 0, 0).trimmed();
    }
};

TEST_F(BrowserEndToEnd, SearchlrcOpensTheBrowserOnResults) {
    start({});
    ASSERT_TRUE(WaitFor([this] { return !traced().isEmpty(); }, 15000));
    QTest::qWait(1500);
    EXPECT_FALSE(engineRunning(player.processId())) << "the web engine starts only with the browser";
    EXPECT_FALSE(engineLoaded(player.processId())) << "the web engine is loaded only with the browser";
    EXPECT_FALSE(mapped(player.processId(), "_dri.so")) << "the OpenGL driver is loaded only with the browser";
    EXPECT_FALSE(networkLoaded(player.processId())) << "the network library is loaded only at its first use";
    const long before = residentKb(player.processId());

    QElapsedTimer clock;
    clock.start();
    command("#Searchlrc,Sun Song");
    ASSERT_TRUE(WaitFor([this] { return !browserWindow("Lyrics search").isEmpty(); }, 30000));
    const qint64 toResults = clock.elapsed();
    EXPECT_EQ(lrclib.fetch("/last-search"), "Sun Song");
    EXPECT_TRUE(lrclib.fetch("/last-agent").startsWith("Sorvi Audio Player/"));
    EXPECT_TRUE(engineRunning(player.processId()));
    EXPECT_TRUE(engineLoaded(player.processId()));
    EXPECT_TRUE(networkLoaded(player.processId()));
    QTest::qWait(1500); // let the page paint
    const QImage shot = screenshot("browser-search-results");
    EXPECT_FALSE(shot.isNull());
    const long opened = residentKb(player.processId());

    const QString id = browserWindow("Lyrics search");
    RunTool("xdotool", {"windowfocus", "--sync", id});
    RunTool("xdotool", {"key", "--clearmodifiers", "ctrl+w"});
    EXPECT_TRUE(WaitFor([this] { return browserWindow("Lyrics search").isEmpty(); }, 10000));
    QTest::qWait(2000);
    const long closed = residentKb(player.processId());
    std::printf("figures: resident memory %ld kB before the browser, %ld kB with it open, %ld kB after "
                "closing it; #Searchlrc to results window %lld ms (loopback LRCLIB)\n",
                before, opened, closed, static_cast<long long>(toResults));
}

TEST_F(BrowserEndToEnd, AutomaticFetchSavesTheLyricsOfAStartedSong) {
    QFile ini(home.path() + "/Options.ini");
    ASSERT_TRUE(ini.open(QIODevice::Append));
    ini.write("[LYRICS]\nAUTOFETCH=1\n");
    ini.close();
    const QString wav = home.path() + "/tone.wav";
    const QString mp3 = home.path() + "/Sun Track.mp3";
    RunTool("sox", {"-n", "-r", "44100", "-c", "2", wav, "synth", "4", "sine", "440", "vol", "0.3"});
    RunTool("lame", {"--quiet", "--id3v1-only", "--tt", "Sun Song", "--ta", "Tone Makers", wav, mp3});
    ASSERT_TRUE(QFile::exists(mp3));
    start({mp3});
    const QString lyrics = home.path() + "/Lyrics/Sun Track.lrc";
    ASSERT_TRUE(WaitFor([&lyrics] { return QFile::exists(lyrics); }, 20000));
    QFile saved(lyrics);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("[00:04.50]Second line of the sun"));
}

TEST_F(BrowserEndToEnd, PlayingALocalFileLoadsNoNetworkLibraryUntilTheUpdateCheck) {
    QFile ini(home.path() + "/Options.ini");
    ASSERT_TRUE(ini.open(QIODevice::Append));
    ini.write("BASE=" + lrclib.base().toUtf8() + "/\n"); // [SITE], opened by SetUp
    ini.close();
    start({MakeToneMp3(home.path(), "tone", 440, 20)});
    ASSERT_TRUE(WaitFor([this] { return traced().join('\n').contains("#PlayStatusChanged"); }, 15000));
    QTest::qWait(2000);
    EXPECT_FALSE(networkLoaded(player.processId()));

    // The update file is asked for through the module; the answer (no newer
    // release) is shown in a box that the player's end closes.
    command("#CheckUpdate");
    EXPECT_TRUE(WaitFor([this] { return lrclib.fetch("/last-path") == "/update.inf"; }, 15000));
    EXPECT_TRUE(networkLoaded(player.processId()));
}

} // namespace
