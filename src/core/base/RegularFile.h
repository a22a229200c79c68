#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

// Reading a user's file on the window thread must never hang the window: a FIFO,
// a device or "/dev/zero" named like a song, list, picture or skin would block in
// open() or never end. These helpers open only regular files, with O_NONBLOCK (so
// opening a FIFO returns at once), check the opened descriptor is a regular file,
// and never read more than the caller's limit.

// True when `path` names a regular file (symbolic links followed).
bool IsRegularFile(const QString& path);

// Opens `path` for reading when it is a regular file; returns the descriptor
// (blocking mode restored, close-on-exec) or -1. The caller closes it.
int OpenRegularFileForReading(const QString& path);
// The same for reading and writing (tag writes); never creates the file.
int OpenRegularFileForWriting(const QString& path);

// Opens `file` on `path` when it is a regular file, by the name's own bytes
// (EncodeFileName; QFile's own encoding loses bytes that are not UTF-8).
// `mode` is ReadOnly or ReadWrite; the file is never created.
bool OpenRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode = QIODevice::ReadOnly);

// The whole file when it is a regular file of at most `maxBytes` bytes;
// std::nullopt when it is not a regular file, cannot be read or is larger.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes);

// At most `maxBytes` bytes from the start of a regular file (a longer file is cut);
// std::nullopt when it is not a regular file or cannot be read.
std::optional<QByteArray> ReadRegularFileHead(const QString& path, qint64 maxBytes);
