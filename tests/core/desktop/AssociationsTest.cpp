// File associations against private XDG folders: the user's mimeapps.list,
// our record of previous owners, and what `xdg-mime query default` answers.
#include "DesktopAssociations.h"
#include "DesktopCommands.h"
#include "FileAssociations.h"
#include "Messenger.h"
#include "MimeAppsList.h"
#include "PlayerSettings.h"
#include "ScriptedDialogs.h"
#include "Shortcut.h"
#include "TOption.h"
#include "TempHome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Associations : ::testing::Test {
    QTemporaryDir dir;
    QString root = dir.path();
    QString program = root + "/bin/sorvi";
    QByteArray savedEnv[5];

    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", (root + "/config").toUtf8());
        qputenv("XDG_DATA_HOME", (root + "/data").toUtf8());
        qputenv("XDG_CONFIG_DIRS", (root + "/etc").toUtf8());
        qputenv("XDG_DATA_DIRS", (root + "/usr").toUtf8());
        qunsetenv("XDG_CURRENT_DESKTOP");
        write("bin/sorvi", "#!/bin/sh\n");
        write("data/applications/other.desktop", "[Desktop Entry]\nType=Application\nName=Other\nExec=true %U\n");
        write("data/applications/third.desktop", "[Desktop Entry]\nType=Application\nName=Third\nExec=true %U\n");
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(root + "/" + name).absolutePath());
        QFile f(root + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile f(root + "/" + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // What the desktop's own tool says opens the type.
    static QString xdgDefault(const QString& mime) {
        QProcess p;
        p.start("xdg-mime", {"query", "default", mime});
        p.waitForFinished(10000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
};

// Written by hand: comments, other groups, CRLF line, no newline at the end.
const QByteArray kHandWritten = "# my defaults\n"
                                "[Added Associations]\n"
                                "audio/mpeg=third.desktop;\n"
                                "\n"
                                "[Default Applications]\n"
                                "# players\n"
                                "audio/mpeg=other.desktop;\n"
                                "text/plain=editor.desktop;\r\n"
                                "\n"
                                "[Removed Associations]\n"
                                "image/png=viewer.desktop;";

TEST_F(Associations, TakingAndReleasingChangesOnlyOurLineAndGivesTheOwnerBack) {
    write("config/mimeapps.list", kHandWritten);
    DesktopAssociations assoc(program);
    ASSERT_EQ(xdgDefault("audio/mpeg"), "other.desktop");
    EXPECT_FALSE(assoc.IsAssociated(".mp3"));

    ASSERT_TRUE(assoc.Associate(".MP3", false));
    EXPECT_TRUE(assoc.IsAssociated(".mp3"));
    EXPECT_EQ(xdgDefault("audio/mpeg"), "sorvi.desktop");
    QByteArray expected = kHandWritten;
    expected.replace("audio/mpeg=other.desktop;\n", "audio/mpeg=sorvi.desktop;\n");
    EXPECT_EQ(read("config/mimeapps.list"), expected);
    EXPECT_TRUE(read("data/applications/sorvi.desktop").contains("Exec=" + program.toUtf8() + " %F\n"));

    // Another program takes the type; associating again keeps the first owner.
    write("config/mimeapps.list", QByteArray(kHandWritten).replace("=other.desktop;", "=third.desktop;"));
    EXPECT_FALSE(assoc.IsAssociated(".mp3"));
    ASSERT_TRUE(assoc.Associate(".mp3", false));
    ASSERT_TRUE(assoc.Associate(".mp3", false)); // already ours: nothing changes
    EXPECT_EQ(MimeAppsList::Value(read("config/sorvi/previous-defaults.list"), "Previous Defaults", "audio/mpeg"),
              "other.desktop;");

    ASSERT_TRUE(assoc.Associate(".mp3", true));
    EXPECT_EQ(read("config/mimeapps.list"), kHandWritten);
    EXPECT_EQ(xdgDefault("audio/mpeg"), "other.desktop");
    EXPECT_EQ(MimeAppsList::Value(read("config/sorvi/previous-defaults.list"), "Previous Defaults", "audio/mpeg"),
              std::nullopt);
}

TEST_F(Associations, ReleaseWithoutPreviousOwnerRemovesOurLineOnly) {
    DesktopAssociations assoc(program);
    ASSERT_TRUE(assoc.Associate(".lrc", false)); // no mimeapps.list yet
    ASSERT_TRUE(assoc.Associate(".m3u", false));
    EXPECT_EQ(xdgDefault("audio/x-mpegurl"), "sorvi.desktop");
    // Another program writes its own line meanwhile.
    write("config/mimeapps.list", read("config/mimeapps.list") + "video/mp4=third.desktop;\n");

    ASSERT_TRUE(assoc.Associate(".lrc", true));
    EXPECT_EQ(read("config/mimeapps.list"),
              "[Default Applications]\naudio/x-mpegurl=sorvi.desktop;\nvideo/mp4=third.desktop;\n");
    EXPECT_FALSE(assoc.IsAssociated(".lrc"));
    EXPECT_TRUE(assoc.IsAssociated(".m3u"));
}

TEST_F(Associations, ReleaseLeavesATypeAnotherProgramTookAlone) {
    DesktopAssociations assoc(program);
    ASSERT_TRUE(assoc.Associate(".mp3", false));
    const QByteArray taken = "[Default Applications]\naudio/mpeg=third.desktop;\n";
    write("config/mimeapps.list", taken);
    EXPECT_TRUE(assoc.Associate(".mp3", true));
    EXPECT_EQ(read("config/mimeapps.list"), taken);
}

TEST_F(Associations, AnEntryThatStartsAnotherProgramIsNotOurs) {
    // An entry of an older install, found before the user's folder.
    write("config/mimeapps.list", "[Default Applications]\naudio/mpeg=sorvi.desktop;\n");
    write("data/applications/sorvi.desktop", "[Desktop Entry]\nExec=/opt/old/sorvi %F\n");
    DesktopAssociations assoc(program);
    EXPECT_FALSE(assoc.IsAssociated(".mp3"));
    // Associating writes the user's entry for this program.
    ASSERT_TRUE(assoc.Associate(".mp3", false));
    EXPECT_TRUE(assoc.IsAssociated(".mp3"));
    // Our own old line is no previous owner to give the type back to.
    ASSERT_TRUE(assoc.Associate(".mp3", true));
    EXPECT_EQ(read("config/mimeapps.list"), "[Default Applications]\n");
}

TEST_F(Associations, ProgramPathWithSpacesIsQuotedAndRecognised) {
    write("my music/bin/sorvi", "#!/bin/sh\n");
    const QString spaced = root + "/my music/bin/sorvi";
    DesktopAssociations assoc(spaced);
    ASSERT_TRUE(assoc.Associate(".mp3", false));
    EXPECT_TRUE(read("data/applications/sorvi.desktop").contains("Exec=\"" + spaced.toUtf8() + "\" %F\n"));
    EXPECT_TRUE(assoc.IsAssociated(".mp3"));
    EXPECT_FALSE(DesktopAssociations(program).IsAssociated(".mp3"));
    QProcess validate;
    validate.start("desktop-file-validate", {root + "/data/applications/sorvi.desktop"});
    validate.waitForFinished(10000);
    EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().constData();
}

TEST(MimeAppsListEdit, KeepsEverythingButTheLine) {
    struct Case {
        QByteArray text;
        std::optional<QString> value;
        QByteArray expected;
    } cases[] = {
        {"", QString("a;"), "[Default Applications]\nk=a;\n"},
        {"[Other]\nk=x", QString("a;"), "[Other]\nk=x\n\n[Default Applications]\nk=a;\n"},
        {"[Default Applications]\r\nz=1\r\n\r\n[B]\n", QString("a;"),
         "[Default Applications]\r\nz=1\r\nk=a;\n\r\n[B]\n"},
        {"[Default Applications]\nk = old\n#k=c\n", std::nullopt, "[Default Applications]\n#k=c\n"},
        {"[Default Applications]\nkk=1\n", std::nullopt, "[Default Applications]\nkk=1\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MimeAppsList::WithValue(c.text, "Default Applications", "k", c.value), c.expected) << c.text.data();
}

// The start-up check asks about the first type that is not ours, once.
struct FakeAssociations : FileAssociations {
    QStringList ours;
    bool IsAssociated(const QString& e) const override { return ours.contains(e); }
    bool Associate(const QString&, bool) override { return false; }
};

TEST(CheckLinkCommand, AsksOnceAndKeepsTheCheckBox) {
    TempHome home;
    OptionsStore store(home.file("Options.ini"));
    TOption option(store);
    ScriptedDialogs dialogs;
    Messenger messenger(option, dialogs);
    FakeAssociations assoc;
    assoc.ours = {".mp3"};
    QStringList ran;
    auto run = [&](const QString& c) { ran << c; };

    dialogs.answer = MsgBox::IdYes;
    dialogs.checkAnswer = false;
    CheckLink(assoc, "*.mp3;*.wav;*.ogg", messenger, store, run);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, "Media files not associated with the player, do you want to do it now?");
    EXPECT_EQ(dialogs.shown[0].title, "Sorvi Audio Player|Always Check|ticked");
    EXPECT_EQ(ran, QStringList{"#Setup"});
    EXPECT_FALSE(PlayerSettings::CheckAcc(store));

    dialogs.answer = MsgBox::IdNo;
    dialogs.checkAnswer = true;
    CheckLink(assoc, "*.mp3;*.wav", messenger, store, run);
    EXPECT_EQ(ran.size(), 1); // no: nothing changes
    EXPECT_TRUE(PlayerSettings::CheckAcc(store));

    assoc.ours = {".mp3", ".wav"};
    CheckLink(assoc, "*.mp3;*.wav", messenger, store, run);
    EXPECT_EQ(dialogs.shown.size(), 2); // all ours: no question
}

// Create Shortcut: the menu entry, and the launcher on the desktop folder the
// user's xdg-user-dirs names (here not called "Desktop").
TEST_F(Associations, ShortcutGoesIntoTheMenuAndOnTheDesktop) {
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", (root + "/home").toUtf8());
    write("config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Työpöytä\"\n");
    TempHome home;
    OptionsStore store(home.file("Options.ini"));
    TOption option(store);
    ScriptedDialogs dialogs;
    Messenger messenger(option, dialogs);

    // The desktop folder does not exist yet: the menu entry alone.
    CreateShortcut(program, messenger);
    EXPECT_EQ(dialogs.messages(), QStringList{"Cannot send Shortcut to Desktop."});
    EXPECT_TRUE(QFileInfo(root + "/data/applications/sorvi.desktop").isFile());

    dialogs.shown.clear();
    QDir().mkpath(root + "/home/Työpöytä");
    CreateShortcut(program, messenger);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    const QFileInfo launcher(root + "/home/Työpöytä/sorvi.desktop");
    EXPECT_TRUE(launcher.isFile() && launcher.isExecutable());
    QProcess validate;
    validate.start("desktop-file-validate", {launcher.filePath()});
    validate.waitForFinished(10000);
    EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().constData();
    EXPECT_TRUE(read("home/Työpöytä/sorvi.desktop").contains("Exec=" + program.toUtf8() + " %F\n"));

    // A file where the applications folder should be.
    QDir(root + "/data/applications").removeRecursively();
    write("data/applications", "in the way");
    dialogs.shown.clear();
    CreateShortcut(program, messenger);
    EXPECT_EQ(dialogs.messages(), QStringList{"Could not Create Shortcut!"});
    qputenv("HOME", oldHome);
}

} // namespace
