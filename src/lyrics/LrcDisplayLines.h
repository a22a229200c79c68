#pragma once

#include "LrcModel.h"

// The lines the lyrics window shows, derived from a loaded and sorted record.
// Each display line lasts from its own time to the time of the next one; the
// last entry is always the end marker (empty text, time kLrcEndTime), so the
// last real line lasts until the end of the song.
//
// Not segmented: the entries as they are, then the end marker.
// Segmented: consecutive entries are joined into segments. An entry with text
// adds its text to the current display line (no separator), and the first text
// of a display line gives it its time; an entry with empty text starts a new
// display line at its own time. The pieces keep their own times in the loaded
// record, which the karaoke band uses to sweep a segment piece by piece.
TLrcRec BuildDisplayLines(const TLrcRec& rec);

// The most characters of one line the lyrics window shows: far wider than any
// screen at a readable size. Longer lines (a hostile file, a whole text on one
// line) are cut once when loaded, so no redraw lays out more than this.
inline constexpr qsizetype kMaxLyricsLineChars = 512;

// `text` cut to at most kMaxLyricsLineChars characters, never inside a
// surrogate pair.
QString CapLyricsLine(const QString& text);
