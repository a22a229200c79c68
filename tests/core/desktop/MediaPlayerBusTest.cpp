// The real program as an MPRIS2 media player on a private session bus,
// driven by playerctl and gdbus as desktop panels and media keys drive it.
#include "SkinnedPlayer.h"

#include <QDBusConnection>
#include <QDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QString Playerctl(const QStringList& args) {
    return RunTool("playerctl", QStringList{"-p", "sorvi"} + args).trimmed();
}

// A tagged tone as the encoder writes its ID3v1 tag.
QString TaggedTone(const QString& folder, const QString& name, int hertz, const QString& title,
                   const QString& artist) {
    const QString wav = folder + "/" + name + ".wav";
    const QString mp3 = folder + "/" + name + ".mp3";
    RunTool("sox", {"-n", "-r", "44100", "-c", "2", wav, "synth", "40", "sine", QString::number(hertz), "vol", "0.3"});
    RunTool("lame", {"--quiet", "-b", "128", "--id3v1-only", "--tt", title, "--ta", artist, "--tl", "Null Sink Album",
                     wav, mp3});
    return mp3;
}

// A desktop's notification server, as far as the player uses it.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList shown; // "summary|body"
public slots:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap&, int) {
        shown << summary + "|" + body;
        return uint(shown.size());
    }
};

struct MediaPlayerBus : SkinnedPlayer {};

TEST_F(MediaPlayerBus, PlayerctlControlsAndReadsThePlayingSong) {
    const QString first = TaggedTone(home.path(), "first", 440, "First Tone", "Sorvi Tester");
    const QString second = TaggedTone(home.path(), "second", 660, "Second Tone", "Other Tester");
    QDir().mkpath(home.path() + "/Lyrics");
    QFile lrc(home.path() + "/Lyrics/first.lrc");
    ASSERT_TRUE(lrc.open(QIODevice::WriteOnly));
    lrc.write("[ti:First Tone]\n[00:01.00]Words of the first line\n[00:05.50][00:09.00]The refrain\n");
    lrc.close();

    start({first, second});
    ASSERT_TRUE(WaitFor([] { return Playerctl({"status"}) == "Playing"; }, 20000)) << Playerctl({"status"}).toStdString();

    const QString metadata = Playerctl({"metadata"});
    QFile out(TestOutputFolder() + "/playerctl-metadata.txt");
    if (out.open(QIODevice::WriteOnly))
        out.write(metadata.toUtf8());
    EXPECT_EQ(Playerctl({"metadata", "title"}), "First Tone");
    EXPECT_EQ(Playerctl({"metadata", "artist"}), "Sorvi Tester");
    EXPECT_EQ(Playerctl({"metadata", "album"}), "Null Sink Album");
    EXPECT_EQ(Playerctl({"metadata", "xesam:url"}), QUrl::fromLocalFile(first).toString());
    EXPECT_EQ(Playerctl({"metadata", "xesam:asText"}), "Words of the first line\nThe refrain");
    EXPECT_EQ(Playerctl({"metadata", "mpris:length"}), "40000000");

    Playerctl({"pause"});
    EXPECT_TRUE(WaitFor([] { return Playerctl({"status"}) == "Paused"; }));
    Playerctl({"play"});
    EXPECT_TRUE(WaitFor([] { return Playerctl({"status"}) == "Playing"; }));
    Playerctl({"position", "20"});
    EXPECT_TRUE(WaitFor([] { return Playerctl({"position"}).toDouble() >= 19.5; })) << Playerctl({"position"}).toStdString();
    Playerctl({"loop", "Track"});
    EXPECT_EQ(Playerctl({"loop"}), "Track");
    Playerctl({"loop", "None"});
    EXPECT_EQ(Playerctl({"loop"}), "None");
    Playerctl({"shuffle", "On"});
    EXPECT_EQ(Playerctl({"shuffle"}), "On");
    Playerctl({"shuffle", "Off"});
    // The volume moves in the player's own steps of 1024 in 65535.
    for (const double level : {0.25, 0.75}) {
        Playerctl({"volume", QString::number(level)});
        EXPECT_NEAR(Playerctl({"volume"}).toDouble(), level, 0.01);
    }

    // The song change arrives as a signal, with the next song's metadata.
    QProcess monitor;
    monitor.start("gdbus", {"monitor", "--session", "--dest", "org.mpris.MediaPlayer2.sorvi"});
    ASSERT_TRUE(monitor.waitForStarted());
    QByteArray signalText;
    ASSERT_TRUE(WaitFor([&] {
        signalText += monitor.readAllStandardOutput();
        return signalText.contains("Monitoring");
    }));
    Playerctl({"next"});
    EXPECT_TRUE(WaitFor([&] {
        signalText += monitor.readAllStandardOutput();
        return signalText.contains("PropertiesChanged") && signalText.contains("Second Tone");
    }, 10000)) << signalText.constData();
    monitor.kill();
    monitor.waitForFinished();
    EXPECT_EQ(Playerctl({"metadata", "artist"}), "Other Tester");
    EXPECT_EQ(Playerctl({"metadata", "xesam:asText"}), ""); // no lyrics file for this one

    Playerctl({"stop"});
    EXPECT_TRUE(WaitFor([] { return Playerctl({"status"}) == "Stopped"; }));
    // A file opened from the desktop joins the list and plays.
    const QString third = TaggedTone(home.path(), "third", 550, "Third Tone", "Sorvi Tester");
    Playerctl({"open", QUrl::fromLocalFile(third).toString()});
    EXPECT_TRUE(WaitFor([] { return Playerctl({"metadata", "title"}) == "Third Tone"; }, 10000));
    EXPECT_EQ(Playerctl({"status"}), "Playing");
    RunTool("gdbus", {"call", "--session", "-d", "org.mpris.MediaPlayer2.sorvi", "-o", "/org/mpris/MediaPlayer2", "-m",
                      "org.mpris.MediaPlayer2.Quit"});
    EXPECT_TRUE(player.waitForFinished(10000));
}

TEST_F(MediaPlayerBus, NewSongWhileMinimizedIsNotifiedUnlessTurnedOff) {
    FakeNotifications server;
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.registerObject("/org/freedesktop/Notifications", &server, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(bus.registerService("org.freedesktop.Notifications"));
    const QString first = TaggedTone(home.path(), "first", 440, "First Tone", "Sorvi Tester");
    const QString second = TaggedTone(home.path(), "second", 660, "Second Tone", "Other Tester");

    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "NOTIFY=1" : "NOTIFY=0");
        server.shown.clear();
        QFile options(home.path() + "/Options.ini");
        ASSERT_TRUE(options.open(QIODevice::WriteOnly));
        options.write(enabled ? "[OPTION]\nNOTIFY=1\n" : "[OPTION]\nNOTIFY=0\n");
        options.close();
        start({first, second});
        ASSERT_TRUE(WaitFor([] { return Playerctl({"metadata", "title"}) == "First Tone"; }, 20000));
        EXPECT_TRUE(server.shown.isEmpty()) << "the window is shown"; // the call comes before the answer

        command("#Minimize");
        Playerctl({"next"});
        ASSERT_TRUE(WaitFor([] { return Playerctl({"metadata", "title"}) == "Second Tone"; }, 10000));
        WaitFor([&] { return !server.shown.isEmpty(); }, enabled ? 5000 : 500);
        EXPECT_EQ(server.shown, enabled ? QStringList{"Second Tone|Other Tester"} : QStringList());

        command("#Exit");
        ASSERT_TRUE(player.waitForFinished(10000));
    }
}

TEST_F(MediaPlayerBus, ASongTaggedWithVorbisCommentsIsNamedByThem) {
    const QString wav = home.path() + "/comments.wav";
    const QString flac = home.path() + "/comments.flac";
    RunTool("sox", {"-n", "-r", "44100", "-c", "2", "-b", "16", wav, "synth", "20", "sine", "440", "vol", "0.3"});
    RunTool("sox", {wav, flac});
    RunTool("metaflac", {"--set-tag=TITLE=Kommentti", "--set-tag=ARTIST=Laulaja", flac});
    start({flac});
    ASSERT_TRUE(WaitFor([] { return Playerctl({"status"}) == "Playing"; }, 20000));
    EXPECT_EQ(Playerctl({"metadata", "title"}), "Kommentti");
    EXPECT_EQ(Playerctl({"metadata", "artist"}), "Laulaja");
}

} // namespace

#include "MediaPlayerBusTest.moc"
