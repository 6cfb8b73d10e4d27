#pragma once

#include <QString>
#include <QStringList>

// Paths that come from the process itself: its arguments and its current
// directory, as exact as the system gives them, and paths made absolute
// against a directory. Shared by the window and vastrel-top.
namespace localpaths {

// The command-line arguments as text, the program first: on Unix decoded
// from their bytes with pathcodec::fromNative, so a directory whose name is
// not valid UTF-8 keeps every byte (QCoreApplication::arguments() would lose
// them); on Windows Qt's own, taken from the wide command line (argv holds
// the ANSI code page, which loses every character outside it).
QStringList commandLineArguments(int argc, char *argv[]);

// The current directory, decoded the same way; empty when the system cannot
// name it (it was removed, or a folder above it cannot be searched).
QString currentDirectory();

// path made absolute against base and cleaned of ".", ".." and doubled
// separators. A ".." that climbs above the root ("/.." or "C:/..") is
// dropped, as the system stays at the root there. Empty when path is
// relative and base is not absolute (an empty current directory): such a
// path names nothing that can be found again.
QString absoluteClean(const QString &path, const QString &base);

// Whether path is the folder or lies below it ("/data/a" is inside "/data",
// "/database" is not; "/" and "C:/" hold every path that starts with them).
// Nothing is inside an empty folder.
bool isInside(const QString &path, const QString &folder);

} // namespace localpaths
