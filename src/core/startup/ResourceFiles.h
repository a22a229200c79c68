#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files the program carries inside itself and writes out into the program
// folder: "skin" (the default skin, "default.eks"), "mpeg" (the decoder
// engine, "mpeg.so") and "sndfile" (the plug-in for FLAC, Ogg, Opus, WAV and
// AIFF, "Plusin/sndfile.so"). Names are not case-sensitive.
bool HasResourceFile(const QString& name);

// Writes the embedded file `name` to `path` (created or overwritten, never left
// cut short). Throws std::runtime_error with a readable reason when it cannot.
void ExtractResourceFile(const QString& name, const QString& path);

// Writes `embedded` to `path` unless the file there already holds exactly these
// bytes. Returns a readable reason when it cannot, else an empty text.
QString WriteOutProgramFile(const QByteArray& embedded, const QString& path);

// Writes each embedded file that is missing from the program folder or differs
// from the embedded one. Failures are collected as readable reasons rather than
// stopping start-up.
QStringList WriteOutProgramFiles();
