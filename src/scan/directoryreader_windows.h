#pragma once

#include "scan/directoryreader.h"

#include <QString>

#include <functional>
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

// A file's space on disk from its listing, without opening it: a cloud
// placeholder (recalled on open or on access to its data, or offline) takes
// 0, and is neither opened nor asked about, so it is never fetched; a
// compressed or sparse file is asked about with compressedSize (the system's
// GetCompressedFileSizeW(), an extra call for those files alone), falling
// back on the listing where the answer is negative; any other file takes the
// allocation the listing gives (-1 where the listing gives none).
qint64 allocatedSize(DWORD attributes, qint64 listedAllocation,
                     const std::function<qint64()> &compressedSize);

// A FILETIME as milliseconds since 1970-01-01 UTC.
qint64 millisecondsSinceEpoch(const FILETIME &time);

} // namespace windowslisting
