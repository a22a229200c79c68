#include "OptionsStore.h"
#include "PlayerSettings.h"
#include "TOption.h"
#include "TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(OptionsStore, FreshFolderGivesEveryDefault) {
    TempHome home;
    OptionsStore store(home.file("Options.ini"));
    TOption option(store);
    option.Load();
    EXPECT_FALSE(option.Shuffle());
    EXPECT_FALSE(option.Repeat());
    EXPECT_FALSE(option.TimeMode());
    EXPECT_FALSE(option.AlwaysOnTop());
    EXPECT_FALSE(option.SinglePlay());
    EXPECT_FALSE(PlayerSettings::AutoPlay(store));
    EXPECT_TRUE(PlayerSettings::CheckAcc(store));
    EXPECT_TRUE(PlayerSettings::PlayOnAdd(store));
    EXPECT_TRUE(PlayerSettings::PromptDownLrc(store));
    EXPECT_EQ(PlayerSettings::Current(store), QString());
    EXPECT_EQ(PlayerSettings::Skin(store), home.path() + "default.eks");
    EXPECT_FALSE(PlayerSettings::SystemMixer(store)) << "the volume is the player's own stream";
    EXPECT_EQ(option.RecentFolder(), QString());
}

TEST(OptionsStore, MixerChoosesTheSystemOnlyWhenAskedTo) {
    TempHome home;
    OptionsStore store(home.file("Options.ini"));
    const struct {
        const char* value;
        bool system;
    } cases[] = {{"system", true}, {" System ", true}, {"stream", false}, {"", false}, {"sink", false}};
    for (const auto& c : cases) {
        store.WriteString("OPTION", "MIXER", c.value);
        EXPECT_EQ(PlayerSettings::SystemMixer(store), c.system) << c.value;
    }
}

TEST(OptionsStore, SectionsAndKeysMatchInAnyCase) {
    TempHome home;
    home.write("Options.ini", "[option]\nshuffer=1\n[Lyrics]\nBkgColor=255\n");
    OptionsStore store(home.file("Options.ini"));
    EXPECT_TRUE(store.ReadBool("OPTION", "SHUFFER", false));
    EXPECT_EQ(store.ReadInteger("LYRICS", "BKGCOLOR", 0), 255);
    store.WriteString("OPTION", "Shuffer", "0");
    EXPECT_FALSE(store.ReadBool("option", "SHUFFER", true));
    // The key was replaced, not added a second time.
    EXPECT_EQ(home.read("Options.ini").count("huffer"), 1);
}

TEST(OptionsStore, EditsByOtherProgramsAreSeenAtTheNextRead) {
    TempHome home;
    OptionsStore store(home.file("Options.ini"));
    store.WriteInteger("OPTION", "VALUE", 1);
    EXPECT_EQ(store.ReadInteger("OPTION", "VALUE", 0), 1);
    home.write("Options.ini", "[OPTION]\nVALUE=2\n");
    EXPECT_EQ(store.ReadInteger("OPTION", "VALUE", 0), 2);
}

TEST(OptionsStore, ValuesThatAreNotNumbersGiveTheDefault) {
    TempHome home;
    home.write("Options.ini", "[A]\nx=12abc\ny=\nz= 7 \nb=yes\n");
    OptionsStore store(home.file("Options.ini"));
    EXPECT_EQ(store.ReadInteger("A", "x", 5), 5);
    EXPECT_EQ(store.ReadInteger("A", "y", 5), 5);
    EXPECT_EQ(store.ReadInteger("A", "z", 5), 7);
    EXPECT_TRUE(store.ReadBool("A", "b", true));
    EXPECT_FALSE(store.ReadBool("A", "b", false));
}

TEST(OptionsStore, WritesKeepOtherContentAndReplaceTheFileWhole) {
    TempHome home;
    home.write("Options.ini", "[HOTKEY]\n#playpause=Shift+Ctrl+P\n[OPTION]\nSKIN=/a/b.eks\n");
    OptionsStore store(home.file("Options.ini"));
    store.WriteBool("OPTION", "REPEAT", true);
    EXPECT_EQ(store.ReadString("HOTKEY", "#playpause", ""), "Shift+Ctrl+P");
    EXPECT_EQ(store.ReadString("OPTION", "SKIN", ""), "/a/b.eks");
    EXPECT_TRUE(store.ReadBool("OPTION", "REPEAT", false));
    // No temporary file is left behind by the atomic replacement.
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), QStringList{"Options.ini"});
}

TEST(OptionsStore, UnwritableFileLeavesTheOldContent) {
    TempHome home;
    home.write("Options.ini", "[OPTION]\nREPEAT=1\n");
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::ExeOwner);
    OptionsStore store(home.file("Options.ini"));
    store.WriteBool("OPTION", "REPEAT", false);
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    EXPECT_TRUE(store.ReadBool("OPTION", "REPEAT", false));
}

TEST(OptionsStore, SectionKeysInFileOrderAndErase) {
    TempHome home;
    home.write("Options.ini", "[HOTKEY]\n#next=Ctrl+N\n/music/a.mp3=Ctrl+A\n#prev=Ctrl+P\n");
    OptionsStore store(home.file("Options.ini"));
    EXPECT_EQ(store.ReadSectionKeys("hotkey"), (QStringList{"#next", "/music/a.mp3", "#prev"}));
    store.EraseSection("HOTKEY");
    EXPECT_TRUE(store.ReadSectionKeys("HOTKEY").isEmpty());
}

TEST(OptionsStore, FilesWrittenElsewhereKeepCommentsAndLineEnds) {
    TempHome home;
    home.write("Options.ini", "; written by hand\r\n[OPTION]\r\nREPEAT = 1\r\n\r\n[LYRICS]\r\nFONT=Arial,[],&H0,12,0\r\n");
    OptionsStore store(home.file("Options.ini"));
    EXPECT_TRUE(store.ReadBool("OPTION", "REPEAT", false));
    store.WriteString("option", "skin", "/s/a.eks");
    const QByteArray text = home.read("Options.ini");
    EXPECT_TRUE(text.startsWith("; written by hand\n[OPTION]\nREPEAT = 1\nskin=/s/a.eks\n\n[LYRICS]\n")) << text.data();
    EXPECT_EQ(store.ReadString("LYRICS", "FONT", ""), "Arial,[],&H0,12,0");
}

TEST(OptionsStore, TextThatIsNotUtf8SurvivesEveryWrite) {
    // Paths written by older versions or other programs in a legacy encoding.
    TempHome home;
    const QByteArray before = "; comment \xE9\n"
                              "[OPTION]\n"
                              "SKIN=/skins/caf\xE9.eks\n"
                              "CURRENT=/music/\xB8\xE8\xCA\xD6.mp3\n"
                              "[PATHS]\n"
                              "RECENT=/music/d\xE9j\xE0/\n"
                              "[COUNT]\n"
                              "/music/caf\xE9.mp3=3\n";
    home.write("Options.ini", before);
    OptionsStore store(home.file("Options.ini"));
    const QString skin = store.ReadString("OPTION", "SKIN", QString());
    EXPECT_EQ(skin, QString::fromUtf8("/skins/caf\xC3\xA9.eks"));
    EXPECT_EQ(store.ReadString("OPTION", "CURRENT", QString()),
              QString::fromUtf8("/music/\xE6\xAD\x8C\xE6\x89\x8B.mp3"));
    const QString recent = store.ReadString("PATHS", "RECENT", QString());
    EXPECT_FALSE(recent.contains(QChar(0xFFFD)));
    const QStringList keys = store.ReadSectionKeys("COUNT");
    ASSERT_EQ(keys.size(), 1);

    // Other keys change, and the values read are written back as they were read.
    store.WriteString("OPTION", "VOLUME", "100");
    store.WriteString("OPTION", "SKIN", skin);
    store.WriteString("PATHS", "RECENT", recent);
    store.WriteInteger("COUNT", keys[0], store.ReadInteger("COUNT", keys[0], 0) + 1);
    QByteArray after = before;
    after.replace("CURRENT=/music/\xB8\xE8\xCA\xD6.mp3\n", "CURRENT=/music/\xB8\xE8\xCA\xD6.mp3\nVOLUME=100\n");
    after.replace("\xE9.mp3=3", "\xE9.mp3=4");
    EXPECT_EQ(home.read("Options.ini").toHex(' '), after.toHex(' '));
}
