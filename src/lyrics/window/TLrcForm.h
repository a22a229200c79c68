#pragma once

#include <functional>
#include <QMainWindow>
#include <QString>

class LyricsPanel;
class Messenger;
class OptionsStore;
class QAction;
class QMenu;
class QStatusBar;
class QToolBar;
class TAnimate;
class TLrcView;
class TOption;
class TPlay;
class AnimationBox;

// What the lyrics window works with.
struct TLrcFormContext {
    TOption& option;
    TPlay& play; // the current song
    Messenger& messenger;
    OptionsStore& store;
    TAnimate* animate = nullptr;                   // the shared animation, if any
    std::function<void(const QString&)> doCommand; // the command dispatcher
    // Opens the options window on its lyrics page; "#Setup" when empty.
    std::function<void()> showOptions;
};

// The lyrics window: the lines of the current song's lyrics in time with
// playback, the current line highlighted, and the karaoke band sweeping the
// sung line across the bottom. It follows the player state (position ticks,
// status, title) by itself; the song changes are handed to LoadLyrics.
class TLrcForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kBandHeight = 74;

    explicit TLrcForm(TLrcFormContext context, QWidget* parent = nullptr);
    ~TLrcForm() override;

    // Loads the lyrics of the current song: fileName, or with an empty name the
    // file the lyrics lookup finds. Without a file, the window says "no lyrics"
    // and, after the current command has run, offers to search the lyrics site
    // (unless that question was turned off).
    void LoadLyrics(const QString& fileName = QString());
    // Recomputes the current line and redraws.
    void UpdateLyrics();
    // Reads the [LYRICS] settings again (the options window calls it).
    void LoadLyricsOptions();

    const QString& LrcFileName() const { return lrcFileName_; }
    // Whether the last load found and read a lyrics file.
    bool LyricsLoaded() const { return loaded_; }
    TLrcView& view() { return *view_; }
    QWidget* FullPanel() const;
    QWidget* DyPanel() const { return dyPanel_; }

    QAction* LocalAction = nullptr;
    QAction* DownAction = nullptr;
    QAction* OptionAction = nullptr;
    QAction* CloseAction = nullptr;
    // The right-button menu: the same four actions.
    QMenu* PopupMenu = nullptr;

signals:
    // Shown (true) and closed (false): indicator group 3.
    void shownChanged(bool shown);
    // A load started (false) and a lyrics file was loaded (true): indicator group 8.
    void lyricsFound(bool found);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void followVisibility();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void placePanels();
    void postQuestion();
    void askToSearch();
    void run(const QString& command);

    TLrcFormContext context_;
    TLrcView* view_ = nullptr;
    LyricsPanel* fullPanel_ = nullptr;
    QWidget* dyPanel_ = nullptr;
    AnimationBox* paintBox_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QString lrcFileName_;
    bool loaded_ = false;
    bool closed_ = false;
    bool stale_ = false; // a tick came while the window could not be seen
    int loadSerial_ = 0;  // counts loads; a posted question belongs to one
    bool asking_ = false; // the search question is open
};
