#pragma once

#include "scan/directoryreader.h"

#include <QString>

#include <string>

#include <windows.h>

// The rules of the Windows directory reader, apart from the system calls so a
// test can apply them to listing data it makes itself.
namespace windowslisting {

// The path in the form the file functions take at any length: "\\?\" and the
// absolute path with backslashes ("\\?\UNC\server\share\..." for a network
// path). The program's paths are clean and absolute, so they convert as they
// are; anything else is first made absolute by the system.
std::wstring extendedPath(const QString &path);

// Fills entry from one entry of a FindFirstFileExW listing; false when the
// entry is not listed: "." and "..", hidden entries when skipHidden, links
// (symbolic links, junctions, mount points: every reparse point that stands
// for another name), and what is neither file nor directory (devices, the
// sockets and fifos of the Linux subsystem). Other reparse points, such as
// cloud placeholders, deduplicated or compressed files, are the files and
// folders themselves and are listed. Does not set the name or position.
bool entryFromFindData(const WIN32_FIND_DATAW &data, bool skipHidden, DirectoryEntry &entry);

// Appends the entry's name to names exactly as the system gave it, unpaired
// surrogates included.
void appendName(QString &names, const WIN32_FIND_DATAW &data);

// A FILETIME as milliseconds since 1970-01-01 UTC.
qint64 millisecondsSinceEpoch(const FILETIME &time);

} // namespace windowslisting
