#pragma once

#include <QString>

// The program folder holds "Options.ini", "default.lst", "count", "default.eks",
// "mpeg.so" and the folders "Lyrics/", "Plusin/" and "Skins/".
//
// It is SORVI_HOME when that is set; otherwise the executable's folder when it is
// writable and not an installed layout ("bin/" beside "share/sorvi/"): the
// portable layout; otherwise ~/.local/share/sorvi/. The result
// always ends with "/". The folder is computed once and then fixed for the run.
QString ProgramFolder();

// Same, for the given environment and executable folder (used by ProgramFolder
// and by tests that check the rule itself).
QString ChooseProgramFolder(const QString& sorviHome, const QString& executableFolder, const QString& userHome);

// Overrides the computed folder (tests that run several players in one process).
void SetProgramFolder(const QString& folder);

// Creates the program folder (and missing parents) for the user alone, so that
// a first start with SORVI_HOME naming a new folder, or without
// ~/.local/share/sorvi/ yet, can write its files. True when it exists now;
// otherwise `error` says why.
bool MakeProgramFolder(QString* error = nullptr);

QString ProgramFile(const QString& name); // ProgramFolder() + name
QString LyricsFolder();                   // ProgramFolder() + "Lyrics/"
QString PlusinFolder();                   // ProgramFolder() + "Plusin/"
QString SkinsFolder();                    // ProgramFolder() + "Skins/"
