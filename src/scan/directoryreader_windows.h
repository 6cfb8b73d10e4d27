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

// Fills entry from one record of a FileIdBothDirectoryInfo listing of the
// volume with the given serial number; false when the entry is not listed:
// "." and "..", hidden entries when skipHidden, links (symbolic links,
// junctions, mount points: every reparse point that stands for another
// name), and what is neither file nor directory (devices, the sockets and
// fifos of the Linux subsystem). Other reparse points, such as cloud
// placeholders, deduplicated or compressed files, are the files and folders
// themselves and are listed. A file's identity is the volume serial and its
// file ID; the listing does not tell the number of names, so links stays 0.
// Does not set the name or position.
bool entryFromListing(const FILE_ID_BOTH_DIR_INFO &record, quint64 volumeSerial, bool skipHidden,
                      DirectoryEntry &entry);

// Whether a reparse point with this tag is the file or folder itself (a cloud
// placeholder, a deduplicated or compressed file) rather than a link to
// another name or a socket, fifo or device of the Linux subsystem.
bool reparseTagIsItself(DWORD tag);

// Appends the record's name to names exactly as the system gave it, unpaired
// surrogates included.
void appendName(QString &names, const FILE_ID_BOTH_DIR_INFO &record);

// A file's space on disk from its listing, without opening it: a cloud
// placeholder (recalled on open or on access to its data, or offline) takes
// 0, and is neither opened nor asked about, so it is never fetched; a
// compressed or sparse file is asked about with compressedSize (the system's
// GetCompressedFileSizeW(), an extra call for those files alone), falling
// back on the listing where the answer is negative; any other file takes the
// allocation the listing gives (-1 where the listing gives none).
qint64 allocatedSize(DWORD attributes, qint64 listedAllocation,
                     const std::function<qint64()> &compressedSize);

// A FILETIME, or the same count of 100-nanosecond ticks since 1601, as
// milliseconds since 1970-01-01 UTC.
qint64 millisecondsSinceEpoch(const FILETIME &time);
qint64 millisecondsSinceEpoch(qint64 ticks);

// The root that GetDriveTypeW is asked about for an extended path: "X:\" for
// \\?\X:\..., empty for a network path (always a network file system) and
// for anything else.
std::wstring driveRootOf(const std::wstring &extendedPath);

// What a drive type from GetDriveTypeW means for the walk: DRIVE_REMOTE is a
// network drive, every other type holds files on this computer.
FileSystemKind kindOfDriveType(UINT driveType);

// Replaces GetDriveTypeW for the reader, so a test can make a folder of its
// own look like a mapped network drive; an empty function restores the
// system's answer.
using DriveTypeQuery = std::function<UINT(const wchar_t *root)>;
void setDriveTypeQueryForTests(DriveTypeQuery query);
UINT driveType(const wchar_t *root);

} // namespace windowslisting
