// The user's ways of adding files: "#OpenFile" lists and the dialog, drops and
// dragged links, and what happens after the batch.
#include "FileAdder.h"
#include "Messenger.h"
#include "OptionsStore.h"
#include "ScriptedDialogs.h"
#include "TOption.h"
#include "TPlay.h"
#include "TempHome.h"

#include <gtest/gtest.h>
#include <QTimer>

namespace {

struct Adding : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    TPlay play{&option};
    ScriptedDialogs dialogs;
    Messenger messenger{option, dialogs};
    QStringList ran;
    FileAdder adder{play, option, messenger, [] { return QString("*.mp3;*.m3u;*.lrc;*.eks;"); },
                    [this](const QString& c) { ran << c; }};

    QStringList songNames() {
        QStringList names;
        for (const TPlayItem& s : play.Default().Songs())
            names << s.FileName.section('/', -1);
        return names;
    }
};

} // namespace

TEST_F(Adding, OpenFileListAddsEveryPathAndAlwaysPlaysTheFirst) {
    const QString a = home.write("a.mp3", "a"), b = home.write("b,c.mp3", "b"), lrc = home.write("a.lrc", "[00:01]x");
    option.SetPlaying(true);
    store.WriteBool("OPTION", "PLAYONADD", false); // ignored: a handed-over list always plays
    adder.OpenFileCommand(a + "\r\n\r\n" + b + "\r\n" + lrc + "\r\n");
    EXPECT_EQ(songNames(), (QStringList{"a.mp3", "b,c.mp3"})); // no empty song from the blank line
    EXPECT_EQ(ran, (QStringList{"#Play," + a, "#EditLrc," + lrc}));
}

TEST_F(Adding, ListHandedOverWhileABatchRunsIsAddedAfterIt) {
    const QString first = home.write("first.mp3", "x"), handed = home.write("handed.mp3", "y");
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId)); // the start-up batch
    play.AddFile(first);
    // The second start's list arrives while EndAdd's tag scan lets events run.
    QTimer::singleShot(0, [&] { adder.OpenFileCommand(handed + "\r\n"); });
    const TAddBatch batch = play.EndAdd();
    EXPECT_EQ(batch.FirstAudioFile, first) << "start-up plays its own first file";
    EXPECT_TRUE(WaitFor([&] { return songNames().size() == 2; }, 3000)) << "the handed-over file is added after";
    EXPECT_EQ(songNames(), (QStringList{"first.mp3", "handed.mp3"}));
    EXPECT_EQ(ran, QStringList{"#Play," + handed});
}

TEST_F(Adding, HandedOverNamesKeepEveryByteButNul) {
    // A second start frames each name with NUL: CR LF, commas and colons are
    // part of names.
    const QString odd = home.write("two\r\nlines.mp3", "a"), colon = home.write("Live: Song.mp3", "b");
    const QString nul(QChar(0));
    adder.OpenFileCommand(odd + nul + colon + nul);
    EXPECT_EQ(songNames(), (QStringList{"two\r\nlines.mp3", "Live: Song.mp3"}));
    EXPECT_EQ(ran, (QStringList{"#Play," + odd}));
}

TEST_F(Adding, PlayOnAddDecidesWhetherADropInterruptsPlayback) {
    struct Case {
        bool playing;
        const char* playOnAdd; // nullptr: not in the file (default true)
        bool plays;
    } cases[] = {{true, "0", false}, {true, "1", true}, {true, nullptr, true}, {false, "0", true}};
    int n = 0;
    for (const Case& c : cases) {
        ran.clear();
        store.EraseSection("OPTION");
        if (c.playOnAdd)
            store.WriteString("OPTION", "PLAYONADD", c.playOnAdd);
        option.SetPlaying(c.playing);
        const QString song = home.write(QString("drop%1.mp3").arg(n++), "x");
        adder.DropFiles({song}, TPlay::kDefaultId);
        EXPECT_EQ(ran, c.plays ? QStringList{"#Play," + song} : QStringList{}) << c.playing << " " << c.playOnAdd;
    }
}

TEST_F(Adding, DroppedFolderAddsItsFilesAndActsOnTheFirstOfEachKind) {
    home.write("music/b.mp3", "b");
    home.write("music/a.mp3", "a");
    home.write("music/sub/c.mp3", "c");
    home.write("music/look.eks", "skin");
    adder.DropFiles({home.file("music")}, TPlay::kDefaultId);
    EXPECT_EQ(songNames(), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));
    EXPECT_EQ(ran, (QStringList{"#Play," + home.file("music/a.mp3"), "#Skin," + home.file("music/look.eks")}));
}

TEST_F(Adding, RefusalsGoThroughTheDialogLayer) {
    const QString song = home.write("a.mp3", "a");
    // Read-only category (TOPTEN).
    adder.DropFiles({song}, TPlay::kTopTenId);
    // Busy: a batch is open.
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
    adder.DropFiles({song}, TPlay::kDefaultId);
    adder.AddUrl("http://127.0.0.1:9/stream.mp3");
    adder.OpenFileCommand(song); // a handed-over list is skipped silently
    play.EndAdd();
    EXPECT_EQ(dialogs.messages(),
              (QStringList{"The current Category disallows the user modification.",
                           "File was processing, was unable to respond. please try again soon.",
                           "File was processing, was unable to respond. please try again soon."}));
    EXPECT_EQ(dialogs.shown[0].title, "Kelvando");
    EXPECT_EQ(dialogs.shown[0].flags, MsgBox::IconStop);
    EXPECT_EQ(dialogs.shown[1].flags, MsgBox::IconExclamation);
    EXPECT_TRUE(play.Default().Count() == 0);
    EXPECT_TRUE(ran.isEmpty());
    EXPECT_TRUE(option.Interactive());
}

TEST_F(Adding, DropsWhileADialogIsOpenAreIgnored) {
    option.SetInteractive(false);
    adder.DropFiles({home.write("a.mp3", "a")}, TPlay::kDefaultId);
    EXPECT_EQ(play.Default().Count(), 0);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(Adding, DraggedLinkIsAddedAsAStream) {
    adder.AddUrl("https://radio.example/live.mp3");
    EXPECT_EQ(play.Default().Count(), 1);
    EXPECT_EQ(ran, QStringList{"#Play,https://radio.example/live.mp3"});
}

TEST_F(Adding, OpenFilesDialogUsesThePluginTypesAndRemembersTheFolder) {
    const QString a = home.write("picked/a.mp3", "a");
    const QString b = home.write("picked/b.mp3", "b");
    dialogs.files = {a, b};
    adder.OpenFileCommand(QString());
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, "Open Files");
    EXPECT_EQ(dialogs.lastFilter,
              "Media Files (*.mp3 *.m3u *.lrc *.eks);;Playlist(*.m3u) (*.m3u);;All Files(*.*) (*)");
    EXPECT_EQ(songNames(), (QStringList{"a.mp3", "b.mp3"}));
    EXPECT_EQ(ran, QStringList{"#Play," + a});
    EXPECT_EQ(option.RecentFolder(), home.file("picked/"));
    EXPECT_TRUE(option.Interactive());

    dialogs.files.clear(); // cancelled: nothing changes
    ran.clear();
    adder.OpenFilesDialog(option.RecentFolder(), TPlay::kDefaultId);
    EXPECT_EQ(dialogs.lastFolder, home.file("picked/"));
    EXPECT_TRUE(ran.isEmpty());
}
