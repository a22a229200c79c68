// The real player under Xvfb: a generated spoken song with its LRC file in
// "Lyrics/" plays, "#Lyrics" from a second start opens the lyrics window, and
// a screenshot taken mid-song shows the current line highlighted and the
// karaoke band partly swept. The screenshot is kept in the test output folder.
#include "TempHome.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Colours no skin uses, so each can be told apart on the screen.
const QRgb kListActive = qRgb(250, 130, 10);
const QRgb kListNormal = qRgb(20, 40, 230);
const QRgb kBandActive = qRgb(230, 20, 40);
const QRgb kBandNormal = qRgb(40, 200, 60);

QString colorRef(QRgb c) {
    return QString::number(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16));
}

const QStringList kLines = {"the first line is sung", "now the second line", "a third line follows",
                            "and this is the last"};

// Each line is spoken from a whole three-second slot, after one second of silence.
QString makeSong(const QString& folder) {
    QStringList parts;
    const QString silence = folder + "/silence.wav";
    EXPECT_TRUE(runTool("sox", {"-n", "-r", "22050", "-c", "1", silence, "trim", "0", "1"}));
    parts << silence;
    for (int i = 0; i < kLines.size(); ++i) {
        const QString spoken = folder + QStringLiteral("/spoken%1.wav").arg(i);
        const QString slot = folder + QStringLiteral("/slot%1.wav").arg(i);
        EXPECT_TRUE(runTool("espeak-ng", {"-w", spoken, kLines[i]}));
        EXPECT_TRUE(
            runTool("sox", {spoken, "-r", "22050", "-c", "1", slot, "pad", "0", "3", "trim", "0", "3"}));
        parts << slot;
    }
    const QString wav = folder + "/song.wav";
    EXPECT_TRUE(runTool("sox", parts + QStringList{wav}));
    const QString mp3 = folder + "/song.mp3";
    EXPECT_TRUE(runTool("lame", {"--quiet", "-b", "64", wav, mp3}));
    return mp3;
}

struct Frame {
    int listActive = 0, listNormal = 0, bandActive = 0, bandNormal = 0;
    // The widest share of a band row already swept: in each row holding both
    // band colours, how far the last active pixel lies across the row's text.
    double swept = 0;
};

Frame look(const QImage& shot) {
    Frame f;
    for (int y = 0; y < shot.height(); ++y) {
        int lastActive = -1, lastNormal = -1, first = -1;
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb p = shot.pixel(x, y) | 0xFF000000u;
            if (p == kListActive)
                ++f.listActive;
            else if (p == kListNormal)
                ++f.listNormal;
            else if (p == kBandActive) {
                ++f.bandActive;
                lastActive = x;
                first = first < 0 ? x : first;
            } else if (p == kBandNormal) {
                ++f.bandNormal;
                lastNormal = x;
                first = first < 0 ? x : first;
            }
        }
        if (lastActive >= 0 && lastNormal > lastActive)
            f.swept = std::max(f.swept, double(lastActive - first) / (lastNormal - first));
    }
    return f;
}

} // namespace

TEST(LyricsEndToEnd, LyricsWindowHighlightsAndSweepsThePlayingSong) {
    QTemporaryDir home;
    const QString song = makeSong(home.path());
    QDir(home.path()).mkpath("Lyrics");
    QFile lrc(home.path() + "/Lyrics/song.lrc");
    ASSERT_TRUE(lrc.open(QIODevice::WriteOnly));
    for (int i = 0; i < kLines.size(); ++i)
        lrc.write(
            QStringLiteral("[00:%1.0]%2\r\n").arg(1 + 3 * i, 2, 10, QChar('0')).arg(kLines[i]).toUtf8());
    lrc.close();
    QFile options(home.path() + "/Options.ini");
    ASSERT_TRUE(options.open(QIODevice::WriteOnly));
    options.write(
        QStringLiteral("[OPTION]\nCHECKACC=0\n[LYRICS]\nACTIVECOLOR=%1\nNORMALCOLOR=%2\n"
                       "DACTIVECOLOR=%3\nDNORMALCOLOR=%4\nFONT=DejaVu Sans,[Bold,],&H0,16,0\n"
                       "DFONT=DejaVu Sans,[Bold,],&H0,16,0\n")
            .arg(colorRef(kListActive), colorRef(kListNormal), colorRef(kBandActive), colorRef(kBandNormal))
            .toUtf8());
    options.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SORVI_HOME", home.path());
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("SORVI_TRACE_COMMANDS", home.path() + "/trace.txt");
    const QString sorvi = QStringLiteral(SORVI_BUILD_DIR) + "/sorvi";
    QProcess player;
    player.setProcessEnvironment(env);
    player.setProcessChannelMode(QProcess::ForwardedChannels);
    player.start(sorvi, {song});
    ASSERT_TRUE(player.waitForStarted());
    auto command = [&](const QString& text) {
        QProcess second;
        second.setProcessEnvironment(env);
        second.start(sorvi, {"--command", text});
        return second.waitForFinished(10000);
    };
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(home.path() + "/count"); }, 20000))
        << "the song never played";
    ASSERT_TRUE(command("#Lyrics"));
    // Into the second line (sung from 4.0 s to 7.0 s) before looking.
    QTest::qWait(4500);

    // Screenshots until one shows the highlighted line and a band swept part way.
    const QString shotFile = TestOutputFolder() + "/lyrics-window.png";
    Frame best;
    QElapsedTimer clock;
    clock.start();
    bool seen = false;
    while (!seen && clock.elapsed() < 15000) {
        QFile::remove(shotFile);
        if (!runTool("import", {"-window", "root", shotFile}))
            continue;
        best = look(QImage(shotFile));
        seen = best.listActive > 0 && best.listNormal > 0 && best.bandActive > 0 && best.bandNormal > 0 &&
               best.swept > 0.3 && best.swept < 0.7;
    }
    EXPECT_TRUE(seen) << "list active " << best.listActive << ", list normal " << best.listNormal
                      << ", band active " << best.bandActive << ", band normal " << best.bandNormal
                      << ", swept " << best.swept;

    command("#Exit");
    EXPECT_TRUE(player.waitForFinished(10000));
}
