// http streams served on the loopback interface by a small test server.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>
#include <QProcess>

namespace {

// The test server from slow_mp3_server.py, stopped with the test.
class SlowServer {
public:
    enum class AtCut { Close, Stall };
    SlowServer(const QString& file, int bytesPerSecond, int cutAfter = -1, AtCut atCut = AtCut::Close,
               const QStringList& options = {}) {
        QStringList arguments{QStringLiteral(ENGINE_TEST_DIR "/slow_mp3_server.py"), file,
                              QString::number(bytesPerSecond), QString::number(cutAfter)};
        if (atCut == AtCut::Stall)
            arguments << "stall";
        arguments << options;
        process_.start("python3", arguments);
        if (process_.waitForReadyRead(10000))
            port_ = process_.readLine().trimmed().toInt();
    }
    ~SlowServer() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    QString Url() const { return QStringLiteral("http://127.0.0.1:%1/song.mp3").arg(port_); }
    int port() const { return port_; }

private:
    QProcess process_;
    int port_ = 0;
};

class EngineStreamTest : public ::testing::Test, public EngineFixture {};

TEST_F(EngineStreamTest, StreamPlaysAndReportsTime) {
    SlowServer server(TestSongs::Get().Path("tone20.mp3"), 24000); // 128 kbit/s is 16000 bytes/s
    ASSERT_NE(server.port(), 0);
    Play(server.Url());
    ASSERT_TRUE(WaitForLine("%status 1"));
    ASSERT_TRUE(WaitForLine("%time 2"));
    EXPECT_TRUE(host.Has("%totaltime 0"));
    EXPECT_GT(RecordPeak(800), 3000);
    SendToPlugin(4);
    EXPECT_TRUE(WaitForLine("%status 2"));
    SendToPlugin(4);
    EXPECT_TRUE(WaitForLine("%status 1", host.Messages().size() - 1));
}

TEST_F(EngineStreamTest, StreamThatStopsMidwayEndsTheSong) {
    SlowServer server(TestSongs::Get().Path("tone20.mp3"), 32000, 40000); // about 2.5 s of sound
    ASSERT_NE(server.port(), 0);
    Play(server.Url());
    ASSERT_TRUE(WaitForLine("%status 1"));
    ASSERT_TRUE(WaitForLine("%status 0", 0, 20000));
    EXPECT_LE(Times().last(), 4);
}

TEST_F(EngineStreamTest, StreamThatStallsIsGivenUp) {
    SlowServer server(TestSongs::Get().Path("tone20.mp3"), 32000, 40000, SlowServer::AtCut::Stall);
    ASSERT_NE(server.port(), 0);
    Play(server.Url());
    ASSERT_TRUE(WaitForLine("%status 1"));
    ASSERT_TRUE(WaitForLine("%status 0", 0, 30000));
    EXPECT_LE(Times().last(), 4);
}

TEST_F(EngineStreamTest, StreamThatCannotBeOpenedIsAnError) {
    int closedPort = 0;
    {
        SlowServer gone(TestSongs::Get().Path("tone4.mp3"), 16000);
        closedPort = gone.port();
    }
    ASSERT_NE(closedPort, 0);
    const QString url = QStringLiteral("http://127.0.0.1:%1/song.mp3").arg(closedPort);
    Play(url);
    EXPECT_TRUE(WaitForLine("%status 4", 0, 15000));
    EXPECT_FALSE(host.Has("%status 1"));
}

TEST_F(EngineStreamTest, StreamThatIsNotSoundIsAnError) {
    SlowServer server(TestSongs::Get().Path("text-renamed.mp3"), 20000);
    ASSERT_NE(server.port(), 0);
    Play(server.Url());
    EXPECT_TRUE(WaitForLine("%status 4", 0, 15000));
    EXPECT_FALSE(host.Has("%status 1"));
}

// Internet radio: the server's metadata blocks never reach the decoder, and
// the titles they name are reported in the order they are heard.
struct RadioCase {
    const char* name;
    QStringList options;
};

TEST_F(EngineStreamTest, RadioStreamsWithMetadataPlayOnAndNameTheirTitles) {
    const RadioCase cases[] = {
        // "ICY 200 OK", metadata because the player asked for it.
        {"icy status line", {"--icy", "8000", "First Song", "Don't Stop - Sång"}},
        // An ordinary status line, and metadata the player may not have asked for.
        {"uninvited metadata", {"--icy", "4000", "First Song", "Don't Stop - Sång", "--icy-always", "--icy-http"}},
    };
    for (const RadioCase& c : cases) {
        SCOPED_TRACE(c.name);
        HostRecorder::Messages().clear();
        SlowServer server(TestSongs::Get().Path("tone20.mp3"), 24000, -1, SlowServer::AtCut::Close, c.options);
        ASSERT_NE(server.port(), 0);
        Play(server.Url());
        ASSERT_TRUE(WaitForLine("%status 1"));
        // The two titles take turns every third of a second; a title the window
        // thread reads late may already be the next one, so each title is only
        // required to be one the server sent, and the second (non-ASCII) to come.
        EXPECT_TRUE(WaitForLine(QByteArray("%title Don't Stop - S\xC3\xA5ng"), 0, 20000));
        for (const auto& line : HostRecorder::Lines()) {
            if (line.startsWith("%title ") && line != "%title ") {
                EXPECT_TRUE(line == "%title First Song" || line == "%title Don't Stop - S\xC3\xA5ng")
                    << QString(line).toStdString();
            }
        }
        // Metadata left in the audio breaks frames: the stream would end early.
        ASSERT_TRUE(WaitForLine("%time 7", 0, 20000));
        EXPECT_FALSE(host.Has("%status 0"));
        EXPECT_FALSE(host.Has("%status 4"));
        EXPECT_GT(RecordPeak(500), 3000);
        SendToPlugin(3);
        // The title display goes back to the song's own title.
        EXPECT_EQ(HostRecorder::Lines().last(), "%title ");
    }
}

} // namespace
