#pragma once

#include <QString>

// Files the program carries inside itself and writes out into the program
// folder when they are missing: "skin" (the default skin, "default.eks") and
// "mpeg" (the decoder engine, "mpeg.so"). Names are not case-sensitive.
bool HasResourceFile(const QString& name);

// Writes the embedded file `name` to `path` (created or overwritten). Throws
// std::runtime_error with a readable reason when it cannot.
void ExtractResourceFile(const QString& name, const QString& path);

// Writes each embedded file that is missing from the program folder.
// Failures are collected as readable reasons rather than stopping start-up.
QStringList ExtractMissingProgramFiles();
