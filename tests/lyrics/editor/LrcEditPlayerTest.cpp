// The lyrics editor in the running player: the first lyrics file of an add
// batch (the command line, a list handed over by a second start) opens in the
// editor on page 1 of the tool window; Test shows the lyrics window.
#include "LrcMemo.h"
#include "LyricsLayer.h"
#include "PlayerApplication.h"
#include "ScriptedDialogs.h"
#include "TLrcEditForm.h"
#include "TLrcForm.h"
#include "TWorkForm.h"
#include "TempHome.h"

#include <QAction>
#include <QLabel>
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

} // namespace
