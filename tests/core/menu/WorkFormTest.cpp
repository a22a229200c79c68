// The tool window: one page at a time, each made once, its strip, actions and
// status panels lent to the window while it shows and taken back after; the
// buttons; closing frees everything and the next command builds anew.
#include "OptionsStore.h"
#include "PlayerApplication.h"
#include "ScriptedDialogs.h"
#include "TWorkForm.h"
#include "TempHome.h"
#include "WorkPage.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

class FakePage : public WorkPage {
public:
    explicit FakePage(QWidget* parent) : WorkPage(parent) {
        setWindowTitle("Fake");
        strip = new QToolBar(this);
        panel = new QLabel("0:00", this);
        action = new QAction("Do", this);
        action->setShortcut(QKeySequence("Ctrl+D"));
    }
    QWidget* ToolStrip() override { return strip; }
    QList<QAction*> PageActions() override { return {action}; }
    QList<QWidget*> StatusPanels() override { return {panel}; }
    void PageShown() override { ++shown; }
    void PageClosed() override { ++closed; }
    QToolBar* strip;
    QLabel* panel;
    QAction* action;
    int shown = 0;
    int closed = 0;
};

struct WorkFormFixture : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    QStringList commands;
    int made = 0;
    TWorkForm* form = new TWorkForm(
        store,
        [this](int number, QWidget* parent) -> WorkPage* {
            ++made;
            return number == WorkPageNumber::FileManager ? new FakePage(parent) : nullptr;
        },
        [this](const QString& command) { commands << command; });
    ~WorkFormFixture() override { delete form; }
};

} // namespace

TEST_F(WorkFormFixture, PagesAreMadeOnceAndLendTheirStripActionsAndPanelsWhileShown) {
    form->ShowPage(WorkPageNumber::FileManager);
    auto* page = static_cast<FakePage*>(form->Page(WorkPageNumber::FileManager));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(form->windowTitle(), "Fake");
    EXPECT_EQ(page->strip->parentWidget(), form->TopPanel());
    EXPECT_TRUE(form->actions().contains(page->action)) << "its shortcuts work in the tool window";
    EXPECT_TRUE(form->statusBar()->isAncestorOf(page->panel));
    EXPECT_TRUE(form->Button(WorkPageNumber::FileManager)->isChecked());
    page->setWindowTitle("Fake 2");
    EXPECT_EQ(form->windowTitle(), "Fake 2") << "the caption follows the page";

    // Another page, not built: an empty page with its caption; the first page
    // gets back what it lent and its button is raised.
    form->ShowPage(WorkPageNumber::Options);
    EXPECT_EQ(form->windowTitle(), TWorkForm::PageLabel(WorkPageNumber::Options));
    EXPECT_EQ(page->strip->parentWidget(), page);
    EXPECT_FALSE(form->actions().contains(page->action));
    EXPECT_EQ(page->panel->parentWidget(), page);
    EXPECT_EQ(page->closed, 1);
    EXPECT_FALSE(form->Button(WorkPageNumber::FileManager)->isChecked());
    EXPECT_TRUE(form->Button(WorkPageNumber::Options)->isChecked());

    form->ShowPage(WorkPageNumber::FileManager);
    EXPECT_EQ(form->Page(WorkPageNumber::FileManager), page) << "one instance each";
    EXPECT_EQ(page->shown, 2);
    EXPECT_EQ(made, 2);
}

TEST_F(WorkFormFixture, ButtonOfTheShownPageChangesNothingAnotherRunsItsCommand) {
    form->ShowPage(WorkPageNumber::Options);
    form->Button(WorkPageNumber::Options)->click();
    EXPECT_TRUE(commands.isEmpty());
    EXPECT_TRUE(form->Button(WorkPageNumber::Options)->isChecked());
    form->Button(WorkPageNumber::FileSearch)->click();
    EXPECT_EQ(commands, QStringList{"#Search"});
    EXPECT_FALSE(form->Button(WorkPageNumber::FileSearch)->isChecked()) << "pressed only when its page shows";
    EXPECT_EQ(form->CurrentPage(), WorkPageNumber::Options);
}

TEST_F(WorkFormFixture, ClosingGivesBackTheStripAndSavesThePlace) {
    form->ShowPage(WorkPageNumber::FileManager);
    auto* page = static_cast<FakePage*>(form->Page(WorkPageNumber::FileManager));
    form->close();
    EXPECT_EQ(page->closed, 1);
    EXPECT_EQ(page->strip->parentWidget(), page);
    EXPECT_FALSE(store.ReadSectionKeys("TWorkForm").isEmpty()) << "the place is kept";
}

TEST(WorkFormPlayer, SetupAfterClosingTheToolWindowBuildsBothAnew) {
    TempHome home;
    ScriptedDialogs dialogs;
    PlayerApplication player({&dialogs, [](const QString&) {}, {}});
    player.Start();
    player.DoCommand("#Setup");
    QPointer<TWorkForm> first = player.workForm();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->CurrentPage(), WorkPageNumber::Options);
    QPointer<WorkPage> options = first->Page(WorkPageNumber::Options);
    ASSERT_TRUE(options);
    // Every page command reaches its page, built or not.
    const std::pair<const char*, int> pages[] = {{"#FileManage", WorkPageNumber::FileManager},
                                                 {"#EditLrc", WorkPageNumber::LyricsEditor},
                                                 {"#Skin", WorkPageNumber::SkinManager},
                                                 {"#Search", WorkPageNumber::FileSearch}};
    for (const auto& [command, number] : pages) {
        player.DoCommand(command);
        EXPECT_EQ(first->CurrentPage(), number) << command;
        EXPECT_NE(first->Page(number), nullptr) << command;
    }
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first) << "closing frees the tool window";
    EXPECT_FALSE(options) << "and its pages";
    player.DoCommand("#Setup");
    ASSERT_NE(player.workForm(), nullptr);
    EXPECT_EQ(player.workForm()->CurrentPage(), WorkPageNumber::Options);
}
