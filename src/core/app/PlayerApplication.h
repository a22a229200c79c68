#pragma once

#include "Messenger.h"
#include "OptionsStore.h"
#include "SiteAddresses.h"
#include "TCommandDispatcher.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <memory>

class TAnimate;
class TOption;
class TPlay;
class TPlus;
class TShortKey;
class TAudioMixer;
class TPlayControl;
class TPlusProcHandler;
class PluginPlayback;
class PlayerPlusProcHooks;
class FileAdder;
class SkinLayer;
class MenuLayer;
class DropTargets;
class LyricsLayer;
class TKvMp3PlayForm;
class TFrameForm;
class FileAssociations;
class DesktopBus;
class WorkPage;
class TWorkForm;
class HotKeyLayer;
class NetModule;

// The running player: creates the global objects in their order, the main and
// display windows, runs the start-up commands, and on close runs the close
// sequence and frees everything in reverse order. Every user action arrives as
// a command string at DoCommand.
class PlayerApplication : public QObject {
    Q_OBJECT
public:
    struct Setup {
        DialogLayer* dialogs = nullptr;
        ShellOpen shellOpen;
        QStringList files; // command-line arguments to add at start-up
    };

    explicit PlayerApplication(Setup setup);
    ~PlayerApplication() override;

    // Creates the display window, which runs the start-up commands.
    void Start();

    void DoCommand(const QString& command, QObject* sender = nullptr);
    void PostCommand(const QString& command);

    TOption& option() { return *option_; }
    TPlay& play() { return *play_; }
    TPlus& plus() { return *plus_; }
    TAudioMixer& mixer() { return *mixer_; }
    FileAdder& adder() { return *adder_; }
    TPlayControl& control() { return *control_; }
    TAnimate& animate() { return *animate_; }
    TShortKey& shortKey() { return *shortKey_; }
    // The global hot keys while the player runs (null after the close sequence).
    HotKeyLayer* hotKeys() { return hotKeys_.get(); }
    const SiteAddresses& site() const { return site_; }
    SkinLayer& skin() { return *skin_; }
    LyricsLayer& lyrics() { return *lyrics_; }
    MenuLayer& menu() { return *menu_; }
    OptionsStore& store() { return store_; }
    TCommandDispatcher& dispatcher() { return *dispatcher_; }
    Messenger& messenger() { return *messenger_; }
    TKvMp3PlayForm& mainWindow() { return *mainWindow_; }
    TFrameForm* displayWindow() { return displayWindow_.get(); }
    // A module loaded at first use ("sorvi-browser.so", "sorvi-net.so"): beside
    // the executable (the build folder), or else where an installed player
    // keeps them (lib/sorvi/ of its prefix). Only in `folder` once set.
    QString ModuleFile(const QString& name) const;
    void SetModuleFolder(const QString& folder) { moduleFolder_ = folder; }
    // The network module (lyrics service, lyrics downloads, update check),
    // loaded at the first call; null when it cannot be loaded. With
    // `tellUser` the user is then told why through the dialog layer.
    NetModule* Net(bool tellUser);
    // Which program opens the player's file types on the desktop.
    FileAssociations& associations() { return *associations_; }
    // Runs "#WorkForm" and shows page `number` (WorkPageNumber) of the tool
    // window; returns the page, or null when the tool window could not show it.
    WorkPage* ShowWorkPage(int number);
    // "#WorkForm": the tool window, made on first use, shown and restored.
    TWorkForm* ShowWorkForm();
    // The tool window while it exists.
    TWorkForm* workForm() const;
    // Shows the add-URL window ("#Url"), created on first use, with the
    // category that its address goes into (0, DEFAULT, for "#Url").
    void OpenUrlWindow(int targetCategory);

    // The close sequence of the main window; runs once. Nothing runs after it.
    void CloseMainWindow();
    bool closed() const { return closed_; }

    // Ends the player: the close sequence runs and the event loop quits as soon
    // as nothing else is running: not before start-up is done, not inside a
    // running command (beyond `commandsOfCaller`, 1 for the "#Exit" handler),
    // not inside a modal window (cancelled meanwhile) and, asked from outside a
    // command, not before the commands already queued have run. Meanwhile the
    // commands an interrupted command would still start are refused. Every
    // request after the first does nothing more.
    void RequestQuit(int commandsOfCaller = 0);

signals:
    // The close sequence has run; the application should now end.
    void finished();

private:
    void createGlobalObjects();
    void installCommands();
    void runStartupCommands();
    // Shows the main window the first time only (a later "#Minimize" or
    // hide at start-up is the user's).
    void showMainWindowOnce();
    void takeMixerChange();
    void placeOnTop();
    bool quitNowIfIdle(int commandsOfCaller);

    Setup setup_;
    QString moduleFolder_;
    OptionsStore store_;
    SiteAddresses site_;

    // Global objects, created in this order and freed in the reverse order of
    // their dependencies (see ~PlayerApplication).
    std::unique_ptr<TAnimate> animate_;
    std::unique_ptr<TOption> option_;
    std::unique_ptr<SkinLayer> skin_; // TInfomation and TSkin
    std::unique_ptr<TPlay> play_;
    std::unique_ptr<TPlus> plus_;
    std::unique_ptr<TShortKey> shortKey_;
    bool mainWindowShown_ = false;
    std::unique_ptr<FileAssociations> associations_;

    // Helpers around them: the system mixer, the play controller and the
    // plug-in callback's handler.
    std::unique_ptr<TAudioMixer> mixer_;
    std::unique_ptr<PluginPlayback> playback_;
    std::unique_ptr<TPlayControl> control_;
    std::unique_ptr<PlayerPlusProcHooks> plusProcHooks_;
    std::unique_ptr<TPlusProcHandler> plusProc_;
    std::unique_ptr<FileAdder> adder_;
    std::unique_ptr<LyricsLayer> lyrics_;
    std::unique_ptr<MenuLayer> menu_;
    std::unique_ptr<DropTargets> drops_;
    std::unique_ptr<DesktopBus> desktopBus_; // media keys and song notifications
    std::unique_ptr<HotKeyLayer> hotKeys_;    // the keyboard seen from anywhere on the desktop

    std::unique_ptr<TCommandDispatcher> dispatcher_;
    std::unique_ptr<Messenger> messenger_;
    std::unique_ptr<TKvMp3PlayForm> mainWindow_;
    std::unique_ptr<TFrameForm> displayWindow_;
    QPointer<TWorkForm> workForm_; // frees itself when closed
    bool closed_ = false;
    bool ended_ = false;         // the close sequence is over
    bool ready_ = false;         // start-up is done
    bool quitRequested_ = false;
    QTimer quitTimer_;
};
