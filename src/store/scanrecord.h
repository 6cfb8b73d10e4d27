#pragma once

#include "scan/scanoptions.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// What the scan history keeps of one scan, as plain values: a scan is copied
// into a ScanRecord when it ends and handed to the store's own thread, and a
// stored scan is read back into one.

// What one walk covers: the roots and the options that decide which entries
// are walked. Two scans of the same target can be compared folder by folder.
struct ScanTarget
{
    QStringList roots;
    bool includeHidden = false;
    bool oneFileSystem = false;
    bool skipNetwork = false;
    QStringList excludes;

    // The roots and excludes made absolute, clean, without repeats and in
    // the byte order of their paths; the walk options of options.
    static ScanTarget of(const QStringList &roots, const ScanOptions &options);
    // One text that is equal for equal targets and differs otherwise: a
    // version line, then one line per root, exclude and option, paths
    // escaped so that no name can pass for a line of its own.
    QString key() const;
};

// What decides which of the walked files are listed; scans of one target
// list comparable files only when their listing is the same.
struct ListingRule
{
    int count = 10;
    qint64 minSize = 0;
    QStringList types;
    int olderThanDays = 0;

    static ListingRule of(int count, const ScanOptions &options);
    bool operator==(const ListingRule &other) const;
    bool operator!=(const ListingRule &other) const { return !(*this == other); }
};

// One listed file. Sizes and times that the scan did not read are -1.
struct StoredFile
{
    QString path;
    qint64 size = 0;
    qint64 sizeOnDisk = -1;
    // Milliseconds since 1970 (UTC).
    qint64 modified = -1;
    quint64 device = 0;
    quint64 inode = 0;
};

// The totals of one folder: everything below it, itself included.
struct FolderTotal
{
    QString path;
    qint64 bytes = 0;
    qint64 bytesOnDisk = -1;
    qint64 fileCount = 0;
};

// A stored scan without its files and folders, for the list of a target's
// history.
struct ScanSummary
{
    qint64 id = 0;
    QDateTime started; // UTC
    qint64 durationMs = 0;
    bool partial = false;
    qint64 fileCount = 0;
    qint64 byteCount = 0;
    qint64 bytesOnDisk = -1;
    qint64 unreadableCount = 0;
    ListingRule listing;
    qint64 listedCount = 0;
    qint64 folderCount = 0;
};

struct ScanRecord
{
    ScanTarget target;
    ScanSummary summary;
    // Largest first, as listed.
    QList<StoredFile> files;
    // In any order; a folder whose parent is not among them is a top folder.
    QList<FolderTotal> folders;
};

class ScanSession;
struct FoundFile;

// The record of a scan that has just ended: its target (roots as given to
// the session), when and how long, whether it was stopped, its counts and
// the files it listed. The folder totals are the caller's to add.
ScanRecord scanRecordOf(const ScanSession &session, const QStringList &roots,
                        const QList<FoundFile> &listed);
