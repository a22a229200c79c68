#include "BrowserLayer.h"

#include "BuiltinSite.h"
#include "LrclibClient.h"
#include "LyricsAutoFetch.h"
#include "LyricsDownloader.h"
#include "NetModuleApi.h"
#include "PlayerSettings.h"
#include "LyricsLayer.h"
#include "LyricsSaveFlow.h"
#include "PlayerApplication.h"
#include "ProgramFolder.h"
#include "BrowserModuleApi.h"
#include "SongTag.h"
#include "TLrcForm.h"
#include "TOption.h"
#include "TPlay.h"
#include "TPlayControl.h"
#include "WindowPlacement.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLibrary>

QByteArray PlayerUserAgent() {
    return QByteArrayLiteral("Sorvi Audio Player/") + QCoreApplication::applicationVersion().toUtf8();
}

BrowserLayer::BrowserLayer(PlayerApplication& player) : player_(player) {}

BrowserLayer::~BrowserLayer() {
    Close();
}

void BrowserLayer::Install() {
    player_.dispatcher().SetHandler(QStringLiteral("#EXPLORER"),
                                    [this](const CommandCall& call) { Explore(call.argument); });
    connect(&player_.control(), &TPlayControl::currentSongLoaded, this, &BrowserLayer::songLoaded);
    connect(&player_.option(), &TOption::durationChanged, this, &BrowserLayer::durationKnown);
}

namespace {

TLyricsSong lyricsSong(const TPlayItem& item) {
    return {item.FileName, TagText(item.Tag.Title), TagText(item.Tag.Artist), TagText(item.Tag.Album),
            TagText(item.Tag.LyricsName)};
}

} // namespace

void BrowserLayer::songLoaded() {
    if (autoFetch_)
        autoFetch_->Cancel();
    fetchFor_.clear();
    const TPlayItem& current = player_.play().Current();
    if (current.FileName.isEmpty() || !PlayerSettings::AutoFetchLyrics(player_.store()))
        return;
    if (FindLyricsFile(lyricsSong(current)).isEmpty())
        fetchFor_ = current.FileName;
}

void BrowserLayer::durationKnown(int seconds) {
    const TPlayItem& current = player_.play().Current();
    if (seconds <= 0 || fetchFor_.isEmpty() || fetchFor_ != current.FileName)
        return;
    fetchFor_.clear();
    if (!autoFetch_) {
        // Fetching in the background asks nothing: without the network
        // module there is just no automatic fetch.
        LrclibClient* client = lrclib(false);
        if (!client)
            return;
        autoFetch_ = std::make_unique<LyricsAutoFetch>(*client);
    }
    autoFetch_->Fetch(lyricsSong(current), seconds, LyricsFolder(), [this](const QString&) {
        if (TLrcForm* lyrics = player_.lyrics().lyricsWindow()) {
            lyrics->LoadLyrics();
            lyrics->UpdateLyrics();
        }
    });
}

void BrowserLayer::Close() {
    if (form_) {
        form_->close();
        delete form_.data();
    }
}

LrclibClient* BrowserLayer::lrclib(bool tellUser) {
    if (!lrclib_) {
        NetModule* net = player_.Net(tellUser);
        if (!net)
            return nullptr;
        lrclib_ = net->NewLrclibClient(player_.site().Lrclib(), PlayerUserAgent());
    }
    return lrclib_.get();
}

BuiltinSite* BrowserLayer::site(bool tellUser) {
    if (!site_) {
        LrclibClient* client = lrclib(tellUser);
        if (!client)
            return nullptr;
        BuiltinSite::Info info;
        info.version = QCoreApplication::applicationVersion();
        info.skins = [] {
            QStringList skins;
            for (const QString& folder : {SkinsFolder(), ProgramFolder()}) {
                const QDir dir(folder);
                for (const QString& name : dir.entryList({QStringLiteral("*.eks")}, QDir::Files, QDir::Name))
                    skins << dir.filePath(name);
            }
            return skins;
        };
        site_ = std::make_unique<BuiltinSite>(*client, std::move(info));
    }
    return site_.get();
}

QMainWindow* BrowserLayer::createWindow() {
    // The window's site and downloads go over the network module: without
    // it the browser is not opened at all (the user is told why).
    BuiltinSite* builtin = site(true);
    if (!builtin)
        return nullptr;
    static CreateBrowserWindowFn create = nullptr;
    if (!create) {
        QLibrary module(player_.ModuleFile(QLatin1String(kBrowserModuleFile)));
        create = reinterpret_cast<CreateBrowserWindowFn>(module.resolve(kCreateBrowserWindow));
        if (!create) {
            player_.messenger().ShowMessageBox(tr("The browser cannot be started: %1").arg(module.errorString()),
                                               MsgBox::IconStop);
            return nullptr;
        }
    }
    const SiteAddresses& addresses = player_.site();
    if (!downloader_) {
        NetModule* net = player_.Net(true);
        if (!net)
            return nullptr;
        downloader_ = net->NewLyricsDownloader(*builtin, PlayerUserAgent());
    }
    BrowserWindowSetup setup;
    setup.site = builtin;
    setup.downloader = downloader_.get();
    setup.links = {addresses.SiteBase(), QString::fromLatin1(BuiltinSite::kBase), addresses.LyricsDownloadHost()};
    if (addresses.BuiltinSite()) {
        setup.mountedBases << addresses.SiteBase();
        if (addresses.SecondBase().compare(QLatin1String(SiteAddresses::kDefaultSecondBase), Qt::CaseInsensitive) == 0)
            setup.mountedBases << addresses.SecondBase();
    }
    setup.run = [this](const QString& command) { player_.DoCommand(command); };
    setup.saveLyrics = [this](const QString& file, const QString& name) { saveLyrics(file, name); };
    return create(setup);
}

bool BrowserLayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_.data() && event->type() == QEvent::Close)
        SaveWindowPlacement(*form_, player_.store());
    return QObject::eventFilter(watched, event);
}

void BrowserLayer::Explore(const QString& address) {
    if (!form_) {
        QMainWindow* form = createWindow();
        if (!form)
            return;
        form_ = form;
        LoadWindowPlacement(*form, player_.store());
        form->installEventFilter(this);
    }
    const QString target = address.trimmed().isEmpty() ? player_.site().Index() : address.trimmed();
    QMetaObject::invokeMethod(form_.data(), "Navigate", Qt::DirectConnection, Q_ARG(QString, target));
    if (form_->isMinimized())
        form_->showNormal();
    form_->show();
    form_->raise();
    form_->activateWindow();
}

void BrowserLayer::saveLyrics(const QString& file, const QString& name) {
    Messenger& messenger = player_.messenger();
    LyricsSavePorts ports{
        player_.play(),
        LyricsFolder(),
        [&messenger](const QString& title, const QString& start, const QString& filter) {
            return messenger.Modal([&](DialogLayer& d) { return d.SaveFile(title, start, filter); });
        },
        [&messenger](const QString& text, int flags) { return messenger.ShowMessageBox(text, flags); },
        [this] {
            if (TLrcForm* lyrics = player_.lyrics().lyricsWindow())
                lyrics->LoadLyrics();
        },
    };
    SaveDownloadedLyrics(file, name, ports);
}
