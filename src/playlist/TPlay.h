#pragma once

#include "PlayListViews.h"
#include "SongTag.h"
#include "TPlayCategory.h"

#include <functional>
#include <memory>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

class TOption;

// Fixed texts the store and its callers show, translated where they are shown.
inline constexpr const char* kInvalidListMessage = QT_TRANSLATE_NOOP("TPlay", "Invalid File.");
inline constexpr const char* kReadOnlyCategoryMessage =
    QT_TRANSLATE_NOOP("TPlay", "The current Category disallows the user modification.");
inline constexpr const char* kAddBusyMessage =
    QT_TRANSLATE_NOOP("TPlay", "File was processing, was unable to respond. please try again soon.");
// Followed by the system's reason.
inline constexpr const char* kListSaveFailedMessage =
    QT_TRANSLATE_NOOP("TPlay", "The play list could not be saved: ");

// The result of one add batch, for the caller's follow-up ("#Play," the first
// audio file, "#EditLrc," the first lyrics file, "#Skin," the first skin).
struct TAddBatch {
    int AddTarget = 0;
    int Added = 0;          // songs appended to the target
    QString FirstAudioFile; // first song path seen (resolved, in its own case), empty if none
    QString FirstLrcFile;   // first ".lrc" path seen
    QString FirstSkinFile;  // first ".eks" path seen
};

// Outcome of adding files on the user's behalf (drops, dialogs).
enum class UserAddOutcome {
    Added,    // the batch ran
    ReadOnly, // refused: kReadOnlyCategoryMessage
    Busy,     // refused: another batch is open (kAddBusyMessage for drops)
};

// The song library: categories of songs, the list file "default.lst", play
// counts, tags and add batches. DEFAULT (id 0) is the play list; TOPTEN (id 1)
// is computed from play counts; further categories belong to the user (kind 0,
// saved) or to plug-ins (kind 1, never saved).
class TPlay : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultId = 0;
    static constexpr int kTopTenId = 1;
    enum CategoryProp { PropName = 0, PropReadOnly = 1, PropFixed = 2, PropKind = 3 };
    using MessageHandler = std::function<void(const QString&)>;

    // option: the player state whose CurrentIndex the store reads and sets; when
    // null the store keeps its own index (tests, tools).
    explicit TPlay(TOption* option = nullptr, QObject* parent = nullptr);
    ~TPlay() override;

    // Shows plain messages ("Invalid File.", a failed save); the caller wires it
    // to its message box. Messages from before the handler was set (the list is
    // loaded before any window exists) are shown when it is set.
    void SetMessageHandler(MessageHandler handler);
    // The open file manager window, or null when it is closed.
    void SetFileManager(FileManagerSync* fileManager) { fileManager_ = fileManager; }

    // --- categories ---
    int AddCategory(const QString& name, int kind);
    void DeleteCategory(int id);
    QVariant GetCategoryProp(int id, int property) const;
    void SetCategoryProp(int id, int property, const QVariant& value);
    TPlayCategory* Category(int id);
    const TPlayCategory* Category(int id) const;
    TPlayCategory& Default() { return *categories_[0]; }
    TPlayCategory& TopTen() { return *categories_[1]; }
    // All categories in creation order (DEFAULT and TOPTEN first).
    QList<TPlayCategory*> Categories() const;
    int NextCategoryId() const { return nextCategoryId_; }
    int IndexOfFile(const QString& fileName, int id) const;
    void DeleteSong(int id, int position, bool syncFileManager);
    void MoveSong(int id, int from, int to);
    // Renumbers the file manager's rows; unless saveOnly, refills the views and
    // sets CurrentIndex to the current song's position in DEFAULT; saves the list.
    void Renumber(bool saveOnly);
    void RegisterListView(PlayListView* view);
    bool HasListViews() const { return !listViews_.isEmpty(); }
    void UnregisterListView(PlayListView* view);

    // --- the current song (made current by the play controller) ---
    TPlayItem& Current() { return current_; }
    const TPlayItem& Current() const { return current_; }
    int CurrentIndex() const;
    void SetCurrentIndex(int index);
    // Rows of DEFAULT as the views show them.
    QStringList DefaultRows() const;
    // Sets or clears the Failed flag of DEFAULT's song at position; the views
    // mark the row.
    void SetSongFailed(int position, bool failed);

    // --- list file ---
    // 0 read, 1 missing or cut short (what was read is kept), 2 bad header word,
    // 3 not a list file; 2 and 3 show "Invalid File.". Replaces every category
    // but DEFAULT and TOPTEN and DEFAULT's songs. A file that exists but could
    // not be read whole is kept: the first save over it first copies it to a
    // free name beside it ("default.lst.bad", then ".bad.1", ...).
    int LoadList(const QString& path);
    // Replaces the file atomically: on any failure the old file stays as it was.
    bool SaveList(const QString& path);
    int LoadDefaultList();  // "default.lst" in the program folder
    // Likewise; a failure is announced by listSaveFailed and shown (once until a
    // save succeeds again).
    bool SaveDefaultList();
    QString DefaultListFile() const;
    // Why the last SaveList failed (empty after a success).
    const QString& LastSaveError() const { return lastSaveError_; }

    // --- play counts ("count" in the program folder) ---
    int GetPlayCount(const QString& fileName) const;
    int IncPlayCount(const QString& fileName);
    // Erases every count (the "count" file's section).
    void ClearPlayCounts();
    // Moves on whenever the player changes a count, so a copy of the counts
    // (the file manager reads them for thousands of rows) knows it is stale.
    int PlayCountStamp() const { return playCountStamp_; }
    void RebuildTopTen();

    // --- tags ---
    // Reads the tags of a category's songs that are not read yet, letting events
    // run before each song; a second call while one runs returns at once.
    void ScanTags(int id);
    bool TagScanRunning() const { return tagScanRunning_; }
    // Makes a running scan stop before its next song, and a running add batch
    // stop expanding lists and folders (the player is closing).
    void StopTagScan() {
        tagScanRunning_ = false;
        addStopped_ = addBusy_;
    }
    // The pending edit of the file if there is one, else the file's tag (false
    // when the file cannot be opened). Callers that keep a song's tag read it
    // only while the song's TagRead is clear.
    bool GetTag(const QString& fileName, TSongTag& tag) const;
    // Queues an edited tag, gives it to every song of that file in every
    // category and to the current song, then writes what can be written.
    void SetTag(const QString& fileName, const TSongTag& tag);
    // Likewise from texts (stored as UTF-8, cut to their fields) and the genre
    // byte to store (the ID3v1 number, 255 for none).
    void SetTag(const QString& fileName, const QString& title, int genre, const QString& year,
                const QString& lyricsName, const QString& comment, const QString& album,
                const QString& artist);
    // Writes each pending tag whose file can be opened; the others stay pending.
    void WritePendingTags();
    const QList<TPlayItem>& PendingTags() const { return pendingTags_; }

    // --- adding ---
    // Opens a batch into a category; false when one is open or the category does not exist.
    bool BeginAdd(int categoryId);
    // Routes one path: ".lrc" and ".eks" are noted, ".m3u"/".m3u8" imported,
    // ".pis" ignored, folders expanded, anything else added as a song.
    void AddFile(const QString& path);
    void AddFolder(const QString& path);
    void ImportM3U(const QString& path);
    // Closes the batch, scans tags (or lets the file manager refresh), saves the
    // list and places CurrentIndex when it was -1. Returns the batch's result.
    TAddBatch EndAdd();
    bool AddBusy() const { return addBusy_; }
    // The open batch, or the last one after EndAdd.
    const TAddBatch& Batch() const { return batch_; }
    // Begin, add every path, end; refused for a read-only category or while busy.
    UserAddOutcome AddFilesAsUser(int categoryId, const QStringList& paths);
    // Whether the user may add songs to the category (exists and not read-only).
    bool AcceptsUserFiles(int categoryId) const;

    // --- plug-in requests (the store's side of PlusProc) ---
    // "%createclass": a read-only system category; returns its id.
    int PluginCreateClass(const QString& name);
    // "%deleteclass" / "%clearclass": the built-in categories (0 and 1) and
    // unknown ids are left alone.
    void PluginDeleteClass(int id);
    void PluginClearClass(int id);
    // "%AddFiles": one batch into the category, stopping at the first empty
    // name. -1 when the batch ran, 0 when it was refused.
    int PluginAddFiles(int id, const QStringList& files);

signals:
    // The current song's tag was edited: refresh the lyrics window and the information display.
    void currentTagChanged();
    // Saving "default.lst" failed; the old file is unchanged.
    void listSaveFailed(const QString& error);
    // An add batch has ended (after its tag scan and save): a batch refused
    // while it ran can be tried again.
    void addBatchEnded();

private:
    void ShowMessage(const QString& text) const;
    bool FileManagerShows(int id) const;
    void RefillViews(bool letEventsRun);
    void AppendSong(TPlayCategory& category, const QString& fileName);
    void AddSongPath(const QString& path);
    void ResetToBuiltIns();
    bool KeepUnreadableList(const QString& path);
    // Lets events run every few entries of a long expansion; false once the
    // batch has been told to stop.
    bool LetEventsRunWhileAdding();
    void ShowCurrentRow(int index);

    std::vector<std::unique_ptr<TPlayCategory>> categories_;
    int nextCategoryId_ = 0;
    TOption* option_ = nullptr;
    int ownCurrentIndex_ = -1;
    TPlayItem current_;
    QList<TPlayItem> pendingTags_;
    QList<PlayListView*> listViews_;
    FileManagerSync* fileManager_ = nullptr;
    MessageHandler message_;
    mutable QStringList heldMessages_; // shown when a handler is set
    QString lastSaveError_;
    bool saveFailureShown_ = false;
    // A list file that exists but was not read whole, to be kept before the
    // first save replaces it (empty when there is none).
    QString unreadableList_;
    bool tagScanRunning_ = false;
    int playCountStamp_ = 0;

    bool addBusy_ = false;
    bool addStopped_ = false;
    int addedSinceEvents_ = 0;
    TAddBatch batch_;
    // Folders and play lists being expanded right now (canonical paths), so a
    // list naming itself or a folder reached again through a link ends there.
    QSet<QString> expanding_;
};
