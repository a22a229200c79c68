#pragma once

#include <QString>

class QObject;

// When SORVI_TRACE_COMMANDS names a file, every command string the dispatcher
// receives is appended to it, one per line (CR, LF and NUL shown as \r, \n and \0).
// Scripts and tests use it to see what a running player was asked to do. With
// SORVI_TRACE_TIMES set, each line starts with the time in milliseconds since
// the epoch and a blank (benchmarks measure delays with it).
void TraceCommand(const QString& command);

// With SORVI_TRACE_STALLS also set, a 10 ms timer on the calling (main) thread
// notes every pause of it longer than 50 ms as a line "%stall <milliseconds>":
// benchmarks find the longest time the window could not react. Nothing happens
// without both variables. The timer belongs to owner.
void StartStallTrace(QObject* owner);
