#pragma once

#include "store/scanrecord.h"

#include <QList>
#include <QString>

// What changed between two scans of one target: among the listed files,
// those that are new, grew, shrank or are gone; among the folders, every
// one whose total changed. Each list is ordered by the size of the change,
// largest first (equal changes in the byte order of their paths).

struct FileChange
{
    enum Kind { New, Grew, Shrank, Gone };
    Kind kind = New;
    QString path;
    // -1 where the file was not listed (before for New, after for Gone).
    qint64 sizeBefore = -1;
    qint64 sizeAfter = -1;

    // The size now, or the size then for a file that is gone.
    qint64 size() const { return kind == Gone ? sizeBefore : sizeAfter; }
    // Signed: what the file added to the listing.
    qint64 change() const { return qMax<qint64>(sizeAfter, 0) - qMax<qint64>(sizeBefore, 0); }
};

struct FolderChange
{
    QString path;
    // -1 where the folder was not there (a new or a gone folder).
    qint64 bytesBefore = -1;
    qint64 bytesAfter = -1;

    qint64 change() const { return qMax<qint64>(bytesAfter, 0) - qMax<qint64>(bytesBefore, 0); }
    // The change against the size then, in percent; 0 when there was
    // nothing before to compare with (a new or empty folder).
    double percent() const;
};

struct ScanComparison
{
    QList<FileChange> files;
    QList<FolderChange> folders;
    // Either scan was stopped before its end: what it lacks may show as gone
    // or new although it is there.
    bool partial = false;
};

// A listed file is matched by its path. "New" and "gone" are about the
// listing: a file listed now but not then may have grown into the list.
ScanComparison compareScans(const ScanRecord &before, const ScanRecord &after);

const char *fileChangeKindName(FileChange::Kind kind);
