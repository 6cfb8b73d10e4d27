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
    const qint64 sizeA = sizeOf(a, kind);
    const qint64 sizeB = sizeOf(b, kind);
    if (sizeA != sizeB)
        return sizeA < sizeB;
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

void TopFileMap::setRankBy(SizeKind rankBy)
{
    QMutexLocker lock(&mutex);
    if (rankBy == kind)
        return;
    kind = rankBy;
    sizeMap = Entries(EvictionOrder {kind});
    count = 0;
    updateFloor();
}

// Full, a capacity below 1 included: files at the smallest kept size may
// still get in by their path; an empty full ranking takes nothing at all.
void TopFileMap::updateFloor()
{
    qint64 floor = noFloor;
    if (count >= capacity)
        floor =
            sizeMap.empty() ? std::numeric_limits<qint64>::max() : sizeOf(*sizeMap.begin(), kind);
    smallest.store(floor, std::memory_order_relaxed);
}

void TopFileMap::insert(qint64 size, const QString &path, quint64 device, quint64 inode)
{
    FoundFile file;
    file.size = size;
    file.path = path;
    file.device = device;
    file.inode = inode;
    insert(std::move(file));
}

void TopFileMap::insert(FoundFile file)
{
    // A stale floor is never above the true one: at worst the lock decides.
    if (sizeOf(file, kind) < floor())
        return;
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
    FoundFile file;
    file.size = size;
    file.path = newPath;
    file.device = device;
    file.inode = inode;
    replace(oldPath, std::move(file));
}

void TopFileMap::replace(const QString &oldPath, FoundFile file)
{
    {
        QMutexLocker lock(&mutex);
        FoundFile old = file;
        old.path = oldPath;
        const auto held = sizeMap.find(old);
        if (held != sizeMap.end()) {
            // The new name ranks right before the old one: it takes its place.
            sizeMap.erase(held);
            sizeMap.insert(std::move(file));
            return;
        }
    }
    insert(std::move(file));
}

void TopFileMap::updateMeasures(const QList<FoundFile> &files)
{
    QMutexLocker lock(&mutex);
    for (const FoundFile &file : files) {
        auto held = sizeMap.find(file);
        if (held == sizeMap.end())
            continue;
        // The measures take no part in the order: the entry keeps its place.
        auto hint = sizeMap.erase(held);
        sizeMap.insert(hint, file);
    }
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
        result.insert(sizeOf(file, kind), file.path);
    return result;
}

QMultiMap<qint64, QString> TopFileMap::map() const
{
    QMutexLocker lock(&mutex);
    QMultiMap<qint64, QString> result;
    for (const FoundFile &file : sizeMap)
        result.insert(result.cend(), sizeOf(file, kind), file.path);
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
