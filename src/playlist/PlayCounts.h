#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Play counts in the INI file "count" in the program folder: section "COUNT",
// keys are full file paths as played, values decimal counts. A missing key
// (or a missing file) counts 0.
QString PlayCountFile();
int ReadPlayCount(const QString& countFile, const QString& fileName);
// Adds one and writes it back; returns the new count.
int IncrementPlayCount(const QString& countFile, const QString& fileName);
// Erases the section: every count is 0 again.
void ClearPlayCounts(const QString& countFile);
// Every key of the section with its count, in file order (one read of the file).
QList<QPair<QString, qint64>> ReadAllPlayCounts(const QString& countFile);
// The most played files, highest count first; equal counts keep file order.
QStringList MostPlayed(const QList<QPair<QString, qint64>>& counts, int limit);
