// Figures for the play list store: adding a folder of small tagged MP3-named
// files (listing, duplicate check, tag scan, save), then loading and saving a
// "default.lst" of many entries, with resident memory after each; loading lists
// of many categories (the time per category must stay flat); importing a long
// ".m3u" with the longest time the event loop waited meanwhile.
// Usage: bench_playlist [files=10000] [entries=100000]
#include "ListFile.h"
#include "ProgramFolder.h"
#include "TagFile.h"
#include "TPlay.h"

#include <cstdio>
#include <cstdlib>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

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

double Ms(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int entries = argc > 2 ? std::atoi(argv[2]) : 100000;
    QTemporaryDir home;
    SetProgramFolder(home.path());
    std::printf("start: rss %ld kB\n", ResidentKb());

    // 10 folders of small files, each ending in both tag blocks.
    const QString music = home.path() + QStringLiteral("/music");
    for (int i = 0; i < files; ++i) {
        const QString folder = music + QStringLiteral("/disc%1").arg(i % 10);
        QDir().mkpath(folder);
        TSongTag tag;
        SetTagText(tag.Title, QStringLiteral("Song number %1").arg(i));
        SetTagText(tag.Artist, QStringLiteral("Artist %1").arg(i % 97));
        tag.Genre = static_cast<quint8>(i % 82);
        QFile file(folder + QStringLiteral("/song-%1.mp3").arg(i, 5, 10, QChar('0')));
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(QByteArray(400, '\x55') + TagBlocks(tag));
    }

    {
        TPlay play;
        QElapsedTimer timer;
        timer.start();
        play.BeginAdd(TPlay::kDefaultId);
        play.AddFile(music);
        const double addMs = Ms(timer);
        timer.restart();
        play.EndAdd(); // tag scan of every song, then the save
        const double endMs = Ms(timer);
        std::printf("add folder of %d files: AddFolder %.0f ms, EndAdd (tag scan + save) %.0f ms, songs %d, "
                    "rss %ld kB\n",
                    files, addMs, endMs, play.Default().Count(), ResidentKb());
    }

    {
        QList<QByteArray> paths;
        for (int i = 0; i < entries; ++i)
            paths << QStringLiteral("/home/user/Music/Some Artist %1/Some Album/%2 - A song title.mp3")
                         .arg(i % 500)
                         .arg(i, 6, 10, QChar('0'))
                         .toUtf8();
        QFile list(home.path() + QStringLiteral("/big.lst"));
        if (!list.open(QIODevice::WriteOnly))
            return 1;
        list.write(SerializeListFile(paths, {}));
        list.close();
        paths.clear();

        TPlay play;
        const long before = ResidentKb();
        QElapsedTimer timer;
        timer.start();
        const int result = play.LoadList(list.fileName());
        const double loadMs = Ms(timer);
        const long loaded = ResidentKb();
        timer.restart();
        const bool saved = play.SaveList(home.path() + QStringLiteral("/saved.lst"));
        const double saveMs = Ms(timer);
        std::printf("list of %d entries (%lld bytes): LoadList %.0f ms (result %d), SaveList %.0f ms (%s), "
                    "rss %ld kB (+%ld kB for the loaded list), after save %ld kB\n",
                    entries, static_cast<long long>(list.size()), loadMs, result, saveMs,
                    saved ? "ok" : "failed", loaded, loaded - before, ResidentKb());
    }
    for (const int categories : {entries / 10, entries}) {
        QList<ListFileCategory> blocks;
        for (int i = 0; i < categories; ++i) {
            ListFileCategory block;
            block.name = QByteArray("Category ") + QByteArray::number(i);
            block.paths << QByteArray("/music/c") + QByteArray::number(i) + ".mp3";
            blocks << block;
        }
        QFile list(home.path() + QStringLiteral("/categories.lst"));
        if (!list.open(QIODevice::WriteOnly))
            return 1;
        list.write(SerializeListFile({}, blocks));
        list.close();
        TPlay play;
        QElapsedTimer timer;
        timer.start();
        const int result = play.LoadList(list.fileName());
        const double loadMs = Ms(timer);
        timer.restart();
        play.LoadList(list.fileName()); // replacing them all again
        const double reloadMs = Ms(timer);
        std::printf("list of %d categories: LoadList %.0f ms (result %d, %.2f us per category), again over "
                    "them %.0f ms\n",
                    categories, loadMs, result, loadMs * 1000 / categories, reloadMs);
    }

    {
        QByteArray lines;
        for (int i = 0; i < entries; ++i)
            lines += "/home/user/Music/Some Album/" + QByteArray::number(i) + " - A song title.mp3\n";
        QFile m3u(home.path() + QStringLiteral("/long.m3u"));
        if (!m3u.open(QIODevice::WriteOnly))
            return 1;
        m3u.write(lines);
        m3u.close();
        // A zero timer stands for the window: the longest wait between its turns.
        QElapsedTimer sinceTurn;
        qint64 longestWaitNs = 0;
        QTimer window;
        QObject::connect(&window, &QTimer::timeout, [&] {
            longestWaitNs = std::max(longestWaitNs, sinceTurn.nsecsElapsed());
            sinceTurn.restart();
        });
        window.start(0);
        TPlay play;
        QElapsedTimer timer;
        timer.start();
        sinceTurn.start();
        play.BeginAdd(TPlay::kDefaultId);
        play.AddFile(m3u.fileName());
        const double addMs = Ms(timer);
        longestWaitNs = std::max(longestWaitNs, sinceTurn.nsecsElapsed());
        window.stop();
        play.EndAdd();
        std::printf("import .m3u of %d lines: %.0f ms, longest wait of the event loop %.1f ms, songs %d\n", entries,
                    addMs, static_cast<double>(longestWaitNs) / 1e6, play.Default().Count());
    }
    return 0;
}
