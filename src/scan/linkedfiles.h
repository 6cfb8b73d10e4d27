#pragma once

#include "scan/fileidentity.h"
#include "scan/foundfile.h"

#include <QHash>
#include <QMutex>
#include <QString>

class TopFileMap;

// Offers files with several names (hard links) to the ranking once per
// device and inode, under the name that comes first in byte order, whatever
// order the walk's threads meet the names in. A file below the ranking's
// floor can never get in, so it is neither remembered nor offered, and the
// remembered ones are dropped as the floor rises.
class LinkedFiles
{
public:
    explicit LinkedFiles(TopFileMap *ranking);

    // Offers one name of a file with more than one name.
    void offer(qint64 size, const QString &path, quint64 device, quint64 inode);
    // The same with all the walk knows of the file.
    void offer(const FoundFile &file);

private:
    using Key = FileIdentity;
    struct Seen
    {
        qint64 size;
        QString path; // the first in byte order so far
    };

    TopFileMap *const ranking;
    QMutex mutex;
    QHash<Key, Seen> seen;
    qsizetype pruneAt = 1024;
};
