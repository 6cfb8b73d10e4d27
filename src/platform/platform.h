#pragma once

#include <QString>
#include <QStringList>

// The few operations whose implementation differs by operating system. CMake
// builds exactly one implementation file (platform_windows.cpp or
// platform_linux.cpp); callers include this header and nothing else, so no other
// file needs to know which system it runs on.
namespace platform {

// The command-line arguments as text, the program first, as the application
// object left argc and argv: on Unix decoded from their bytes with
// pathcodec::fromNative, so a directory whose name is not valid UTF-8 keeps
// every byte; on Windows Qt's own, taken from the wide command line.
QStringList commandLineArguments(int argc, char *argv[]);

// The current directory, decoded the same way.
QString currentDirectory();

// One-line description of what revealFile(path) asks the system to do, for the
// debug channel: the Explorer command line on Windows, the D-Bus call and the
// file's URL on Linux. Empty for an empty path.
QString revealCommand(const QString &path);

// Shows the file manager with the file selected and returns at once. When that
// cannot be done, the directory that contains the file is opened through the
// desktop's URL handler instead. An empty path does nothing.
void revealFile(const QString &path);

// Registers the "Find Vastrel Here" entry in the file manager's context menu
// for directories, pointing at the running program, and writes the command to
// the debug channel. Failures are silent: the menu entry is a convenience.
void registerDirectoryVerb();

} // namespace platform
