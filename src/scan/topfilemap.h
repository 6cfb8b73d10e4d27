#pragma once

#include "scan/foundfile.h"

#include <QList>
#include <QMultiMap>
#include <QMutex>
#include <QString>

// The process-wide ranking of the largest files met during a walk: a
// size-ordered multimap from size in bytes to path, bounded by a capacity.
// Entries with equal sizes are kept in reverse order of insertion, so read
// from the largest key down they come out earliest first; once the ranking is
// full, a file gets in only by being strictly larger than the smallest kept
// one, which it then replaces.
//
// The window clears it and sets the capacity before the walker thread
// starts, only that thread inserts while it runs, and the window reads it
// after the thread has finished; snapshot() alone may run beside a walk.
class TopFileMap
{
public:
    // The one instance, created on the first call and kept until the process ends.
    static TopFileMap *instance();

    // Drops every entry; the capacity stays.
    void clear();
    // Sets how many entries are kept before eviction starts. Entries already
    // held stay even if there are more of them.
    void setCapacity(int capacity);
    // Offers one file to the ranking.
    void insert(qint64 size, const QString &path);
    // The n largest entries (none for n < 1), with one debug line each,
    // largest first. Equal sizes keep their order in the ranking.
    QMultiMap<qint64, QString> top(int n);
    const QMultiMap<qint64, QString> &map() const { return sizeMap; }
    // The n largest entries, largest first, without debug lines; safe to call
    // while a walk inserts.
    QList<FoundFile> snapshot(int n) const;

private:
    TopFileMap() = default;

    // Guards sizeMap against snapshot() while a walk inserts.
    mutable QMutex mutex;
    QMultiMap<qint64, QString> sizeMap;
    int capacity = 1000;
    int count = 0;
};
