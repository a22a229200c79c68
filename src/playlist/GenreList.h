#pragma once

#include <array>
#include <QtGlobal>
#include <QString>

// The genre names shown in the tag window, index 0 first: "No Genre", the
// first eighty ID3v1 genres in their order, "Unknown". Files hold the standard
// ID3v1 number, which every other tagger reads: list index - 1, with "No
// Genre" stored as 255 (what taggers write when no genre is set).
inline constexpr int kGenreCount = 82;
inline constexpr int kNoGenre = 0;
inline constexpr int kUnknownGenre = 81;
inline constexpr quint8 kNoGenreByte = 255;
extern const std::array<const char*, kGenreCount> kGenreNames;

// The list index shown for a genre byte of a file: 255 "No Genre", 0..79 the
// genre (index byte + 1), any other byte "Unknown".
int GenreIndex(int genreByte);
// Name shown for a genre byte of a file.
QString GenreName(int genreByte);
// The byte stored for a list index. "Unknown" stores the byte the tag had
// when that byte is itself unknown (so it is written back unchanged), else 255.
quint8 GenreByte(int index, quint8 previousByte);
