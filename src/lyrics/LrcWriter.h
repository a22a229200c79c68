#pragma once

#include "LrcModel.h"

#include <QString>
#include <QStringList>

// The two forms in which the lyrics editor writes LRC text.

// Save form: the editor's lines with lines of equal text merged.
//  - Empty lines (after trimming) are dropped.
//  - "[co:", "[ly:", "[by:" and "[segmented]" lines come first, as typed.
//  - Timed lines follow in order of first appearance; a later line whose text
//    (compared ignoring letter case) equals an earlier one gives its tags, as
//    typed, to that earlier line: "[00:10]A" and "[00:50]a" save as "[00:10][00:50]A".
//  - Every other line comes last, trimmed.
// Each line ends with CR LF.
QString FormatLrcForSave(const QStringList& editorLines);

// Writes the save form to fileName as UTF-8, replacing the file only once the
// whole text is written. Returns false when the file could not be written.
bool SaveLrcFile(const QString& fileName, const QStringList& editorLines);

// Sort-by-time form, which rewrites the editor's text: the "[co:", "[ly:",
// "[by:" and "[segmented]" lines first as they stand, then one line
// "[mm:ss.t]text" per time tag in time order, then every other line as it
// stands (including "[ar:", "[ti:", "[al:" and "[offset:" lines). Empty lines are
// dropped. work is emptied and receives the sorted entries.
QStringList SortLrcLinesByTime(const QStringList& editorLines, TLrcRec& work);
