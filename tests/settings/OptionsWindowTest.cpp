// The options window in the running player, with the dialogs scripted: what
// it writes to "Options.ini" and when, the file-type list, the lyrics page
// reaching the open lyrics window at once, and pictures of its three pages.
#include "ColorBox.h"
#include "FileAssociations.h"
#include "GeneralOptionsPage.h"
#include "LyricsLayer.h"
#include "LyricsOptionsPage.h"
#include "OptionsStore.h"
#include "PlayerApplication.h"
#include "PlayerSettings.h"
#include "ScriptedDialogs.h"
#include "TempHome.h"
#include "TLrcForm.h"
#include "TOption.h"
#include "TOptionForm.h"
#include "TWorkForm.h"
#include "WorkPage.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

namespace {

// "Options.ini" without the tool window's own placement section, which the
// tool window writes whenever it closes.
QString SettingsText(const TempHome& home) {
    QStringList kept;
    bool placement = false;
    for (const QString& line : QString::fromUtf8(home.read("Options.ini")).split('\n')) {
        if (line.startsWith('['))
            placement = line.compare("[TWorkForm]", Qt::CaseInsensitive) == 0;
        if (!placement)
            kept << line;
    }
    return kept.join('\n');
}

struct OptionsWindow : ::testing::Test {
    TempHome home;
    ScriptedDialogs dialogs;
    PlayerApplication player{{&dialogs, [](const QString&) {}, {}}};
    OptionsStore& store = player.store();

    void SetUp() override { player.Start(); }

    TOptionForm* open() {
        player.DoCommand("#Setup");
        TWorkForm* tools = player.workForm();
        return tools ? qobject_cast<TOptionForm*>(tools->Page(WorkPageNumber::Options)) : nullptr;
    }
    void closeTools() {
        player.workForm()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(OptionsWindow, OpeningLookingAtEveryPageAndClosingWritesNothing) {
    const QString before = SettingsText(home);
    TOptionForm* form = open();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(player.workForm()->windowTitle(), "Options");
    for (int tab : {TOptionForm::Hotkey, TOptionForm::LrcShower, TOptionForm::General})
        form->PageControl()->setCurrentIndex(tab);
    EXPECT_FALSE(form->AcceptAction()->isEnabled());
    closeTools();
    EXPECT_EQ(SettingsText(home), before);
}

TEST_F(OptionsWindow, ClosingAppliesTheTickedBoxesThatAcceptWouldHave) {
    TOptionForm* form = open();
    ASSERT_NE(form, nullptr);
    ASSERT_FALSE(player.option().AlwaysOnTop());
    GeneralOptionsPage* general = form->GeneralPage();
    general->AlwaysTopCheckBox()->click();
    general->AutoPlayCheckBox()->click();
    general->PlayImmCheckBox()->click();
    general->NotifyCheckBox()->click();
    EXPECT_TRUE(form->AcceptAction()->isEnabled());
    EXPECT_FALSE(player.option().AlwaysOnTop()) << "nothing applies before Accept";
    closeTools();
    EXPECT_TRUE(player.option().AlwaysOnTop());
    EXPECT_TRUE(store.ReadBool("OPTION", "ALWAYSTOP", false));
    EXPECT_TRUE(store.ReadBool("OPTION", "AUTOPLAY", false));
    EXPECT_FALSE(store.ReadBool("OPTION", "PLAYONADD", true));
    EXPECT_FALSE(store.ReadBool("OPTION", "NOTIFY", true));
    EXPECT_TRUE(store.ReadBool("OPTION", "CHECKACC", false)) << "an untouched box keeps its value";
}

TEST(OptionsWindowQuit, QuittingThePlayerAppliesUnappliedChanges) {
    TempHome home;
    ScriptedDialogs dialogs;
    {
        PlayerApplication player({&dialogs, [](const QString&) {}, {}});
        player.Start();
        player.DoCommand("#Setup");
        auto* form = qobject_cast<TOptionForm*>(player.workForm()->Page(WorkPageNumber::Options));
        ASSERT_NE(form, nullptr);
        form->GeneralPage()->AutoPlayCheckBox()->click();
        player.DoCommand("#Exit");
    }
    EXPECT_TRUE(OptionsStore(home.file("Options.ini")).ReadBool("OPTION", "AUTOPLAY", false));
}

TEST_F(OptionsWindow, AcceptAppliesOnceAndTheNextShowTakesOutsideChanges) {
    TOptionForm* form = open();
    ASSERT_NE(form, nullptr);
    form->GeneralPage()->PromptLrcCheckBox()->click();
    form->AcceptAction()->trigger();
    EXPECT_FALSE(store.ReadBool("OPTION", "PROMPTDOWNLRC", true));
    EXPECT_FALSE(form->AcceptAction()->isEnabled());
    // Always on top turned on from the menu while the window is away.
    player.DoCommand("#Search");
    player.option().SetAlwaysOnTop(true);
    player.DoCommand("#Setup");
    EXPECT_TRUE(form->GeneralPage()->AlwaysTopCheckBox()->isChecked());
    closeTools();
    EXPECT_TRUE(player.option().AlwaysOnTop()) << "closing does not put back what the window showed before";
}

TEST_F(OptionsWindow, ColourChangeIsInTheFileAndTheOpenLyricsWindowAtOnce) {
    player.DoCommand("#Lyrics");
    TLrcForm* lyrics = player.lyrics().lyricsWindow();
    ASSERT_NE(lyrics, nullptr);
    auto corner = [lyrics] { return lyrics->FullPanel()->grab().toImage().pixelColor(2, 2); };
    ASSERT_EQ(corner(), QColor(Qt::black));

    TOptionForm* form = open();
    ASSERT_NE(form, nullptr);
    dialogs.color = 0x0000FF; // red in the stored blue-green-red layout
    form->LyricsPage()->SelectColor(form->LyricsPage()->BkgColorBox());
    EXPECT_EQ(store.ReadString("LYRICS", "BKGCOLOR", ""), "255");
    EXPECT_EQ(corner(), QColor(Qt::red)) << "the lyrics window follows without Accept";
    EXPECT_FALSE(form->AcceptAction()->isEnabled());

    // Picking a row of a box writes its own key.
    ColorBox* outline = form->LyricsPage()->DyRectColorBox();
    outline->setCurrentIndex(outline->findText("Lime"));
    emit outline->activated(outline->currentIndex());
    EXPECT_EQ(store.ReadString("LYRICS", "DRECTCOLOR", ""), QString::number(0x00FF00));

    form->LyricsPage()->AutoFetchCheckBox()->click();
    EXPECT_TRUE(PlayerSettings::AutoFetchLyrics(store));
    EXPECT_FALSE(form->AcceptAction()->isEnabled());
}

TEST_F(OptionsWindow, CancelledDialogsChangeNothingAndTheFontKeepsTheColourKey) {
    TOptionForm* form = open();
    ASSERT_NE(form, nullptr);
    LyricsOptionsPage* page = form->LyricsPage();
    const QString before = SettingsText(home);
    const qsizetype shownBefore = dialogs.shown.size();
    for (ColorBox* box : page->ColorBoxes())
        page->SelectColor(box);
    page->ChooseFont(false);
    page->ChooseFont(true);
    page->ExplorerClick();
    EXPECT_EQ(dialogs.shown.size() - shownBefore, 10);
    EXPECT_EQ(SettingsText(home), before);

    FontSpec font;
    font.name = "DejaVu Sans";
    font.bold = true;
    font.size = 30;
    font.color = 0x00FFFF;
    dialogs.font = font;
    page->ChooseFont(true);
    EXPECT_EQ(store.ReadString("LYRICS", "DFONT", ""), FontToString(font));
    EXPECT_EQ(page->DyFontColorBox()->Color(), 0x00FFFFu) << "the box shows the font's colour";
    EXPECT_EQ(store.ReadString("LYRICS", "DNORMALCOLOR", "none"), "none") << "but its key is not written";
}

TEST_F(OptionsWindow, PictureIsChosenOrClearedAtOnceButTypedOnlyWithAccept) {
    TOptionForm* form = open();
    ASSERT_NE(form, nullptr);
    LyricsOptionsPage* page = form->LyricsPage();
    dialogs.file = home.file("back.jpg");
    page->ExplorerClick();
    EXPECT_EQ(store.ReadString("LYRICS", "BACKGROUND", ""), home.file("back.jpg"));
    EXPECT_TRUE(dialogs.lastFilter.contains("*.jpg")) << dialogs.lastFilter.toStdString();
    page->ClearClick();
    EXPECT_EQ(store.ReadString("LYRICS", "BACKGROUND", "none"), "");

    QTest::keyClicks(page->BitmapEdit(), "/pictures/x.png");
    EXPECT_TRUE(form->AcceptAction()->isEnabled());
    EXPECT_EQ(store.ReadString("LYRICS", "BACKGROUND", "none"), "");
    form->AcceptAction()->trigger();
    EXPECT_EQ(store.ReadString("LYRICS", "BACKGROUND", ""), "/pictures/x.png");
}

TEST_F(OptionsWindow, LyricsWindowOptionsReachTheLrcShowerPage) {
    player.DoCommand("#Lyrics");
    TLrcForm* lyrics = player.lyrics().lyricsWindow();
    ASSERT_NE(lyrics, nullptr);
    // A right click in the drawing area opens the menu with the Options action.
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            lyrics->FullPanel()->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(lyrics->FullPanel(), &click);
    EXPECT_TRUE(lyrics->PopupMenu->isVisible());
    lyrics->PopupMenu->hide();
    EXPECT_TRUE(lyrics->PopupMenu->actions().contains(lyrics->OptionAction));
    store.WriteInteger("LYRICS", "RECTCOLOR", 0x808080);
    lyrics->OptionAction->trigger();
    ASSERT_NE(player.workForm(), nullptr);
    auto* form = qobject_cast<TOptionForm*>(player.workForm()->Page(WorkPageNumber::Options));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(player.workForm()->CurrentPage(), WorkPageNumber::Options);
    EXPECT_EQ(form->PageControl()->currentIndex(), TOptionForm::LrcShower);
    EXPECT_EQ(form->LyricsPage()->RectColorBox()->Color(), 0x808080u) << "filled from the file";
    // Already on that page: filled again.
    store.WriteInteger("LYRICS", "RECTCOLOR", 0x000080);
    lyrics->OptionAction->trigger();
    EXPECT_EQ(form->LyricsPage()->RectColorBox()->Color(), 0x000080u);
}

TEST_F(OptionsWindow, ToolStripMenuAndActionsRunTheirCommands) {
    TOptionForm* form = open();
    ASSERT_NE(form, nullptr);
    QStringList titles;
    for (QAction* menu : form->MainMenu()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&Option", "Vie&w"}));
    EXPECT_EQ(form->ToolStrip()->parentWidget(), player.workForm()->TopPanel());
    QStringList ran;
    player.dispatcher().SetHandler("#CHECKUPDATE", [&](const CommandCall&) { ran << "update"; });
    player.dispatcher().SetHandler("#CREATESHORTCUT", [&](const CommandCall&) { ran << "shortcut"; });
    form->CheckUpdateAction()->trigger();
    form->CreateShortAction()->trigger();
    EXPECT_EQ(ran, (QStringList{"update", "shortcut"}));
    // The view menu reaches the other pages of the tool window.
    QMenu* view = form->MainMenu()->actions().at(1)->menu();
    ASSERT_NE(view, nullptr);
    view->actions().at(1)->trigger();
    EXPECT_EQ(player.workForm()->CurrentPage(), WorkPageNumber::FileSearch);
}

// Associations kept in memory; one extension refuses to change.
class MemoryAssociations : public FileAssociations {
public:
    QStringList associated{".mp3"};
    QString refusing;
    QStringList changes;
    bool IsAssociated(const QString& extension) const override { return associated.contains(extension); }
    bool Associate(const QString& extension, bool remove) override {
        changes << (remove ? "-" : "+") + extension;
        if (extension == refusing)
            return false;
        if (remove)
            associated.removeAll(extension);
        else
            associated << extension;
        return true;
    }
};

TEST(OptionsAssociations, ListIsRebuiltFromTheFileTypesAndChangesOnlyWhatWasChanged) {
    TempHome home;
    OptionsStore store(home.file("Options.ini"));
    TOption option(store);
    MemoryAssociations associations;
    QString types = "*.mp3;*.m3u;";
    QStringList messages;
    OptionFormPorts ports;
    ports.store = &store;
    ports.option = &option;
    ports.associations = &associations;
    ports.fileTypes = [&] { return types; };
    ports.showMessage = [&](const QString& text, int) { messages << text; };
    TOptionForm form(ports);
    form.PageShown();
    QListWidget* list = form.GeneralPage()->CheckListBox();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), ".mp3");
    EXPECT_EQ(list->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);

    // A plug-in that plays Ogg files arrives: the next show lists it.
    types = "*.mp3;*.m3u;*.OGG;*.mp3";
    form.PageShown();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), ".ogg");

    associations.refusing = ".m3u";
    form.GeneralPage()->SelectAll();
    form.GeneralPage()->ChangeAssociate();
    EXPECT_EQ(associations.changes, (QStringList{"+.m3u", "+.ogg"}));
    ASSERT_EQ(messages.size(), 1) << "a refused change is said";
    EXPECT_TRUE(messages[0].contains(".m3u"));
    EXPECT_EQ(list->findItems(".m3u", Qt::MatchExactly).value(0)->checkState(), Qt::Unchecked)
        << "the list shows what holds";
    form.PageClosed();
}

TEST(OptionsAssociations, ExtensionsOfFileTypeText) {
    const std::pair<const char*, QStringList> cases[] = {
        {"*.mp3;*.mp2;", {".mp3", ".mp2"}}, {"*.MP3;*.mp3", {".mp3"}}, {"", {}}, {";;*.ogg; ", {".ogg"}},
        {"Ogg files *.ogg", {".ogg"}},      {".flac", {".flac"}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(GeneralOptionsPage::ExtensionsOf(text), expected) << text;
}

TEST_F(OptionsWindow, PicturesOfTheThreePages) {
    TOptionForm* form = open();
    ASSERT_NE(form, nullptr);
    TWorkForm* tools = player.workForm();
    tools->resize(760, 520);
    const std::pair<int, const char*> tabs[] = {{TOptionForm::General, "options-general"},
                                                {TOptionForm::Hotkey, "options-hotkey"},
                                                {TOptionForm::LrcShower, "options-lrc-shower"}};
    for (const auto& [tab, name] : tabs) {
        form->PageControl()->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        const QImage shot = tools->grab().toImage();
        EXPECT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save(TestOutputFolder() + "/" + name + ".png")) << name;
    }
}

} // namespace
