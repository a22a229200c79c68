#pragma once

#include <QString>

// Shared objects run inside the player with the user's rights, so a module is
// loaded only when no other user could have put code into it: the file and
// every folder above it belong to the user or to root and are not writable by
// anyone else (a folder with the sticky bit may be, as it keeps others from
// replacing what they do not own), and a symbolic link on the way does not
// lead out of the program folder.

// Empty when the module may be loaded; otherwise why not, in words for a
// message. programFolder is the folder the module must stay inside.
QString ModuleRefusal(const QString& file, const QString& programFolder);

// Tells about a refused module on standard error and in the command trace
// (SORVI_TRACE_COMMANDS) as "%refused <file>: <reason>".
void ReportRefusedModule(const QString& file, const QString& reason);
