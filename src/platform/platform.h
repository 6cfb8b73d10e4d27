#pragma once

#include "scan/foundfile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QObject;

// The few operations whose implementation differs by operating system. CMake
// builds exactly one implementation file (platform_windows.cpp or
// platform_linux.cpp); callers include this header and nothing else, so no other
// file needs to know which system it runs on.
namespace platform {

// One-line description of what revealFile(path) asks the system to do, for the
// debug channel: the Explorer command line on Windows, the D-Bus call and the
// file's URL on Linux. Empty for an empty path.
QString revealCommand(const QString &path);

// Told why something could not be opened, as plain text ("no application is
// set up to open it"); the caller names what it was.
using OpenFailed = std::function<void(const QString &reason)>;

// Opens url with the desktop's handler for it (xdg-open where there is one)
// and returns at once. When it cannot be opened, failed is called with the
// reason on the GUI thread, later rather than during the call (the handler
// may report its failure only when it ends), and not at all once receiver is
// gone.
void openUrl(const QUrl &url, QObject *receiver, OpenFailed failed);

// For tests: openUrl hands every URL to opener instead of the desktop and
// reports a failure when it answers false. An empty function restores the
// real opener.
using UrlOpener = std::function<bool(const QUrl &)>;
void setUrlOpenerForTests(UrlOpener opener);

// Shows the file manager with the file selected and returns at once. When that
// cannot be done, the directory that contains the file is opened through
// openUrl instead, which reports to receiver and failed when that fails too.
// An empty path does nothing.
void revealFile(const QString &path, QObject *receiver = nullptr, OpenFailed failed = {});

// Windows only: replaces how revealFile starts Explorer, given the program and
// its native arguments and answering whether it started, so a test sees the
// command without opening a window. An empty function restores the real start.
using DetachedStart = std::function<bool(const QString &program, const QString &arguments)>;
void setDetachedStartForTests(DetachedStart start);

// Registers the "Find Vastrel Here" entry in the file manager's context menu
// for directories, pointing at the running program, and writes the command to
// the debug channel. Failures are silent: the menu entry is a convenience.
void registerDirectoryVerb();

// What moveToTrash did with a file.
enum class TrashResult {
    Trashed,
    // It is not the file the scan found: another file (or a link) is at its
    // path or on the way to it, its size differs, it was modified after the
    // scan started, or it is no longer a regular file.
    Changed,
    // Nothing is at its path any more.
    Vanished,
    // The trash would not take it (no usable trash, no permission).
    Refused,
};

struct TrashOutcome
{
    TrashResult result = TrashResult::Refused;
    QString reason; // plain text, empty when trashed
};

// Moves the file to the system's trash (the freedesktop trash through GIO on
// Linux, the Recycle Bin on Windows) if it is still the file the scan found:
// a regular file of the recorded size, not modified after scanStarted, and,
// where the scan recorded its identity (device and inode), that very file,
// reached from the root without following a symbolic link. Anything else is
// left where it is. Nothing is ever deleted. It counts as trashed only once
// nothing is at its path any more.
TrashOutcome moveToTrash(const FoundFile &file, const QDateTime &scanStarted);

// Moves a folder of the scan, with everything in it, to the same trash if
// it is still a folder reached from the root without following a symbolic
// link, and none of its own entries was added, removed or renamed after
// scanStarted. A folder that another file system is mounted on, or inside
// (as far as the system tells), stays where it is, as does anything else
// that is not as the scan found it. Nothing is ever deleted.
TrashOutcome moveFolderToTrash(const QString &path, const QDateTime &scanStarted);

} // namespace platform
