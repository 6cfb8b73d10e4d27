#pragma once

#include "scan/foundfile.h"

#include <QStringList>
#include <QtGlobal>

// What a scan counts besides the roots: which entries are walked and which
// files are offered to the ranking. The defaults walk what the program has
// always walked: everything but hidden names, across file systems.
//
// The first four choose what is walked. The last three (minSize, types,
// olderThanDays) choose what is ranked: a file outside them is still walked,
// reported by walker::walkfile and counted in the file and byte counts, but
// never offered to the ranking.
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
    // Folders that are not entered; ScanSession makes them absolute and clean.
    QStringList excludes;
    // Only files of at least this many bytes.
    qint64 minSize = 0;
    // Only files with one of these extensions, in any case, with or without
    // the dot ("mkv", ".ISO", "tar.gz"); empty: every file.
    QStringList types;
    // Only files not modified for this many days; 0: any.
    int olderThanDays = 0;
    // What the ranking orders the files by: their length (as always) or the
    // space they take on disk.
    SizeKind rankBy = SizeKind::Apparent;
    // Whether the scan sums the files below every folder (ScanSession's
    // largestFolders()); its cost grows with the folders, not the files.
    bool folderTotals = true;
    // Whether the scan, once walked, measures what removing each of the
    // results would free (FoundFile::frees; see freespace.h).
    bool measureFrees = true;
};

// What the program scans unless the user says otherwise, in the window and
// in vastrel-top alike: the defaults above, except that network file systems
// met below a root are left out: a scan of "/" must not crawl a share.
inline ScanOptions defaultScanOptions()
{
    ScanOptions options;
    options.skipNetwork = true;
    return options;
}
