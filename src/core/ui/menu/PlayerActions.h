#pragma once

#include <functional>
#include <QAction>
#include <QList>
#include <QObject>
#include <QString>

class TOption;

// The player's action list: every menu command is an action whose hint
// (statusTip) is the command string it runs through the dispatcher. The play
// modes' actions are checked while their mode is on; the tag action waits for
// a current song; the minimize action reads "Restore" while the main window is
// hidden.
class PlayerActions : public QObject {
    Q_OBJECT
public:
    using CommandRunner = std::function<void(const QString&)>;
    using ShortCutOf = std::function<QString(const QString& command)>;

    // Web pages of the product site that some actions open.
    struct Pages {
        QString about, homePage, help, lyricsDownload, lyricsUpload;
    };

    PlayerActions(const TOption& option, const Pages& pages, CommandRunner run, QObject* parent = nullptr);

    // An action by its object name ("PlayPauseAction", "ID3Action" ...), or null.
    QAction* action(const QString& name) const;
    const QList<QAction*>& all() const { return actions_; }
    // The command an action runs: its hint, or the fixed command of the three
    // actions with their own handlers.
    static QString CommandOf(const QAction* action);
    // The hot-key text shown right of an action's caption.
    static QString HotKeyOf(const QAction* action);

    // The main window was hidden (true) or shown again (false).
    void SetMainWindowHidden(bool hidden);
    bool MainWindowHidden() const { return mainHidden_; }
    // A song became current: the tag action may be used from now on.
    void SongLoaded();
    // Reads the hot key bound to each action's command.
    void RefreshHotKeys(const ShortCutOf& shortCutOf);

signals:
    // The minimize item is (true) or is no longer (false) the menu's default item.
    void minimizeDefaultChanged(bool isDefault);

private:
    QAction* add(const char* name, const QString& caption, const QString& hint);
    QAction* addOwn(const char* name, const QString& caption, const QString& command);
    void runHint();
    void syncChecks();

    const TOption& option_;
    CommandRunner run_;
    QList<QAction*> actions_;
    bool mainHidden_ = false;
};
