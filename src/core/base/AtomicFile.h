#pragma once

#include <QByteArray>
#include <QString>

// Replaces `path` with `bytes` so that a crash or a full disk never leaves a
// file cut short: the bytes go to a temporary file beside it, unbuffered and
// with every write checked, and the temporary file is renamed over `path` only
// when complete. (With a write buffer, Qt 6.4's QSaveFile commits a short file
// when the final flush fails.) On failure the old file is untouched, no
// temporary file is left, and `error` (when given) says why.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);
