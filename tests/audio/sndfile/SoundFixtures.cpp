#include "SoundFixtures.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cmath>

bool RunProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool SoundFixtures::MakeTone(const QString& file, int hertz, double seconds) {
    const bool opus = file.endsWith(".opus");
    const QString target = opus ? file + ".wav" : file;
    if (!RunProgram("sox", {"-n", "-r", "44100", "-c", "2", "-b", "16", target, "synth", QString::number(seconds),
                            "sine", QString::number(hertz), "vol", "0.5"}))
        return false;
    if (!opus)
        return true;
    const bool ok = RunProgram("opusenc", {"--quiet", target, file});
    QFile::remove(target);
    return ok;
}

SoundFixtures::SoundFixtures() {
    const double seconds = kToneMs / 1000.0;
    for (const char* ext : {"flac", "ogg", "opus", "wav", "aiff"})
        MakeTone(Path(QStringLiteral("tone.") + ext), 440, seconds);
    MakeTone(Path("long.flac"), 330, 20);
    // The blocks the tag window appends to any song: "LYRICS" + name, "TAG" + fields.
    QByteArray blocks = "LYRICS" + QByteArray("song.lrc").leftJustified(30, '\0') + "TAG" +
                        QByteArray("Tagged").leftJustified(30, '\0') + QByteArray(94, '\0') + char(255);
    for (const char* ext : {"flac", "ogg", "opus"}) {
        QFile::copy(Path(QStringLiteral("tone.") + ext), Path(QStringLiteral("tagged.") + ext));
        QFile tagged(Path(QStringLiteral("tagged.") + ext));
        tagged.open(QIODevice::Append);
        tagged.write(blocks);
    }
    // Cut inside its metadata: a FLAC that holds no audio at all.
    QFile whole(Path("tone.flac"));
    whole.open(QIODevice::ReadOnly);
    QFile cut(Path("truncated.flac"));
    cut.open(QIODevice::WriteOnly);
    cut.write(whole.read(60));
    cut.close();
    QFile text(Path("text.ogg"));
    text.open(QIODevice::WriteOnly);
    text.write(QByteArray("This is not a song at all.\n").repeated(400));
}

const SoundFixtures& SoundFixtures::Get() {
    static const SoundFixtures fixtures;
    return fixtures;
}

QList<int> PitchPerWindow(const QByteArray& pcm) {
    const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
    const qsizetype frames = pcm.size() / 4;
    const int window = 4410;
    QList<int> pitches;
    for (qsizetype start = 0; start + window <= frames; start += window) {
        double energy = 0;
        int crossings = 0;
        for (int i = 0; i < window; ++i) {
            const int s = samples[(start + i) * 2];
            energy += double(s) * s;
            if (i > 0 && ((samples[(start + i - 1) * 2] < 0) != (s < 0)))
                ++crossings;
        }
        const double rms = std::sqrt(energy / window);
        pitches << (rms < 500 ? 0 : crossings * 5); // crossings per 0.1 s -> Hz
    }
    return pitches;
}
