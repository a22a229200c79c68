#include "GenreList.h"

#include <algorithm>

const std::array<const char*, kGenreCount> kGenreNames = {
    "No Genre",
    "Blues",
    "Classic Rock",
    "Country",
    "Dance",
    "Disco",
    "Funk",
    "Grunge",
    "Hip-Hop",
    "Jazz",
    "Metal",
    "New Age",
    "Oldies",
    "Other",
    "Pop",
    "R&B",
    "Rap",
    "Reggae",
    "Rock",
    "Techno",
    "Industrial",
    "Alternative",
    "Ska",
    "Death Metal",
    "Pranks",
    "Soundtrack",
    "Euro-Techno",
    "Ambient",
    "Trip-Hop",
    "Vocal",
    "Jazz Funk",
    "Fusion",
    "Trance",
    "Classical",
    "Instrumental",
    "Acid",
    "House",
    "Game",
    "Sound Clip",
    "Gospel",
    "Noise",
    "AlternRock",
    "Bass",
    "Soul",
    "Punk",
    "Space",
    "Meditative",
    "Instrumental Pop",
    "Instrumental Rock",
    "Ethnic",
    "Gothic",
    "Darkwave",
    "Techno-Industrial",
    "Electronic",
    "Pop -Folk",
    "Eurodance",
    "Dream",
    "Southern Rock",
    "Comedy",
    "Cult",
    "Gangsta",
    "Top 40",
    "Christian Rap",
    "Pop/Funk",
    "Jungle",
    "Native American",
    "Cabaret",
    "New Wave",
    "Psychadelic",
    "Rave",
    "Showtunes",
    "Trailer",
    "Lo-Fi",
    "Tribal",
    "Acid Punk",
    "Acid Jazz",
    "Polka",
    "Retro",
    "Musical",
    "Rock & Roll",
    "Hard Rock",
    "Unknown",
};

int GenreIndex(int genreByte) {
    if (genreByte == kNoGenreByte)
        return kNoGenre;
    if (genreByte >= 0 && genreByte < kUnknownGenre - 1)
        return genreByte + 1;
    return kUnknownGenre;
}

QString GenreName(int genreByte) {
    return QString::fromLatin1(kGenreNames[static_cast<std::size_t>(GenreIndex(genreByte))]);
}

quint8 GenreByte(int index, quint8 previousByte) {
    if (index > kNoGenre && index < kUnknownGenre)
        return static_cast<quint8>(index - 1);
    if (index == kUnknownGenre && GenreIndex(previousByte) == kUnknownGenre)
        return previousByte;
    return kNoGenreByte;
}
