// The player's texts in the user's language: the running player under an
// English and a Simplified Chinese locale shows its menu captions, message
// boxes and the lyrics window's title wholly in that language, while what it
// stores keeps its historic spelling ("SHUFFER" in "Options.ini").
#include "LyricsLayer.h"
#include "MenuLayer.h"
#include "PlayerActions.h"
#include "PlayerApplication.h"
#include "PlayerPopupMenu.h"
#include "PlayerTranslation.h"
#include "ScriptedDialogs.h"
#include "TKvMp3PlayForm.h"
#include "TLrcForm.h"
#include "TOption.h"
#include "TempHome.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QMessageBox>

namespace {

struct Texts {
    const char* locale;
    bool translated;
    const char* shuffle;      // the menu's shuffle item
    const char* playMenu;     // the "Play" submenu's title
    const char* restore;      // the minimize item while the window is hidden
    QStringList skinFailure;  // a file that is not a skin, then the fall-back notice
    const char* lyricsTitle;  // the lyrics window's caption for the song "Song"
    const char* emptyLyricsTitle;
    const char* okButton; // Qt's own text of a message box's OK button
    const char* playlistHint; // the default skin's tool tip of its play-list button
};

void PrintTo(const Texts& t, std::ostream* os) { *os << t.locale; }

const Texts kTexts[] = {
    {"en_US", false, "Shuffle", "Play", "Restore", {"Invalid file format!", "Could not open the skin file."},
     "Song - Lyrics Shower", "Lyrics Shower", "OK", "Playlist"},
    {"zh_CN", true, "随机播放", "播放", "还原", {"文件格式无效！", "无法打开外壳文件."}, "Song - 歌词显示",
     "歌词显示", "确定", "播放列表"},
};

class PlayerTexts : public ::testing::TestWithParam<Texts> {};

TEST_P(PlayerTexts, FaceMessagesAndLyricsTitleSpeakTheLocaleLanguage) {
    const Texts& t = GetParam();
    PlayerTranslation translation{QLocale(QString::fromLatin1(t.locale))};
    EXPECT_EQ(translation.translated(), t.translated);
    QMessageBox box(QMessageBox::Information, "Kelvando", "text", QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QString::fromUtf8(t.okButton));

    TempHome home;
    ScriptedDialogs dialogs;
    PlayerApplication player({&dialogs, [](const QString&) {}, {}});
    player.Start();

    PlayerActions& actions = player.menu().actions();
    EXPECT_EQ(actions.action("ShuffleAction")->text(), QString::fromUtf8(t.shuffle));
    QMenu* play = player.menu().menu().findChild<QMenu*>("PlayMenu");
    ASSERT_NE(play, nullptr) << "submenus keep their object names in every language";
    EXPECT_EQ(play->title(), QString::fromUtf8(t.playMenu));
    QStringList tips;
    for (const QWidget* w : player.mainWindow().findChildren<QWidget*>())
        if (!w->toolTip().isEmpty())
            tips << w->toolTip();
    EXPECT_TRUE(tips.contains(QString::fromUtf8(t.playlistHint))) << tips.join("|").toStdString();
    actions.SetMainWindowHidden(true);
    EXPECT_EQ(actions.action("MinimizeAction")->text(), QString::fromUtf8(t.restore));
    actions.SetMainWindowHidden(false);

    // The stored key keeps its spelling whatever the caption reads.
    actions.action("ShuffleAction")->trigger();
    EXPECT_TRUE(player.option().Shuffle());
    EXPECT_TRUE(home.read("Options.ini").contains("SHUFFER=1")) << home.read("Options.ini").toStdString();

    dialogs.shown.clear();
    player.DoCommand("#Skin," + home.write("broken.eks", "this is no skin"));
    EXPECT_EQ(dialogs.messages(), t.skinFailure);
    for (const auto& shown : dialogs.shown)
        EXPECT_EQ(shown.title, "Kelvando") << "the product name is never translated";

    player.option().SetTitle("Song");
    player.DoCommand("#Lyrics");
    ASSERT_NE(player.lyrics().lyricsWindow(), nullptr);
    EXPECT_EQ(player.lyrics().lyricsWindow()->windowTitle(), QString::fromUtf8(t.lyricsTitle));
    player.option().SetTitle(QString());
    EXPECT_EQ(player.lyrics().lyricsWindow()->windowTitle(), QString::fromUtf8(t.emptyLyricsTitle));
    player.CloseMainWindow();
}

INSTANTIATE_TEST_SUITE_P(Locales, PlayerTexts, ::testing::ValuesIn(kTexts),
                         [](const auto& info) { return std::string(info.param.locale); });

} // namespace
