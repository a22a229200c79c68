#pragma once

#include <array>
#include <QString>

// The genre names shown in the tag window, index 0 first. The tag's genre byte
// is this index as it is; indices 1 to 80 are the first eighty ID3v1 genres,
// each one higher than in ID3v1 numbering.
inline constexpr int kGenreCount = 82;
inline constexpr int kUnknownGenre = 81;
extern const std::array<const char*, kGenreCount> kGenreNames;

// Name for a genre byte; anything above 81 (255 included) is "Unknown".
QString GenreName(int genre);
// The index the genre box shows for a genre byte: min(genre, 81).
int GenreIndex(int genre);
