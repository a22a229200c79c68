#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QUrl;

// File names on this system are bytes, not text: a disk written by an older
// system holds names such as "Caf\xE9.mp3" that are not UTF-8. Qt decodes such a
// byte as U+FFFD, and the name encoded back names another file, so every file
// name the player takes from the system or gives to it goes through this pair:
// valid UTF-8 is decoded as such, and each byte of an invalid sequence becomes a
// lone surrogate U+DC80..U+DCFF, which encoding turns back into that byte. Any
// byte string without NUL survives the round trip; names in UTF-8 are plain text.
QString DecodeFileName(const QByteArray& bytes);
QByteArray EncodeFileName(const QString& name);

// A name for people to read: a name that is not UTF-8 is shown by the text rule
// of DecodeText (a Latin-1 "Caf\xE9" as "Café"); other names as they are.
QString FileNameForDisplay(const QString& name);

// A path kept in a stored text (the list file, "Options.ini", "count"): UTF-8
// when valid; else the bytes as a file name when they name something on disk
// (a file copied from an older system); else the text rule of DecodeText, so
// lists written in GB18030 stay readable.
QString DecodeStoredPath(const QByteArray& bytes);

// The local file a "file:" address names (a dropped file, an M3U entry): its
// percent-encoded bytes are the file name's bytes.
QString LocalFileOfUrl(const QUrl& url);

// Qt's own file classes encode names their way; these ask the system with the
// bytes of EncodeFileName. Symbolic links are followed.
bool PathExists(const QString& path);
bool IsFolder(const QString& path);
// A relative path made absolute against the working folder, by the bytes of
// both (Qt's own absoluteFilePath goes through its lossy name encoding).
QString AbsoluteFileName(const QString& path);
// The absolute path with every link and "." or ".." resolved; empty when the
// path does not exist.
QString CanonicalPath(const QString& path);

struct FolderEntry {
    QString name;
    bool isFolder = false; // a folder, or a link to one
    bool isFile = false;   // a regular file, or a link to one (not a FIFO, device or socket)
};
// Entries of a folder (hidden ones too, without "." and ".."), in listing order.
QList<FolderEntry> FolderEntries(const QString& folder);
