#include "PlusProc.h"

#include "PluginFixtures.h"
#include "TOption.h"
#include "TPlus.h"
#include "TPlusProcHandler.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <thread>

namespace {

struct FakeHooks : PlusProcHooks {
    int plays = 0;
    QStringList calls;
    int addResult = -1;
    void CountPlay() override { ++plays; }
    int CreateClass(const QString& name) override {
        calls << "create " + name;
        return 7;
    }
    void DeleteClass(int id) override { calls << QString("delete %1").arg(id); }
    void ClearClass(int id) override { calls << QString("clear %1").arg(id); }
    int AddFiles(int id, const QStringList& files) override {
        calls << QString("add %1 ").arg(id) + files.join('|');
        return addResult;
    }
    quintptr DisplayWindow() override { return 0x1234; }
    quintptr DisplayCtrl() override { return 0x5678; }
};

class PlusProcMessages : public ::testing::Test {
protected:
    PlusProcMessages() {
        option.SetCommandRunner([this](const QString& command) { posted << command; });
    }
    int send(const QByteArray& name, const QByteArray& argument) {
        return handler.Handle("123\1" + name + '\1' + argument);
    }
    // Commands posted so far (runs the queue).
    QStringList drained() {
        WaitFor([this] { return option.queuedCommands() == 0; }, 2000);
        return posted;
    }
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    FakeHooks hooks;
    TPlusProcHandler handler{option, &hooks};
    QStringList posted;
};

struct StatusCase {
    const char* label;
    int before;
    bool playing;
    const char* argument;
    int after;
    bool announced;
    int plays;
};

void PrintTo(const StatusCase& c, std::ostream* os) {
    *os << c.label;
}

class StatusMessage : public PlusProcMessages, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusMessage, UpdatesTheStateAndAnnouncesChanges) {
    const StatusCase& c = GetParam();
    option.SetStatus(c.before);
    option.SetPlaying(c.playing);
    EXPECT_EQ(send("%status", c.argument), 0);
    EXPECT_EQ(option.Status(), c.after);
    EXPECT_EQ(drained(), c.announced ? QStringList{"#PlayStatusChanged"} : QStringList{});
    EXPECT_EQ(hooks.plays, c.plays);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StatusMessage,
    ::testing::Values(
        StatusCase{"out of range is an error", StatusPlaying, true, "7", StatusFailed, true, 0},
        StatusCase{"negative is an error", StatusPlaying, true, "-1", StatusFailed, true, 0},
        StatusCase{"error again is announced again", StatusFailed, false, "9", StatusFailed, true, 0},
        StatusCase{"stopped while opening is ignored", StatusOpening, true, "0", StatusOpening, false, 0},
        StatusCase{"stopped while opening, not playing", StatusOpening, false, "0", StatusStopped, true, 0},
        StatusCase{"playing after opening counts a play", StatusOpening, true, "1", StatusPlaying, true, 1},
        StatusCase{"same status is quiet", StatusPlaying, true, "1", StatusPlaying, false, 0},
        StatusCase{"pause", StatusPlaying, true, "2", StatusPaused, true, 0},
        StatusCase{"stopped at the end", StatusPlaying, true, "0", StatusStopped, true, 0},
        StatusCase{"not a number counts as 0", StatusPlaying, true, "abc", StatusStopped, true, 0}),
    [](const ::testing::TestParamInfo<StatusCase>& info) {
        std::string name = info.param.label;
        for (char& ch : name)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST_F(PlusProcMessages, TimeAndTotalTimeGoToThePlayerState) {
    EXPECT_EQ(send("%time", "3723"), 0);
    EXPECT_EQ(option.EngineTimeTenths(), 37230);
    EXPECT_EQ(option.PositionTenths(), 37230);
    EXPECT_EQ(option.Position(), 3723);
    EXPECT_EQ(send("%TotalTime", "3900"), 0);
    EXPECT_EQ(option.Duration(), 3900);

    // While the position slider is dragged the shown time stays.
    option.SetPositionDragging(true);
    EXPECT_EQ(send("%TIME", "10"), 0);
    EXPECT_EQ(option.EngineTimeTenths(), 100);
    EXPECT_EQ(option.Position(), 3723);
    EXPECT_EQ(drained(), QStringList{});
}

TEST_F(PlusProcMessages, StreamTitleIsShownWhileTheStreamNamesOne) {
    option.SetTitle("live");
    option.SetStatus(StatusPlaying);
    QStringList shown;
    QObject::connect(&option, &TOption::titleChanged, [&](const QString& title) { shown << title; });

    EXPECT_EQ(send("%title", "Night Drive - The Band"), 0);
    EXPECT_EQ(option.Title(), "Night Drive - The Band");
    EXPECT_EQ(option.ApplicationTitle(), "Night Drive - The Band - Sorvi Audio Player");
    EXPECT_EQ(option.TrayTip(), "- Night Drive - The Band -");
    send("%title", "Night Drive - The Band"); // repeated in every block: no redraw
    send("%TITLE", "  Next\tSong ");
    EXPECT_EQ(option.Title(), "Next Song");
    option.SetStatus(StatusPlaying); // a status report keeps the stream's title
    EXPECT_EQ(option.Title(), "Next Song");

    send("%title", ""); // the stream stopped: the song's own title again
    EXPECT_EQ(option.Title(), "live");
    EXPECT_EQ(option.ApplicationTitle(), "live - Sorvi Audio Player");
    EXPECT_EQ(shown, QStringList({"Night Drive - The Band", "Next Song", "Next Song", "live"}));
}

TEST_F(PlusProcMessages, NamesWithoutPercentArePostedAsCommands) {
    const std::pair<QByteArray, QByteArray> messages[] = {
        {"#Play", "/x.mp3"}, {"#Play", ""}, {"#Play", "a\1b\1c"}, {"#Volume", "50,60"}};
    for (const auto& [name, argument] : messages)
        EXPECT_EQ(send(name, argument), 0);
    EXPECT_EQ(posted, QStringList{}) << "posted, not run inside the call";
    EXPECT_EQ(drained(), (QStringList{"#Play,/x.mp3", "#Play,", "#Play,a\1b\1c", "#Volume,50,60"}));
}

TEST_F(PlusProcMessages, UnknownOrMalformedMessagesAnswerZero) {
    EXPECT_EQ(send("%bogus", "1"), 0);
    EXPECT_EQ(send("%", ""), 0);
    EXPECT_EQ(send("", "#Play"), 0);
    EXPECT_EQ(handler.Handle("no separators"), 0);
    EXPECT_EQ(handler.Handle("123\1#Stop"), 0) << "no argument field";
    EXPECT_EQ(drained(), QStringList{"#Stop,"});
    EXPECT_EQ(hooks.calls, QStringList{});
}

TEST_F(PlusProcMessages, CategoryAndDisplayRequestsGoToTheHooks) {
    EXPECT_EQ(send("%createclass", "Radio"), 7);
    for (const char* id : {"0", "1", "abc", "-5"}) {
        EXPECT_EQ(send("%deleteclass", id), 0);
        EXPECT_EQ(send("%clearclass", id), 0);
    }
    EXPECT_EQ(send("%DeleteClass", "5"), 0);
    EXPECT_EQ(send("%clearclass", "6"), 0);
    EXPECT_EQ(send("%AddFiles", "0\1a.mp3\r\n\r\nb.mp3"), -1);
    EXPECT_EQ(send("%addfiles", "3\1/m/a.mp3\r\n/m/b c.mp3"), -1);
    hooks.addResult = 0;
    EXPECT_EQ(send("%AddFiles", "4\1x.mp3"), 0);
    EXPECT_EQ(send("%GetDisplay", ""), 0x1234);
    EXPECT_EQ(send("%GetDisplayCtrl", ""), 0x5678);
    EXPECT_EQ(hooks.calls, (QStringList{"create Radio", "delete 5", "clear 6", "add 0 a.mp3",
                                        "add 3 /m/a.mp3|/m/b c.mp3", "add 4 x.mp3"}));
}

TEST_F(PlusProcMessages, WithoutHooksStoreAndDisplayRequestsAnswerZero) {
    handler.SetHooks(nullptr);
    for (const char* name :
         {"%createclass", "%deleteclass", "%clearclass", "%AddFiles", "%GetDisplay", "%GetDisplayCtrl"})
        EXPECT_EQ(send(name, "5\1a.mp3"), 0) << name;
    option.SetStatus(StatusOpening);
    option.SetPlaying(true);
    EXPECT_EQ(send("%status", "1"), 0);
    EXPECT_EQ(option.Status(), StatusPlaying);
}

// --- the exported function ---

PlusMessageFunc exportedPlusProc() {
    return reinterpret_cast<PlusMessageFunc>(dlsym(RTLD_DEFAULT, "PlusProc"));
}

class ExportedPlusProc : public PlusProcMessages {
protected:
    ~ExportedPlusProc() override { SetPlusProcHandler(nullptr); }
};

TEST_F(ExportedPlusProc, IsFoundInTheExecutableAndForwardsToTheHandler) {
    const PlusMessageFunc proc = exportedPlusProc();
    ASSERT_NE(proc, nullptr) << "PlusProc exported from the executable";
    EXPECT_EQ(proc("1\1%totaltime\001200"), 0);
    EXPECT_EQ(option.Duration(), 0) << "no handler: nothing happens";
    SetPlusProcHandler(&handler);
    EXPECT_EQ(proc("1\1%totaltime\001200"), 0);
    EXPECT_EQ(option.Duration(), 200);
    EXPECT_EQ(proc("1\1%createclass\001Radio"), 7);
    EXPECT_EQ(proc(nullptr), 0);
}

TEST_F(ExportedPlusProc, CallsFromAnotherThreadAreCarriedOutOnTheMainThread) {
    SetPlusProcHandler(&handler);
    int result = -99;
    std::thread worker([&result] { result = exportedPlusProc()("1\1%totaltime\001300"); });
    worker.join();
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(WaitFor([this] { return option.Duration() == 300; }, 2000));
}

TEST_F(ExportedPlusProc, ALoadedPluginReachesThePlayerThroughIt) {
    const QString callerId = QStringLiteral("{5E7A0004-0000-4000-8000-000000000004}");
    StartPluginLog(home);
    InstallPlugin(home, "test_caller", "caller.so");
    SetPlusProcHandler(&handler);
    TPlus plus(nullptr);
    plus.Start();
    ASSERT_EQ(plus.FindForFile(".call"), callerId);
    plus.Load(callerId);
    option.SetStatus(StatusOpening);
    option.SetPlaying(true);
    // On code 2 the plug-in reports a duration and "playing", then asks for #Play.
    EXPECT_EQ(plus.Send(callerId, 2, "/song.call"), 1000);
    EXPECT_EQ(option.Duration(), 240);
    EXPECT_EQ(option.Status(), StatusPlaying);
    EXPECT_EQ(hooks.plays, 1);
    EXPECT_EQ(drained(), (QStringList{"#PlayStatusChanged", "#Play,/x.mp3"}));
    plus.Unload(callerId, false);
}

} // namespace
