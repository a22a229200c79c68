#pragma once

#include "LyricsLookup.h"
#include "SongTag.h"
#include "TPlay.h"

// For the windows that know play-list rows (this header needs the play-list
// store's headers): the names a song's lyrics are looked up by: its file and the texts of its
// tag (title, artist, album and the bound lyrics file's name).
inline TLyricsSong LyricsSongOf(const TPlayItem& item) {
    TLyricsSong song;
    song.FileName = item.FileName;
    song.Title = TagText(item.Tag.Title);
    song.Artist = TagText(item.Tag.Artist);
    song.Album = TagText(item.Tag.Album);
    song.LyricsName = TagText(item.Tag.LyricsName);
    return song;
}
