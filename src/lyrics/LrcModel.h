#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Parsed lyrics. All times are whole tenths of a second (1:02.3 is 623) and
// never negative. Lines[i] is the text of entry i without its time tags and
// Times[i] its time; both lists always have Count entries.
//
// Entries keep the order of the last operation: reading appends them in file
// order, SortLrcRec puts them in time order.
struct TLrcRec {
    QStringList Lines;
    QList<qint32> Times;
    qint32 Count = 0;
    bool Segmented = false; // the file held a "[segmented]" line

    void Clear();
    void Append(qint32 time, const QString& text);
};

// A lyrics record together with the file it came from (the lyrics editor's work area).
struct TFullLrc : TLrcRec {
    QString FileName;
};

// Time of the entry that closes the display lines: the last real line lasts
// until the end of the song.
inline constexpr qint32 kLrcEndTime = 2147483647;

// The ideographic (full-width) space, which lyrics typed with Chinese input
// methods use between words.
inline constexpr char16_t kFullWidthSpace = u'\u3000';

// Sorts the entries by time (entries of equal time keep their order), then
// cleans every text: each full-width space becomes a plain space and each run of
// spaces becomes one space. Sets Count.
void SortLrcRec(TLrcRec& rec);

// The text clean-up of SortLrcRec on its own.
QString CleanLrcSpaces(const QString& text);
