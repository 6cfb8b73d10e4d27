#include "scan/foldertree.h"

#include "scan/localpaths.h"
#include "scan/pathcodec.h"
#include "scan/sizetext.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <queue>

namespace {

constexpr int blockBits = 12;
constexpr FolderTree::Index blockSize = FolderTree::Index(1) << blockBits;
// At most 2^28 folders: a table of 2^16 block pointers, of which calloc()
// makes only the pages used resident.
constexpr FolderTree::Index tableSize = FolderTree::Index(1) << 16;
constexpr FolderTree::Index mostFolders = tableSize * blockSize;
// Names are kept in blocks of this many UTF-16 units; a longer name gets a
// block of its own.
constexpr qsizetype nameBlockSize = 64 * 1024;

constexpr quint8 unreadableFlag = 1;
constexpr quint8 skippedFlag = 2;

void addSaturated(std::atomic<qint64> &value, qint64 amount)
{
    qint64 current = value.load(std::memory_order_relaxed);
    while (!value.compare_exchange_weak(current, saturatedSum(current, amount),
                                        std::memory_order_relaxed)) { }
}

} // namespace

// 48 bytes; the name lives in a name block.
struct FolderTree::Node
{
    const char16_t *name = nullptr;
    Index parent = none;
    quint32 nameLength = 0;
    quint32 root = 0;
    std::atomic<quint8> flags {0};
    // The files directly in this folder.
    std::atomic<qint64> files {0};
    std::atomic<qint64> size {0};
    std::atomic<qint64> allocated {0};
};

struct FolderTree::Sums
{
    qint64 size = 0;
    qint64 allocated = 0;
    qint64 files = 0;
    bool complete = true;
    bool listed = false;
};

void FolderTree::FreeTable::operator()(Node **table) const
{
    std::free(table);
}

FolderTree::FolderTree() : table(static_cast<Node **>(std::calloc(tableSize, sizeof(Node *))))
{
    if (!table)
        throw std::bad_alloc();
}

FolderTree::~FolderTree() = default;

void FolderTree::clear()
{
    QMutexLocker lock(&mutex);
    for (size_t i = 0; i < blocks.size(); ++i)
        table[i] = nullptr;
    blocks.clear();
    nameBlocks.clear();
    nameUsed = 0;
    count.store(0);
    roots.clear();
    QMutexLocker linkedLock(&linkedMutex);
    linked.clear();
}

FolderTree::Node &FolderTree::node(Index index) const
{
    return table[index >> blockBits][index & (blockSize - 1)];
}

FolderTree::Index FolderTree::addRoot(const QString &path)
{
    try {
        QMutexLocker lock(&mutex);
        for (Root &root : roots) {
            if (root.counted && localpaths::isInside(path, root.path))
                return none;
        }
        // A root that holds roots walked before replaces them.
        for (Root &root : roots) {
            if (root.counted && localpaths::isInside(root.path, path))
                root.counted = false;
        }
        roots.push_back(Root {path, true});
        lock.unlock();
        return add(none, quint32(roots.size() - 1), path);
    } catch (const std::bad_alloc &) {
        return none;
    }
}

FolderTree::Index FolderTree::addChild(Index parent, QStringView name)
{
    if (parent == none)
        return none;
    try {
        return add(parent, node(parent).root, name);
    } catch (const std::bad_alloc &) {
        return none;
    }
}

FolderTree::Index FolderTree::add(Index parent, quint32 root, QStringView name)
{
    QMutexLocker lock(&mutex);
    const Index index = count.load(std::memory_order_relaxed);
    if (index >= mostFolders)
        return none;
    if ((index & (blockSize - 1)) == 0) {
        blocks.push_back(std::make_unique<Node[]>(blockSize));
        table[index >> blockBits] = blocks.back().get();
    }
    const qsizetype length = name.size();
    if (nameBlocks.empty() || nameUsed + length > nameBlockSize) {
        nameBlocks.push_back(std::make_unique<char16_t[]>(qMax(length, nameBlockSize)));
        nameUsed = 0;
    }
    char16_t *stored = nameBlocks.back().get() + nameUsed;
    std::memcpy(stored, name.utf16(), size_t(length) * sizeof(char16_t));
    nameUsed += length;
    Node &added = node(index);
    added.name = stored;
    added.nameLength = quint32(length);
    added.parent = parent;
    added.root = root;
    // Readers take the count under the mutex: the node is complete by then.
    count.store(index + 1, std::memory_order_release);
    return index;
}

void FolderTree::markSkipped(Index folder)
{
    if (folder != none)
        node(folder).flags.fetch_or(skippedFlag, std::memory_order_relaxed);
}

void FolderTree::markUnreadable(Index folder)
{
    if (folder != none)
        node(folder).flags.fetch_or(unreadableFlag, std::memory_order_relaxed);
}

void FolderTree::addFiles(Index folder, qint64 files, qint64 size, qint64 allocated)
{
    if (folder == none || files == 0)
        return;
    Node &here = node(folder);
    here.files.fetch_add(files, std::memory_order_relaxed);
    addSaturated(here.size, size);
    addSaturated(here.allocated, allocated);
}

void FolderTree::addLinked(Index folder, const QString &path, qint64 size, qint64 allocated,
                           quint64 device, quint64 inode)
{
    if (folder == none)
        return;
    QMutexLocker lock(&linkedMutex);
    const Key key {device, inode};
    auto found = linked.find(key);
    if (found == linked.end()) {
        linked.insert(key, Linked {folder, size, allocated, path});
        addFiles(folder, 1, size, allocated);
        return;
    }
    // The same path again comes from a root that replaced the one it was
    // first met under.
    const int order = pathcodec::compareNative(path, found->path);
    if (order > 0 || (order == 0 && rootCounted(node(found->folder).root)))
        return;
    Node &old = node(found->folder);
    old.files.fetch_sub(1, std::memory_order_relaxed);
    addSaturated(old.size, -found->size);
    addSaturated(old.allocated, -found->allocated);
    *found = Linked {folder, size, allocated, path};
    addFiles(folder, 1, size, allocated);
}

bool FolderTree::rootCounted(quint32 root) const
{
    QMutexLocker lock(&mutex);
    return root < roots.size() && roots[root].counted;
}

qint64 FolderTree::folderCount() const
{
    Index total = 0;
    const std::vector<Sums> totals = sums(total);
    return std::count_if(totals.cbegin(), totals.cend(), [](const Sums &s) { return s.listed; });
}

// Every folder's sums, added up from the bottom: a folder is always added
// after its parent, so one pass from the last folder to the first carries
// every folder's sums into its parent's before the parent is passed.
std::vector<FolderTree::Sums> FolderTree::sums(Index &total) const
{
    std::vector<bool> counted;
    {
        QMutexLocker lock(&mutex);
        total = count.load(std::memory_order_acquire);
        counted.reserve(roots.size());
        for (const Root &root : roots)
            counted.push_back(root.counted);
    }
    std::vector<Sums> totals(total);
    for (Index i = total; i-- > 0;) {
        const Node &here = node(i);
        if (here.root >= counted.size() || !counted[here.root])
            continue;
        const quint8 flags = here.flags.load(std::memory_order_relaxed);
        if (flags & skippedFlag)
            continue;
        Sums &sum = totals[i];
        sum.listed = true;
        sum.files += here.files.load(std::memory_order_relaxed);
        sum.size = saturatedSum(sum.size, here.size.load(std::memory_order_relaxed));
        sum.allocated = saturatedSum(sum.allocated, here.allocated.load(std::memory_order_relaxed));
        if (flags & unreadableFlag)
            sum.complete = false;
        if (here.parent != none) {
            Sums &up = totals[here.parent];
            up.files += sum.files;
            up.size = saturatedSum(up.size, sum.size);
            up.allocated = saturatedSum(up.allocated, sum.allocated);
            up.complete = up.complete && sum.complete;
        }
    }
    return totals;
}

QString FolderTree::pathOf(Index index) const
{
    std::vector<Index> chain;
    for (Index i = index; i != none; i = node(i).parent)
        chain.push_back(i);
    QString path;
    for (auto it = chain.crbegin(); it != chain.crend(); ++it) {
        const Node &here = node(*it);
        if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
            path.append(QLatin1Char('/'));
        path.append(QStringView(here.name, qsizetype(here.nameLength)));
    }
    return path;
}

QList<FolderSize> FolderTree::largest(int wanted, SizeKind by) const
{
    QList<FolderSize> list;
    if (wanted <= 0)
        return list;
    Index total = 0;
    const std::vector<Sums> totals = sums(total);
    const auto sizeOf = [&](Index i) {
        return by == SizeKind::OnDisk ? totals[i].allocated : totals[i].size;
    };
    // The smallest of those kept on top, to be replaced by a larger one.
    const auto larger = [&](Index a, Index b) {
        return sizeOf(a) > sizeOf(b);
    };
    std::priority_queue<Index, std::vector<Index>, decltype(larger)> kept(larger);
    for (Index i = 0; i < total; ++i) {
        if (!totals[i].listed)
            continue;
        if (kept.size() < size_t(wanted)) {
            kept.push(i);
        } else if (sizeOf(i) > sizeOf(kept.top())) {
            kept.pop();
            kept.push(i);
        }
    }
    list.reserve(qsizetype(kept.size()));
    while (!kept.empty()) {
        const Index i = kept.top();
        kept.pop();
        const Sums &sum = totals[i];
        list.append(FolderSize {pathOf(i), sum.size, sum.allocated, sum.files, sum.complete});
    }
    std::sort(list.begin(), list.end(), [by](const FolderSize &a, const FolderSize &b) {
        const qint64 sizeA = by == SizeKind::OnDisk ? a.allocated : a.size;
        const qint64 sizeB = by == SizeKind::OnDisk ? b.allocated : b.size;
        if (sizeA != sizeB)
            return sizeA > sizeB;
        return pathcodec::nativeLess(a.path, b.path);
    });
    return list;
}

QList<FolderSize> FolderTree::all() const
{
    Index total = 0;
    const std::vector<Sums> totals = sums(total);
    QList<FolderSize> list;
    for (Index i = 0; i < total; ++i) {
        const Sums &sum = totals[i];
        if (sum.listed)
            list.append(FolderSize {pathOf(i), sum.size, sum.allocated, sum.files, sum.complete});
    }
    return list;
}
