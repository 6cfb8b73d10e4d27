#pragma once

#include <QString>
#include <QStringList>

// What vastrel-top needs from the system it runs on: its arguments as the
// exact names the user typed, whether a directory can be scanned, and whether
// and how wide its progress line can be drawn on standard error.

// The program's arguments, program name first. On Unix they are decoded from
// the raw bytes with pathcodec, so a directory whose name is not valid UTF-8
// is found; QCoreApplication::arguments() would lose those bytes.
QStringList commandLineArguments(int argc, char **argv);
// Why dir cannot be scanned, in the system's words ("No such file or
// directory", "Not a directory", "Permission denied"), or an empty string
// when it can.
QString directoryProblem(const QString &dir);
// True when standard error is a terminal.
bool stderrIsTerminal();
// The width of the terminal on standard error, or 80 when it is unknown.
int terminalColumns();
