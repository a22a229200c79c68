#pragma once

#include "PluginContract.h"

#include <QString>
#include <vector>

// One registered plug-in.
struct TPlusRec {
    QString ID; // GUID in braces; empty without a description
    QString Name = QStringLiteral("Unknown");
    QString FileName;                      // full file name, lower-cased; empty for the internal one
    QString Path;                          // full file name as the file system spells it (opened, loaded)
    qint32 Priority = 0;                   // the highest wins among plug-ins of one extension
    void* Module = nullptr;                // dlopen handle while loaded
    QString FileTypes;                     // lower-cased, "*.ogg;*.mp3;"
    quint8 Flags = 0;                      // 4: load at start; 2 and 1 recorded only
    qint32 RefCount = 0;                   // outstanding loads
    PlusMessageFunc MessageProc = nullptr; // PlusMessage while loaded
    QString LoadError; // why the last load failed (dlopen's text); empty after a good load
};

// The plug-in host: the registry of the internal plug-in and the ".so" files in
// PlusinFolder(), the choice of plug-in for a file type, loading with reference
// counts and messages to the plug-ins.
//
// The folder is listed without subfolders, ".so" matched in any letter case,
// and new files are appended in ascending order of their file names (code-point
// order), so that of two plug-ins with equal priority for a type the one whose
// file name sorts first plays it. Files are registered once per lower-cased
// full name: of two names that differ only in letter case the first is kept.
class TPlus {
public:
    static constexpr int InternalCount = 1;
    static const QString InternalID;
    static const QString InternalName;
    static const QString InternalFileTypes;
    static constexpr qint32 InternalPriority = 4210724;

    // internalAdapter is the internal plug-in's message entry, attached on its first load.
    explicit TPlus(PlusMessageFunc internalAdapter);
    // Unloads the plug-ins loaded at start, then closes any plug-in still loaded.
    ~TPlus();
    TPlus(const TPlus&) = delete;
    TPlus& operator=(const TPlus&) = delete;

    // Rescans, reads every description and loads the plug-ins flagged to load at start.
    void Start();
    // Brings the registry in line with the plug-in folder.
    void Rescan();
    // Reads the description of every external plug-in again.
    void ReadDescriptions();
    // All file types, internal first (after a rescan and a fresh read of the descriptions).
    QString FileTypes();
    // ID of the plug-in to play files with this extension (dot included, lower-case), or empty.
    QString FindForFile(const QString& extension);

    void Load(const QString& id);
    void Unload(const QString& id, bool force);
    // The plug-in's answer, or -1 when there is no such loaded plug-in with an entry,
    // or when the entry threw.
    int Send(const QString& id, int code, const QString& argument);
    int SendAt(int index, int code, const QString& argument);

    int IndexOfID(const QString& id) const;         // -1 when none (or id empty)
    int IndexOfFile(const QString& fileName) const; // lower-cased full name; -1 when none
    int Count() const { return static_cast<int>(items_.size()); }
    const TPlusRec& Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    const std::vector<TPlusRec>& Items() const { return items_; }
    // dlopen's reason for the last failed load of the plug-in, or empty.
    QString LastLoadError(const QString& id) const;

    // ID of the plug-in that plays the current song; set and cleared by the play controller.
    const QString& Current() const { return current_; }
    void SetCurrent(const QString& id) { current_ = id; }

    // The callback plug-ins reach as "PlusProc" (keeps its definition linked in).
    static PlusMessageFunc HostCallback();

private:
    void readDescription(TPlusRec& rec) const;
    void closeModule(TPlusRec& rec);

    std::vector<TPlusRec> items_;
    QString current_;
    PlusMessageFunc internalAdapter_;
};
