#pragma once

#include "LrcModel.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

// Reading LRC text into a TLrcRec.

enum LrcLineKind : int {
    kLrcOtherLine = -1,    // anything else (skipped by the reader)
    kLrcTimedLine = 0,     // starts with a valid time tag
    kLrcCoLine = 1,        // "[co:...]"
    kLrcLyLine = 2,        // "[ly:...]"
    kLrcByLine = 3,        // "[by:...]"
    kLrcSegmentedLine = 4, // "[segmented]": the lyrics are joined into segments
};

// Lyrics files larger than this are read only up to the last line break within
// the limit; real lyrics are a few kilobytes.
inline constexpr qint64 kMaxLrcFileBytes = 16 * 1024 * 1024;

// A line without its leading and trailing blanks and control characters.
QStringView TrimLrcLine(QStringView line);

// Lines the reader skips: empty lines and the "[ar:", "[al:", "[ti:" and
// "[offset:" tags (letter case ignored). The offset is never applied.
bool IsLrcInfoLine(QStringView line);

// Kind of a trimmed line: "[segmented]" (any case) is 4; a line starting with
// "[by:", "[ly:" or "[co:" (any case) is 3, 2 or 1 when it ends with "]" and -1
// otherwise; else 0 when it starts with a valid time tag, -1 otherwise.
LrcLineKind ClassifyLrcLine(QStringView line);

// Appends one entry per time tag at the start of the line, each with the text
// after the last of those tags. A line that does not start with a tag adds
// nothing. "[00:10.0][01:20.5]Refrain" adds 100 and 805, both "Refrain";
// "[00:10.0]x[00:20.0]" adds one entry, 100 with "x[00:20.0]".
void AddTimedLine(QStringView line, TLrcRec& rec);

// Empties rec and reads LRC text into it, in file order (not sorted). Lines end
// with CR LF, LF or CR.
void ParseLrcText(QStringView text, TLrcRec& rec);

// The same for the raw bytes of a file: UTF-8 when they are valid UTF-8 (a BOM
// is skipped), GB18030 otherwise.
void ParseLrcBytes(const QByteArray& bytes, TLrcRec& rec);

// Empties rec; returns false when fileName is not an existing regular file or
// cannot be read, otherwise reads it and returns true (also for an empty file).
// The caller sorts afterwards.
bool LoadLrcFile(const QString& fileName, TLrcRec& rec);
