// The browser window on the real web engine (under Xvfb): what page links do
// when clicked. Commands run only from the player's own site, "lrc:" links of
// the built-in search page download and hand the file over for saving, the
// "lrc://<host>/downlrc.php" form leads through the hidden browser to a
// download, and a refused download ends on the status page.
#include "BuiltinSite.h"
#include "FakeLrclib.h"
#include "HttpLrclibClient.h"
#include "HttpLyricsDownloader.h"
#include "SiteScheme.h"
#include "TWebForm.h"
#include "TempHome.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

// Before the application object exists: the scheme, and the engine flags
// that Xvfb and root need.
const bool kPrepared = [] {
    RegisterSiteScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    return true;
}();

struct BrowserWindow : ::testing::Test {
    TempHome home;
    FakeLrclib lrclib;
    HttpLrclibClient client{lrclib.base(), "Sorvi Audio Player/test"};
    BuiltinSite site{client, {"test", {}}};
    HttpLyricsDownloader downloader{site, "Sorvi Audio Player/test"};
    QWebEngineProfile profile;
    SiteSchemeHandler scheme{site};
    QStringList commands;
    QStringList savedNames;
    QByteArray savedBytes;
    TWebForm* form = nullptr;

    void SetUp() override {
        ASSERT_TRUE(kPrepared && lrclib.running());
        InstallSiteSchemes(profile, scheme, &profile);
        TWebFormContext context;
        context.profile = &profile;
        context.downloader = &downloader;
        context.links = {"https://sorvi.example.net/", BuiltinSite::kBase, "lrc.sorvi.example.net"};
        context.mountedBases = {"https://sorvi.example.net/"};
        context.run = [this](const QString& c) { commands << c; };
        context.saveLyrics = [this](const QString& file, const QString& name) {
            savedNames << name;
            QFile f(file);
            EXPECT_TRUE(f.open(QIODevice::ReadOnly));
            savedBytes = f.readAll();
        };
        form = new TWebForm(std::move(context));
        form->show();
    }
    void TearDown() override { delete form; }

    bool open(const QString& address) {
        bool loaded = false;
        auto c = QObject::connect(form, &TWebForm::pageLoaded, [&loaded](bool ok) { loaded = ok; });
        form->Navigate(address);
        const bool ok = WaitFor([&loaded] { return loaded; }, 20000);
        QObject::disconnect(c);
        return ok;
    }
    void script(const QString& js) { form->browser()->page()->runJavaScript(js); }
    void follow(const QString& link) { script("location.href = " + QString(link).prepend('"').append('"')); }
};

TEST_F(BrowserWindow, LinksOfTheBuiltinSite) {
    ASSERT_TRUE(open("https://sorvi.example.net/index.php"));
    EXPECT_EQ(form->windowTitle(), "Sorvi Audio Player");
    follow("kvscript:/bin/sh");
    follow("kvscript:#Play");
    ASSERT_TRUE(WaitFor([this] { return !commands.isEmpty(); }, 10000));
    QTest::qWait(300);
    EXPECT_EQ(commands, QStringList{"#Play"});

    // A search key with "&" and "#" finds its song; its download link hands the file over.
    ASSERT_TRUE(open("https://sorvi.example.net/lrcsearch.php?key=Sun & Moon #1"));
    script("document.querySelector('a[href^=\"lrc:\"]').click()");
    ASSERT_TRUE(WaitFor([this] { return !savedNames.isEmpty(); }, 10000));
    EXPECT_EQ(savedNames, QStringList{"Tone Makers-Sun & Moon #1.lrc"});
    EXPECT_TRUE(savedBytes.contains("[00:05.00]Moon sets"));

    // The site's downlrc form goes through the hidden browser to a download.
    savedNames.clear();
    follow("lrc://LRC.sorvi.example.net/downlrc.php?id=12");
    ASSERT_TRUE(WaitFor([this] { return !savedNames.isEmpty(); }, 10000));
    EXPECT_EQ(savedNames, QStringList{"12.lrc"});
    EXPECT_TRUE(savedBytes.contains("Second line of the sun"));

    // A refused download shows the status page through "#Explorer".
    commands.clear();
    follow("lrc:///u=file:///etc/passwd&n=p.lrc");
    ASSERT_TRUE(WaitFor([this] { return !commands.isEmpty(); }, 10000));
    EXPECT_EQ(commands.first(),
              QString::fromUtf8("#Explorer,https://sorvi.example.net/status.php?result=文件无法下载"));
}

TEST_F(BrowserWindow, CommandsFromAnotherOriginDoNothing) {
    bool loaded = false;
    QObject::connect(form->browser(), &QWebEngineView::loadFinished, [&loaded](bool) { loaded = true; });
    form->browser()->setHtml("<p>elsewhere</p>", QUrl("https://evil.example.com/"));
    ASSERT_TRUE(WaitFor([&loaded] { return loaded; }, 20000));
    follow("kvscript:#Play");
    QTest::qWait(1500);
    EXPECT_TRUE(commands.isEmpty());
}

} // namespace
