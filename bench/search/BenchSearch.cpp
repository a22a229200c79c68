// Generates a tree of N small files in nested folders, searches it for every
// file as the search page does (worker thread, batches into the result list),
// and prints the time to the end of the search, the longest time one batch
// held the window, the rows listed and the peak resident memory; then how
// soon a search stopped by the user ends.
#include "SearchPatterns.h"
#include "SearchResultList.h"
#include "TSearchThread.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

long peakKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    const QString root = dir.path() + QStringLiteral("/tree/");
    // 100 files a folder, ten folders a level.
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < files; ++i) {
        const int folder = i / 100;
        const QString path = root + QStringLiteral("d%1/e%2/").arg(folder / 10).arg(folder % 10);
        if (i % 100 == 0)
            QDir().mkpath(path);
        QFile f(path + QStringLiteral("song %1.mp3").arg(i));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write("x");
    }
    std::printf("generated %d files in %lld ms, peak %ld KB\n", files, timer.elapsed(), peakKb());
    std::fflush(stdout);

    SearchResultList list;
    TSearchThread thread({root}, NormalisePatterns(QStringLiteral("mp3")));
    qint64 longestBatchMs = 0;
    int batches = 0;
    QObject::connect(&thread, &TSearchThread::foundFiles, &list, [&](const QList<FoundFile>& found) {
        QElapsedTimer t;
        t.start();
        list.AddFiles(found);
        longestBatchMs = std::max(longestBatchMs, t.elapsed());
        ++batches;
    });
    QObject::connect(&thread, &TSearchThread::searchDone, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    timer.restart();
    thread.start();
    app.exec();
    std::printf("search of %d files: %lld ms, %d rows in %d batches, longest batch %lld ms, peak %ld KB\n", files,
                timer.elapsed(), list.topLevelItemCount(), batches, longestBatchMs, peakKb());
    thread.wait();

    // Stopped by the user 200 ms into a second search: how long until it has ended.
    TSearchThread second({root}, NormalisePatterns(QStringLiteral("mp3")));
    QElapsedTimer sinceStop;
    qint64 stopMs = -1;
    QObject::connect(&second, &TSearchThread::searchDone, &app, [&] {
        stopMs = sinceStop.isValid() ? sinceStop.elapsed() : -1;
        app.quit();
    }, Qt::QueuedConnection);
    QTimer::singleShot(200, &app, [&] {
        sinceStop.start();
        second.Stop();
    });
    second.start();
    app.exec();
    if (stopMs < 0)
        std::printf("the second search ended before the stop at 200 ms\n");
    else
        std::printf("stop 200 ms into a search: ended %lld ms after the stop\n", stopMs);
    return 0;
}
