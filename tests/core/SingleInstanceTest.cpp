#include "CommandInbox.h"
#include "CommandLine.h"
#include "CommandText.h"
#include "FileName.h"
#include "SingleInstance.h"
#include "TempHome.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

TEST(SingleInstance, SecondInstanceHandsItsCommandToTheFirst) {
    const QString key = SingleInstance::KeyForFolder(QDir::tempPath() + "/si-" + QString::number(::getpid()));
    SingleInstance first(key);
    ASSERT_TRUE(first.TryBecomePrimary());
    QStringList received;
    QObject::connect(&first, &SingleInstance::commandReceived, [&](const QString& c) { received << c; });

    SingleInstance second(key);
    EXPECT_FALSE(second.TryBecomePrimary());
    // The first instance answers from its event loop; send from a helper thread.
    // A name written by an old Latin-1 system keeps its byte 0xE9 on the way.
    const QString latin1Name = DecodeFileName("/music/Caf\xE9.mp3");
    std::atomic<bool> sent{false};
    std::thread sender([&] {
        sent = second.SendToPrimary("#OpenFile,/a b.mp3\r\n/c,d.mp3\r\n");
        second.SendToPrimary("#Normal");
        second.SendToPrimary("#OpenFile," + latin1Name + QChar(0));
    });
    EXPECT_TRUE(WaitFor([&] { return received.size() == 3; }));
    sender.join();
    EXPECT_TRUE(sent);
    EXPECT_EQ(received, (QStringList{"#OpenFile,/a b.mp3\r\n/c,d.mp3\r\n", "#Normal",
                                     "#OpenFile," + latin1Name + QChar(0)}));
    EXPECT_EQ(EncodeFileName(received.value(2).mid(10).chopped(1)), QByteArray("/music/Caf\xE9.mp3"));
}

TEST(SingleInstance, NoAnsweringInstanceMeansFailureNotAHang) {
    SingleInstance lone(SingleInstance::KeyForFolder("/nonexistent/" + QString::number(::getpid())));
    EXPECT_FALSE(lone.SendToPrimary("#Normal", 500));
}

TEST(SingleInstance, InstancesOfDifferentFoldersAreIndependent) {
    SingleInstance a(SingleInstance::KeyForFolder("/tmp/one-" + QString::number(::getpid())));
    SingleInstance b(SingleInstance::KeyForFolder("/tmp/two-" + QString::number(::getpid())));
    EXPECT_TRUE(a.TryBecomePrimary());
    EXPECT_TRUE(b.TryBecomePrimary());
}

TEST(Handover, CommandFromArguments) {
    EXPECT_EQ(HandoverCommand({}, "/w"), "#Normal");
    // Each name is followed by NUL, the one byte no file name holds: names with
    // CR LF or commas arrive whole. Only real schemes stay URLs; a name with a
    // colon is a file relative to the working folder.
    const QString nul(QChar(0));
    EXPECT_EQ(HandoverCommand({"/m/a.mp3", "rel/b.mp3", "http://h/s.mp3", "../c.lrc", "Live: Song.mp3",
                               "two\r\nlines.mp3", "mms://h/x", "/m/d, e.mp3"},
                              "/w/x"),
              "#OpenFile,/m/a.mp3" + nul + "/w/x/rel/b.mp3" + nul + "http://h/s.mp3" + nul + "/w/c.lrc" + nul +
                  "/w/x/Live: Song.mp3" + nul + "/w/x/two\r\nlines.mp3" + nul + "mms://h/x" + nul + "/m/d, e.mp3" +
                  nul);
    // The running player reads both the handed-over form and a CR LF list.
    EXPECT_EQ(OpenFileNames("/a\r\nb.mp3" + nul + "/c.mp3" + nul), (QStringList{"/a\r\nb.mp3", "/c.mp3"}));
    EXPECT_EQ(OpenFileNames("/a.mp3\r\n\r\n/b, c.mp3\r\n"), (QStringList{"/a.mp3", "/b, c.mp3"}));
}

TEST(SingleInstance, HandoverWaitsForAFirstInstanceThatIsNotListeningYet) {
    // Two starts at the same moment: the second finds the lock taken before the
    // first listens. Its request must still arrive.
    const QString key = SingleInstance::KeyForFolder(QDir::tempPath() + "/early-" + QString::number(::getpid()));
    SingleInstance first(key);
    SingleInstance second(key);
    std::atomic<bool> sent{false};
    std::thread sender([&] { sent = second.SendToPrimary("#OpenFile,/a.mp3\r\n", 3000); });
    QThread::msleep(300);
    QStringList received;
    QObject::connect(&first, &SingleInstance::commandReceived, [&](const QString& c) { received << c; });
    ASSERT_TRUE(first.TryBecomePrimary());
    EXPECT_TRUE(WaitFor([&] { return received.size() == 1; }));
    sender.join();
    EXPECT_TRUE(sent);
}

TEST(SingleInstance, UnreadRequestIsReportedAsNotDelivered) {
    // A first instance that holds the lock and the socket but never reads
    // (hung, or killed after listening) must not count as a delivery.
    const QString key = SingleInstance::KeyForFolder(QDir::tempPath() + "/deaf-" + QString::number(::getpid()));
    SingleInstance first(key);
    ASSERT_TRUE(first.TryBecomePrimary());
    SingleInstance second(key);
    std::atomic<bool> sent{true};
    std::thread sender([&] { sent = second.SendToPrimary("#Normal", 700); });
    sender.join(); // the first instance runs no events meanwhile
    EXPECT_FALSE(sent);
}

namespace {

// A bare stream socket on the instance socket's path, to play the other side
// the way any build of the player does, byte for byte.
struct RawSocket {
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ~RawSocket() {
        if (fd >= 0)
            ::close(fd);
    }
    static sockaddr_un address(const QString& path) {
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        const QByteArray native = QFile::encodeName(path);
        std::memcpy(a.sun_path, native.constData(), size_t(native.size()));
        return a;
    }
    bool connectTo(const QString& path) {
        const sockaddr_un a = address(path);
        return ::connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
    }
    bool listenOn(const QString& path) {
        const sockaddr_un a = address(path);
        return ::bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0 && ::listen(fd, 4) == 0;
    }
    bool send(const QByteArray& bytes) const {
        return ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) == bytes.size();
    }
    // What arrives until the peer closes or `count` bytes are in.
    QByteArray receive(qsizetype count) const {
        QByteArray in;
        char buffer[256];
        while (in.size() < count) {
            const ssize_t n = ::recv(fd, buffer, size_t(qMin<qsizetype>(sizeof buffer, count - in.size())), 0);
            if (n <= 0)
                break;
            in.append(buffer, n);
        }
        return in;
    }
};

QString uniqueKey(const char* name) {
    return SingleInstance::KeyForFolder(QDir::tempPath() + '/' + name + '-' + QString::number(::getpid()));
}

} // namespace

TEST(SingleInstance, WireFormatIsALengthPrefixedCommandAnsweredByOneByte) {
    // Players of other builds may be on either end: the bytes stay as they are.
    SingleInstance first(uniqueKey("wire"));
    ASSERT_TRUE(first.TryBecomePrimary());
    QStringList received;
    QObject::connect(&first, &SingleInstance::commandReceived, [&](const QString& c) { received << c; });
    RawSocket client;
    ASSERT_TRUE(client.connectTo(first.socketPath()));
    // One request split over two writes, as a slow sender may deliver it.
    ASSERT_TRUE(client.send(QByteArray("\0\0\0", 3)));
    WaitFor([] { return false; }, 100); // the first instance reads the partial header meanwhile
    ASSERT_TRUE(client.send("\x0d" + QByteArray("#OpenFile,/\xE9\0", 13)));
    ASSERT_TRUE(WaitFor([&] { return !received.isEmpty(); }));
    EXPECT_EQ(received, QStringList{"#OpenFile," + DecodeFileName("/\xE9") + QChar(0)});
    EXPECT_EQ(client.receive(2), QByteArray("\x06"));

    // The sending side, against a bare listener in place of the first instance.
    SingleInstance second(uniqueKey("wire-out"));
    ::unlink(QFile::encodeName(second.socketPath()).constData());
    RawSocket listener;
    ASSERT_TRUE(listener.listenOn(second.socketPath()));
    std::atomic<bool> sent{false};
    std::thread sender([&] { sent = second.SendToPrimary("#Normal", 3000); });
    const int peer = ::accept(listener.fd, nullptr, nullptr);
    ASSERT_GE(peer, 0);
    RawSocket accepted;
    ::close(accepted.fd);
    accepted.fd = peer;
    EXPECT_EQ(accepted.receive(11), QByteArray("\0\0\0\x07#Normal", 11));
    EXPECT_TRUE(accepted.send("\x06"));
    sender.join();
    EXPECT_TRUE(sent);
    ::unlink(QFile::encodeName(second.socketPath()).constData());
}

TEST(SingleInstance, SocketLeftByACrashedPlayerIsTakenOver) {
    const QString key = uniqueKey("stale");
    {
        // A player killed while listening leaves its socket file behind.
        SingleInstance probe(key);
        ::unlink(QFile::encodeName(probe.socketPath()).constData());
        RawSocket dead;
        ASSERT_TRUE(dead.listenOn(probe.socketPath()));
    }
    SingleInstance first(key);
    ASSERT_TRUE(QFileInfo::exists(first.socketPath()));
    ASSERT_TRUE(first.TryBecomePrimary());
    QStringList received;
    QObject::connect(&first, &SingleInstance::commandReceived, [&](const QString& c) { received << c; });
    SingleInstance second(key);
    std::thread sender([&] { second.SendToPrimary("#Normal"); });
    EXPECT_TRUE(WaitFor([&] { return received.size() == 1; }));
    sender.join();
}

TEST(SingleInstance, SilentOrHalfSentPeersDoNotHoldUpOthers) {
    const QString key = uniqueKey("silent");
    SingleInstance first(key);
    ASSERT_TRUE(first.TryBecomePrimary());
    QStringList received;
    QObject::connect(&first, &SingleInstance::commandReceived, [&](const QString& c) { received << c; });
    RawSocket silent, halfSent, oversized;
    ASSERT_TRUE(silent.connectTo(first.socketPath()));
    ASSERT_TRUE(halfSent.connectTo(first.socketPath()));
    ASSERT_TRUE(halfSent.send(QByteArray("\0\0\0\x20#Open", 9)));
    ASSERT_TRUE(oversized.connectTo(first.socketPath()));
    ASSERT_TRUE(oversized.send(QByteArray("\x7f\0\0\0", 4)));
    SingleInstance second(key);
    std::atomic<bool> sent{false};
    std::thread sender([&] { sent = second.SendToPrimary("#Play"); });
    EXPECT_TRUE(WaitFor([&] { return received.size() == 1; }));
    sender.join();
    EXPECT_TRUE(sent);
    EXPECT_EQ(received, QStringList{"#Play"});
    // A length no request of ours has: that peer is dropped.
    EXPECT_EQ(oversized.receive(1), QByteArray());
}

TEST(SingleInstance, RequestOfASenderThatGaveUpIsNotRun) {
    SingleInstance first(uniqueKey("gone"));
    ASSERT_TRUE(first.TryBecomePrimary());
    QStringList received;
    QObject::connect(&first, &SingleInstance::commandReceived, [&](const QString& c) { received << c; });
    {
        RawSocket client;
        ASSERT_TRUE(client.connectTo(first.socketPath()));
        ASSERT_TRUE(client.send(QByteArray("\0\0\0\x07#Normal", 11)));
    } // closed before the first instance read it
    WaitFor([] { return false; }, 500);
    EXPECT_TRUE(received.isEmpty());
}

namespace {
int modeOf(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// Runs with XDG_RUNTIME_DIR unset and HOME in a fresh folder.
struct NoRuntimeDir : ::testing::Test {
    QTemporaryDir home;
    QByteArray oldHome = qgetenv("HOME"), oldRuntime = qgetenv("XDG_RUNTIME_DIR"), oldCache = qgetenv("XDG_CACHE_HOME");
    bool hadRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"), hadCache = qEnvironmentVariableIsSet("XDG_CACHE_HOME");
    NoRuntimeDir() {
        qputenv("HOME", home.path().toUtf8());
        qunsetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_CACHE_HOME");
    }
    ~NoRuntimeDir() override {
        qputenv("HOME", oldHome);
        if (hadRuntime)
            qputenv("XDG_RUNTIME_DIR", oldRuntime);
        if (hadCache)
            qputenv("XDG_CACHE_HOME", oldCache);
    }
    static QString key() { return SingleInstance::KeyForFolder("/private-" + QString::number(::getpid())); }
};
} // namespace

TEST_F(NoRuntimeDir, LockAndSocketLiveInAPrivateFolderOfTheUser) {
    SingleInstance first(key());
    ASSERT_TRUE(first.TryBecomePrimary()) << first.problem().toStdString();
    const QFileInfo socket(first.socketPath());
    EXPECT_TRUE(socket.absolutePath().startsWith(home.path() + "/.cache/")) << socket.absolutePath().toStdString();
    const QFileInfo folder(socket.absolutePath());
    EXPECT_EQ(modeOf(folder.filePath()), 0700);
    // The lock file is not readable by others.
    const QString lock = socket.absolutePath() + '/' + socket.completeBaseName() + ".lock";
    ASSERT_TRUE(QFileInfo::exists(lock));
    EXPECT_EQ(modeOf(lock) & 077, 0);
}

TEST_F(NoRuntimeDir, AFolderOthersCouldUseIsNotTrusted) {
    // A private folder opened to others is closed again before use; one that is
    // a symbolic link (it may lead anywhere) is refused.
    const QString cache = home.path() + "/.cache";
    QDir().mkpath(cache + "/sorvi");
    ::chmod(QFile::encodeName(cache + "/sorvi").constData(), 0777);
    {
        SingleInstance first(key());
        EXPECT_TRUE(first.TryBecomePrimary());
        EXPECT_EQ(modeOf(cache + "/sorvi"), 0700);
    }
    QDir(cache + "/sorvi").removeRecursively();
    QDir().mkpath(home.path() + "/elsewhere");
    ASSERT_TRUE(QFile::link(home.path() + "/elsewhere", cache + "/sorvi"));
    SingleInstance squatted(key());
    EXPECT_FALSE(squatted.TryBecomePrimary());
    EXPECT_FALSE(squatted.problem().isEmpty());
    EXPECT_FALSE(squatted.SendToPrimary("#Normal", 200));
}

TEST(CommandInbox, HoldsCommandsUntilThePlayerIsReady) {
    CommandInbox inbox;
    int quits = 0;
    inbox.SetQuitRequest([&] { ++quits; });
    inbox.Take("#Normal");
    inbox.Take("#Shuffle,1");
    EXPECT_EQ(quits, 0);
    inbox.Take(" #exit ");
    EXPECT_EQ(quits, 1); // a quit is announced at once (it closes start-up boxes)...
    QStringList posted;
    inbox.Open([&](const QString& c) { posted << c; });
    // ...and keeps its place after what arrived before it.
    EXPECT_EQ(posted, (QStringList{"#Normal", "#Shuffle,1", " #exit "}));
    inbox.Take("#Play");
    EXPECT_EQ(posted.last(), "#Play");
}

TEST(CommandInbox, FileListsArrivingTogetherBecomeOneList) {
    const QString nul(QChar(0));
    CommandInbox inbox;
    QStringList posted;
    inbox.Take("#OpenFile,/held.mp3" + nul);
    inbox.Take("#OpenFile,/held2.mp3" + nul);
    inbox.Open([&](const QString& c) { posted << c; });
    // What was held while the player started is posted at once, as one list.
    EXPECT_EQ(posted, QStringList{"#OpenFile,/held.mp3" + nul + "/held2.mp3" + nul});
    posted.clear();
    inbox.Take("#OpenFile,/a.mp3" + nul);
    inbox.Take("#OpenFile,/b.mp3" + nul + "/c.mp3" + nul);
    EXPECT_TRUE(posted.isEmpty()); // gathering
    ASSERT_TRUE(WaitFor([&] { return !posted.isEmpty(); }));
    EXPECT_EQ(posted, QStringList{"#OpenFile,/a.mp3" + nul + "/b.mp3" + nul + "/c.mp3" + nul});
    // Another command posts the waiting list first, keeping the order.
    posted.clear();
    inbox.Take("#OpenFile,/d.mp3" + nul);
    inbox.Take("#Exit");
    EXPECT_EQ(posted, (QStringList{"#OpenFile,/d.mp3" + nul, "#Exit"}));
}

TEST(CommandLineParse, OptionsAndFiles) {
    EXPECT_EQ(ParseCommandLine({"--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(ParseCommandLine({"a.mp3", "--version"}).action, CommandLine::Action::Version);
    EXPECT_EQ(ParseCommandLine({"--bogus"}).action, CommandLine::Action::Error);
    EXPECT_EQ(ParseCommandLine({"--command"}).action, CommandLine::Action::Error);
    const CommandLine line = ParseCommandLine({"a.mp3", "--command", "#Play", "--command=#Exit", "--", "--odd.mp3"});
    EXPECT_EQ(line.action, CommandLine::Action::Run);
    EXPECT_EQ(line.files, (QStringList{"a.mp3", "--odd.mp3"}));
    EXPECT_EQ(line.commands, (QStringList{"#Play", "#Exit"}));
}
