#pragma once

#include "SongTag.h"

#include <QByteArray>
#include <QString>

// End-of-file tag blocks of an audio file, counted from the end of the file:
//   -164  6  "LYRICS" (written in upper case, recognised in any case)
//   -158 30  lyrics file name
//   -128  3  "TAG" (any case), then title 30, artist 30, album 30, year 4,
//            comment 30, genre 1
// A file has nothing, the 128-byte TAG block alone, or both (164 bytes).
inline constexpr int kTagBlockSize = 128;
inline constexpr int kLyricsBlockSize = 36;
inline constexpr int kTagTailSize = kTagBlockSize + kLyricsBlockSize; // 164

// Fills the tag from the last bytes of a file (at most 164; fewer when the file
// is shorter). Every field starts empty and genre 0; texts are cut at their
// first zero byte and trimmed of blanks and control characters.
TSongTag ParseTagTail(const QByteArray& tail);

// Reads the file's tag blocks; false when the file cannot be opened.
bool ReadTag(const QString& fileName, TSongTag& tag);
// The same, telling whether the file ends in a "TAG" block.
bool ReadTag(const QString& fileName, TSongTag& tag, bool& hasTagBlock);
bool HasTagBlock(const QByteArray& tail);

// Where and what to write to store a tag in a file whose last bytes are tail
// (at most 164) and whose size is fileSize. The write never starts before the
// existing blocks, so the audio data is never touched:
//   - "LYRICS" at -164 and "TAG" at -128: both blocks rewritten in place;
//   - "TAG" at -128 only: both blocks written from -128 (the file grows by 36);
//   - otherwise: both blocks appended (the file grows by 164).
struct TagWritePlan {
    qint64 offset = 0;
    QByteArray bytes; // always 164 bytes
};
TagWritePlan PlanTagWrite(const QByteArray& tail, qint64 fileSize, const TSongTag& tag);

// The 164 bytes of both blocks for a tag.
QByteArray TagBlocks(const TSongTag& tag);

enum class TagWriteResult {
    Written,
    CannotOpen, // missing, read-only or otherwise not openable for writing: try again later
    WriteFailed // opened but the write failed (disk full): the file was put back as it was
};
TagWriteResult WriteTag(const QString& fileName, const TSongTag& tag);
