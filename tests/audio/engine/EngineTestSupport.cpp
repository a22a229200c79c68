#include "EngineTestSupport.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

QByteArray RunTool(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput();
}

namespace {
void MakeTone(const QString& wav, int seconds, int frequency) {
    RunTool("sox", {"-n", "-r", "44100", "-c", "2", wav, "synth", QString::number(seconds), "sine",
                    QString::number(frequency), "vol", "0.5"});
}
void Encode(const QStringList& options, const QString& wav, const QString& mp3) {
    RunTool("lame", QStringList{"--quiet"} + options + QStringList{wav, mp3});
}
} // namespace

TestSongs::TestSongs() {
    const QString d = dir_.path() + '/';
    MakeTone(d + "tone4.wav", 4, 440);
    MakeTone(d + "tone6.wav", 6, 660);
    MakeTone(d + "tone20.wav", 20, 330);
    Encode({"-b", "128"}, d + "tone4.wav", d + "tone4.mp3");
    Encode({"-b", "128"}, d + "tone20.wav", d + "tone20.mp3");
    // VBR with its Xing header, and VBR without any header (length found by counting frames).
    Encode({"-V", "4"}, d + "tone6.wav", d + "vbr6.mp3");
    Encode({"-V", "4", "-t"}, d + "tone20.wav", d + "vbr20-noheader.mp3");
    // ID3v2 at the front and ID3v1 at the end.
    Encode({"-b", "96", "--add-id3v2", "--tt", "Tagged", "--ta", "Someone", "--tl", "Album"}, d + "tone6.wav",
           d + "tagged6.mp3");
    QFile full(d + "tone20.mp3");
    full.open(QIODevice::ReadOnly);
    QFile cut(d + "truncated.mp3");
    cut.open(QIODevice::WriteOnly);
    cut.write(full.read(full.size() / 4 + 333)); // about 5 s, ending inside a frame
    cut.close();
    QFile::copy(d + "tone4.wav", d + "wave-renamed.mp3");
    QFile text(d + "text-renamed.mp3");
    text.open(QIODevice::WriteOnly);
    text.write(QByteArray("This is not a song at all.\n").repeated(400));
}

const TestSongs& TestSongs::Get() {
    static const TestSongs songs;
    return songs;
}

int RecordPeak(int milliseconds) {
    QProcess parec;
    parec.start("parec",
                {"--device=sorvi_null.monitor", "--raw", "--format=s16le", "--channels=1", "--rate=8000"});
    if (!parec.waitForStarted())
        return -1;
    WaitFor([] { return false; }, milliseconds);
    parec.terminate();
    parec.waitForFinished(5000);
    const QByteArray pcm = parec.readAllStandardOutput();
    if (pcm.size() < 2)
        return -1;
    int peak = 0;
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 2) {
        const int16_t sample = static_cast<int16_t>(uint8_t(pcm[i]) | (uint8_t(pcm[i + 1]) << 8));
        peak = std::max(peak, std::abs(int(sample)));
    }
    return peak;
}

EngineFixture::EngineFixture() {
    // A copy, not a link: a module that links out of the program folder is refused.
    QFile::copy(QStringLiteral(SORVI_BUILD_DIR "/mpeg.so"), home.file("mpeg.so"));
    SetInternalPluginTotalSeconds(nullptr);
}

EngineFixture::~EngineFixture() {
    SendToPlugin(3);
}

bool EngineFixture::WaitForLine(const QByteArray& line, qsizetype from, int timeoutMs) {
    return WaitFor([&] { return HostRecorder::Has(line, from); }, timeoutMs);
}

QList<int> EngineFixture::Times(qsizetype from) const {
    QList<int> times;
    for (qsizetype i = from; i < HostRecorder::Messages().size(); ++i)
        if (HostRecorder::Messages()[i].name == "%time")
            times << HostRecorder::Messages()[i].value.toInt();
    return times;
}

int EngineFixture::LastValue(const QByteArray& name, qsizetype from) const {
    int value = -1;
    for (qsizetype i = from; i < HostRecorder::Messages().size(); ++i)
        if (HostRecorder::Messages()[i].name == name)
            value = HostRecorder::Messages()[i].value.toInt();
    return value;
}
