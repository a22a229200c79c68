// The engine wrapper and the internal plug-in adapter, driven against a scripted
// engine module that records the calls it gets and posts what the test asks.
#include "HostRecorder.h"
#include "mpeg_engine.h"
#include "TempHome.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <functional>
#include <gtest/gtest.h>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {

uint32_t Bytes(uint8_t b0, uint8_t b1 = 0, uint8_t b2 = 0, uint8_t b3 = 0) {
    MpegMessage message{};
    message.data.bytes[0] = b0;
    message.data.bytes[1] = b1;
    message.data.bytes[2] = b2;
    message.data.bytes[3] = b3;
    return message.data.value;
}

class XAudioWrapperTest : public ::testing::Test {
protected:
    // Puts the given scripted module into the program folder as "mpeg.so".
    void InstallModule(const char* variant) {
        QFile::remove(home.file("mpeg.so"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(SCRIPTED_ENGINE_DIR "/") + variant + "/mpeg.so",
                                home.file("mpeg.so")));
    }
    void SetUp() override {
        qputenv("SORVI_FAKE_ENGINE_LOG", QFile::encodeName(home.file("engine.log")));
        SetInternalPluginTotalSeconds(nullptr);
    }
    void TearDown() override {
        SendToPlugin(3);
        SetInternalPluginTotalSeconds(nullptr);
        qunsetenv("SORVI_FAKE_ENGINE_LOG");
    }
    QList<QByteArray> EngineCalls() const {
        QList<QByteArray> lines = home.read("engine.log").split('\n');
        lines.removeAll(QByteArray());
        return lines;
    }
    // Posts one notification from the loaded scripted module and lets it arrive.
    void Post(unsigned code, uint32_t value) {
        void* module = dlopen(QFile::encodeName(home.file("mpeg.so")).constData(), RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(module, nullptr) << "the wrapper has not loaded the module";
        auto post = reinterpret_cast<void (*)(unsigned, uint32_t)>(dlsym(module, "fake_post"));
        ASSERT_NE(post, nullptr);
        post(code, value);
        dlclose(module);
        WaitFor([] { return false; }, 20);
    }
    void StartSong() {
        InstallModule("scripted");
        SendToPlugin(2, "/music/song.mp3");
        Post(MPEG_MSG_STATE, Bytes(MPEG_STATE_PLAYING));
    }

    TempHome home;
    HostRecorder host;
};

TEST_F(XAudioWrapperTest, PlayRequestLoadsOpensAndPlaysThenStopClosesAndDeletes) {
    InstallModule("scripted");
    SendToPlugin(2, "/music/a b.mp3");
    SendToPlugin(3);
    EXPECT_EQ(EngineCalls(), (QList<QByteArray>{"player_new", "priority 4", "S 8", "/music/a b.mp3", "N 4",
                                                "N 6", "N 9", "player_delete"}));
    EXPECT_TRUE(host.Messages().isEmpty());
}

TEST_F(XAudioWrapperTest, RepliesCarryTheIdentityOfTheLastMessage) {
    InstallModule("scripted");
    SendToPlugin(2, "/music/song.mp3", "12345");
    Post(MPEG_MSG_DURATION, 200);
    SendToPlugin(8, {}, "777");
    Post(MPEG_MSG_STATE, Bytes(MPEG_STATE_PLAYING));
    ASSERT_EQ(host.Messages().size(), 2);
    EXPECT_EQ(host.Messages()[0].identity, "12345");
    EXPECT_EQ(host.Lines(), (QList<QByteArray>{"%totaltime 200", "%status 1"}));
    EXPECT_EQ(host.Messages()[1].identity, "777");
}

TEST_F(XAudioWrapperTest, NotificationsBecomeHostMessages) {
    StartSong();
    struct Case {
        unsigned code;
        uint32_t value;
        QByteArray expected; // empty: nothing is sent
    } cases[] = {
        {MPEG_MSG_TIMECODE, Bytes(1, 2, 3, 99), "%time 3723"},
        {MPEG_MSG_TIMECODE, Bytes(0, 0, 59, 50), "%time 59"},
        {MPEG_MSG_DURATION, 200, "%totaltime 200"},
        {MPEG_MSG_STATE, Bytes(MPEG_STATE_PAUSED), "%status 2"},
        {MPEG_MSG_STATE, Bytes(MPEG_STATE_PLAYING), "%status 1"},
        {MPEG_MSG_STATE, Bytes(MPEG_STATE_STOPPED), "%status 0"},
        {MPEG_MSG_STATE, Bytes(9), ""},
        {MPEG_MSG_NACK, Bytes(MPEG_CMD_PLAY), "%status 4"},
        {MPEG_MSG_NACK, Bytes(MPEG_CMD_PAUSE), "%status 4"},
        {MPEG_MSG_NACK, Bytes(MPEG_CMD_SEEK), ""},
        {MPEG_MSG_NACK, Bytes(MPEG_CMD_OPEN), ""},
        {42, 7, ""},
    };
    for (const Case& c : cases) {
        const qsizetype before = host.Messages().size();
        Post(c.code, c.value);
        const QList<QByteArray> expected = c.expected.isEmpty() ? QList<QByteArray>{} : QList{c.expected};
        EXPECT_EQ(host.Lines(before), expected) << "code " << c.code << " value " << c.value;
    }
}

TEST_F(XAudioWrapperTest, EndOfStreamCountsUpToTheDurationThenStops) {
    struct Case {
        uint8_t minutes, seconds;
        QList<QByteArray> expected;
    } cases[] = {
        {3, 58, {"%status 1", "%time 239", "%time 240", "%status 0"}},
        {4, 0, {"%status 1", "%status 0"}},
    };
    for (const Case& c : cases) {
        StartSong();
        Post(MPEG_MSG_DURATION, 240);
        Post(MPEG_MSG_TIMECODE, Bytes(0, c.minutes, c.seconds));
        const qsizetype from = host.Messages().size();
        Post(MPEG_MSG_STATE, Bytes(MPEG_STATE_EOS));
        EXPECT_TRUE(WaitFor([&] { return host.Has("%status 0", from); }, 5000));
        WaitFor([] { return false; }, 1200); // the end timer must have stopped
        EXPECT_EQ(host.Lines(from), c.expected) << int(c.minutes) << ":" << int(c.seconds);
        SendToPlugin(3);
    }
}

TEST_F(XAudioWrapperTest, AStateChangeEndsTheCountAfterEndOfStream) {
    StartSong();
    Post(MPEG_MSG_DURATION, 240);
    Post(MPEG_MSG_TIMECODE, Bytes(0, 3, 0));
    Post(MPEG_MSG_STATE, Bytes(MPEG_STATE_EOS));
    const qsizetype from = host.Messages().size();
    Post(MPEG_MSG_STATE, Bytes(MPEG_STATE_STOPPED));
    WaitFor([] { return false; }, 1500);
    EXPECT_EQ(host.Lines(from), (QList<QByteArray>{"%status 0"}));
}

TEST_F(XAudioWrapperTest, PauseTogglesBetweenPauseAndPlayByTheReportedState) {
    StartSong();
    SendToPlugin(4);
    Post(MPEG_MSG_STATE, Bytes(MPEG_STATE_PAUSED));
    SendToPlugin(4);
    Post(MPEG_MSG_STATE, Bytes(MPEG_STATE_PLAYING));
    SendToPlugin(4);
    const QList<QByteArray> calls = EngineCalls();
    EXPECT_EQ(calls.mid(calls.size() - 3), (QList<QByteArray>{"N 5", "N 4", "N 5"}));
}

TEST_F(XAudioWrapperTest, SeekSendsTheSecondWithinThePlayerStateTotal) {
    StartSong();
    SetInternalPluginTotalSeconds([] { return 200; });
    SendToPlugin(7, "75");
    SendToPlugin(7, "abc");
    const QList<QByteArray> calls = EngineCalls();
    EXPECT_EQ(calls.mid(calls.size() - 2), (QList<QByteArray>{"II 7 75 200", "II 7 0 200"}));
}

TEST_F(XAudioWrapperTest, CodesAreReadAsDecimalLowSevenBits) {
    InstallModule("scripted");
    SendToPlugin(130, "/music/song.mp3"); // 130 & 127 = 2: play
    SendToPlugin(8);
    SendToPlugin(1);
    SendToPlugin(6);
    EXPECT_EQ(EngineCalls(),
              (QList<QByteArray>{"player_new", "priority 4", "S 8", "/music/song.mp3", "N 4"}));
    EXPECT_EQ(InternalPlusMessage("0\1x2\1/music/song.mp3"), 0);
    EXPECT_EQ(InternalPlusMessage("no separators"), 0);
    EXPECT_EQ(EngineCalls().size(), 5);
}

TEST_F(XAudioWrapperTest, NotificationsPostedBeforeStopAreDropped) {
    StartSong();
    const qsizetype from = host.Messages().size();
    void* module = dlopen(QFile::encodeName(home.file("mpeg.so")).constData(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(module, nullptr);
    reinterpret_cast<void (*)(unsigned, uint32_t)>(dlsym(module, "fake_post"))(MPEG_MSG_STATE, Bytes(1));
    dlclose(module);
    SendToPlugin(3); // the queued notification is still pending here
    WaitFor([] { return false; }, 50);
    EXPECT_EQ(host.Lines(from), QList<QByteArray>{});
}

TEST_F(XAudioWrapperTest, PauseOrSeekWithoutAnEngineDoNothing) {
    InstallModule("scripted");
    SendToPlugin(4);
    SendToPlugin(7, "10");
    SendToPlugin(3);
    EXPECT_TRUE(EngineCalls().isEmpty());
    EXPECT_TRUE(host.Messages().isEmpty());
}

TEST_F(XAudioWrapperTest, ModuleWithoutPriorityReportsAnErrorPerPlayAndStillPlays) {
    InstallModule("no-priority");
    for (int song = 0; song < 2; ++song) {
        const qsizetype from = host.Messages().size();
        SendToPlugin(2, "/music/song.mp3");
        EXPECT_EQ(host.Lines(from), (QList<QByteArray>{"%status 4"}));
    }
    EXPECT_EQ(EngineCalls(), (QList<QByteArray>{"player_new", "S 8", "/music/song.mp3", "N 4", "S 8",
                                                "/music/song.mp3", "N 4"}));
}

TEST_F(XAudioWrapperTest, MissingModuleMakesEveryRequestDoNothing) {
    for (int code : {2, 4, 7, 2, 3, 3})
        EXPECT_EQ(SendToPlugin(code, "/music/song.mp3"), 0);
    WaitFor([] { return false; }, 50);
    EXPECT_TRUE(host.Messages().isEmpty());
}

// The engine module runs with the user's rights: one that another user could
// have written, or a link out of the program folder, is refused and reported.
TEST_F(XAudioWrapperTest, AModuleOthersCouldWriteIsNotLoaded) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving files to another user needs root";
    const QByteArray module = QFile::encodeName(home.file("mpeg.so"));
    const QByteArray built = QByteArrayLiteral(SCRIPTED_ENGINE_DIR "/scripted/mpeg.so");
    const struct {
        const char* label;
        std::function<int()> arrange;
        const char* reason;
    } cases[] = {
        {"writable by every user", [&] { return ::chmod(module, 0666); }, "writable by every user"},
        {"owned by another user", [&] { return ::chown(module, 65534, 65534); }, "belongs to another user"},
        {"link out of the program folder",
         [&] { return std::remove(module) == 0 ? ::symlink(built, module) : -1; },
         "leads out of the program folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        InstallModule("scripted");
        ASSERT_EQ(c.arrange(), 0) << std::strerror(errno);
        testing::internal::CaptureStderr();
        SendToPlugin(2, "/music/song.mp3");
        SendToPlugin(3);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(EngineCalls().isEmpty()) << "the module's code never ran";
        EXPECT_NE(err.find("refused"), std::string::npos) << err;
        EXPECT_NE(err.find(c.reason), std::string::npos) << err;
    }
}

} // namespace
