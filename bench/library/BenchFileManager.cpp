// Fills a category with N songs (small files with ID3v1 tags, a play count
// for every tenth), opens the file manager page on it and prints the time to
// the filled list and to the end of the tag scan (every row showing its
// title), then the time to move a block of 100 rows to the end.
#include "Messenger.h"
#include "OptionsStore.h"
#include "PlayCounts.h"
#include "SongList.h"
#include "TFileForm.h"
#include "TOption.h"
#include "TPlay.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct SilentDialogs : DialogLayer {
    int MessageBox(const QString&, const QString&, int) override { return MsgBox::IdOk; }
    int AskWithCheckBox(const QString&, const QString&, const QString&, bool&, int) override { return MsgBox::IdOk; }
    QStringList OpenFiles(const QString&, const QString&, const QString&) override { return {}; }
    QString OpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseFolder(const QString&, const QString&) override { return {}; }
    std::optional<ColorRef> ChooseColor(ColorRef) override { return {}; }
    std::optional<FontSpec> ChooseFont(const FontSpec&) override { return {}; }
};

QByteArray tagged(int n) {
    const QByteArray title = "Title " + QByteArray::number(n);
    QByteArray block = "TAG" + title.leftJustified(30, '\0') + QByteArray("Artist").leftJustified(30, '\0') +
                       QByteArray("Album").leftJustified(30, '\0') + "2001" + QByteArray(30, '\0');
    block.append(static_cast<char>(12));
    return QByteArray(2048, '\x55') + block;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir dir;
    qputenv("SORVI_HOME", dir.path().toUtf8());
    QApplication app(argc, argv);
    const int songs = argc > 1 ? std::atoi(argv[1]) : 10000;
    QDir(dir.path()).mkpath(QStringLiteral("music"));
    QStringList files;
    for (int i = 0; i < songs; ++i) {
        files << dir.path() + QStringLiteral("/music/song%1.mp3").arg(i, 5, 10, QLatin1Char('0'));
        QFile file(files.last());
        if (!file.open(QIODevice::WriteOnly) || file.write(tagged(i)) < 0)
            return 1;
    }
    OptionsStore store(dir.path() + QStringLiteral("/Options.ini"));
    TOption option(store);
    TPlay play(&option);
    SilentDialogs dialogs;
    Messenger messenger(option, dialogs);
    for (int i = 0; i < songs; i += 10)
        IncrementPlayCount(PlayCountFile(), files[i]);
    const int category = play.AddCategory(QStringLiteral("Big"), 0);
    play.BeginAdd(category);
    for (const QString& file : files)
        play.AddFile(file);
    play.EndAdd();

    TFileForm form({play, messenger, option, [](const QString&) {}, [](int) {}, [](int) {},
                    [](const QStringList&, int) {}, [](const QString&) {}, nullptr});
    form.resize(900, 600);
    form.show();
    form.BuildTree();
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    form.ShowCategory(category);
    const qint64 filled = timer.elapsed();
    const auto lastTitle = [&] { return form.ListView->topLevelItem(songs - 1)->text(SongList::TitleColumn); };
    while (lastTitle() != QStringLiteral("Title %1").arg(songs - 1))
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    const qint64 scanned = timer.elapsed();

    for (int row = 0; row < 100; ++row)
        form.ListView->topLevelItem(row)->setSelected(true);
    timer.restart();
    form.MoveRows(songs - 1);
    const qint64 moved = timer.elapsed();

    std::printf("file manager, %d songs: list filled %lld ms, tag scan done %lld ms, 100 rows moved to the end %lld ms\n",
                songs, static_cast<long long>(filled), static_cast<long long>(scanned),
                static_cast<long long>(moved));
    return 0;
}
