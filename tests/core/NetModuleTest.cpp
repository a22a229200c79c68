// The network module ("sorvi-net.so") is loaded at the first use of the
// lyrics service, lyrics downloads or the update check, not before; without
// it those tell the user why through the dialog layer and the rest of the
// player goes on.
#include "BrowserLayer.h"
#include "LrclibClient.h"
#include "LyricsLayer.h"
#include "NetModuleApi.h"
#include "NetModuleLoader.h"
#include "PlayerApplication.h"
#include "ScriptedDialogs.h"
#include "TempHome.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool networkMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Network");
}

TEST(NetModule, LoadedBesideTheProgramOnlyWhenAskedFor) {
    EXPECT_FALSE(networkMapped()) << "the player's own code needs no network library";
    QString error;
    NetModule* module = LoadNetModule(QStringLiteral(SORVI_BUILD_DIR "/sorvi-net.so"), &error);
    ASSERT_NE(module, nullptr) << error.toStdString();
    EXPECT_TRUE(networkMapped());
    EXPECT_EQ(LoadNetModule(QStringLiteral(SORVI_BUILD_DIR "/sorvi-net.so"), &error), module) << "loaded once";
    EXPECT_NE(module->NewLrclibClient("http://127.0.0.1:9", "agent"), nullptr);
}

TEST(NetModule, WithoutItTheUserIsToldAndThePlayerGoesOn) {
    TempHome home;
    QTemporaryDir noModules;
    ScriptedDialogs dialogs;
    PlayerApplication player({&dialogs, [](const QString&) {}, {}});
    player.SetModuleFolder(noModules.path());
    player.Start();
    const QString told = "The lyrics service, lyrics downloads and the update check are not available: ";

    for (const char* command : {"#CheckUpdate", "#Explorer", "#Searchlrc,Sun Song"}) {
        dialogs.shown.clear();
        player.DoCommand(command);
        ASSERT_EQ(dialogs.messages().size(), 1) << command;
        EXPECT_TRUE(dialogs.messages()[0].startsWith(told)) << dialogs.messages()[0].toStdString();
        EXPECT_TRUE(dialogs.messages()[0].contains("sorvi-net.so")) << "names what is missing";
        EXPECT_EQ(player.lyrics().browser().window(), nullptr) << command;
    }
    // Fetching in the background asks nothing.
    dialogs.shown.clear();
    EXPECT_EQ(player.lyrics().browser().lrclib(false), nullptr);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    // Once the module is there, it is found.
    ASSERT_TRUE(QFile::copy(QStringLiteral(SORVI_BUILD_DIR "/sorvi-net.so"), noModules.filePath("sorvi-net.so")));
    EXPECT_NE(player.lyrics().browser().lrclib(true), nullptr);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    player.CloseMainWindow();
}

} // namespace
