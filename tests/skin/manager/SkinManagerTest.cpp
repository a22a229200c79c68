#include "EngineFixture.h"
#include "OptionsStore.h"
#include "PlayerSettings.h"
#include "SkinEditorLookup.h"
#include "SkinFile.h"
#include "SkinFolderScan.h"
#include "TSkinForm.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTreeWidget>

using namespace testskin;

namespace {

SkinWriter Titled(const QString& title, const QString& author, bool preview = true) {
    SkinWriter w = Basic();
    w.info.title = title;
    w.info.author = author;
    w.info.email = "skins@example.org";
    w.info.homePage = "example.org/skins";
    w.info.comment = "A skin for tests";
    if (preview)
        w.info.preview = Pic(32, 24, Qt::yellow);
    return w;
}

struct SkinManagerTest : EngineTest {
    int reads = 0;
    QStringList started; // program, then its arguments
    QString editor;
    std::unique_ptr<TSkinForm> form;

    SkinManagerTest() {
        SkinManagerHooks hooks;
        hooks.programFolder = home.path();
        hooks.readInfo = [this](const QString& file, SkinInfo* info) {
            ++reads;
            return ReadSkinInfo(file, info);
        };
        hooks.loadMainFace = [this](const QString& file) { return skin->LoadSkin(&window, file, 0); };
        hooks.currentSkin = [this] { return PlayerSettings::Skin(store); };
        hooks.showMessage = [this](const QString& text, int flags) { messenger.ShowMessageBox(text, flags); };
        hooks.openFile = [this](const QString& title, const QString& folder, const QString& filter) {
            return dialogs.OpenFile(title, folder, filter);
        };
        hooks.recentFolder = [this] { return option.RecentFolder(); };
        hooks.setRecentFolder = [this](const QString& folder) { option.SetRecentFolder(folder); };
        hooks.doCommand = [this](const QString& c) { commands << c; };
        hooks.siteBase = "http://site.example/";
        hooks.findEditor = [this](const QString&) { return editor; };
        hooks.startProgram = [this](const QString& program, const QStringList& args) {
            started = QStringList{program} + args;
            return true;
        };
        form = std::make_unique<TSkinForm>(std::move(hooks));
    }

    QString Put(const QString& name, const SkinWriter& w) {
        QDir().mkpath(QFileInfo(home.file(name)).absolutePath());
        return Write(name, w);
    }
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < form->ListView()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = form->ListView()->topLevelItem(i);
            rows << item->text(0) + "|" + item->text(1);
        }
        return rows;
    }
};

TEST_F(SkinManagerTest, RefreshListsDefaultThenSkinsTreeSkippingDotFolders) {
    Put("default.eks", Titled("Default", "Us"));
    Put("Skins/b.eks", Titled("Bee", "Ann"));
    Put("Skins/a.eks", Titled("", "Nameless")); // empty title: listed by file name
    Put("Skins/deep/inner/c.eks", Titled("Deep", "Cy"));
    Put("Skins/.hidden/h.eks", Titled("Hidden", "No"));
    home.write("Skins/broken.eks", "[KELVANDO_SKIN] but nothing else");
    home.write("Skins/notes.txt", "not a skin");

    form->Refresh();
    EXPECT_EQ(Rows(), (QStringList{"Default|Us", "a.eks|Nameless", "Bee|Ann", "broken.eks|", "Deep|Cy"}));
    EXPECT_FALSE(form->LoadAction()->isEnabled());
    EXPECT_FALSE(form->EditAction()->isEnabled());
    // Refreshing again does not pile rows up.
    form->Refresh();
    EXPECT_EQ(Rows().size(), 5);
}

TEST_F(SkinManagerTest, WithoutSkinsFolderOnlyDefaultAndNothingWithoutIt) {
    form->Refresh();
    EXPECT_TRUE(Rows().isEmpty());
    Put("default.eks", Titled("Default", "Us"));
    form->Refresh();
    EXPECT_EQ(Rows(), QStringList{"Default|Us"});
}

TEST_F(SkinManagerTest, LinkLoopsAndCrowdedFoldersDoNotHoldTheList) {
    Put("Skins/one.eks", Titled("One", "A"));
    QDir().mkpath(home.file("Skins/loop"));
    ASSERT_TRUE(QFile::link(home.file("Skins"), home.file("Skins/loop/back")));
    ASSERT_TRUE(QFile::link(home.file("Skins/loop"), home.file("Skins/loop/self")));
    QDir().mkpath(home.file("Skins/crowd"));
    for (int i = 0; i < kMaxSkinFiles + 50; ++i)
        QFile(home.file(QString("Skins/crowd/%1.eks").arg(i))).open(QIODevice::WriteOnly);

    const QStringList files = ListSkinFiles(home.path());
    EXPECT_EQ(files.size(), kMaxSkinFiles);
    EXPECT_EQ(files.count(home.file("Skins/one.eks")), 1);
}

TEST_F(SkinManagerTest, SelectionShowsHeaderOnceAndNoPreviewWhenNone) {
    Put("Skins/a.eks", Titled("Alpha", "Ann"));
    Put("Skins/b.eks", Titled("", "Bob", false));
    home.write("Skins/c.eks", "junk");
    form->Refresh();
    reads = 0;

    form->SelectRow(0);
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(form->TitleLabel()->text(), "Alpha");
    EXPECT_EQ(form->AuthorEdit()->text(), "Ann");
    EXPECT_EQ(form->EmailLabel()->text(), "skins@example.org");
    EXPECT_EQ(form->Memo()->toPlainText(), "A skin for tests");
    EXPECT_FALSE(form->Image()->pixmap().isNull());
    EXPECT_TRUE(form->NoImage()->isHidden());
    EXPECT_TRUE(form->LoadAction()->isEnabled());
    EXPECT_TRUE(form->EditAction()->isEnabled());

    form->SelectRow(0); // the same row again: not read again
    form->ListView()->clearSelection();
    form->SelectRow(0);
    EXPECT_EQ(reads, 1);

    form->SelectRow(1);
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(form->TitleLabel()->text(), "b.eks");
    EXPECT_TRUE(form->Image()->pixmap().isNull());
    EXPECT_FALSE(form->NoImage()->isHidden());

    form->SelectRow(2);
    EXPECT_EQ(form->TitleLabel()->text(), "Invalid File");
    EXPECT_TRUE(form->AuthorEdit()->text().isEmpty());
    EXPECT_TRUE(form->EmailLabel()->text().isEmpty());
    EXPECT_EQ(form->ListView()->topLevelItem(2)->text(0), "Invalid File");
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(SkinManagerTest, ApplyingANonSkinRestoresThePreviousSkinThenDefault) {
    const QString good = Put("Skins/good.eks", Titled("Good", "G"));
    Put("default.eks", Titled("Default", "D"));
    const QString bad = home.write("Skins/bad.eks", "this is no skin at all");
    ASSERT_TRUE(form->Apply(good));
    EXPECT_EQ(PlayerSettings::Skin(store), good);

    EXPECT_FALSE(form->Apply(bad));
    EXPECT_EQ(Messages(),
              (QStringList{"Invalid file format!", "Cannot Load file, please download newest skin."}));
    EXPECT_EQ(PlayerSettings::Skin(store), good);
    EXPECT_GE(skin->FindRow(&window), 0);

    // The remembered skin is gone (or changed) too: "default.eks" comes.
    dialogs.shown.clear();
    QFile::remove(good);
    EXPECT_FALSE(form->Apply(bad));
    EXPECT_EQ(Messages().value(1), "Cannot Load file, please download newest skin.");
    EXPECT_EQ(PlayerSettings::Skin(store), home.file("default.eks"));
}

TEST_F(SkinManagerTest, ASkinThatVanishedAfterListingIsABrokenSkin) {
    Put("default.eks", Titled("Default", "D"));
    const QString gone = Put("Skins/gone.eks", Titled("Gone", "G"));
    form->Refresh();
    form->SelectRow(1);
    QFile::remove(gone);
    form->LoadActionExecute();
    EXPECT_TRUE(Messages().contains("Cannot Load file, please download newest skin."));
    EXPECT_EQ(PlayerSettings::Skin(store), home.file("default.eks"));
}

TEST_F(SkinManagerTest, OpenAsksInTheRememberedFolderAndRemembersTheNewOne) {
    const QString other = Put("elsewhere/x.eks", Titled("X", "Y"));
    option.SetRecentFolder(home.file("start"));
    dialogs.file = other;
    form->OpenActionExecute();
    EXPECT_EQ(dialogs.lastFolder, home.file("start"));
    EXPECT_EQ(dialogs.shown.value(0).text, "打开外壳文件");
    EXPECT_TRUE(dialogs.lastFilter.contains("*.eks"));
    EXPECT_EQ(option.RecentFolder(), QFileInfo(other).absolutePath());
    EXPECT_EQ(PlayerSettings::Skin(store), other);

    // Cancelled: nothing applied, folder kept.
    dialogs.file.clear();
    form->OpenActionExecute();
    EXPECT_EQ(option.RecentFolder(), QFileInfo(other).absolutePath());
}

TEST_F(SkinManagerTest, LinksAndSitePagesGoThroughCommands) {
    Put("Skins/a.eks", Titled("Alpha", "Ann"));
    form->Refresh();
    form->SelectRow(0);
    form->EmailLabelClick();
    form->HomeLabelClick();
    form->DownloadActionExecute();
    form->UploadActionExecute();
    EXPECT_EQ(commands, (QStringList{"mailto:skins@example.org", "http://example.org/skins",
                                     "#Explorer,http://site.example/skins/",
                                     "#Explorer,http://site.example/skins/upload.htm"}));

    // A header's home page never becomes a player command or a local program.
    commands.clear();
    for (const char* text : {"#Exit", "file:///usr/bin/xterm"}) {
        form->HomeLabel()->setText(text);
        form->HomeLabelClick();
    }
    EXPECT_TRUE(commands.isEmpty());
}

TEST_F(SkinManagerTest, EditStartsTheEditorWithThePathAsOneArgument) {
    const QString path = Put("Skins/with space; $(rm x).eks", Titled("A", "B"));
    form->Refresh();
    form->SelectRow(0);

    form->EditActionExecute();
    EXPECT_EQ(Messages(), QStringList{"Could not Found SkinEditor."});
    EXPECT_TRUE(started.isEmpty());

    editor = "/usr/bin/skin-editor";
    form->EditActionExecute();
    EXPECT_EQ(started, (QStringList{"/usr/bin/skin-editor", path}));
}

TEST_F(SkinManagerTest, ShippedSkinsAreListedWithTheirPreviews) {
    ASSERT_TRUE(QFile::copy(QString(SKIN_BUILD_FOLDER) + "/default.eks", home.file("default.eks")));
    QDir().mkpath(home.file("Skins"));
    for (const char* name : {"light.eks", "compact.eks"})
        ASSERT_TRUE(
            QFile::copy(QString(SKIN_BUILD_FOLDER) + "/" + name, home.file(QString("Skins/") + name)));
    form->resize(640, 420);
    form->show();
    form->Refresh();
    EXPECT_EQ(Rows(), (QStringList{"Sorvi Default|Sorvi Audio Player", "Sorvi Compact|Sorvi Audio Player",
                                   "Sorvi Light|Sorvi Audio Player"}));
    for (int row : {0, 1, 2}) {
        form->SelectRow(row);
        EXPECT_FALSE(form->Image()->pixmap().isNull()) << row;
        EXPECT_TRUE(form->NoImage()->isHidden()) << row;
    }
    form->SelectRow(1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->grab().save(TestOutputFolder() + "/skin-manager.png"));
}

TEST(SkinEditorLookup, ConfiguredEditorElseDesktopDefaultUnlessItIsThePlayer) {
    TempHome home;
    OptionsStore store(home.file("Options.ini"));
    const QString sh = QStandardPaths::findExecutable("sh");
    ASSERT_FALSE(sh.isEmpty());
    const QString entry = "[Desktop Entry]\nExec=sh %f\n";
    home.write("share/applications/skinedit.desktop", entry.toUtf8());
    qputenv("XDG_DATA_HOME", home.file("share").toUtf8());
    QStringList asked;
    auto run = [&asked](const QString&, const QStringList& args) {
        asked << args.join(' ');
        return args.value(1) == "filetype" ? QString("application/x-sorvi-skin")
                                           : QString("skinedit.desktop");
    };

    EXPECT_EQ(FindSkinEditor(store, "/x/a.eks", "/opt/sorvi/sorvi", run), sh);
    EXPECT_EQ(asked, (QStringList{"query filetype /x/a.eks", "query default application/x-sorvi-skin"}));
    // The desktop default is the player itself: no editor.
    EXPECT_TRUE(FindSkinEditor(store, "/x/a.eks", sh, run).isEmpty());

    store.WriteString("SKIN", "EDITOR", "no-such-editor-program");
    EXPECT_TRUE(FindSkinEditor(store, "/x/a.eks", "/opt/sorvi/sorvi", run).isEmpty());
    store.WriteString("SKIN", "EDITOR", "sh");
    EXPECT_EQ(FindSkinEditor(store, "/x/a.eks", "/opt/sorvi/sorvi", run), sh);

    EXPECT_EQ(DesktopEntryProgram("[Desktop Entry]\nName=x\nExec=\"/opt/My Editor/ed\" %U\n"),
              "/opt/My Editor/ed");
    EXPECT_EQ(DesktopEntryProgram("[Desktop Action new]\nExec=other\n[Desktop Entry]\nExec=ed -n %f\n"),
              "ed");
}

} // namespace
