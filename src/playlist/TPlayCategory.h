#pragma once

#include "SongTag.h"

#include <QHash>
#include <QList>
#include <QString>

// One category of the library. Songs are changed through TPlay, which keeps
// the views and the duplicate check in step; flags and tags of a song may be
// changed in place through Song().
class TPlayCategory {
public:
    bool ReadOnly = false; // the user may not add songs to it or drop files on it
    bool Fixed = false;    // the file manager may not rename or delete it
    QString Name;
    int Id = 0;      // unique for the run, never reused
    quint8 Kind = 0; // 0 user category (saved), 1 system category (never saved)

    int Count() const { return static_cast<int>(songs_.size()); }
    const QList<TPlayItem>& Songs() const { return songs_; }
    // Change flags and tag only; the file name is the store's.
    TPlayItem& Song(int position) { return songs_[position]; }
    const TPlayItem& Song(int position) const { return songs_[position]; }

    // Whether a song of this file is present, ignoring letter case.
    bool Contains(const QString& fileName) const { return keys_.contains(Key(fileName)); }
    // First position of the file ignoring letter case, -1 when absent.
    int IndexOf(const QString& fileName) const;

private:
    friend class TPlay;
    static QString Key(const QString& fileName) { return fileName.toCaseFolded(); }
    void Append(TPlayItem item);
    void RemoveAt(int position);
    void Move(int from, int to);
    void Clear();

    QList<TPlayItem> songs_;
    QHash<QString, int> keys_; // case-folded file name -> number of songs with it
};
