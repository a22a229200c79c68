#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. Options are read only before the first
// file argument; everything else is a file, folder, list, lyrics, skin or URL.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QStringList files;   // arguments to add, in order
    QStringList commands; // --command TEXT, in order
    QString error;
};

CommandLine ParseCommandLine(const QStringList& arguments); // without the program name

QString CommandLineHelp();
