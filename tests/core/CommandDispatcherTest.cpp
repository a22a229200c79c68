#include "OptionsStore.h"
#include "SiteAddresses.h"
#include "StandardCommands.h"
#include "TCommandDispatcher.h"
#include "TOption.h"
#include "TempHome.h"

#include <gtest/gtest.h>

namespace {

// A dispatcher whose every command that no standard handler carries is
// recorded, with the plug-in requests, mixer pushes and shell opens.
struct Dispatch : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    SiteAddresses site{store};
    TCommandDispatcher dispatcher{option};
    QStringList ran, shell, plugin;
    int mixerPushes = 0;

    void SetUp() override {
        for (const QString& name : TCommandDispatcher::Vocabulary())
            dispatcher.SetHandler(name, [this](const CommandCall& c) { ran << c.name + "|" + c.argument; });
        InstallStandardCommands(
            dispatcher, option, site,
            {[this](int code, const QString& arg) { plugin << QString::number(code) + "|" + arg; },
             [this] { ++mixerPushes; }});
        dispatcher.SetShellOpen([this](const QString& s) { shell << s; });
    }
    void run(const QString& command) { dispatcher.DoCommand(command); }
};

} // namespace

TEST_F(Dispatch, SplitsNameAndArgument) {
    struct Case {
        const char* command;
        const char* expected; // name|argument, or "" when nothing runs
    } cases[] = {
        {"#Play", "#PLAY|"},
        {"  #play  ", "#PLAY|"},
        {" #pLaY ,/a b/c.mp3", "#PLAY|/a b/c.mp3"},
        {"#Play, keep blank", "#PLAY| keep blank"},
        {"#OpenFile,/a,b.mp3\r\n/c.mp3\r\n", "#OPENFILE|/a,b.mp3\r\n/c.mp3\r\n"},
        {"#EQPro", ""},
        {"#Sperate,1", ""},
        {"", ""},
        {",#Play", ""},
        {"   ", ""},
    };
    for (const Case& c : cases) {
        ran.clear();
        run(c.command);
        EXPECT_EQ(ran.join(";"), QString::fromUtf8(c.expected)) << c.command;
        EXPECT_TRUE(shell.isEmpty()) << c.command;
    }
}

TEST_F(Dispatch, StringsWithoutHashGoToTheShellAsReceived) {
    run("https://example.org/a,b");
    run("mailto:someone@example.org");
    EXPECT_EQ(shell, (QStringList{"https://example.org/a,b", "mailto:someone@example.org"}));
    EXPECT_TRUE(ran.isEmpty());
}

TEST_F(Dispatch, FlagArguments) {
    struct Case {
        const char* argument;
        bool before, after;
    } cases[] = {
        {"", false, true}, {"", true, false},   {"0", true, false}, {"0", false, false}, {"1", false, true},
        {"1", true, true}, {"7", false, true},  {"7", true, false}, {"x", false, true}, {"-1", true, false},
    };
    for (const Case& c : cases) {
        option.SetShuffle(c.before);
        run(QString("#Shuffle,") + c.argument);
        EXPECT_EQ(option.Shuffle(), c.after) << c.argument << " from " << c.before;
    }
    run("#Repeat,1");
    run("#Time,1");
    run("#OnTop,1");
    run("#Only,1");
    EXPECT_TRUE(option.Repeat() && option.TimeMode() && option.AlwaysOnTop() && option.SinglePlay());
    EXPECT_TRUE(store.ReadBool("OPTION", "SINGLEPLAY", false));
}

TEST_F(Dispatch, PlayPauseAndPlayStopRewriteTheName) {
    struct Case {
        int status;
        bool playing;
        const char* command;
        const char* expected;
    } cases[] = {
        {StatusStopped, false, "#PlayPause,x", "#PLAY|x"}, {StatusPaused, true, "#PlayPause", "#PAUSE|"},
        {StatusPlaying, true, "#PlayPause", "#PAUSE|"},    {StatusOpening, true, "#PlayPause", "#PLAY|"},
        {StatusPlaying, true, "#PlayStop", "#STOP|"},      {StatusFailed, false, "#PlayStop", "#PLAY|"},
    };
    for (const Case& c : cases) {
        dispatcher.SetHandler("#PAUSE", [this](const CommandCall& call) { ran << call.name + "|" + call.argument; });
        option.SetStatus(c.status);
        option.SetPlaying(c.playing);
        ran.clear();
        run(c.command);
        EXPECT_EQ(ran.join(";"), c.expected) << c.command << " status " << c.status;
    }
}

TEST_F(Dispatch, ForwardAndRewindSeekTheCurrentPlugin) {
    option.SetDuration(200);
    option.ReportEngineTime(100);
    option.SetStatus(StatusPlaying);
    struct Case {
        const char* command;
        const char* expected;
    } cases[] = {
        {"#Forward", "7|105"},    {"#Forward,0", "7|105"}, {"#Forward,-3", "7|105"}, {"#Forward,x", "7|105"},
        {"#Forward,30", "7|130"}, {"#Forward,500", "7|200"}, {"#Rewind", "7|95"},    {"#Rewind,500", "7|0"},
    };
    for (const Case& c : cases) {
        plugin.clear();
        run(c.command);
        EXPECT_EQ(plugin.join(";"), c.expected) << c.command;
    }
    option.SetStatus(StatusPaused);
    plugin.clear();
    run("#Forward,10");
    EXPECT_EQ(plugin, QStringList{"7|110"});
    for (int status : {StatusStopped, StatusOpening, StatusFailed}) {
        option.SetStatus(status);
        plugin.clear();
        run("#Forward");
        run("#Rewind");
        EXPECT_TRUE(plugin.isEmpty()) << status;
    }
    run("#Pause"); // goes to the plug-in whatever the status
    EXPECT_EQ(plugin, QStringList{"4|"});
}

TEST_F(Dispatch, VolumeStepsStopAtTheEdges) {
    struct Case {
        const char* command;
        int before, after;
        bool pushed;
    } cases[] = {
        {"#SoundUp", 65535, 65535, false}, {"#SoundUp", 64600, 65535, true}, {"#SoundUp", 64511, 65535, true},
        {"#SoundUp", 0, 1024, true},       {"#SoundDown", 0, 0, false},      {"#SoundDown", 500, 0, true},
        {"#SoundDown", 1024, 0, true},     {"#SoundDown", 40000, 38976, true},
    };
    for (const Case& c : cases) {
        option.SetVolume(c.before);
        mixerPushes = 0;
        run(c.command);
        EXPECT_EQ(option.Volume(), c.after) << c.command << " " << c.before;
        EXPECT_EQ(mixerPushes, c.pushed ? 1 : 0) << c.command << " " << c.before;
    }
    mixerPushes = 0;
    run("#Silent");
    EXPECT_TRUE(option.Mute());
    run("#Silent");
    EXPECT_FALSE(option.Mute());
    EXPECT_EQ(mixerPushes, 2);
}

TEST_F(Dispatch, SiteCommandsOpenTheBrowserOnSitePages) {
    store.WriteString("SITE", "BASE", "http://127.0.0.1:9/site"); // no trailing slash: added
    run("#ABOUT");
    run("#HELP");
    run("#Searchlrc,a b&c");
    run("#Searchlrc");
    EXPECT_EQ(ran, (QStringList{"#EXPLORER|http://127.0.0.1:9/site/aboutme.htm", "#EXPLORER|http://127.0.0.1:9/site/help/",
                                "#EXPLORER|http://127.0.0.1:9/site/lrcsearch.php?key=a b&c",
                                "#EXPLORER|http://127.0.0.1:9/site/lrcindex.php"}));
}

TEST(Vocabulary, HandlersOnlyForKnownNames) {
    TempHome home;
    OptionsStore store(home.file("Options.ini"));
    TOption option(store);
    TCommandDispatcher dispatcher(option);
    EXPECT_TRUE(dispatcher.SetHandler("#playstatuschanged", [](const CommandCall&) {}));
    EXPECT_FALSE(dispatcher.SetHandler("#EQPro", [](const CommandCall&) {}));
}
