#pragma once

#include <QString>

// A second start hands its files over as "#OpenFile," followed by the names,
// each followed by NUL (so a name may hold any other byte). Lists of that form
// that wait together are run as one: one add batch and one song change.

// True for an "#OpenFile" list in the handed-over form.
bool IsHandedOverFileList(const QString& command);

// Appends the names of `more` (a handed-over list) to `list` (another one).
void JoinHandedOverFileLists(QString& list, const QString& more);
