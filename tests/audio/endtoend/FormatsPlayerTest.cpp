// The real program given a folder of MP3, FLAC, Ogg Vorbis and Opus songs with
// their titles in ID3v2 tags and Vorbis comments, and two files that cannot be
// played: every good song is heard in the folder's order with its title in the
// window's caption, the bad ones are skipped, and a screenshot of the open
// play-list drawer with the titles is left in the test output folder.
#include "SkinnedPlayer.h"
#include "../sndfile/SoundFixtures.h"

#include <QSet>
#include <cmath>

namespace {

bool near(int pitch, int hertz) { return std::abs(pitch - hertz) <= hertz / 10; }

TEST_F(SkinnedPlayer, AFolderOfMixedFormatsPlaysThroughInOrderWithTitles) {
    const QString folder = home.path() + "/songs";
    QDir().mkpath(folder);
    const QString wav = home.path() + "/low.wav";
    ASSERT_TRUE(SoundFixtures::MakeTone(wav, 300, 2.5));
    ASSERT_TRUE(RunProgram("lame", {"--quiet", "-b", "128", "--id3v2-only", "--tt", "Morning Tone", wav,
                                    folder + "/01 morning.mp3"}));
    QFile text(folder + "/02 broken.ogg");
    text.open(QIODevice::WriteOnly);
    text.write(QByteArray("Not a song.\n").repeated(300));
    text.close();
    ASSERT_TRUE(SoundFixtures::MakeTone(folder + "/03 middle.flac", 500, 2.5));
    ASSERT_TRUE(RunProgram("metaflac", {"--set-tag=TITLE=Flac Middle", folder + "/03 middle.flac"}));
    QFile whole(folder + "/03 middle.flac");
    whole.open(QIODevice::ReadOnly);
    QFile cut(folder + "/04 cut.flac");
    cut.open(QIODevice::WriteOnly);
    cut.write(whole.read(60));
    cut.close();
    ASSERT_TRUE(SoundFixtures::MakeTone(folder + "/05 high.ogg", 700, 2.5));
    ASSERT_TRUE(RunProgram("vorbiscomment", {"-w", "-t", "TITLE=Ogg High", folder + "/05 high.ogg"}));
    const QString last = home.path() + "/last.wav";
    ASSERT_TRUE(SoundFixtures::MakeTone(last, 900, 4));
    ASSERT_TRUE(RunProgram("opusenc", {"--quiet", "--title", "Opus Last", last, folder + "/06 last.opus"}));

    QProcess recorder;
    const QString raw = home.path() + "/heard.raw";
    recorder.setStandardOutputFile(raw);
    recorder.start("parec", {"-d", "sorvi_null.monitor", "--raw", "--format=s16le", "--rate=44100",
                             "--channels=2", "--latency-msec=20"});
    ASSERT_TRUE(recorder.waitForStarted());

    start({folder});
    ASSERT_TRUE(WaitFor([&] { return window(594).isValid(); }, 10000)) << "no skinned main window";
    main = window(594);
    click({380, 143}); // the play-list drawer

    // The captions the main window takes while the songs play.
    QSet<QString> captions;
    bool shot = false;
    const bool finished = WaitFor(
        [&] {
            for (const QString& id : RunTool("xdotool", {"search", "--pid", QString::number(player.processId())})
                                         .split('\n', Qt::SkipEmptyParts))
                captions << RunTool("xdotool", {"getwindowname", id}).trimmed();
            // While the last song plays, the rows of the failed ones are still marked.
            if (!shot && counts().contains("06 last.opus=1")) {
                WaitFor([] { return false; }, 700);
                screenshot("formats-playlist-drawer");
                shot = true;
            }
            return counts().contains("06 last.opus=1") && traced().count("#Stop") > 0 &&
                   traced().last() == "#Stop";
        },
        60000);
    recorder.terminate();
    recorder.waitForFinished(5000);
    ASSERT_TRUE(finished) << traced().join(" | ").toStdString();
    EXPECT_TRUE(shot);

    for (const char* song : {"01 morning.mp3", "03 middle.flac", "05 high.ogg", "06 last.opus"})
        EXPECT_TRUE(counts().contains(QString(song) + "=1")) << song << "\n" << counts().toStdString();
    for (const char* bad : {"02 broken.ogg", "04 cut.flac"})
        EXPECT_FALSE(counts().contains(bad)) << bad;
    for (const char* title : {"Morning Tone", "Flac Middle", "Ogg High", "Opus Last"})
        EXPECT_TRUE(captions.contains(QString(title) + " - Sorvi Audio Player"))
            << title << "\n" << QStringList(captions.values()).join(" | ").toStdString();

    QFile rawFile(raw);
    ASSERT_TRUE(rawFile.open(QIODevice::ReadOnly));
    const QList<int> pitches = PitchPerWindow(rawFile.readAll());
    // The first run of three windows of each tone, in the folder's order.
    auto firstRun = [&](int hertz) {
        for (int i = 0; i + 2 < pitches.size(); ++i)
            if (near(pitches[i], hertz) && near(pitches[i + 1], hertz) && near(pitches[i + 2], hertz))
                return i;
        return -1;
    };
    const int a = firstRun(300), b = firstRun(500), c = firstRun(700), d = firstRun(900);
    EXPECT_GE(a, 0);
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
    EXPECT_LT(c, d);
}

} // namespace
