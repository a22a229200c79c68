// Times FindLyricsFile in a lyrics folder of many files.
// Usage: bench_find_lyrics [files=20000] [rounds=20]
#include "LyricsLookup.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

namespace {

double MedianMs(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

template <typename F> std::vector<double> Time(int rounds, F&& run) {
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;

    QTemporaryDir home;
    const QString folder = home.path() + "/Lyrics/";
    QDir().mkpath(folder);
    for (int i = 0; i < files; ++i) {
        QFile f(folder + QString::asprintf("Artist %05d-Song %05d.lrc", i, i));
        if (!f.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(f.fileName()));
            return 1;
        }
    }

    const TLyricsSong missing{"/music/missing.mp3", "Nothing", "Nobody", "None", ""};
    const TLyricsSong last{"/music/x.mp3", QString::asprintf("Song %05d", files - 1),
                           QString::asprintf("Artist %05d", files - 1), "", ""};
    if (FindLyricsFile(missing, folder) != "" || FindLyricsFile(last, folder).isEmpty()) {
        std::fprintf(stderr, "lookup gave an unexpected result\n");
        return 1;
    }

    const auto notFound = Time(rounds, [&] { (void)FindLyricsFile(missing, folder); });
    const auto lastFound = Time(rounds, [&] { (void)FindLyricsFile(last, folder); });
    const auto listing = Time(rounds, [&] { (void)ListLyricsFiles(folder); });
    std::printf("files in Lyrics/: %d, rounds: %d\n", files, rounds);
    std::printf("FindLyricsFile, no match:         median %.2f ms\n", MedianMs(notFound));
    std::printf("FindLyricsFile, last file listed: median %.2f ms\n", MedianMs(lastFound));
    std::printf("ListLyricsFiles alone:            median %.2f ms\n", MedianMs(listing));
    return 0;
}
