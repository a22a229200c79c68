#pragma once

#include "FileName.h"

#include <array>
#include <cstring>
#include <QByteArray>
#include <QString>

// The tag of one song as the play list keeps it: fixed-width byte fields, each
// text zero-padded and read up to its first zero byte. The bytes are kept as
// they came from the file; DecodeText turns them into text for display.
struct TSongTag {
    std::array<char, 30> Title{};
    std::array<char, 30> Album{};
    std::array<char, 30> Artist{};
    std::array<char, 30> LyricsName{}; // the song's lyrics file name, without folder
    std::array<char, 30> Comment{};
    std::array<char, 4> Year{};
    // The ID3v1 genre number as stored in the file; 255 is what taggers write
    // when no genre is set. Whether a tag was read is TPlayItem::TagRead.
    quint8 Genre = 255;
};
static_assert(sizeof(TSongTag) == 155, "the tag block is 155 bytes");

// Bytes of a field up to its first zero byte.
template <std::size_t N> QByteArray TagBytes(const std::array<char, N>& field) {
    const void* nul = std::memchr(field.data(), 0, N);
    const qsizetype length = nul ? static_cast<const char*>(nul) - field.data() : static_cast<qsizetype>(N);
    return QByteArray(field.data(), length);
}

// Stores bytes in a field: cut to its width, the rest zero-filled.
template <std::size_t N> void SetTagBytes(std::array<char, N>& field, const QByteArray& bytes) {
    field.fill(0);
    std::memcpy(field.data(), bytes.constData(),
                std::min<std::size_t>(N, static_cast<std::size_t>(bytes.size())));
}

// Stores text as UTF-8, cut to the field's width without splitting a character.
template <std::size_t N> void SetTagText(std::array<char, N>& field, const QString& text);

// Field text for display (UTF-8 when valid, else GB18030).
template <std::size_t N> QString TagText(const std::array<char, N>& field);

// An empty tag: no text, no genre (255).
inline TSongTag UnreadTag() {
    return TSongTag{};
}

// One song of a category.
struct TPlayItem {
    bool Played = false;  // started, or chosen by next/previous, in this pass
    bool Failed = false;  // the engine could not play it
    bool TagRead = false; // the tag scan has read its tag
    QString FileName;     // full path, case as found on disk
    TSongTag Tag;         // empty until read
    // The path bytes as read from the list file when they are not UTF-8, so a
    // save writes back exactly what was read. Empty for every other song.
    QByteArray RawName;

    // Bytes written to the list file for this song.
    QByteArray PathBytes() const { return RawName.isEmpty() ? EncodeFileName(FileName) : RawName; }
};

// The title shown for a song: the tag's title, else the file name part (with
// extension) of the path after resolving it against the disk.
QString DisplayTitle(const TPlayItem& item);
QString DisplayTitle(const QString& fileName, const TSongTag& tag);

// A list row: "<number>. <title>", the title being the full path until the
// tag has been read.
QString ListRowText(int number, const TPlayItem& item);

#include "SongTag.inl"
