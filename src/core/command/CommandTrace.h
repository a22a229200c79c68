#pragma once

#include <QString>

// When SORVI_TRACE_COMMANDS names a file, every command string the dispatcher
// receives is appended to it, one per line (CR, LF and NUL shown as \r, \n and \0).
// Scripts and tests use it to see what a running player was asked to do. With
// SORVI_TRACE_TIMES set, each line starts with the time in milliseconds since
// the epoch and a blank (benchmarks measure delays with it).
void TraceCommand(const QString& command);
