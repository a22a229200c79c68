// Times the lyrics window's drawing with hostile lyrics: one line of many
// megabytes, a thousand lines at one time tag, and a segmented file that joins
// them all into one display line, beside ordinary lyrics. Prints the load
// (SetLyrics) and the median redraw (UpdateLyrics: band, list, composition),
// and the median redraw at a line change of an ordinary song.
// Usage: bench_huge_lyrics [megabytes=10] [lines=1000] [rounds=20]
#include "LrcParser.h"
#include "OptionsStore.h"
#include "TLrcView.h"
#include "TOption.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <vector>

namespace {

double elapsedMs(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

QByteArray tagged(int lines, bool sameTag, const QByteArray& text) {
    QByteArray lrc;
    for (int i = 0; i < lines; ++i) {
        const int t = sameTag ? 10 : 10 + i * 20;
        lrc += QStringLiteral("[%1:%2.%3]").arg(t / 600, 2, 10, QChar('0')).arg(t % 600 / 10, 2, 10, QChar('0'))
                   .arg(t % 10).toUtf8() +
               text + QByteArray::number(i) + "\n";
    }
    return lrc;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 10;
    const int lines = argc > 2 ? std::atoi(argv[2]) : 1000;
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 20;

    QTemporaryDir dir;
    OptionsStore store(dir.filePath("Options.ini"));
    TOption option(store);
    TLrcView view(option);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    TLyricsOptions colors;
    view.SetOptions(colors, font, font);
    view.Resize(QSize(600, 450), QRect(0, 0, 600, 430), QRect(0, 356, 600, 74));

    struct Case {
        const char* name;
        QByteArray lrc;
    } cases[] = {
        {"ordinary (40 lines)", tagged(40, false, "An ordinary line of a song number ")},
        {"one huge line", "[00:01.0]" + QByteArray(qsizetype(megabytes) * 1024 * 1024, 'x') + "\n"},
        {"lines at one time tag", tagged(lines, true, "Line at the same time ")},
        {"segmented, all joined", "[segmented]\n" + tagged(lines, true, QByteArray(300, 'w'))},
    };
    std::printf("%-24s %12s %16s\n", "lyrics", "load ms", "redraw ms (med)");
    for (const Case& c : cases) {
        TLrcRec rec;
        ParseLrcBytes(c.lrc, rec);
        QElapsedTimer load;
        load.start();
        view.SetLyrics(rec);
        const double loadMs = elapsedMs(load);
        option.SetPlaying(true);
        std::vector<double> redraw;
        for (int i = 0; i < rounds; ++i) {
            option.ReportEngineTime(2);
            option.SetTick(i % 10);
            QElapsedTimer timer;
            timer.start();
            view.UpdateLyrics();
            redraw.push_back(elapsedMs(timer));
        }
        std::sort(redraw.begin(), redraw.end());
        std::printf("%-24s %12.1f %16.2f\n", c.name, loadMs, redraw[redraw.size() / 2]);
        option.SetPlaying(false);
    }

    // An ordinary song whose lines change every two seconds: each change
    // scrolls the list by a line and moves the highlight.
    TLrcRec song;
    ParseLrcBytes(tagged(150, false, "An ordinary line of a song, long enough to sweep "), song);
    view.SetLyrics(song);
    option.SetPlaying(true);
    std::vector<double> change;
    for (int i = 0; i < 140; ++i) {
        option.ReportEngineTime(1 + i * 2);
        option.SetTick(1);
        QElapsedTimer timer;
        timer.start();
        view.UpdateLyrics();
        change.push_back(elapsedMs(timer));
    }
    std::sort(change.begin(), change.end());
    std::printf("%-24s %12s %16.2f\n", "line changes (150)", "", change[change.size() / 2]);
    return 0;
}
