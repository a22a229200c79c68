#include "FileName.h"
#include "M3uReader.h"
#include "PathResolve.h"
#include "TPlay.h"
#include "UrlText.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

bool NameBefore(const FolderEntry& a, const FolderEntry& b) {
    const int folded = a.name.compare(b.name, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a.name < b.name;
}

// Files of a folder (sorted by name) before the files of its subfolders, the
// subfolders taken in name order; folders whose name starts with "." are
// skipped. visited holds canonical folder paths, so a link back to a folder
// already listed does not loop. Names are read as the disk's bytes, so a name
// that is not UTF-8 is added as the file it is.
void CollectFolder(const QString& folder, QSet<QString>& visited, QStringList& files) {
    const QString canonical = CanonicalPath(folder);
    if (canonical.isEmpty() || visited.contains(canonical))
        return;
    visited.insert(canonical);
    const QString prefix = folder.endsWith('/') ? folder : folder + '/';
    QList<FolderEntry> entries = FolderEntries(folder);
    std::sort(entries.begin(), entries.end(), NameBefore);
    // Only regular files are songs: a FIFO, device or socket would leave the
    // engine waiting on it, and a dangling link names nothing.
    for (const FolderEntry& entry : entries)
        if (entry.isFile)
            files << prefix + entry.name;
    for (const FolderEntry& entry : entries)
        if (entry.isFolder && !entry.name.startsWith('.'))
            CollectFolder(prefix + entry.name, visited, files);
}

// Entries added between two turns of the event loop while a long list or a big
// folder is expanded, so the window stays served (as during the tag scan).
constexpr int kAddSlice = 200;

} // namespace

bool TPlay::AcceptsUserFiles(int categoryId) const {
    const TPlayCategory* category = Category(categoryId);
    return category && !category->ReadOnly;
}

bool TPlay::BeginAdd(int categoryId) {
    if (addBusy_ || !Category(categoryId))
        return false;
    batch_ = TAddBatch{};
    batch_.AddTarget = categoryId;
    expanding_.clear();
    addBusy_ = true;
    addStopped_ = false;
    return true;
}

bool TPlay::LetEventsRunWhileAdding() {
    if (++addedSinceEvents_ >= kAddSlice) {
        addedSinceEvents_ = 0;
        QCoreApplication::processEvents();
    }
    return !addStopped_;
}

void TPlay::AddFile(const QString& path) {
    if (!addBusy_)
        return;
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty())
        return;
    const QString extension = LowerExtension(trimmed);
    if (extension == QLatin1String(".lrc")) {
        if (batch_.FirstLrcFile.isEmpty())
            batch_.FirstLrcFile = ResolvePath(trimmed);
    } else if (extension == QLatin1String(".m3u") || extension == QLatin1String(".m3u8")) {
        ImportM3U(trimmed);
    } else if (extension == QLatin1String(".eks")) {
        if (batch_.FirstSkinFile.isEmpty())
            batch_.FirstSkinFile = ResolvePath(trimmed);
    } else if (extension == QLatin1String(".pis")) {
        // plug-in files are never songs
    } else if (!IsUrl(trimmed) && IsFolder(ResolvePath(trimmed))) {
        AddFolder(ResolvePath(trimmed));
    } else {
        // A name that exists exactly as given keeps its blanks.
        AddSongPath(PathExists(path) ? path : trimmed);
    }
}

void TPlay::AddSongPath(const QString& path) {
    QString file = ResolvePath(path);
    if (!IsUrl(file) && PathExists(file))
        file = AbsoluteFileName(file);
    // Kept in its own case: on a case-sensitive disk the lower-cased name may
    // be another file or none at all.
    if (batch_.FirstAudioFile.isEmpty())
        batch_.FirstAudioFile = file;
    TPlayCategory* target = Category(batch_.AddTarget);
    if (!target || target->Contains(file))
        return;
    AppendSong(*target, file);
    ++batch_.Added;
}

void TPlay::AppendSong(TPlayCategory& category, const QString& fileName) {
    TPlayItem item;
    item.FileName = fileName;
    category.Append(std::move(item));
    const int position = category.Count() - 1;
    if (category.Id == kDefaultId)
        for (PlayListView* view : listViews_)
            view->AppendRow(ListRowText(position + 1, category.Song(position)));
    if (FileManagerShows(category.Id))
        fileManager_->SongAppended(category.Id, position);
}

void TPlay::AddFolder(const QString& path) {
    if (!addBusy_)
        return;
    const QString canonical = CanonicalPath(path);
    if (canonical.isEmpty() || expanding_.contains(canonical))
        return;
    expanding_.insert(canonical);
    QSet<QString> visited;
    QStringList files;
    CollectFolder(path, visited, files);
    for (const QString& file : files) {
        if (!LetEventsRunWhileAdding())
            break;
        AddFile(file);
    }
    expanding_.remove(canonical);
}

void TPlay::ImportM3U(const QString& path) {
    if (!addBusy_)
        return;
    const QString file = ResolvePath(path);
    const QString canonical = CanonicalPath(file);
    // A list already being read (one that names itself, or two lists naming
    // each other) is not read again.
    if (canonical.isEmpty() || expanding_.contains(canonical))
        return;
    expanding_.insert(canonical);
    for (const QString& entry : ReadM3UFile(file)) {
        if (!LetEventsRunWhileAdding())
            break;
        AddFile(entry);
    }
    expanding_.remove(canonical);
}

TAddBatch TPlay::EndAdd() {
    if (!addBusy_)
        return batch_;
    expanding_.clear();
    // The batch stays open while the tag scan lets events run: a batch handed
    // over meanwhile is refused (and tried again after addBatchEnded), so it
    // can neither nest nor replace this batch's result.
    if (fileManager_)
        fileManager_->AddBatchEnded(batch_.AddTarget);
    else if (batch_.AddTarget == kDefaultId && !addStopped_)
        ScanTags(kDefaultId);
    SaveDefaultList();
    if (CurrentIndex() == -1)
        SetCurrentIndex(Default().IndexOf(current_.FileName));
    addBusy_ = false;
    const TAddBatch result = batch_;
    emit addBatchEnded();
    return result;
}

UserAddOutcome TPlay::AddFilesAsUser(int categoryId, const QStringList& paths) {
    if (!AcceptsUserFiles(categoryId))
        return UserAddOutcome::ReadOnly;
    if (!BeginAdd(categoryId))
        return UserAddOutcome::Busy;
    for (const QString& path : paths)
        AddFile(path);
    EndAdd();
    return UserAddOutcome::Added;
}
