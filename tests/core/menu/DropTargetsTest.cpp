// Drops on the player's windows: files and folders from a file manager, links
// dragged from a browser, refused while a dialog is open or a batch runs.
#include "DropTargets.h"

#include "FileAdder.h"
#include "FileName.h"
#include "MenuHarness.h"
#include "Messenger.h"
#include "TPlay.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

QMimeData* urls(const QList<QUrl>& list) {
    auto* data = new QMimeData;
    data->setUrls(list);
    return data;
}

QMimeData* text(const QString& t) {
    auto* data = new QMimeData;
    data->setText(t);
    return data;
}

struct Drops : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    TPlay play{&option};
    RecordingDialogs dialogs;
    Messenger messenger{option, dialogs};
    QStringList ran;
    FileAdder adder{play, option, messenger, [] { return QString("*.mp3;"); },
                    [this](const QString& c) { ran << c; }};
    DropTargets drops{adder, option};
    QWidget window;

    Drops() {
        drops.Install(window);
        window.show();
    }

    // Drags the data over the window: whether the window takes it, and with
    // which effect.
    std::pair<bool, Qt::DropAction> dragEnter(QMimeData* data) {
        std::unique_ptr<QMimeData> owned(data);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::LinkAction | Qt::MoveAction, data,
                              Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        return {enter.isAccepted(), enter.dropAction()};
    }
    // Drags the data over the window and lets go, as a real drag does.
    void drop(QMimeData* data) {
        std::unique_ptr<QMimeData> owned(data);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::LinkAction, data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QDropEvent event(QPointF(5, 5), Qt::CopyAction | Qt::LinkAction, data, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }
    QStringList songs() {
        QStringList names;
        for (const TPlayItem& s : play.Default().Songs())
            names << s.FileName;
        return names;
    }
};

} // namespace

TEST(DropKinds, WhatADragCarries) {
    const struct {
        std::function<QMimeData*()> make;
        DropTargets::Kind kind;
        QString url;
    } cases[] = {
        {[] { return urls({QUrl::fromLocalFile("/music/a.mp3")}); }, DropTargets::Kind::Files, {}},
        {[] {
             return urls({QUrl("http://radio.test/live.mp3"), QUrl::fromLocalFile("/music/a.mp3")});
         },
         DropTargets::Kind::Files,
         {}},
        {[] { return urls({QUrl("https://radio.test/live.mp3")}); }, DropTargets::Kind::Link,
         "https://radio.test/live.mp3"},
        {[] { return urls({QUrl("mms://media.test/stream")}); }, DropTargets::Kind::Link,
         "mms://media.test/stream"},
        {[] { return text("  http://radio.test/a.mp3\n"); }, DropTargets::Kind::Link,
         "http://radio.test/a.mp3"},
        {[] { return urls({QUrl("mailto:someone@example.test")}); }, DropTargets::Kind::None, {}},
        {[] { return text("just some words"); }, DropTargets::Kind::None, {}},
        {[] { return text("http://a.test/x\nhttp://b.test/y"); }, DropTargets::Kind::None, {}},
        {[] { return text("javascript:alert(1)"); }, DropTargets::Kind::None, {}},
    };
    for (const auto& c : cases) {
        std::unique_ptr<QMimeData> data(c.make());
        const DropTargets::Drop drop = DropTargets::Classify(*data);
        EXPECT_EQ(drop.kind, c.kind) << data->text().toStdString() << " " << data->urls().size();
        EXPECT_EQ(drop.url, c.url);
    }
}

// A file manager percent-encodes a name's bytes; a name that is not UTF-8
// ("Caf\xE9" from a Latin-1 disk) must come out as that file's name.
TEST(DropKinds, DroppedNamesKeepTheirBytes) {
    std::unique_ptr<QMimeData> data(urls({QUrl("file:///music/Caf%E9.mp3"), QUrl("file:///music/Caf%C3%A9.mp3")}));
    const DropTargets::Drop drop = DropTargets::Classify(*data);
    ASSERT_EQ(drop.paths.size(), 2);
    EXPECT_EQ(EncodeFileName(drop.paths[0]), QByteArray("/music/Caf\xE9.mp3"));
    EXPECT_EQ(drop.paths[1], QString::fromUtf8("/music/Caf\xC3\xA9.mp3"));
}

TEST_F(Drops, FolderDropAddsItsFilesAndPlaysTheFirst) {
    home.write("music/a.mp3", "a");
    home.write("music/b.mp3", "b");
    const QString folder = home.path() + "music";
    EXPECT_TRUE(dragEnter(urls({QUrl::fromLocalFile(folder)})).first);
    drop(urls({QUrl::fromLocalFile(folder)}));
    ASSERT_TRUE(WaitFor([&] { return !ran.isEmpty(); }));
    EXPECT_EQ(songs(), (QStringList{folder + "/a.mp3", folder + "/b.mp3"}));
    EXPECT_EQ(ran, QStringList{"#Play," + folder + "/a.mp3"});
}

TEST_F(Drops, LinkIsOfferedOnlyWhileInteractive) {
    const auto interactive = dragEnter(urls({QUrl("http://radio.test/live.mp3")}));
    EXPECT_TRUE(interactive.first);
    EXPECT_EQ(interactive.second, Qt::LinkAction);

    option.SetInteractive(false); // the open-files dialog is up
    EXPECT_FALSE(dragEnter(urls({QUrl("http://radio.test/live.mp3")})).first);
    drop(urls({QUrl("http://radio.test/live.mp3")}));
    QCoreApplication::processEvents();
    EXPECT_TRUE(songs().isEmpty());

    option.SetInteractive(true);
    drop(text("http://radio.test/live.mp3"));
    ASSERT_TRUE(WaitFor([&] { return !songs().isEmpty(); }));
    EXPECT_EQ(songs(), QStringList{"http://radio.test/live.mp3"});
    EXPECT_EQ(ran, QStringList{"#Play,http://radio.test/live.mp3"});
}

TEST_F(Drops, LinkDroppedWhileABatchRunsIsRefusedWithTheBusyMessage) {
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
    drop(urls({QUrl("http://radio.test/live.mp3")}));
    ASSERT_TRUE(WaitFor([&] { return !dialogs.messages.isEmpty(); }));
    EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8(kAddBusyMessage)});
    play.EndAdd();
    EXPECT_TRUE(songs().isEmpty());
    EXPECT_TRUE(ran.isEmpty());
}
