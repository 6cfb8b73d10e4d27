#pragma once

#include "scan/foundfile.h"

#include <QList>
#include <QMultiMap>
#include <QMutex>
#include <QString>

#include <atomic>
#include <limits>
#include <set>

// The process-wide ranking of the largest files met during a walk: a
// size-ordered multimap from size in bytes to path, bounded by a capacity.
// Equal sizes are ordered by path, in the byte order of the paths' native
// form (pathcodec::compareNative): read from the largest key down they come
// out first path first. Once the ranking is full, a file gets in only by
// ranking before the last kept one (larger, or as large with a path first in
// that order), which it then replaces. So the ranking ends the same whatever
// order the files were offered in. Each entry also keeps the identity the
// walk met the file with (FoundFile's device and inode). Inserting and
// evicting cost a logarithmic number of comparisons, however many files share
// one size.
//
// The owner clears it and sets the capacity before a walk starts; the walk's
// threads insert while it runs, each with its own files; the owner reads it
// after the walk has finished. snapshot() and floor() may run beside a walk.
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
    // Offers one file to the ranking, with its device and inode (0 where
    // unknown). Cheap for a file below floor(): one atomic load, no lock.
    void insert(qint64 size, const QString &path, quint64 device = 0, quint64 inode = 0);
    // Puts newPath (another name of the same file: same size, device and
    // inode) in the place of oldPath, or offers it when oldPath is not held
    // (evicted). newPath must come before oldPath.
    void replace(qint64 size, const QString &oldPath, const QString &newPath, quint64 device = 0,
                 quint64 inode = 0);
    // The n largest entries (none for n < 1), with one debug line each,
    // largest first. Equal sizes keep their order in the ranking.
    QMultiMap<qint64, QString> top(int n);
    // The same entries with their identities, largest first, and the same
    // debug lines.
    QList<FoundFile> topFiles(int n);
    // Every entry, as a size-ordered multimap (equal sizes last path first).
    QMultiMap<qint64, QString> map() const;
    // How many entries are held.
    int size() const;
    // The n largest entries, largest first, without debug lines; safe to call
    // while a walk inserts.
    QList<FoundFile> snapshot(int n) const;
    // The smallest size that may still get in: the smallest kept size once
    // the ranking is full, the lowest qint64 before. It only rises while
    // files are inserted.
    qint64 floor() const { return smallest.load(std::memory_order_relaxed); }

private:
    // Smallest size first; within a size, the path last in byte order first.
    // So the first entry is always the one to evict, and read from the end
    // the entries come out in the ranking's order.
    struct EvictionOrder
    {
        bool operator()(const FoundFile &a, const FoundFile &b) const;
    };
    using Entries = std::multiset<FoundFile, EvictionOrder>;

    TopFileMap() = default;

    void updateFloor();

    // Guards sizeMap and count against concurrent inserts and snapshot().
    mutable QMutex mutex;
    Entries sizeMap;
    int capacity = 1000;
    int count = 0;
    std::atomic<qint64> smallest {std::numeric_limits<qint64>::min()};
};
