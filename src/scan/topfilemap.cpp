#include "scan/topfilemap.h"

#include "scan/sizetext.h"

#include <QDebug>

TopFileMap *TopFileMap::instance()
{
    static TopFileMap *const self = new TopFileMap;
    return self;
}

void TopFileMap::clear()
{
    sizeMap = QMultiMap<qint64, QString>();
    count = 0;
}

void TopFileMap::setCapacity(int capacity)
{
    this->capacity = capacity;
}

// QMultiMap::insert places a new entry before the entries with an equal key,
// which gives the eviction order: the smallest entry met last goes first.
void TopFileMap::insert(qint64 size, const QString &path)
{
    QMutexLocker lock(&mutex);
    if (count < capacity) {
        sizeMap.insert(size, path);
        ++count;
        return;
    }
    // Full. A capacity below 1 can leave the ranking full and empty at once:
    // there is no smallest entry to compare with, so the file is dropped.
    if (sizeMap.isEmpty())
        return;
    const auto smallest = sizeMap.cbegin();
    if (smallest.key() >= size)
        return;
    sizeMap.erase(smallest);
    sizeMap.insert(size, path);
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
    for (auto it = sizeMap.cend(); n > 0 && it != sizeMap.cbegin(); --n) {
        --it;
        list.append({it.key(), it.value()});
    }
    return list;
}
