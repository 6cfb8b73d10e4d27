#pragma once

#include <QStringList>
#include <QtGlobal>

// What a scan counts besides the roots: which entries are walked and which
// files are offered to the ranking. The defaults walk what the program has
// always walked: everything but hidden names, across file systems.
struct ScanOptions
{
    // Hidden files and folders too (names starting with "."; on Windows the
    // hidden attribute).
    bool includeHidden = false;
    // Never leave the file system each root is on.
    bool oneFileSystem = false;
    // Leave out network file systems (NFS, SMB/CIFS, sshfs and other FUSE
    // network mounts) met below a root.
    bool skipNetwork = false;
    // Folders that are not entered, absolute and clean.
    QStringList excludes;
    // Only files of at least this many bytes.
    qint64 minSize = 0;
    // Only files with one of these extensions (lower case, without the dot);
    // empty: every file.
    QStringList types;
    // Only files not modified for this many days; 0: any.
    int olderThanDays = 0;
};
