#pragma once

#include <QString>

// When SORVI_TRACE_COMMANDS names a file, every command string the dispatcher
// receives is appended to it, one per line (CR and LF shown as \r and \n).
// Scripts and tests use it to see what a running player was asked to do. With
// SORVI_TRACE_TIMES set, each line starts with the time in milliseconds since
// the epoch and a blank (benchmarks measure delays with it).
void TraceCommand(const QString& command);
