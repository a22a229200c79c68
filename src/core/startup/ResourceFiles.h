#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

// Files the program carries inside itself and writes out into the program
// folder: "skin" (the default skin, "default.eks"), "mpeg" (the decoder
// engine, "mpeg.so") and "sndfile" (the plug-in for FLAC, Ogg, Opus, WAV and
// AIFF, "Plusin/sndfile.so"). Names are not case-sensitive.
bool HasResourceFile(const QString& name);

// Writes the embedded file `name` to `path` (created or overwritten, never left
// cut short). Throws std::runtime_error with a readable reason when it cannot.
void ExtractResourceFile(const QString& name, const QString& path);

// A file the program carries: its size, when the copy was made, and its bytes,
// asked for only when the file on disk has to be compared or written.
struct EmbeddedCopy {
    qint64 size = 0;
    QDateTime made; // invalid when unknown
    std::function<QByteArray()> bytes;
};

// Writes `embedded` to `path` unless the file there already holds exactly these
// bytes. A file written out (or found intact) is given the copy's time of
// making as its modification time; a file of the copy's size that carries that
// time is taken as intact without reading it, as a build tool trusts size and
// time. Returns a readable reason when it cannot write, else an empty text.
QString WriteOutProgramFile(const EmbeddedCopy& embedded, const QString& path);

// Writes each embedded file that is missing from the program folder or differs
// from the embedded one. Failures are collected as readable reasons rather than
// stopping start-up.
QStringList WriteOutProgramFiles();
