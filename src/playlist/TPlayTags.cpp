#include "DisplayTags.h"
#include "TagFile.h"
#include "TPlay.h"

#include <QCoreApplication>

void TPlay::ScanTags(int id) {
    if (tagScanRunning_)
        return;
    tagScanRunning_ = true;
    // Events run before every song and may change the store (songs deleted,
    // the category removed), so the category and the position are checked anew
    // on every step instead of holding on to them.
    for (int position = 0;; ++position) {
        QCoreApplication::processEvents();
        if (!tagScanRunning_)
            break;
        TPlayCategory* category = Category(id);
        if (!category || position >= category->Count())
            break;
        TPlayItem& item = category->Song(position);
        // A tag read earlier (DEFAULT is scanned at start for the skin's
        // lists) is not read again, but the file manager's row still shows it.
        if (!item.TagRead)
            item.TagRead = GetTag(item.FileName, item.Tag);
        if (item.TagRead && FileManagerShows(id))
            fileManager_->SongChanged(id, position);
    }
    if (id == kDefaultId)
        RefillViews(true);
    tagScanRunning_ = false;
}

bool TPlay::GetTag(const QString& fileName, TSongTag& tag) const {
    for (const TPlayItem& pending : pendingTags_) {
        if (pending.FileName.compare(fileName, Qt::CaseInsensitive) == 0) {
            tag = pending.Tag;
            return true;
        }
    }
    bool hasTagBlock = false;
    if (!ReadTag(fileName, tag, hasTagBlock))
        return false;
    // The one place where other tags come in: a file without the ID3v1 block
    // shows the title, artist and album its other tags name. They are only
    // read; the block the tag window writes is still the ID3v1 block.
    if (!hasTagBlock)
        ReadDisplayTags(fileName, tag);
    return true;
}

void TPlay::SetTag(const QString& fileName, const QString& title, int genre, const QString& year,
                   const QString& lyricsName, const QString& comment, const QString& album,
                   const QString& artist) {
    TSongTag tag;
    SetTagText(tag.Title, title);
    SetTagText(tag.Album, album);
    SetTagText(tag.Artist, artist);
    SetTagText(tag.LyricsName, lyricsName);
    SetTagText(tag.Comment, comment);
    SetTagText(tag.Year, year);
    tag.Genre = static_cast<quint8>(std::clamp(genre, 0, 255));
    SetTag(fileName, tag);
}

void TPlay::SetTag(const QString& fileName, const TSongTag& tag) {
    // One pending write per file: a later edit replaces the earlier one, so the
    // tag that is read back before the flush is always the newest.
    auto pending = std::find_if(pendingTags_.begin(), pendingTags_.end(), [&](const TPlayItem& item) {
        return item.FileName.compare(fileName, Qt::CaseInsensitive) == 0;
    });
    if (pending != pendingTags_.end()) {
        pending->Tag = tag;
    } else {
        TPlayItem item;
        item.FileName = fileName;
        item.Tag = tag;
        pendingTags_.append(item);
    }

    for (const auto& category : categories_) {
        for (int i = 0; i < category->Count(); ++i) {
            TPlayItem& song = category->Song(i);
            if (song.FileName.compare(fileName, Qt::CaseInsensitive) != 0)
                continue;
            song.Tag = tag;
            if (category->Id == kDefaultId)
                for (PlayListView* view : listViews_)
                    view->SetRowText(i, ListRowText(i + 1, song));
            if (FileManagerShows(category->Id))
                fileManager_->SongChanged(category->Id, i);
        }
    }
    if (!current_.FileName.isEmpty() && current_.FileName.compare(fileName, Qt::CaseInsensitive) == 0) {
        current_.Tag = tag;
        emit currentTagChanged();
    }
    WritePendingTags();
}

void TPlay::WritePendingTags() {
    for (qsizetype i = 0; i < pendingTags_.size();) {
        if (WriteTag(pendingTags_[i].FileName, pendingTags_[i].Tag) == TagWriteResult::Written)
            pendingTags_.removeAt(i);
        else
            ++i;
    }
}
