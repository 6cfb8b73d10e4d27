#pragma once

#include <QString>

// How the program reads its command line.
namespace commandline {

// The directory to scan for a directory argument: made absolute against
// currentDir (the caller's working directory when the program started) and
// cleaned of ".", ".." and doubled separators, so the table and the file
// manager get full paths ("../stuff" from /home/u/a gives /home/u/stuff,
// "/etc/." gives /etc). An empty argument stays empty: it names nothing. A
// relative argument that cannot be made absolute (currentDir empty: the
// directory was removed) is kept as it is, so the scan reports it as a
// folder it cannot find.
QString directoryArgument(const QString &argument, const QString &currentDir);

} // namespace commandline
