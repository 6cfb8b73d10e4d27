#pragma once

#include <QString>

// What vastrel-top needs from the system it runs on: whether a directory
// can be scanned, and whether and how wide its progress line can be drawn on
// standard error.

// Why dir cannot be scanned, in the system's words ("No such file or
// directory", "Not a directory", "Permission denied"), or an empty string
// when it can.
QString directoryProblem(const QString &dir);
// True when standard error is a terminal.
bool stderrIsTerminal();
// The width of the terminal on standard error, or 80 when it is unknown.
int terminalColumns();
