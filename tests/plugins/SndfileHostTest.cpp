// The plug-in that ships with the player for FLAC, Ogg, Opus, WAV and AIFF, as
// the host sees it in "Plusin/": described by its own trailer, chosen by
// extension and priority beside other plug-ins, and unloaded at exit.
#include "PluginFixtures.h"
#include "TPlus.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kSndfileId = QStringLiteral("{4F65AE6C-297A-4E33-A6EA-69F00F76967B}");
const QString kRecorderId = QStringLiteral("{5E7A0001-0000-4000-8000-000000000001}");

int quietInternal(const char*) { return 0; }

int threadCount() { return static_cast<int>(QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size()); }

class SndfileHost : public ::testing::Test {
protected:
    void SetUp() override {
        StartPluginLog(home);
        QDir().mkpath(home.file("Plusin"));
        // A copy, not a link: a module that links out of the program folder is refused.
        ASSERT_TRUE(QFile::copy(SORVI_BUILD_DIR "/sndfile.so", home.file("Plusin/sndfile.so")));
        // Another plug-in that also lists "*.ogg;", with a lower priority.
        InstallPlugin(home, "test_recorder", "recorder.so");
        plus = std::make_unique<TPlus>(&quietInternal);
        plus->Start();
    }
    TempHome home;
    std::unique_ptr<TPlus> plus;
};

TEST_F(SndfileHost, IsDescribedByItsTrailerAndChosenByExtensionAndPriority) {
    const int index = plus->IndexOfID(kSndfileId);
    ASSERT_GE(index, 0);
    const TPlusRec& rec = plus->Item(index);
    EXPECT_EQ(rec.Name, "FLAC Ogg Opus WAV AIFF Plusin");
    EXPECT_EQ(rec.Priority, 100);
    EXPECT_EQ(rec.Flags, 0) << "loaded on demand";
    EXPECT_EQ(rec.FileTypes, "*.flac;*.ogg;*.oga;*.opus;*.wav;*.aif;*.aiff;");
    EXPECT_EQ(rec.RefCount, 0);
    EXPECT_TRUE(plus->FileTypes().startsWith("*.mp3;*.m3u;*.lrc;*.eks;"));
    EXPECT_TRUE(plus->FileTypes().contains("*.flac;*.ogg;*.oga;*.opus;*.wav;*.aif;*.aiff;"));

    const struct {
        const char* extension;
        QString id;
    } cases[] = {
        {".flac", kSndfileId}, {".ogg", kSndfileId},  // 100 wins over the recorder's 9
        {".opus", kSndfileId}, {".wav", kSndfileId}, {".aiff", kSndfileId}, {".aif", kSndfileId},
        {".rec", kRecorderId},                        // only the recorder lists it
        {".mp3", TPlus::InternalID},                  // the engine keeps MP3
        {".mp4", QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plus->FindForFile(c.extension), c.id) << c.extension;
}

TEST_F(SndfileHost, ASongStillPlayingAtExitEndsWithTheHost) {
    const QString songs = home.file("songs");
    QDir().mkpath(songs);
    QProcess sox;
    sox.start("sox", {"-n", "-r", "44100", "-c", "2", songs + "/long.flac", "synth", "20", "sine", "440"});
    ASSERT_TRUE(sox.waitForFinished(30000) && sox.exitCode() == 0);

    const int before = threadCount();
    plus->Load(kSndfileId);
    EXPECT_EQ(plus->Send(kSndfileId, 2, songs + "/long.flac"), 0);
    EXPECT_EQ(plus->Item(plus->IndexOfID(kSndfileId)).RefCount, 1);
    ASSERT_TRUE(WaitFor([&] { return threadCount() > before; }, 5000));
    // Not stopped first: the host tells it it is unloaded (code 6) and closes it.
    plus.reset();
    EXPECT_TRUE(WaitFor([&] { return threadCount() <= before; }, 1000)) << threadCount() << " > " << before;
}

} // namespace
