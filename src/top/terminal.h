#pragma once

// What vastrel-top needs to know about the terminal: whether its progress line
// can go to standard error, and how wide that line may be.

// True when standard error is a terminal.
bool stderrIsTerminal();
// The width of the terminal on standard error, or 80 when it is unknown.
int terminalColumns();
