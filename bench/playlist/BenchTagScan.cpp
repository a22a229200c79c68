// Figures for the tag scan of a folder of mixed files: time and resident
// memory of adding a folder and scanning its tags when most files carry only
// ID3v2 tags, Vorbis comments or RIFF INFO (read through TagLib), beside the
// same number of files that end in an ID3v1 block (read from their last bytes).
// Usage: bench_tag_scan TEMPLATE_FOLDER [files=2000]
// The template folder holds one small tagged file of each kind (made by
// bench/playlist/tag-scan-bench.sh); they are copied round-robin.
#include "ProgramFolder.h"
#include "TPlay.h"

#include <cstdio>
#include <cstdlib>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

namespace {

long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Adds the folder and scans it; prints the figures.
void Scan(const char* label, const QString& folder) {
    TPlay play;
    const long before = ResidentKb();
    QElapsedTimer timer;
    timer.start();
    play.BeginAdd(TPlay::kDefaultId);
    play.AddFile(folder);
    const double addMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    play.EndAdd(); // the tag scan of DEFAULT and the save
    play.ScanTags(TPlay::kDefaultId);
    const double scanMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    int titled = 0;
    for (const TPlayItem& song : play.Default().Songs())
        titled += TagBytes(song.Tag.Title).isEmpty() ? 0 : 1;
    std::printf("%-34s %d files: add %.0f ms, tag scan + save %.0f ms (%.3f ms a file), %d with a title, "
                "rss %ld kB (+%ld kB)\n",
                label, play.Default().Count(), addMs, scanMs, scanMs / std::max(1, play.Default().Count()), titled,
                ResidentKb(), ResidentKb() - before);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_tag_scan TEMPLATE_FOLDER [files]\n");
        return 2;
    }
    const QString templates = QString::fromLocal8Bit(argv[1]);
    const int files = argc > 2 ? std::atoi(argv[2]) : 2000;
    QTemporaryDir home;
    SetProgramFolder(home.path());
    std::printf("start: rss %ld kB\n", ResidentKb());

    QStringList mixed;
    QStringList id3v1;
    for (const QString& name : QDir(templates).entryList(QDir::Files, QDir::Name))
        (name.startsWith(QStringLiteral("v1")) ? id3v1 : mixed) << templates + '/' + name;
    if (mixed.isEmpty() || id3v1.isEmpty())
        return 1;
    for (const auto& [folder, sources] : {std::pair{QStringLiteral("/mixed"), mixed},
                                          std::pair{QStringLiteral("/id3v1"), id3v1}}) {
        QDir().mkpath(home.path() + folder);
        for (int i = 0; i < files; ++i) {
            const QString& source = sources[i % sources.size()];
            QFile::copy(source, home.path() + folder + QStringLiteral("/%1-").arg(i, 5, 10, QChar('0')) +
                                    QFileInfo(source).fileName());
        }
    }
    Scan("ID3v2 / Vorbis comments / RIFF INFO", home.path() + "/mixed");
    Scan("ID3v1 blocks only", home.path() + "/id3v1");
    return 0;
}
