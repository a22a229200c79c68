// Runs the real program under an X server: single instance, handover, the
// --command channel and termination signals.
#include "TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {

struct PlayerProcess : ::testing::Test {
    QTemporaryDir home;
    QString trace = home.path() + "/trace.txt";

    QProcessEnvironment env() const {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert("SORVI_HOME", home.path());
        e.insert("SORVI_TRACE_COMMANDS", trace);
        return e;
    }
    std::unique_ptr<QProcess> start(const QStringList& args) const {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env());
        p->setProcessChannelMode(QProcess::ForwardedChannels);
        p->start(QStringLiteral(SORVI_BUILD_DIR) + "/sorvi", args);
        EXPECT_TRUE(p->waitForStarted(5000));
        return p;
    }
    QStringList traced() const {
        QFile f(trace);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    // Starts the first player and waits until its command queue runs.
    std::unique_ptr<QProcess> startFirst() {
        auto p = start({"--command", "#Time,0"});
        EXPECT_TRUE(WaitFor([&] { return traced().contains("#Time,0"); }, 15000)) << "first player did not start";
        return p;
    }
    QString ini() const {
        QFile f(home.path() + "/Options.ini");
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
};

} // namespace

TEST_F(PlayerProcess, SecondStartHandsFilesOverAndEnds) {
    auto first = startFirst();
    QDir(home.path()).mkdir("work");
    auto second = std::make_unique<QProcess>();
    second->setProcessEnvironment(env());
    second->setWorkingDirectory(home.path() + "/work");
    second->start(QStringLiteral(SORVI_BUILD_DIR) + "/sorvi", {"one.mp3", "/music/two, three.mp3"});
    ASSERT_TRUE(second->waitForFinished(2000)) << "the second process did not end within two seconds";
    EXPECT_EQ(second->exitCode(), 0);
    const QString expected =
        "#OpenFile," + home.path() + "/work/one.mp3\\r\\n/music/two, three.mp3\\r\\n";
    EXPECT_TRUE(WaitFor([&] { return traced().contains(expected); })) << traced().join("\n").toStdString();

    auto third = start({});
    ASSERT_TRUE(third->waitForFinished(2000));
    EXPECT_TRUE(WaitFor([&] { return traced().contains("#Normal"); }));
    EXPECT_EQ(first->state(), QProcess::Running);

    start({"--command", "#Exit"})->waitForFinished(2000);
    ASSERT_TRUE(first->waitForFinished(5000));
}

TEST_F(PlayerProcess, ExitCommandRunsTheCloseSequence) {
    auto first = startFirst();
    auto control = start({"--command", "#Exit"});
    EXPECT_TRUE(control->waitForFinished(2000));
    ASSERT_TRUE(first->waitForFinished(5000));
    EXPECT_EQ(first->exitCode(), 0);
    EXPECT_TRUE(ini().contains("[TKvMp3PlayForm]")) << ini().toStdString();
    for (const char* key : {"Left=", "Top=", "Width=", "Height=", "Maximized=0"})
        EXPECT_TRUE(ini().section("[TKvMp3PlayForm]", 1).contains(key)) << key;
}

TEST_F(PlayerProcess, TerminationSignalsRunTheCloseSequence) {
    for (int number : {SIGTERM, SIGINT, SIGHUP}) {
        QFile::remove(home.path() + "/Options.ini");
        auto first = startFirst();
        QFile::remove(trace);
        ::kill(pid_t(first->processId()), number);
        ASSERT_TRUE(first->waitForFinished(5000)) << number;
        EXPECT_EQ(first->exitStatus(), QProcess::NormalExit) << number;
        EXPECT_TRUE(ini().contains("[TKvMp3PlayForm]")) << number;
        EXPECT_TRUE(traced().contains("#Exit")) << number;
    }
}

TEST_F(PlayerProcess, CommandStartsAPlayerWhenNoneRuns) {
    auto first = start({"--command", "#Shuffle,1", "--command", "#Exit"});
    ASSERT_TRUE(first->waitForFinished(15000));
    // After its own start-up commands, the player ran the two it was given.
    EXPECT_EQ(traced().mid(traced().size() - 2), (QStringList{"#Shuffle,1", "#Exit"}));
    EXPECT_TRUE(ini().contains("SHUFFER=1"));
}

// "Options.ini" is written when a value changes: a start and a close that
// change nothing leave the file as it was (not even replaced by an equal copy).
TEST_F(PlayerProcess, AStartThatChangesNothingLeavesTheSettingsFileAlone) {
    auto first = startFirst();
    start({"--command", "#Exit"})->waitForFinished(2000);
    ASSERT_TRUE(first->waitForFinished(5000));
    const QString file = home.path() + "/Options.ini";
    ASSERT_TRUE(QFileInfo::exists(file));
    const QDateTime before = QFileInfo(file).lastModified();
    const QString text = ini();

    QFile::remove(trace);
    auto second = startFirst();
    // Let the start finish: the skin is applied and the window shown.
    WaitFor([] { return false; }, 1500);
    // A start without files brings the running player to the front ("#Normal").
    ASSERT_TRUE(start({})->waitForFinished(2000));
    EXPECT_TRUE(WaitFor([&] { return traced().contains("#Normal"); }));
    WaitFor([] { return false; }, 300);
    EXPECT_EQ(QFileInfo(file).lastModified(), before);
    start({"--command", "#Exit"})->waitForFinished(2000);
    ASSERT_TRUE(second->waitForFinished(5000));
    EXPECT_EQ(QFileInfo(file).lastModified(), before) << "closing";
    EXPECT_EQ(ini(), text);
}
