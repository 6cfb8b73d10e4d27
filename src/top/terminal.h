#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// What vastrel-top needs from the system it runs on: whether a directory
// can be scanned, whether and how wide its progress line can be drawn on
// standard error, and how text reaches the terminal or a pipe.

// Why dir cannot be scanned, in the system's words ("No such file or
// directory", "Not a directory", "Permission denied"), or an empty string
// when it can.
QString directoryProblem(const QString &dir);
// True when standard error is a terminal.
bool stderrIsTerminal();
// The width of the terminal on standard error, or 80 when it is unknown.
int terminalColumns();

// Text in the encoding the program writes: the locale's on Unix, UTF-8 on
// Windows, the same as the exact bytes of -0 there.
QByteArray outputBytes(const QString &text);
// Writes bytes made by outputBytes (or a record's exact path bytes) to
// stream. On a Windows console they are decoded and written as text with
// WriteConsoleW, so every name shows exactly, whatever the console's code
// page; "ESC[K" is done there by clearing to the end of the line with the
// console's own calls. Elsewhere the bytes go out as they are.
void writeOutput(FILE *stream, const QByteArray &bytes);
// A path or message as one line of output, with what would break the line
// or fool a terminal escaped (see pathcodec::escapedLine). On Windows, where
// "\" is the separator and names cannot hold control characters, backslashes
// are written as they are; a lone surrogate, which no encoding can carry, is
// written as \uD800.
QString outputLine(const QString &text);
