#pragma once

#include <QByteArray>

// Opening directories on POSIX systems, shared by their directory readers.

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
