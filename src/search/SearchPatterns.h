#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One file name pattern of a search: a wildcard pattern ("*" any run of
// characters, "?" one character) or, when the user quoted it, an exact name.
// Names compare ignoring case, as paths do everywhere in the player.
struct SearchPattern {
    QString text;
    bool exact = false;
    bool operator==(const SearchPattern&) const = default;
};

// The patterns of the "Search:" field: pieces separated by ";" (a final empty
// piece dropped, each piece trimmed). A quoted piece longer than two characters
// is an exact name; a piece without "*" and "?" gets "*" in front and, without
// a ".", also behind ("mp3" -> "*mp3*", ".mp3" -> "*.mp3", "" -> "**", which
// matches every file); anything else is used as typed. No piece at all: "*.*".
QList<SearchPattern> NormalisePatterns(const QString& filterText);

// The folders of the "Directories:" field: pieces separated by ";", trimmed,
// empty pieces dropped, each ending with "/".
QStringList SplitFolders(const QString& dirText);

// Whether a file name matches. "*.*" and any pattern ending in ".*" also match
// names without a dot.
bool MatchesPattern(const QString& name, const SearchPattern& pattern);

// The size column: bytes / 1000 rounded, with the locale's thousands
// separators, followed by "KB" (1500 -> "2KB", 1234567 -> "1,235KB").
QString SizeInKB(qint64 bytes);

// Mount points of the local file systems that hold files (block devices and
// other local types; no network, memory or kernel file systems), sorted.
QStringList LocalFileSystemRoots();
// Parses the text of /proc/self/mounts for LocalFileSystemRoots.
QStringList LocalFileSystemRoots(const QByteArray& mountsText);
// Whether a file system type is the kernel's own (proc, sysfs, cgroup ...),
// holding no user files.
bool IsKernelFileSystem(const QByteArray& type);
