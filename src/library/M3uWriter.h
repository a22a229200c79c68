#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// An ".m3u" play list of the given paths: one path a line, in UTF-8 (a name
// that is not UTF-8 keeps its own bytes, so the list still names that file).
QByteArray M3uBytes(const QStringList& paths);

// Writes the list atomically: a failure leaves an existing file as it was
// and says why in `error`.
bool SaveM3u(const QString& path, const QStringList& paths, QString* error = nullptr);
