// The update check against a server on the loopback address: the question
// and the browser page for a newer release, the plain answers otherwise, and
// a bounded download for servers that send too much, binary data or nothing.
#include "DesktopCommands.h"
#include "Messenger.h"
#include "OptionsStore.h"
#include "ScriptedDialogs.h"
#include "SiteAddresses.h"
#include "TOption.h"
#include "TempHome.h"
#include "HttpNetModule.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace {

// Answers every request with one canned reply.
struct LoopbackSite {
    enum class Mode { Reply, Stall, Endless };
    QTcpServer server;
    Mode mode = Mode::Reply;
    QByteArray reply;
    QList<QByteArray> requests;

    LoopbackSite() {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            while (QTcpSocket* s = server.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    requests << s->readAll();
                    if (mode == Mode::Reply) {
                        s->write(reply);
                        s->disconnectFromHost();
                    } else if (mode == Mode::Endless) {
                        // 50 MB without a length, a megabyte at a time while the client reads.
                        s->write("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n");
                        auto sent = std::make_shared<qint64>(0);
                        auto more = [s, sent] {
                            if (*sent < 50 * 1024 * 1024 && s->bytesToWrite() < 1024 * 1024) {
                                s->write(QByteArray(1024 * 1024, 'a'));
                                *sent += 1024 * 1024;
                            }
                        };
                        QObject::connect(s, &QTcpSocket::bytesWritten, s, more);
                        more();
                    }
                });
            }
        });
    }
    QString base() const { return QString("http://127.0.0.1:%1/").arg(server.serverPort()); }
    static QByteArray http(const QByteArray& body, const QByteArray& extraHeaders = {}) {
        return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
    }
};

struct UpdateCheck : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    ScriptedDialogs dialogs;
    Messenger messenger{option, dialogs};
    SiteAddresses site{store};
    LoopbackSite server;
    QStringList ran;

    void SetUp() override { store.WriteString("SITE", "BASE", server.base()); }
    void check() {
        CheckUpdate(site, HttpNetModule(), messenger, [this](const QString& c) { ran << c; }, true);
    }
};

TEST_F(UpdateCheck, NewerReleaseAsksAndOpensThePage) {
    server.reply = LoopbackSite::http("[update]\r\ndate=2003-1-15\r\npage=download/sorvi.htm\r\n");
    dialogs.answer = MsgBox::IdOk;
    check();
    ASSERT_EQ(server.requests.size(), 1);
    EXPECT_TRUE(server.requests[0].startsWith("GET /update.inf "));
    ASSERT_EQ(dialogs.messages(), QStringList{"Sorvi was updated, download the newest now?"});
    EXPECT_EQ(dialogs.shown[0].flags, MsgBox::OkCancel | MsgBox::IconInformation);
    EXPECT_EQ(ran, QStringList{"#Explorer," + server.base() + "download/sorvi.htm"});

    dialogs.answer = MsgBox::IdCancel;
    check();
    EXPECT_EQ(ran.size(), 1);
}

TEST_F(UpdateCheck, NoNewerReleaseSaysSo) {
    const QByteArray files[] = {
        "[update]\ndate=2002-10-8\npage=download/\n",  // this release
        "[update]\ndate=2001/12/31\npage=download/\n", // older
        "[update]\ndate=2009-02-30\npage=download/\n", // no such day
        "[update]\ndate=soon\npage=download/\n",      // unreadable
        "[update]\ndate=2010-1-1\n",                   // newer, but no page
        "[other]\ndate=2010-1-1\npage=x\n",            // wrong section
    };
    for (const QByteArray& file : files) {
        dialogs.shown.clear();
        server.reply = LoopbackSite::http(file);
        check();
        EXPECT_EQ(dialogs.messages(), QStringList{"haven't update."}) << file.data();
    }
    EXPECT_TRUE(ran.isEmpty());
}

TEST_F(UpdateCheck, UnusableServersAreRefusedWithinTheLimit) {
    struct Case {
        const char* name;
        LoopbackSite::Mode mode;
        QByteArray reply;
    } cases[] = {
        {"not found", LoopbackSite::Mode::Reply, "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n"},
        {"binary", LoopbackSite::Mode::Reply, LoopbackSite::http(QByteArray("[update]\ndate=2010-1-1\0\1\2", 26))},
        {"50 MB announced", LoopbackSite::Mode::Reply,
         "HTTP/1.1 200 OK\r\nContent-Length: 52428800\r\n\r\n" + QByteArray(100000, 'a')},
        {"50 MB sent", LoopbackSite::Mode::Endless, {}},
        {"stalled", LoopbackSite::Mode::Stall, {}},
    };
    for (const Case& c : cases) {
        dialogs.shown.clear();
        server.mode = c.mode;
        server.reply = c.reply;
        check();
        EXPECT_EQ(dialogs.messages(), QStringList{"Could not connect to server."}) << c.name;
    }
    // Nothing listens at all.
    dialogs.shown.clear();
    server.server.close();
    check();
    EXPECT_EQ(dialogs.messages(), QStringList{"Could not connect to server."});
    EXPECT_TRUE(ran.isEmpty());
}

} // namespace
