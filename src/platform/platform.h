#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The few operations whose implementation differs by operating system. CMake
// builds exactly one implementation file (platform_windows.cpp or
// platform_linux.cpp); callers include this header and nothing else, so no other
// file needs to know which system it runs on.
namespace platform {

// One-line description of what revealFile(path) asks the system to do, for the
// debug channel: the Explorer command line on Windows, the D-Bus call and the
// file's URL on Linux. Empty for an empty path.
QString revealCommand(const QString &path);

// Shows the file manager with the file selected and returns at once. When that
// cannot be done, the directory that contains the file is opened through the
// desktop's URL handler instead. An empty path does nothing.
void revealFile(const QString &path);

// Windows only: replaces how revealFile starts Explorer, given the program and
// its native arguments and answering whether it started, so a test sees the
// command without opening a window. An empty function restores the real start.
using DetachedStart = std::function<bool(const QString &program, const QString &arguments)>;
void setDetachedStartForTests(DetachedStart start);

// Registers the "Find Vastrel Here" entry in the file manager's context menu
// for directories, pointing at the running program, and writes the command to
// the debug channel. Failures are silent: the menu entry is a convenience.
void registerDirectoryVerb();

} // namespace platform
