#include "M3uWriter.h"

#include "AtomicFile.h"
#include "FileName.h"

QByteArray M3uBytes(const QStringList& paths) {
    QByteArray bytes;
    for (const QString& path : paths)
        bytes += EncodeFileName(path) + '\n';
    return bytes;
}

bool SaveM3u(const QString& path, const QStringList& paths, QString* error) {
    return WriteFileAtomically(path, M3uBytes(paths), error);
}
