#include "CommandLine.h"
#include "SingleInstance.h"
#include "TempHome.h"

#include <QDir>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>
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
    std::atomic<bool> sent{false};
    std::thread sender([&] {
        sent = second.SendToPrimary("#OpenFile,/a b.mp3\r\n/c,d.mp3\r\n");
        second.SendToPrimary("#Normal");
    });
    EXPECT_TRUE(WaitFor([&] { return received.size() == 2; }));
    sender.join();
    EXPECT_TRUE(sent);
    EXPECT_EQ(received, (QStringList{"#OpenFile,/a b.mp3\r\n/c,d.mp3\r\n", "#Normal"}));
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
    EXPECT_EQ(HandoverCommand({"/m/a.mp3", "rel/b.mp3", "http://h/s.mp3", "../c.lrc"}, "/w/x"),
              "#OpenFile,/m/a.mp3\r\n/w/x/rel/b.mp3\r\nhttp://h/s.mp3\r\n/w/c.lrc\r\n");
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
