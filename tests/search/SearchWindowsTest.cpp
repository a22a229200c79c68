// The search page and the add-URL window through a scripted dialog layer and a
// real store: what the user types, what reaches the library and what is said.
#include "Messenger.h"
#include "OptionsStore.h"
#include "ScriptedDialogs.h"
#include "SearchPatterns.h"
#include "SearchResultList.h"
#include "TOption.h"
#include "TPlay.h"
#include "TSearchForm.h"
#include "TUrlForm.h"
#include "TempHome.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Windows : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    TPlay play;
    ScriptedDialogs dialogs;
    Messenger messenger{option, dialogs};
    QStringList commands;
    int afterAdds = 0;

    QStringList songs(int category) const {
        QStringList files;
        const TPlayCategory* c = play.Category(category);
        for (int i = 0; c && i < c->Count(); ++i)
            files << c->Song(i).FileName;
        return files;
    }
};

using UrlWindow = Windows;

TEST_F(UrlWindow, BlankOrBusyIsRefusedAndTheWindowStaysOpen) {
    TUrlForm form({play, messenger, store, [this] { ++afterAdds; }});
    form.show();
    form.AddEdit->setText("   ");
    form.Button1->click();
    EXPECT_EQ(dialogs.messages(), QStringList{"Please Input url."});
    EXPECT_EQ(dialogs.shown.last().flags, MsgBox::IconInformation);
    EXPECT_TRUE(form.isVisible());

    // Another batch is under way (a folder being added).
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
    form.AddEdit->setText("http://radio.example/live");
    QTest::keyClick(form.AddEdit, Qt::Key_Return);
    EXPECT_EQ(dialogs.messages().last(), "File was processing, was unable to respond. please try again soon.");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.AddEdit->text(), "http://radio.example/live");
    play.EndAdd();
    EXPECT_TRUE(songs(TPlay::kDefaultId).isEmpty());
    EXPECT_EQ(afterAdds, 0);
}

TEST_F(UrlWindow, OkAddsToTheTargetCategoryThenClosesKeepingItsPlace) {
    const int mine = play.AddCategory("Radio", 0);
    TUrlForm form({play, messenger, store, [this] { ++afterAdds; }});
    form.SetTargetCategory(mine);
    form.show();
    form.move(40, 50);
    form.AddEdit->setText("http://radio.example/live");
    form.Button1->click();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(songs(mine), QStringList{"http://radio.example/live"});
    EXPECT_TRUE(songs(TPlay::kDefaultId).isEmpty());
    EXPECT_EQ(afterAdds, 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(store.ReadString("TUrlForm", "Left", QString()).isEmpty());
}

TEST_F(UrlWindow, ACategoryThatTakesNothingAddsNothing) {
    TUrlForm form({play, messenger, store, [this] { ++afterAdds; }});
    form.SetTargetCategory(TPlay::kTopTenId);
    form.AddEdit->setText("http://radio.example/live");
    form.Ok();
    EXPECT_EQ(dialogs.messages(), QStringList{"The current Category disallows the user modification."});
    EXPECT_TRUE(songs(TPlay::kTopTenId).isEmpty());
    EXPECT_EQ(afterAdds, 0);
}

struct SearchPage : Windows {
    std::unique_ptr<TSearchForm> page;
    QString root = home.path() + "music/";

    void SetUp() override {
        home.write("music/a.mp3", QByteArray(1500, 'x'));
        home.write("music/rock/b.mp3", QByteArray(1234567, 'x'));
        home.write("music/rock/c.ogg", "x");
        page = std::make_unique<TSearchForm>(TSearchFormContext{
            play, messenger, store, [this](const QString& c) { commands << c; }, [] { return QString("*.mp3;*.m3u;"); }});
    }
    QStringList rows() const {
        QStringList texts;
        for (int i = 0; i < page->ListView->topLevelItemCount(); ++i)
            texts << page->ListView->topLevelItem(i)->text(0) + " " + page->ListView->topLevelItem(i)->text(1);
        return texts;
    }
    void waitIdle() { ASSERT_TRUE(WaitFor([this] { return !page->Searching(); }, 30000)); }
};

TEST_F(SearchPage, FindsWithTheMediaFilterAndReportsRowsWithSizes) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(page->FilterEdit->text(), "*.mp3;*.m3u;");
    EXPECT_FALSE(page->StopAction->isEnabled());
    page->DirEdit->setText(root);
    QTest::keyClick(page->DirEdit, Qt::Key_Return); // Enter searches
    EXPECT_FALSE(page->SearchAction->isEnabled());
    waitIdle();
    EXPECT_EQ(rows(), (QStringList{root + "a.mp3 2KB", root + "rock/b.mp3 1,235KB"}));
    EXPECT_TRUE(page->SearchAction->isEnabled());
    EXPECT_FALSE(page->StopAction->isEnabled());
    EXPECT_TRUE(page->FolderPanel->text().isEmpty());
    // A picture of the page for people.
    page->resize(760, 420);
    page->grab().save(TestOutputFolder() + "/search-page-standalone.png");
    QLocale::setDefault(QLocale::system());
}

TEST_F(SearchPage, NoFolderIsAMessageAndFoldersAreKept) {
    page->DirEdit->setText("  ");
    page->SearchAction->trigger();
    EXPECT_EQ(dialogs.messages(), QStringList{"Please choose on the left side to want the folder to clip."});
    EXPECT_FALSE(page->Searching());

    // "Computer": every mounted local file system.
    page->Places->setCurrentRow(0);
    EXPECT_TRUE(page->DirEdit->text().endsWith(';'));
    const QStringList roots = SplitFolders(page->DirEdit->text());
    EXPECT_FALSE(roots.isEmpty());
    for (const QString& root : roots)
        EXPECT_TRUE(QFileInfo(root).isDir()) << root.toStdString();
    page->Places->setCurrentRow(1);
    EXPECT_EQ(page->DirEdit->text(), QDir::homePath());

    page->StartSearch({root + "rock"}, "ogg");
    waitIdle();
    EXPECT_EQ(rows(), QStringList{root + "rock/c.ogg 0KB"});
    page.reset();
    EXPECT_EQ(store.ReadString("PATH", "SEARCH", QString()), root + "rock");
    SetUp();
    page->PageShown();
    EXPECT_EQ(page->DirEdit->text(), root + "rock");
}

TEST_F(SearchPage, PlayCopyAndAddTakeTheSelectedRows) {
    page->StartSearch({root}, "");
    waitIdle();
    ASSERT_EQ(page->ListView->topLevelItemCount(), 3);
    page->PlayAction->trigger();
    EXPECT_FALSE(page->CopyAction->isEnabled());
    page->ListView->topLevelItem(0)->setSelected(true);
    page->ListView->topLevelItem(2)->setSelected(true);
    EXPECT_TRUE(page->CopyAction->isEnabled());
    QTest::keyClick(page->ListView, Qt::Key_Return);
    EXPECT_EQ(commands, (QStringList{"#Play", "#Play," + root + "a.mp3"}));

    page->CopyAction->trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->urls(), (QList<QUrl>{QUrl::fromLocalFile(root + "a.mp3"), QUrl::fromLocalFile(root + "rock/c.ogg")}));
    EXPECT_EQ(data->data("x-special/gnome-copied-files"),
              "copy\n" + QUrl::fromLocalFile(root + "a.mp3").toEncoded() + "\n" +
                  QUrl::fromLocalFile(root + "rock/c.ogg").toEncoded());

    page->AddAction->trigger();
    EXPECT_EQ(songs(TPlay::kDefaultId), (QStringList{root + "a.mp3", root + "rock/c.ogg"}));
    // While another batch is open nothing is added.
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
    page->AddAction->trigger();
    play.EndAdd();
    EXPECT_EQ(songs(TPlay::kDefaultId).size(), 2);
}

TEST_F(SearchPage, ClosingWhileSearchingWaitsForTheSearchToEnd) {
    for (int i = 0; i < 200; ++i)
        home.write(QStringLiteral("music/many/%1/s.mp3").arg(i), "x");
    page->StartSearch({root}, "");
    EXPECT_TRUE(page->Searching());
    page->PageClosed();
    EXPECT_FALSE(page->Searching());
    EXPECT_TRUE(page->SearchAction->isEnabled());
    page.reset(); // no report may reach the freed window
    QTest::qWait(100);
}

} // namespace
