#pragma once

#include <QString>
#include <QStringList>

class QMimeData;
class QUrl;

// The forms in which songs leave and enter the file manager through the
// clipboard and drags.

// "Copy Addr": each path preceded by CR LF.
QString CopyAddressText(const QStringList& paths);

// A "file:" address whose percent-encoded bytes are the file name's bytes, so
// names that are not UTF-8 survive (the reverse of LocalFileOfUrl).
QUrl FileUrl(const QString& path);

// A shell file list as desktop file managers take it: "text/uri-list", the
// "x-special/gnome-copied-files" form ("copy" and one address a line) and the
// paths as plain text. The caller owns the result.
QMimeData* NewFileListMimeData(const QStringList& paths);

// The local files of a shell file list ("text/uri-list", else the
// "x-special/gnome-copied-files" form); empty when it holds none.
QStringList FilesOfMimeData(const QMimeData& data);

// A stream address dragged from a browser (an http, https, ftp or mms link
// in the uri-list or as the plain text), or empty.
QString LinkOfMimeData(const QMimeData& data);
