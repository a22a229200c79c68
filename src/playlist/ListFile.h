#pragma once

#include <QByteArray>
#include <QList>

// The library file "default.lst". Integers are 32-bit little-endian; strings
// are raw bytes without terminator.
//
//   0   15  magic "[kelvando_list]"
//   15   4  header word, always 0
//   19   4  N: categories written, counting DEFAULT (TOPTEN and every system
//           category are never written)
//   23   4  DEFAULT's song count, then its file entries
//   ...     N - 1 category blocks
//
// File entry: 4-byte length L, then L bytes of path.
// Category block: 32 bytes of name (zero-padded, longer names cut), 4-byte
// kind, 4-byte song count, then that many file entries.
inline constexpr char kListMagic[] = "[kelvando_list]";
inline constexpr int kListNameSize = 32;

struct ListFileCategory {
    QByteArray name; // empty for DEFAULT
    qint32 kind = 0;
    QList<QByteArray> paths;
};

enum ListFileResult : int {
    ListLoaded = 0,     // the whole file was read
    ListReadFailed = 1, // missing or cut short: what was read is kept
    ListBadHeader = 2,  // header word not 0
    ListBadMagic = 3,   // not a list file
};

struct ListFileData {
    int result = ListLoaded;
    // The first entry is DEFAULT; the rest are the category blocks in order.
    // Whatever was read before a read failure is kept.
    QList<ListFileCategory> categories;
};

// Reads a list file held in memory. Never reads outside the buffer.
ListFileData ParseListFile(const QByteArray& bytes);

// The bytes of a list file for DEFAULT's paths and the user categories.
QByteArray SerializeListFile(const QList<QByteArray>& defaultPaths,
                             const QList<ListFileCategory>& categories);
