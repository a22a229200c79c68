// The lyrics editor in the running player: the first lyrics file of an add
// batch (the command line, a list handed over by a second start) opens in the
// editor on page 1 of the tool window; Test shows the lyrics window.
#include "LrcMemo.h"
#include "LyricsLayer.h"
#include "PlayerApplication.h"
#include "ScriptedDialogs.h"
#include "TLrcEditForm.h"
#include "TLrcForm.h"
#include "TPlay.h"
#include "TWorkForm.h"
#include "TempHome.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

TEST(LrcEditPlayer, FirstLyricsFileOfAnAddBatchOpensInTheEditor) {
    TempHome home;
    const QString first = home.write("first.lrc", "[00:01]First\n");
    const QString second = home.write("second.lrc", "[00:02]Second\n");
    const QString later = home.write("later.lrc", "[00:03]Later\n");
    ScriptedDialogs dialogs;
    PlayerApplication player({&dialogs, [](const QString&) {}, {first, second}});
    player.Start();

    TWorkForm* tool = player.workForm();
    ASSERT_NE(tool, nullptr) << "the command line's lyrics file opens the editor";
    EXPECT_EQ(tool->CurrentPage(), WorkPageNumber::LyricsEditor);
    auto* editor = qobject_cast<TLrcEditForm*>(tool->Page(WorkPageNumber::LyricsEditor));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(tool->windowTitle(), "Lyrics Editor");
    EXPECT_EQ(editor->FileName(), first);
    EXPECT_EQ(editor->Memo->toPlainText(), "[00:01]First\n");
    EXPECT_TRUE(tool->statusBar()->isAncestorOf(editor->TimePanel));
    EXPECT_TRUE(tool->actions().contains(editor->InsertTimeAction)) << "F5 works anywhere in the tool window";

    // A list handed over by a second start: its first lyrics file replaces an
    // unchanged text without a question.
    player.DoCommand("#OpenFile," + later + "\r\n");
    EXPECT_EQ(editor->FileName(), later);
    EXPECT_TRUE(dialogs.messages().isEmpty());

    // Test opens the lyrics window (which shows nothing without a current song).
    editor->TestAction->trigger();
    ASSERT_NE(player.lyrics().lyricsWindow(), nullptr);
    EXPECT_TRUE(player.lyrics().lyricsWindow()->isVisible());
    EXPECT_FALSE(player.lyrics().lyricsWindow()->LyricsLoaded());
    EXPECT_EQ(editor->FileName(), later);
    tool->close();
}

TEST(LrcEditPlayer, TestShowsTheEditedTextForTheCurrentSong) {
    TempHome home;
    const QString song = home.write("song.mp3", "not decoded here");
    const QString saved = home.write("Lyrics/song.lrc", "[00:01]Saved words\n");
    ScriptedDialogs dialogs;
    PlayerApplication player({&dialogs, [](const QString&) {}, {}});
    player.Start();
    player.play().Current().FileName = song; // the song the player is on

    player.DoCommand("#EditLrc," + saved);
    auto* editor = qobject_cast<TLrcEditForm*>(player.workForm()->Page(WorkPageNumber::LyricsEditor));
    ASSERT_NE(editor, nullptr);
    editor->Memo->appendPlainText("[00:03]Edited words");
    editor->TestAction->trigger();
    TLrcForm* lyrics = player.lyrics().lyricsWindow();
    ASSERT_NE(lyrics, nullptr);
    EXPECT_TRUE(lyrics->isVisible());
    EXPECT_TRUE(lyrics->LyricsLoaded());
    EXPECT_NE(lyrics->LrcFileName(), saved) << "the lyrics window shows the edited text, not the saved file";
    EXPECT_TRUE(lyrics->LrcFileName().startsWith(QDir::tempPath()));
    EXPECT_EQ(editor->FileName(), saved);
    EXPECT_TRUE(editor->Modified());
    EXPECT_EQ(home.read("Lyrics/song.lrc"), "[00:01]Saved words\n");
    player.workForm()->CloseForGood();
}

TEST(LrcEditPlayer, ClosingTheToolWindowAsksBeforeUnsavedLyricsAreLost) {
    TempHome home;
    const QString file = home.write("song.lrc", "[00:01]One\n");
    ScriptedDialogs dialogs;
    PlayerApplication player({&dialogs, [](const QString&) {}, {file}});
    player.Start();
    QPointer<TWorkForm> tool = player.workForm();
    ASSERT_TRUE(tool);
    auto* editor = qobject_cast<TLrcEditForm*>(tool->Page(WorkPageNumber::LyricsEditor));
    ASSERT_NE(editor, nullptr);
    player.DoCommand("#Setup"); // another page shows: the editor lives on unseen
    editor->Memo->appendPlainText("[00:02]Two");

    dialogs.answer = MsgBox::IdCancel;
    EXPECT_FALSE(tool->close()) << "Cancel keeps the window and the text";
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, "Save change to File?");
    EXPECT_TRUE(tool->isVisible());

    dialogs.answer = MsgBox::IdYes;
    EXPECT_TRUE(tool->close());
    EXPECT_EQ(home.read("song.lrc"), "[00:01]One\r\n[00:02]Two\r\n");

    // Nothing unsaved: the window closes without a question.
    dialogs.shown.clear();
    player.DoCommand("#EditLrc");
    ASSERT_NE(player.workForm(), nullptr);
    EXPECT_TRUE(player.workForm()->close());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST(LrcEditPlayer, ShuttingDownAsksNothing) {
    TempHome home;
    const QString file = home.write("song.lrc", "[00:01]One\n");
    ScriptedDialogs dialogs;
    {
        PlayerApplication player({&dialogs, [](const QString&) {}, {file}});
        player.Start();
        auto* editor = qobject_cast<TLrcEditForm*>(player.workForm()->Page(WorkPageNumber::LyricsEditor));
        ASSERT_NE(editor, nullptr);
        editor->Memo->appendPlainText("unsaved");
    }
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "no question while the player shuts down";
    EXPECT_EQ(home.read("song.lrc"), "[00:01]One\n");
}

} // namespace
