#pragma once

#include "scan/directoryreader.h"

#include <QByteArray>

struct stat;

// What the POSIX directory readers (getdents64() on Linux, readdir()
// elsewhere) share: opening directories, and turning a listed name and its
// stat() into an entry.

// "." or "..", which a listing never reports.
inline bool isDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Fills the File fields of entry from st (regular files only): size,
// identity and number of names; modified in milliseconds, as the caller
// reads it from st (to the nanosecond where the system has st_mtim).
void setFileEntry(DirectoryEntry &entry, const struct stat &st, qint64 modified);

// openat() of a directory relative to `at` (AT_FDCWD: the current one) with
// O_DIRECTORY and O_CLOEXEC added to flags, retried when a signal interrupts
// it. The descriptor, or -1 with errno set.
int openDirectoryAt(int at, const char *path, int flags);

// Opens the directory at an absolute path of any length for reading. A path
// of pieceLength bytes or more (a tree thousands of levels deep) is walked
// down in pieces, each opened relative to the one before with
// intermediateFlags (O_PATH where the system has it), holding two
// descriptors at most.
int openDirectoryPath(const QByteArray &path, qsizetype pieceLength, int intermediateFlags);
