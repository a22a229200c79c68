#pragma once

#include <QString>
#include <QStringList>

// A command string: a name starting with "#", optionally "," and an argument
// (everything after the first comma, further commas included).
struct CommandText {
    QString whole;    // the string as received
    QString name;     // upper-cased, then trimmed
    QString argument; // as written: case and blanks kept
};

CommandText SplitCommand(const QString& command);

// A flag argument: the argument read as a decimal integer, -1 when missing or
// not a number; 0 clears, 1 sets, anything else inverts the current value.
bool ApplyFlagArgument(const QString& argument, bool current);

// Seconds to step for "#Forward"/"#Rewind": the argument, or 5 when it is
// missing, not a number, zero or negative.
int SeekStep(const QString& argument);
int ForwardTarget(int position, int duration, int step);
int RewindTarget(int position, int step);

// Volume after "#SoundUp"/"#SoundDown" (steps of 1024 within 0..65535); returns
// -1 when the command does nothing (already at the limit).
int SoundUpVolume(int volume);
int SoundDownVolume(int volume);

// The names an "#OpenFile" list carries: names each followed by NUL (as a second
// start hands them over) or, without any NUL, separated by CR LF. Empty names
// are skipped.
QStringList OpenFileNames(const QString& argument);
