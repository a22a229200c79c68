#pragma once

#include "LrcModel.h"
#include "WorkPage.h"

#include <functional>
#include <memory>

class LrcHighlighter;
class LrcMemo;
class Messenger;
class QLabel;
class QTemporaryDir;
class QTimer;
class QToolBar;

// What the lyrics editor works with.
struct TLrcEditFormContext {
    Messenger& messenger;
    std::function<bool()> playing;          // a song is playing
    std::function<int()> positionTenths;    // its position in tenths of a second
    std::function<QString()> recentFolder;  // where the open dialog starts
    QString lyricsFolder;                   // where the save dialog starts for a new text
    // Shows the lyrics window with the given lyrics file for the current song.
    std::function<void(const QString& fileName)> showLyrics;
    std::function<void(const QString&)> run; // runs a command (the View menu)
};

// The "Lyrics Editor" page of the tool window: a plain-text editor for LRC
// files that stamps the play time into lines (F5 inserts a tag, F6 replaces the
// first one), sorts the text by time, saves with lines of equal text merged and
// shows the text being edited in the lyrics window in time with the song (Test).
class TLrcEditForm : public WorkPage {
    Q_OBJECT
public:
    explicit TLrcEditForm(TLrcEditFormContext context, QWidget* parent = nullptr);
    ~TLrcEditForm() override;

    QWidget* ToolStrip() override;
    QList<QAction*> PageActions() override;
    QList<QWidget*> StatusPanels() override;
    // "#EditLrc,<file>": opens the file.
    void CommandArgument(const QString& argument) override;
    void PageShown() override;
    void PageClosed() override;
    // Closing the tool window with unsaved text asks first (the discard check).
    bool CanClose() override;

    // The edited file; empty for a new text.
    const QString& FileName() const { return lrc_.FileName; }
    bool Modified() const;

    // The discard check: when the text has unsaved changes, asks "Save change
    // to File?" (Yes saves, No discards, Cancel stops). True when the caller
    // may go on.
    bool ConfirmDiscard();
    // After the discard check, loads the file. False when it did not happen.
    bool Open(const QString& fileName);
    // Writes the text to FileName (asking for a name when there is none), or
    // to a name asked for. False when nothing was saved.
    bool Save();
    bool SaveAs();

    void New();          // NewAction
    void OpenWithDialog(); // OpenAction
    void SortByTime();   // SortByTimeAction
    void InsertTime();   // InsertTimeAction (F5)
    void ModifyTime();   // ModifyTimeAction (F6)
    void Test();         // TestAction
    // Rewrites the play-time panel from the player's position.
    void UpdatePlayTime();

    // The page's parts, named as people who script it know them.
    LrcMemo* Memo = nullptr;
    QLabel* XPanel = nullptr;
    QLabel* YPanel = nullptr;
    QLabel* TimePanel = nullptr;
    QTimer* Timer = nullptr;

    QAction* NewAction = nullptr;
    QAction* OpenAction = nullptr;
    QAction* SaveAction = nullptr;
    QAction* SaveAsAction = nullptr;
    QAction* TestAction = nullptr;
    QAction* CloseAction = nullptr;
    QAction* SortByTimeAction = nullptr;
    QAction* InsertTimeAction = nullptr;
    QAction* ModifyTimeAction = nullptr;
    QAction* UndoAction = nullptr;
    QAction* CutAction = nullptr;
    QAction* CopyAction = nullptr;
    QAction* PasteAction = nullptr;
    QAction* DeleteAction = nullptr;
    QAction* SelAllAction = nullptr;

private:
    void buildActions();
    void buildToolStrip();
    bool saveTo(bool askName, const QString& title);
    QStringList lines() const;
    void setText(const QString& text);
    void replaceCaretLine(const QString& text, int column);
    void updateCaretPanels();

    TLrcEditFormContext context_;
    TFullLrc lrc_; // Sort By Time's work area and the edited file's name
    LrcHighlighter* highlighter_ = nullptr;
    QToolBar* toolStrip_ = nullptr;
    std::unique_ptr<QTemporaryDir> testFolder_; // private to the user, removed with the editor
};
