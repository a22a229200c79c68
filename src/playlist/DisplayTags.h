#pragma once

#include "SongTag.h"

#include <QString>

// Title, artist and album from the tags that other programs write and the
// player never writes: ID3v2 (MP3, WAV, AIFF), Vorbis comments (FLAC, Ogg
// Vorbis, Opus) and RIFF INFO (WAV), read through TagLib. Each text is stored
// as UTF-8 cut to its 30-byte field without splitting a character; fields the
// file does not name are left as they are. The file is only read.
// False when the file holds none of these tags (or cannot be read).
bool ReadDisplayTags(const QString& fileName, TSongTag& tag);
