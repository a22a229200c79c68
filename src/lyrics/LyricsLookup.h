#pragma once

#include "ProgramFolder.h"

#include <QString>
#include <QStringList>

// What the lyrics lookup needs to know about a song. The tag texts are the
// song's ID3v1 fields as read (they are trimmed again here).
struct TLyricsSong {
    QString FileName; // full path of the song file
    QString Title;
    QString Artist;
    QString Album;
    QString LyricsName; // lyrics file name stored in the song's tag, without folder
};

// Every "*.lrc" file (extension in any letter case) below folder, as full paths,
// in lookup order: the files of a folder first, then each of its sub-folders in
// turn, depth first. Within a folder, entries are taken in the order of their
// name bytes (as "LC_ALL=C ls" lists them), so the order is the same on every
// file system. Sub-folders whose names begin with "." are skipped; a folder
// reached twice through symbolic links is listed once. A missing folder gives
// an empty list.
QStringList ListLyricsFiles(const QString& folder);

// ASCII-only lower case: A to Z become a to z, nothing else changes.
QString AsciiLower(const QString& text);

// The names a lyrics file of the song may have, in lower case:
//   1. the song's file name with its extension replaced by ".lrc";
//   2. the stored lyrics name (when not empty);
//   3. artist-album-title.lrc; 4. album-title.lrc; 5. artist-title.lrc; 6. title.lrc.
// The names built from the tag (3 to 6) are offered only when the song has a
// title: without one they would be made of separators alone ("--.lrc", ".lrc")
// or of the artist and album alone, and would give unrelated songs the same lyrics.
QStringList LyricsCandidates(const TLyricsSong& song);

// Full path of the song's lyrics file in the lyrics folder, or an empty string.
// The first file in ListLyricsFiles order whose lower-cased name equals any
// candidate wins, whichever candidate it matches. The song's own folder is not
// searched.
QString FindLyricsFile(const TLyricsSong& song, const QString& lyricsFolder = LyricsFolder());
