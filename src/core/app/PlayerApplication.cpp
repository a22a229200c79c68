#include "PlayerApplication.h"

#include "DesktopAssociations.h"
#include "DesktopBus.h"
#include "DesktopCommands.h"
#include "FileAssociations.h"

#include "CommandTrace.h"
#include "FileAdder.h"
#include "DropTargets.h"
#include "IndicatorWiring.h"
#include "InternalPlugin.h"
#include "MenuLayer.h"
#include "LyricsLayer.h"
#include "ModalWindows.h"
#include "NetModuleApi.h"
#include "NetModuleLoader.h"
#include "SkinLayer.h"
#include "PathResolve.h"
#include "PlayCommands.h"
#include "PlayerPlusProcHooks.h"
#include "PlayerSettings.h"
#include "PlayerVolume.h"
#include "PluginPlayback.h"
#include "PlusProc.h"
#include "ProgramFolder.h"
#include "ResourceFiles.h"
#include "StandardCommands.h"
#include "TAnimate.h"
#include "TAudioMixer.h"
#include "TFrameForm.h"
#include "TKvMp3PlayForm.h"
#include "TOption.h"
#include "TPlay.h"
#include "TPlayControl.h"
#include "TPlus.h"
#include "TPlusProcHandler.h"
#include "TShortKey.h"
#include "HotKeyLayer.h"
#include "WindowCommands.h"
#include "WorkFormCommands.h"
#include "TWorkForm.h"
#include "WindowPlacement.h"

#include <algorithm>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QThread>
#include <QTimer>
#include <QWindow>

PlayerApplication::PlayerApplication(Setup setup)
    : setup_(std::move(setup)), store_(ProgramFile(QStringLiteral("Options.ini"))), site_(store_) {
    // Read as PNG outright: guessing the format would load every image
    // format plug-in of the system.
    QIcon icon;
    for (int size : {16, 32, 48, 128}) {
        QImageReader reader(QStringLiteral(":/icons/sorvi-%1.png").arg(size), "PNG");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    QApplication::setWindowIcon(icon);

    // The embedded default skin and decoder engine are written out when missing
    // or not as embedded; a failure is reported and start-up goes on without them.
    const QStringList problems = WriteOutProgramFiles();

    createGlobalObjects();
    installCommands();

    mainWindow_ = std::make_unique<TKvMp3PlayForm>(*option_);
    setup_.dialogs->SetOwnerWindow(mainWindow_.get());
    connect(mainWindow_.get(), &TKvMp3PlayForm::commandRequested, this, [this](const QString& c) { DoCommand(c); });
    connect(mainWindow_.get(), &TKvMp3PlayForm::closeRequested, this,
            [this] { DoCommand(QStringLiteral("#Exit")); });
    connect(option_.get(), &TOption::alwaysOnTopChanged, this, &PlayerApplication::placeOnTop);
    auto showTitle = [this] { mainWindow_->setWindowTitle(option_->ApplicationTitle()); };
    connect(option_.get(), &TOption::titleChanged, this, showTitle);
    connect(option_.get(), &TOption::statusChanged, this, showTitle);
    connect(mixer_.get(), &TAudioMixer::controlChanged, this, &PlayerApplication::takeMixerChange);

    menu_ = std::make_unique<MenuLayer>(MenuLayer::PortsOf(*this));
    hotKeys_ = std::make_unique<HotKeyLayer>(*this);
    drops_ = std::make_unique<DropTargets>(*adder_, *option_);
    drops_->Install(*mainWindow_);
    lyrics_ = std::make_unique<LyricsLayer>(*this);
    skin_->Install();
    lyrics_->Install();
    ConnectWindowIndicators(*this);

    plus_->Start();
    LoadWindowPlacement(*mainWindow_, store_);
    desktopBus_ = std::make_unique<DesktopBus>(*this);

    for (const QString& problem : problems)
        messenger_->ShowMessageBox(problem, MsgBox::IconStop);
}

void PlayerApplication::createGlobalObjects() {
    animate_ = std::make_unique<TAnimate>();
    option_ = std::make_unique<TOption>(store_);
    skin_ = std::make_unique<SkinLayer>(*this);
    play_ = std::make_unique<TPlay>(option_.get());
    play_->LoadDefaultList();
    plus_ = std::make_unique<TPlus>(&InternalPlusMessage);
    shortKey_ = std::make_unique<TShortKey>(store_);
    associations_ = std::make_unique<DesktopAssociations>(QCoreApplication::applicationFilePath());
    mixer_ = std::make_unique<TAudioMixer>(PlayerSettings::SystemMixer(store_) ? TAudioMixer::Target::System
                                                                               : TAudioMixer::Target::Stream);
}

void PlayerApplication::installCommands() {
    dispatcher_ = std::make_unique<TCommandDispatcher>(*option_);
    messenger_ = std::make_unique<Messenger>(*option_, *setup_.dialogs);
    dispatcher_->SetShellOpen(setup_.shellOpen);
    option_->SetCommandRunner([this](const QString& command) { DoCommand(command); });
    play_->SetMessageHandler([this](const QString& text) { messenger_->ShowMessageBox(text, MsgBox::IconStop); });

    auto run = [this](const QString& command) { DoCommand(command); };
    playback_ = std::make_unique<PluginPlayback>(*plus_);
    control_ = std::make_unique<TPlayControl>(*play_, *option_, *playback_, run);
    // Why playback stopped or waits is told after the command that found it.
    control_->SetSoundServerCheck([this] { return mixer_->MixerId() >= 0; });
    connect(control_.get(), &TPlayControl::playbackGaveUp, this,
            [this](const QString& reason) { messenger_->ShowMessageBox(reason, MsgBox::IconExclamation); },
            Qt::QueuedConnection);
    adder_ = std::make_unique<FileAdder>(*play_, *option_, *messenger_, [this] { return plus_->FileTypes(); }, run);

    // The engine reports through the same callback as external plug-ins.
    plusProcHooks_ = std::make_unique<PlayerPlusProcHooks>(
        *play_, *control_, [this] { return displayWindow_ ? quintptr(displayWindow_->winId()) : 0; },
        [this] { return displayWindow_ ? displayWindow_->DisplayCtrlId() : 0; });
    plusProc_ = std::make_unique<TPlusProcHandler>(*option_, plusProcHooks_.get());
    SetPlusProcHandler(plusProc_.get());
    SetInternalPluginCallback(&PlusProc);
    SetInternalPluginTotalSeconds([this] { return option_->Duration(); });

    StandardCommandPorts ports;
    ports.sendToCurrentPlugin = [this](int code, const QString& argument) {
        plus_->Send(plus_->Current(), code, argument);
    };
    ports.applyVolume = [this] { ApplyVolume(*option_, *mixer_); };
    InstallStandardCommands(*dispatcher_, *option_, site_, ports);
    InstallPlayCommands(*dispatcher_, *control_);
    InstallWindowCommands(*dispatcher_, *this);
    InstallWorkFormCommands(*dispatcher_, *this);
    DesktopCommandPorts desktop;
    desktop.associations = associations_.get();
    desktop.messenger = messenger_.get();
    desktop.store = &store_;
    desktop.site = &site_;
    desktop.fileTypes = [this] { return plus_->FileTypes(); };
    desktop.run = run;
    desktop.programPath = QCoreApplication::applicationFilePath();
    desktop.fetcher = [this]() -> TextFetcher* { return Net(true); };
    InstallDesktopCommands(*dispatcher_, desktop);
    dispatcher_->SetHandler(QStringLiteral("#OPENFILE"),
                            [this](const CommandCall& call) { adder_->OpenFileCommand(call.argument); });
}

QString PlayerApplication::ModuleFile(const QString& name) const {
    if (!moduleFolder_.isEmpty())
        return QDir(moduleFolder_).filePath(name);
    const QDir program(QCoreApplication::applicationDirPath());
    const QString beside = program.filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(program.filePath(QLatin1String(SORVI_INSTALLED_MODULES) + QLatin1Char('/') + name));
}

NetModule* PlayerApplication::Net(bool tellUser) {
    QString error;
    NetModule* module = LoadNetModule(ModuleFile(QLatin1String(kNetModuleFile)), &error);
    if (!module && tellUser)
        messenger_->ShowMessageBox(
            tr("The lyrics service, lyrics downloads and the update check are not available: %1").arg(error),
            MsgBox::IconStop);
    return module;
}

void PlayerApplication::DoCommand(const QString& command, QObject* sender) {
    if (ended_ || (quitRequested_ && dispatcher_->depth() > 0))
        return;
    dispatcher_->DoCommand(command, sender);
}

void PlayerApplication::PostCommand(const QString& command) { option_->PostCommand(command); }

void PlayerApplication::placeOnTop() {
    // "#Normal" inverts the mode twice within one command: the window is placed
    // once, after the command, with the mode it ended with. Only the window
    // system is told (on X11 the window manager's "above" state): changing the
    // widget's flags would make a new native window, leave the old one behind
    // on a bare X server and the tool windows transient for the old one.
    QTimer::singleShot(0, this, [this] {
        if (!mainWindow_)
            return;
        const bool onTop = option_->AlwaysOnTop();
        if (mainWindow_->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
            Qt::WindowFlags flags = mainWindow_->windowFlags();
            flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
            mainWindow_->overrideWindowFlags(flags);
            if (QWindow* handle = mainWindow_->windowHandle())
                handle->setFlags(flags);
        }
        if (mainWindow_->isVisible())
            mainWindow_->raise();
    });
}

void PlayerApplication::takeMixerChange() { TakeMixerChange(*option_, *mixer_, closed_); }

void PlayerApplication::Start() {
    displayWindow_ = std::make_unique<TFrameForm>(store_);
    menu_->AddWindow(*displayWindow_);
    connect(displayWindow_.get(), &TFrameForm::commandRequested, this, [this](const QString& c) { DoCommand(c); });
    StartStallTrace(this);
    // The main window is shown once its skin dresses it, so the plain face
    // is never mapped first; runStartupCommands shows it.
    runStartupCommands();
    showMainWindowOnce();
    ready_ = true;
}

void PlayerApplication::RequestQuit(int commandsOfCaller) {
    if (closed_)
        return;
    quitRequested_ = true;
    play_->StopTagScan();
    if (quitNowIfIdle(commandsOfCaller))
        return;
    // Later, from the event loop: the modal windows are cancelled so that the
    // code that opened them returns first.
    CloseModalWindows();
    if (quitTimer_.isActive())
        return;
    quitTimer_.setInterval(20);
    connect(&quitTimer_, &QTimer::timeout, this, [this] {
        if (!quitNowIfIdle(0))
            CloseModalWindows();
    });
    quitTimer_.start();
}

bool PlayerApplication::quitNowIfIdle(int commandsOfCaller) {
    if (closed_)
        return true;
    if (!ready_ || dispatcher_->depth() > commandsOfCaller || QThread::currentThread()->loopLevel() > 1)
        return false;
    // What was handed over before the quit (held while the player started) runs
    // first; waiting lists run as one batch, so this wait is short.
    if (commandsOfCaller == 0 && option_->queuedCommands() > 0)
        return false;
    quitTimer_.stop();
    CloseMainWindow();
    QCoreApplication::quit();
    return true;
}

void PlayerApplication::showMainWindowOnce() {
    if (mainWindowShown_ || !mainWindow_)
        return;
    mainWindowShown_ = true;
    mainWindow_->show();
}

void PlayerApplication::runStartupCommands() {
    // The song that was current when the player last ran.
    const QString current = ResolvePath(PlayerSettings::Current(store_));
    play_->SetCurrentIndex(play_->Default().IndexOf(current));

    LoadWindowPlacement(*displayWindow_, store_);

    // The remembered skin dresses the main window before the files given on
    // the command line are added (reading them may take a while), unless one
    // of them is a skin: that one is applied after the batch instead.
    const bool skinAmongFiles = std::any_of(setup_.files.begin(), setup_.files.end(), [](const QString& file) {
        return file.endsWith(QLatin1String(".eks"), Qt::CaseInsensitive);
    });
    if (!skinAmongFiles) {
        DoCommand(QStringLiteral("#Skin,") + PlayerSettings::Skin(store_));
        showMainWindowOnce();
    }

    TAddBatch batch;
    if (!setup_.files.isEmpty() && play_->BeginAdd(TPlay::kDefaultId)) {
        for (const QString& file : setup_.files)
            play_->AddFile(file);
        batch = play_->EndAdd();
    }
    if (!batch.FirstLrcFile.isEmpty())
        DoCommand(QStringLiteral("#EditLrc,") + batch.FirstLrcFile);
    // SORVI_NO_ASSOCIATION_CHECK: test runs start the real program in fresh
    // folders, where the question would otherwise open on every start.
    const bool checkLink =
        PlayerSettings::CheckAcc(store_) && qEnvironmentVariableIsEmpty("SORVI_NO_ASSOCIATION_CHECK");
    // The association question has the player's window behind it.
    if (checkLink)
        showMainWindowOnce();
    if (checkLink)
        DoCommand(QStringLiteral("#CheckLink"));
    if (skinAmongFiles) {
        DoCommand(QStringLiteral("#Skin,") +
                  (batch.FirstSkinFile.isEmpty() ? PlayerSettings::Skin(store_) : batch.FirstSkinFile));
        showMainWindowOnce();
    }
    // Applying a skin section loads the play modes and takes the mixer's
    // levels; until a skin engine dresses the window, that happens here.
    if (!dispatcher_->HasHandler(QStringLiteral("#SKIN"))) {
        option_->Load();
        takeMixerChange();
    }
    // A quit asked for meanwhile: no song is started only to be stopped.
    if (quitRequested_)
        return;
    if (!batch.FirstAudioFile.isEmpty())
        DoCommand(QStringLiteral("#Play,") + batch.FirstAudioFile);
    else if (PlayerSettings::AutoPlay(store_) && play_->Default().Count() > 0)
        DoCommand(QStringLiteral("#Play"));
    // With a play list shown in the skin, its rows get their titles.
    if (play_->HasListViews())
        play_->ScanTags(TPlay::kDefaultId);
    drops_->Install(*displayWindow_);
}

void PlayerApplication::CloseMainWindow() {
    if (closed_)
        return;
    closed_ = true;
    if (option_->Playing())
        dispatcher_->DoCommand(QStringLiteral("#Stop"));
    mainWindow_->setAcceptDrops(false);
    mainWindow_->hide();
    menu_->Close();
    // No hot key runs after this; grabbed media keys go back to the desktop.
    hotKeys_.reset();
    play_->StopTagScan();
    skin_->Close();
    SaveWindowPlacement(*mainWindow_, store_);
    // Nothing runs after the close sequence: neither queued commands nor
    // commands the windows still send.
    ended_ = true;
    option_->SetCommandRunner(nullptr);
    emit finished();
}

PlayerApplication::~PlayerApplication() {
    CloseMainWindow();
    // The tool pages use the global objects: they go first.
    if (workForm_) {
        workForm_->CloseForGood();
        delete workForm_.data();
    }
    desktopBus_.reset();
    lyrics_->Close();
    if (displayWindow_ && displayWindow_->isVisible())
        displayWindow_->close();
    drops_.reset();
    menu_.reset();
    displayWindow_.reset();
    mainWindow_.reset();
    option_->SetCommandRunner(nullptr);

    // Free the global objects in reverse order of their dependencies: hot keys,
    // the store, the plug-in host (which unloads its plug-ins), the state last.
    shortKey_.reset();
    lyrics_.reset();
    adder_.reset();
    control_.reset();
    play_.reset();
    SetPlusProcHandler(nullptr);
    plusProc_.reset();
    plusProcHooks_.reset();
    playback_.reset();
    plus_.reset();
    skin_.reset();
    mixer_.reset();
    messenger_.reset();
    dispatcher_.reset();
    option_.reset();
    animate_.reset();
}
