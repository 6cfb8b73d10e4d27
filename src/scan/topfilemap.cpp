#include "scan/topfilemap.h"

#include "scan/pathcodec.h"
#include "scan/sizetext.h"

#include <QDebug>

#include <climits>
#include <limits>

namespace {
constexpr qint64 noFloor = std::numeric_limits<qint64>::min();
}

TopFileMap *TopFileMap::instance()
{
    static TopFileMap *const self = new TopFileMap;
    return self;
}

bool TopFileMap::EvictionOrder::operator()(const FoundFile &a, const FoundFile &b) const
{
    if (a.size != b.size)
        return a.size < b.size;
    return pathcodec::compareNative(a.path, b.path) > 0;
}

void TopFileMap::clear()
{
    QMutexLocker lock(&mutex);
    sizeMap.clear();
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
        floor = sizeMap.empty() ? std::numeric_limits<qint64>::max() : sizeMap.begin()->size;
    smallest.store(floor, std::memory_order_relaxed);
}

void TopFileMap::insert(qint64 size, const QString &path, quint64 device, quint64 inode)
{
    // A stale floor is never above the true one: at worst the lock decides.
    if (size < floor())
        return;
    FoundFile file {size, path, device, inode};
    QMutexLocker lock(&mutex);
    if (count < capacity) {
        sizeMap.insert(std::move(file));
        ++count;
        updateFloor();
        return;
    }
    // Full. A capacity below 1 can leave the ranking full and empty at once:
    // there is no smallest entry to compare with, so the file is dropped.
    if (sizeMap.empty())
        return;
    const auto last = sizeMap.begin();
    if (!EvictionOrder()(*last, file))
        return;
    sizeMap.erase(last);
    sizeMap.insert(std::move(file));
    updateFloor();
}

void TopFileMap::replace(qint64 size, const QString &oldPath, const QString &newPath,
                         quint64 device, quint64 inode)
{
    {
        QMutexLocker lock(&mutex);
        const auto held = sizeMap.find(FoundFile {size, oldPath});
        if (held != sizeMap.end()) {
            // newPath ranks right before oldPath: it takes its place.
            sizeMap.erase(held);
            sizeMap.insert(FoundFile {size, newPath, device, inode});
            return;
        }
    }
    insert(size, newPath, device, inode);
}

QList<FoundFile> TopFileMap::topFiles(int n)
{
    QList<FoundFile> list = snapshot(n);
    for (const FoundFile &file : std::as_const(list))
        qDebug() << megabytes(file.size) << ":" << file.path;
    return list;
}

QMultiMap<qint64, QString> TopFileMap::top(int n)
{
    QMultiMap<qint64, QString> result;
    // Taken from the largest down, each before its equal keys: equal keys
    // keep their order.
    for (const FoundFile &file : topFiles(n))
        result.insert(file.size, file.path);
    return result;
}

QMultiMap<qint64, QString> TopFileMap::map() const
{
    QMutexLocker lock(&mutex);
    QMultiMap<qint64, QString> result;
    for (const FoundFile &file : sizeMap)
        result.insert(result.cend(), file.size, file.path);
    return result;
}

int TopFileMap::size() const
{
    QMutexLocker lock(&mutex);
    return int(sizeMap.size());
}

QList<FoundFile> TopFileMap::snapshot(int n) const
{
    QMutexLocker lock(&mutex);
    QList<FoundFile> list;
    list.reserve(qBound(0, n, int(qMin<size_t>(sizeMap.size(), INT_MAX))));
    for (auto it = sizeMap.crbegin(); n > 0 && it != sizeMap.crend(); ++it, --n)
        list.append(*it);
    return list;
}
