// Runs the real program under an X server: single instance, handover, the
// --command channel and termination signals.
#include "TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
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
    // True when some traced command names `file` (the first player plays its
    // own file; a handed-over one arrives in "#OpenFile").
    bool reached(const QString& file) const {
        for (const QString& line : traced())
            if (line.contains(file))
                return true;
        return false;
    }
    int indexOf(const QString& prefix) const {
        const QStringList lines = traced();
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].startsWith(prefix))
                return i;
        return -1;
    }
    // A first start that opens a message box while it starts: the saved skin
    // cannot be read.
    std::unique_ptr<QProcess> startWithStartupBox(const QStringList& args = {}) {
        QFile options(home.path() + "/Options.ini");
        EXPECT_TRUE(options.open(QIODevice::WriteOnly));
        options.write(("[OPTION]\nSKIN=" + home.path() + "/missing.eks\n").toUtf8());
        options.close();
        auto p = start(args);
        EXPECT_TRUE(WaitFor([&] { return indexOf("#Skin," + home.path() + "/missing.eks") >= 0; }, 15000));
        QThread::msleep(500); // the box is open now
        return p;
    }
    static bool ended(QProcess& p) { return p.state() == QProcess::NotRunning || p.waitForFinished(10000); }
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
    const QString expected = "#OpenFile," + home.path() + "/work/one.mp3\\0/music/two, three.mp3\\0";
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

TEST_F(PlayerProcess, TwoStartsAtTheSameMomentLoseNoFile) {
    // Both find no player; one becomes it and the other hands its file over
    // while the first is still starting. A few tries here; the bench script
    // bench/core/double-start-bench.sh runs many.
    for (int round = 0; round < 4; ++round) {
        QFile::remove(trace);
        const QString a = QString("/music/round%1-a.mp3").arg(round), b = QString("/music/round%1-b.mp3").arg(round);
        auto one = start({a});
        auto two = start({b});
        EXPECT_TRUE(WaitFor([&] { return reached(a) && reached(b); }, 20000))
            << "round " << round << ":\n" << traced().join("\n").toStdString();
        start({"--command", "#Exit"})->waitForFinished(5000);
        EXPECT_TRUE(ended(*one));
        EXPECT_TRUE(ended(*two));
        EXPECT_EQ(one->exitCode() + two->exitCode(), 0) << "round " << round;
    }
}

TEST_F(PlayerProcess, ProgramFolderThatDoesNotExistYetIsCreated) {
    QProcessEnvironment e = env();
    const QString folder = home.path() + "/new/sorvi";
    e.insert("SORVI_HOME", folder);
    QProcess p;
    p.setProcessEnvironment(e);
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QStringLiteral(SORVI_BUILD_DIR) + "/sorvi", {"--command", "#Exit"});
    ASSERT_TRUE(p.waitForFinished(15000));
    for (const char* file : {"default.eks", "mpeg.so", "Plusin/sndfile.so", "Options.ini"})
        EXPECT_TRUE(QFileInfo(folder + "/" + file).isFile()) << file;
}

TEST_F(PlayerProcess, SecondStartWithNoPlayerAnsweringFails) {
    // A player that holds the lock and listens but never reads: the second
    // start must say its files were not delivered.
    auto first = startFirst();
    ::kill(pid_t(first->processId()), SIGSTOP);
    QProcess second;
    second.setProcessEnvironment(env());
    second.start(QStringLiteral(SORVI_BUILD_DIR) + "/sorvi", {"/music/a.mp3"});
    const bool ended = second.waitForFinished(30000);
    ::kill(pid_t(first->processId()), SIGCONT);
    ASSERT_TRUE(ended);
    EXPECT_NE(second.exitCode(), 0);
    EXPECT_FALSE(second.readAllStandardError().isEmpty());
    start({"--command", "#Exit"})->waitForFinished(5000);
    EXPECT_TRUE(first->waitForFinished(10000));
}

TEST_F(PlayerProcess, QuitWhileAStartUpMessageBoxIsOpenEndsTheProgram) {
    struct Case {
        const char* how;
        bool signal;
    } cases[] = {{"SIGTERM", true}, {"#Exit handed over", false}};
    for (const Case& c : cases) {
        QFile::remove(trace);
        auto first = startWithStartupBox();
        // A file handed over while the box is open is delivered and kept.
        auto handover = start({"/music/during-box.mp3"});
        EXPECT_TRUE(handover->waitForFinished(10000)) << c.how;
        EXPECT_EQ(handover->exitCode(), 0) << c.how;
        if (c.signal)
            ::kill(pid_t(first->processId()), SIGTERM);
        else
            start({"--command", "#Exit"})->waitForFinished(5000);
        ASSERT_TRUE(first->waitForFinished(10000)) << c.how << ": the player stayed";
        EXPECT_EQ(first->exitStatus(), QProcess::NormalExit) << c.how;
        EXPECT_TRUE(ini().contains("[TKvMp3PlayForm]")) << c.how << ": no close sequence";
        // The file handed over before the quit was added before the end.
        EXPECT_GE(indexOf("#OpenFile,"), 0) << c.how << ":\n" << traced().join("\n").toStdString();
        if (!c.signal) {
            EXPECT_LT(indexOf("#OpenFile,"), indexOf("#Exit")) << traced().join("\n").toStdString();
        }
    }
}

TEST_F(PlayerProcess, QuitDuringTheStartUpTagScanEndsTheProgram) {
    // A first start with a big folder: after the skin, the tag scan of the
    // play list runs before the event loop does.
    QDir(home.path()).mkdir("many");
    for (int i = 0; i < 20000; ++i)
        QFile(home.path() + QString("/many/%1.mp3").arg(i, 5, 10, QChar('0'))).open(QIODevice::WriteOnly);
    auto first = start({home.path() + "/many"});
    ASSERT_TRUE(WaitFor([&] { return indexOf("#Play," + home.path() + "/many/") >= 0; }, 30000));
    ::kill(pid_t(first->processId()), SIGTERM);
    ASSERT_TRUE(first->waitForFinished(10000)) << "the player stayed";
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(ini().contains("[TKvMp3PlayForm]"));
}

TEST_F(PlayerProcess, QuitInsideAModalDialogEndsTheCommandToo) {
    // SIGTERM while a command's message box is open: the close sequence runs,
    // and nothing of the interrupted command after it. Signals keep coming
    // during shutdown; none may end the process before its last writes.
    auto first = startFirst();
    start({"--command", "#Skin," + home.path() + "/missing.eks"})->waitForFinished(5000);
    ASSERT_TRUE(WaitFor([&] { return indexOf("#Skin," + home.path() + "/missing.eks") >= 0; }));
    QThread::msleep(500); // the box is open now
    QFile::remove(home.path() + "/Options.ini");
    const pid_t pid = pid_t(first->processId());
    while (!first->waitForFinished(5))
        ::kill(pid, SIGTERM);
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0);
    const QStringList lines = traced();
    ASSERT_GE(indexOf("#Exit"), 0);
    EXPECT_EQ(lines.mid(indexOf("#Exit") + 1).filter(QRegularExpression("^#(?!Exit)")), QStringList{})
        << lines.join("\n").toStdString();
    // The interrupted command finished before the close sequence, which wrote
    // last: its sections follow what the command wrote.
    const QString written = ini();
    ASSERT_TRUE(written.contains("[TKvMp3PlayForm]")) << written.toStdString();
    if (written.contains("[OPTION]")) {
        EXPECT_LT(written.indexOf("[OPTION]"), written.indexOf("[TKvMp3PlayForm]")) << written.toStdString();
    }
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
