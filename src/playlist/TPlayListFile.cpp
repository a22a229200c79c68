#include "AtomicFile.h"
#include "FileName.h"
#include "ListFile.h"
#include "ProgramFolder.h"
#include "RegularFile.h"
#include "TextCodec.h"
#include "TPlay.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

TPlayItem SongFromBytes(const QByteArray& bytes) {
    TPlayItem item;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    item.FileName = utf8.decode(bytes);
    if (utf8.hasError()) {
        // A name on disk that is not UTF-8 (a Latin-1 file name) is kept as that
        // file's name; other bytes are text of an older list (GB18030). The bytes
        // are kept so that a save writes back the very bytes that were read.
        item.FileName = DecodeStoredPath(bytes);
        item.RawName = bytes;
    }
    return item;
}

QList<QByteArray> PathsOf(const TPlayCategory& category) {
    QList<QByteArray> paths;
    paths.reserve(category.Count());
    for (const TPlayItem& item : category.Songs())
        paths << item.PathBytes();
    return paths;
}

// Far above any real library (100,000 songs take a few megabytes); a larger
// file is not read and is kept aside like a damaged one.
constexpr qint64 kMaxListFileSize = 256 * 1024 * 1024;

} // namespace

QString TPlay::DefaultListFile() const {
    return ProgramFile(QStringLiteral("default.lst"));
}

void TPlay::ResetToBuiltIns() {
    // From the back, so each removal is found at once.
    while (categories_.size() > 2) {
        if (fileManager_)
            fileManager_->CategoryDeleted(categories_.back()->Id);
        categories_.pop_back();
    }
    Default().Clear();
}

int TPlay::LoadList(const QString& path) {
    ResetToBuiltIns();
    unreadableList_.clear();
    // A FIFO or device named like the list must not hang the start.
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxListFileSize);
    if (!bytes) {
        // A list too large or failing to read is kept; a FIFO or device is no list.
        if (IsRegularFile(path))
            unreadableList_ = path;
        return ListReadFailed;
    }
    const ListFileData data = ParseListFile(*bytes);
    if (data.result != ListLoaded)
        unreadableList_ = path;
    for (qsizetype i = 0; i < data.categories.size(); ++i) {
        const ListFileCategory& read = data.categories[i];
        TPlayCategory* target = &Default();
        if (i > 0) {
            AddCategory(DecodeText(read.name), read.kind);
            target = categories_.back().get();
        }
        target->songs_.reserve(target->Count() + read.paths.size());
        target->keys_.reserve(target->Count() + read.paths.size());
        for (const QByteArray& bytes : read.paths)
            target->Append(SongFromBytes(bytes));
    }
    if (data.result == ListBadHeader || data.result == ListBadMagic)
        ShowMessage(tr(kInvalidListMessage));
    return data.result;
}

bool TPlay::KeepUnreadableList(const QString& path) {
    if (unreadableList_.isEmpty() || QFileInfo(unreadableList_).absoluteFilePath() != QFileInfo(path).absoluteFilePath())
        return true;
    if (!QFileInfo::exists(path)) {
        unreadableList_.clear();
        return true;
    }
    // Never over an older kept file: the first free name.
    QString kept = path + QStringLiteral(".bad");
    for (int n = 1; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n)
        kept = path + QStringLiteral(".bad.") + QString::number(n);
    if (!QFile::rename(path, kept)) {
        lastSaveError_ = QStringLiteral("cannot keep the unreadable list as ") + kept;
        return false;
    }
    unreadableList_.clear();
    return true;
}

bool TPlay::SaveList(const QString& path) {
    // The unreadable list that was loaded from this file is kept beside it first.
    if (!KeepUnreadableList(path))
        return false;
    QList<ListFileCategory> blocks;
    for (std::size_t i = 2; i < categories_.size(); ++i) {
        const TPlayCategory& category = *categories_[i];
        if (category.Kind == 1)
            continue;
        ListFileCategory block;
        // Cut at 32 bytes without splitting a character.
        block.name = Utf8Truncated(category.Name, kListNameSize);
        block.kind = category.Kind;
        block.paths = PathsOf(category);
        blocks.append(std::move(block));
    }
    const QByteArray bytes = SerializeListFile(PathsOf(Default()), blocks);
    // A crash or a full disk never costs the old library.
    if (!WriteFileAtomically(path, bytes, &lastSaveError_))
        return false;
    lastSaveError_.clear();
    return true;
}

int TPlay::LoadDefaultList() {
    return LoadList(DefaultListFile());
}

bool TPlay::SaveDefaultList() {
    if (SaveList(DefaultListFile())) {
        saveFailureShown_ = false;
        return true;
    }
    emit listSaveFailed(lastSaveError_);
    // Saves follow every change: one message until a save succeeds again.
    if (!saveFailureShown_) {
        saveFailureShown_ = true;
        ShowMessage(QString::fromLatin1(kListSaveFailedMessage) + lastSaveError_);
    }
    return false;
}
