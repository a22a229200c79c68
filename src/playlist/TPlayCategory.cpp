#include "TPlayCategory.h"

int TPlayCategory::IndexOf(const QString& fileName) const {
    if (!Contains(fileName))
        return -1;
    for (int i = 0; i < Count(); ++i)
        if (songs_[i].FileName.compare(fileName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TPlayCategory::Append(TPlayItem item) {
    ++keys_[Key(item.FileName)];
    songs_.append(std::move(item));
}

void TPlayCategory::RemoveAt(int position) {
    const QString key = Key(songs_[position].FileName);
    if (--keys_[key] <= 0)
        keys_.remove(key);
    songs_.removeAt(position);
}

void TPlayCategory::Move(int from, int to) {
    songs_.move(from, to);
}

void TPlayCategory::Clear() {
    songs_.clear();
    keys_.clear();
}
