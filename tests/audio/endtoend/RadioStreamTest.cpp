// Internet radio through the whole player (build/sorvi): addresses as stations
// publish them, served on the loopback interface by the engine tests' stream
// server, played with "#Play," + address as the add-URL window and the command
// line do.
#include "SkinnedPlayer.h"

#include <QProcess>

namespace {

// tests/audio/engine/slow_mp3_server.py serving one file on any path.
class RadioServer {
public:
    RadioServer(const QString& file, int bytesPerSecond, const QStringList& options = {}) {
        process_.start("python3", QStringList{QStringLiteral(ENGINE_TEST_DIR "/slow_mp3_server.py"), file,
                                              QString::number(bytesPerSecond)} +
                                      options);
        if (process_.waitForReadyRead(10000))
            port_ = process_.readLine().trimmed().toInt();
    }
    ~RadioServer() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    QString Url(const QString& path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path); }
    int port() const { return port_; }

private:
    QProcess process_;
    int port_ = 0;
};

struct RadioPlayer : SkinnedPlayer {
    // Plays counted for the address: its line in the count file, read as
    // written (addresses may hold "=", which the key reader splits at).
    int plays(const QString& url) const {
        for (const QString& line : counts().split('\n'))
            if (line.startsWith(url + '='))
                return line.mid(url.size() + 1).trimmed().toInt();
        return 0;
    }
    // Starts the player with nothing to play and waits until it takes commands.
    void startIdle() {
        start({});
        // Commands are handed over once the start-up commands (the skin) ran.
        ASSERT_TRUE(WaitFor([&] { return traced().join('\n').contains("#Skin,"); }, 15000));
        command("#Time,0");
        ASSERT_TRUE(WaitFor([&] { return traced().contains("#Time,0"); }, 15000));
    }
    // The commands traced after the first one equal to `from`.
    QStringList tracedAfter(const QString& from) const {
        const QStringList all = traced();
        const qsizetype at = all.indexOf(from);
        return at < 0 ? QStringList() : all.mid(at + 1);
    }
};

TEST_F(RadioPlayer, StationAddressesThatNameNoMp3Play) {
    const QString song = MakeToneMp3(home.path(), "tone", 440, 30);
    RadioServer server(song, 24000);
    ASSERT_NE(server.port(), 0);
    ASSERT_NO_FATAL_FAILURE(startIdle());
    for (const char* path : {"/live", "/stream/", "/radio.mp3?token=abc", "/listen.pls.mp3x"}) {
        const QString url = server.Url(QString::fromLatin1(path));
        command("#Play," + url);
        // A play is counted when the engine reports that the stream really plays.
        EXPECT_TRUE(WaitFor([&] { return plays(url) == 1; }, 20000)) << path << "\n" << counts().toStdString();
    }
}

TEST_F(RadioPlayer, StreamThatIsNotMp3FailsInsteadOfOpeningForEver) {
    const QString ogg = home.path() + "/tone.ogg";
    RunTool("sox", {"-n", "-r", "44100", "-c", "2", ogg, "synth", "20", "sine", "440", "vol", "0.3"});
    ASSERT_TRUE(QFile::exists(ogg));
    RadioServer server(ogg, 24000, {"--type", "application/ogg"});
    ASSERT_NE(server.port(), 0);
    ASSERT_NO_FATAL_FAILURE(startIdle());
    const QString play = "#Play," + server.Url("/stream");
    command(play);
    // The failure reaches the controller, which moves on: with no other song
    // and repeat off that is a stop.
    EXPECT_TRUE(WaitFor(
        [&] {
            const QStringList after = tracedAfter(play);
            return after.contains("#PlayStatusChanged") && after.contains("#Stop");
        },
        20000))
        << traced().join(" | ").toStdString();
    EXPECT_EQ(plays(server.Url("/stream")), 0);
}

TEST_F(RadioPlayer, StationTitleIsTheWindowTitleWhileTheStreamPlays) {
    const QString song = MakeToneMp3(home.path(), "tone", 440, 30);
    RadioServer server(song, 24000, {"--icy", "16000", "Night Drive"});
    ASSERT_NE(server.port(), 0);
    ASSERT_NO_FATAL_FAILURE(startIdle());
    command("#Play," + server.Url("/live"));
    const QString playing = "Night Drive - Sorvi Audio Player";
    EXPECT_TRUE(WaitFor([&] { return !window(0, playing).isEmpty(); }, 20000));
    command("#Stop");
    EXPECT_TRUE(WaitFor([&] { return window(0, "Night Drive").isEmpty(); }, 10000));
}

} // namespace
