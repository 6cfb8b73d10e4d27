#pragma once

#include "scan/scanoptions.h"

#include <QStringList>
#include <QStringView>

// Which files a scan offers to the ranking: at least minSize bytes, one of
// the types (read as filetypes reads them; a name ending in "." and the
// type, case-insensitively, so "gz" and "tar.gz" both match "x.tar.gz"), not
// modified for olderThanDays days before `now`. Files outside it are still walked and counted.
class FileFilter
{
public:
    FileFilter(const ScanOptions &options, qint64 nowMilliseconds);

    // False when the filter lets every file through.
    bool isActive() const { return active; }
    bool accepts(QStringView name, qint64 size, qint64 modifiedMilliseconds) const;

private:
    qint64 minSize;
    QStringList suffixes; // ".type"
    qint64 modifiedBefore; // milliseconds; files modified later are left out
    bool active;
};
