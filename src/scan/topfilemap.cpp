#include "scan/topfilemap.h"

#include "scan/pathcodec.h"
#include "scan/sizetext.h"

#include <QDebug>

#include <limits>

namespace {
constexpr qint64 noFloor = std::numeric_limits<qint64>::min();
}

TopFileMap *TopFileMap::instance()
{
    static TopFileMap *const self = new TopFileMap;
    return self;
}

void TopFileMap::clear()
{
    QMutexLocker lock(&mutex);
    sizeMap = QMultiMap<qint64, QString>();
    count = 0;
    updateFloor();
}

void TopFileMap::setCapacity(int capacity)
{
    QMutexLocker lock(&mutex);
    this->capacity = capacity;
    updateFloor();
}

// Full, a capacity below 1 included: files at the smallest kept size may
// still get in by their path; an empty full ranking takes nothing at all.
void TopFileMap::updateFloor()
{
    qint64 floor = noFloor;
    if (count >= capacity)
        floor = sizeMap.isEmpty() ? std::numeric_limits<qint64>::max() : sizeMap.firstKey();
    smallest.store(floor, std::memory_order_relaxed);
}

// Within a run of equal keys the paths are kept last first, so that read
// from the largest key down (as top() and every reader do) they come out
// first first; the map's first entry is then always the one to evict.
void TopFileMap::add(qint64 size, const QString &path)
{
    auto position = sizeMap.lowerBound(size);
    while (position != sizeMap.end() && position.key() == size &&
           pathcodec::nativeLess(path, position.value()))
        ++position;
    sizeMap.insert(QMultiMap<qint64, QString>::const_iterator(position), size, path);
}

void TopFileMap::insert(qint64 size, const QString &path)
{
    // A stale floor is never above the true one: at worst the lock decides.
    if (size < floor())
        return;
    QMutexLocker lock(&mutex);
    if (count < capacity) {
        add(size, path);
        ++count;
        updateFloor();
        return;
    }
    // Full. A capacity below 1 can leave the ranking full and empty at once:
    // there is no smallest entry to compare with, so the file is dropped.
    if (sizeMap.isEmpty())
        return;
    const auto last = sizeMap.begin();
    if (last.key() > size || (last.key() == size && !pathcodec::nativeLess(path, last.value())))
        return;
    sizeMap.erase(last);
    add(size, path);
    updateFloor();
}

void TopFileMap::replace(qint64 size, const QString &oldPath, const QString &newPath)
{
    {
        QMutexLocker lock(&mutex);
        for (auto it = sizeMap.lowerBound(size); it != sizeMap.end() && it.key() == size; ++it) {
            if (it.value() == oldPath) {
                // newPath ranks right before oldPath: it takes its place.
                sizeMap.erase(it);
                add(size, newPath);
                return;
            }
        }
    }
    insert(size, newPath);
}

QMultiMap<qint64, QString> TopFileMap::top(int n)
{
    QMultiMap<qint64, QString> result;
    for (auto it = sizeMap.cend(); n > 0 && it != sizeMap.cbegin(); --n) {
        --it;
        qDebug() << megabytes(it.key()) << ":" << it.value();
        result.insert(it.key(), it.value());
    }
    return result;
}

QList<FoundFile> TopFileMap::snapshot(int n) const
{
    QMutexLocker lock(&mutex);
    QList<FoundFile> list;
    list.reserve(qBound(0, n, int(sizeMap.size())));
    for (auto it = sizeMap.cend(); n > 0 && it != sizeMap.cbegin(); --n) {
        --it;
        list.append({it.key(), it.value()});
    }
    return list;
}
