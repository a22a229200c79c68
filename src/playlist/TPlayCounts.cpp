#include "PathResolve.h"
#include "PlayCounts.h"
#include "TPlay.h"

int TPlay::GetPlayCount(const QString& fileName) const {
    return ReadPlayCount(PlayCountFile(), fileName);
}

int TPlay::IncPlayCount(const QString& fileName) {
    const int count = IncrementPlayCount(PlayCountFile(), fileName);
    ++playCountStamp_;
    if (fileManager_) {
        const int shown = fileManager_->ShownCategory();
        if (shown == kTopTenId) {
            RebuildTopTen();
        } else if (const TPlayCategory* category = Category(shown)) {
            const int position = category->IndexOf(ResolvePath(fileName));
            if (position >= 0)
                fileManager_->SongChanged(shown, position);
        }
    }
    return count;
}

void TPlay::ClearPlayCounts() {
    ::ClearPlayCounts(PlayCountFile());
    ++playCountStamp_;
}

void TPlay::RebuildTopTen() {
    TPlayCategory& topTen = TopTen();
    topTen.Clear();
    for (const QString& file : MostPlayed(ReadAllPlayCounts(PlayCountFile()), 10)) {
        TPlayItem item;
        item.FileName = file;
        topTen.Append(std::move(item));
    }
    if (FileManagerShows(kTopTenId))
        fileManager_->CategoryRebuilt(kTopTenId);
}
