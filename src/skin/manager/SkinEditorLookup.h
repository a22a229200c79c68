#pragma once

#include <functional>
#include <QString>
#include <QStringList>

class OptionsStore;

// Runs a helper program to its end (at most a few seconds) and returns what
// it printed; empty when it could not run. Tests replace it.
using RunHelper = std::function<QString(const QString& program, const QStringList& arguments)>;
QString RunHelperProgram(const QString& program, const QStringList& arguments);

// The program that edits skin files: [SKIN] EDITOR of "Options.ini" when set,
// else the desktop's default application for the skin file's type (asked with
// xdg-mime) unless that is this player itself. Returns the executable's full
// path, or empty when there is none or it cannot be found.
QString FindSkinEditor(const OptionsStore& store, const QString& skinFile, const QString& playerExecutable,
                       const RunHelper& run = RunHelperProgram);

// The program of a desktop entry's Exec line (its first word, unquoted), or
// empty. Field codes and further arguments are dropped: the editor gets the
// skin's path as its one argument.
QString DesktopEntryProgram(const QString& desktopFileText);
