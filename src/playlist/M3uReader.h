#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Entries of an ".m3u" play list. Blank lines and lines starting with "#"
// ("#EXTM3U", "#EXTINF:...") are not paths. A list that is valid UTF-8, or
// any ".m3u8" list, is read as UTF-8; anything else as the system's legacy
// text (DecodeText). Backslashes of lists written on other systems become
// "/". "file:" URLs become local paths, other URLs stay as they are, and
// relative entries are resolved against listFolder (the list's own folder).
QStringList ParseM3U(const QByteArray& bytes, bool utf8, const QString& listFolder);

// Reads an ".m3u" or ".m3u8" file; empty when it cannot be read.
QStringList ReadM3UFile(const QString& fileName);
