#include "scan/directorywalk.h"

#include "scan/directoryreader.h"

#include <QDir>
#include <QSet>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// One directory on the way from a root down to a directory being listed:
// its identity, for the loop check. Shared by every pending subdirectory, and
// released when the last of them has been listed.
struct Ancestor
{
    quint64 device;
    quint64 inode;
    Ancestor *parent; // one reference held
    std::atomic<int> references {1};
};

Ancestor *retain(Ancestor *ancestor)
{
    if (ancestor)
        ancestor->references.fetch_add(1, std::memory_order_relaxed);
    return ancestor;
}

// Iterative, so that a chain thousands of levels long is no deep recursion.
void release(Ancestor *ancestor)
{
    while (ancestor && ancestor->references.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        Ancestor *parent = ancestor->parent;
        delete ancestor;
        ancestor = parent;
    }
}

// A directory waiting to be listed.
struct Work
{
    QString path;
    DirectoryHandle handle;
    Ancestor *parent = nullptr; // one reference held; null for a root
    quint64 parentDevice = 0;
    quint64 rootDevice = 0;
};

// Directories opened ahead of their listing, per thread: enough to keep a
// deep, narrow tree on relative opens, few enough for any descriptor limit.
constexpr int handlesPerThread = 4;

} // namespace

struct DirectoryWalk::Private
{
    Private(const QAtomicInt &stopRequested, Visitor visitor, FailureVisitor failure,
            const ScanOptions &options, int threads)
        : stopRequested(stopRequested),
          visitor(std::move(visitor)),
          failure(std::move(failure)),
          options(options),
          excludes(options.excludes.cbegin(), options.excludes.cend()),
          threadCount(qMax(threads, 0)),
          alone(threadCount == 0)
    { }

    void run();
    void process(Work &work, DirectoryReader &reader, std::vector<DirectoryEntry> &entries,
                 std::vector<Work> &found);
    void push(std::vector<Work> &found);
    bool stopped() const { return stopRequested.loadRelaxed() != 0; }
    void report(const QString &path, const QString &reason)
    {
        if (failure)
            failure(path, reason);
    }
    static void discard(Work &work);

    const QAtomicInt &stopRequested;
    const Visitor visitor;
    const FailureVisitor failure;
    const ScanOptions options;
    const QSet<QString> excludes;
    const int threadCount;

    std::mutex mutex;
    std::condition_variable wake; // work was pushed, or the pool ends
    std::condition_variable done; // the stack is empty and nobody works
    std::vector<Work> stack;
    int busy = 0; // threads listing a directory
    int idle = 0; // threads waiting for work
    bool quit = false;
    bool alone; // the caller walks: asked for, or no thread could be started
    std::atomic<int> handlesHeld {0};
    std::vector<std::thread> threads;
};

int DirectoryWalk::defaultThreadCount()
{
    bool ok = false;
    const int forced = qEnvironmentVariableIntValue("VASTREL_SCAN_THREADS", &ok);
    if (ok && forced > 0)
        return qMin(forced, 64);
    return qBound(8, 8 * QThread::idealThreadCount(), 32);
}

bool DirectoryWalk::isNetworkDrive(const QString &root)
{
    const QString path = QDir(root).path();
    bool driveRoot = path.size() == 3 && path.at(0).isLetter() &&
                     path.at(1) == QLatin1Char(':') && path.at(2) == QLatin1Char('/');
    if (path.startsWith(QLatin1String("//"))) {
        const qsizetype share = path.indexOf(QLatin1Char('/'), 2);
        driveRoot = share > 2 && share + 1 < path.size() &&
                    path.indexOf(QLatin1Char('/'), share + 1) == -1;
    }
    if (!driveRoot)
        return false;
    DirectoryReader reader;
    return reader.open(path) && reader.fileSystemKind() == FileSystemKind::Network;
}

DirectoryWalk::DirectoryWalk(const QAtomicInt &stopRequested, Visitor visitor,
                             FailureVisitor failure, const ScanOptions &options, int threads)
    : d(std::make_unique<Private>(stopRequested, std::move(visitor), std::move(failure), options,
                                  threads))
{ }

DirectoryWalk::~DirectoryWalk()
{
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->quit = true;
    }
    d->wake.notify_all();
    for (std::thread &thread : d->threads)
        thread.join();
}

void DirectoryWalk::walk(const QString &root)
{
    // QDir would take an empty path for the current directory.
    if (root.isEmpty())
        return;
    const QString path = QDir(root).path();
    if (d->excludes.contains(path) || d->stopped())
        return;
    // The pool starts with the first root, so a walk without roots costs no
    // thread. Where no thread can be started, the caller walks alone.
    if (d->threads.empty() && !d->alone) {
        try {
            for (int i = 0; i < d->threadCount; ++i)
                d->threads.emplace_back([this] { d->run(); });
        } catch (const std::system_error &) {
            d->alone = d->threads.empty();
        }
    }
    std::vector<Work> first(1);
    first[0].path = path;
    if (d->alone) {
        DirectoryReader reader;
        reader.setSkipHidden(!d->options.includeHidden);
        std::vector<DirectoryEntry> entries;
        while (!first.empty()) {
            Work work = std::move(first.back());
            first.pop_back();
            std::vector<Work> found;
            if (d->stopped())
                Private::discard(work);
            else
                d->process(work, reader, entries, found);
            for (Work &child : found)
                first.push_back(std::move(child));
        }
        return;
    }
    d->push(first);
    std::unique_lock<std::mutex> lock(d->mutex);
    d->done.wait(lock, [this] { return d->stack.empty() && d->busy == 0; });
}

void DirectoryWalk::Private::run()
{
    DirectoryReader reader;
    reader.setSkipHidden(!options.includeHidden);
    std::vector<DirectoryEntry> entries;
    std::vector<Work> found;
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        ++idle;
        wake.wait(lock, [this] { return quit || !stack.empty(); });
        --idle;
        if (quit)
            return;
        Work work = std::move(stack.back());
        stack.pop_back();
        ++busy;
        lock.unlock();
        if (stopped())
            discard(work);
        else
            process(work, reader, entries, found);
        lock.lock();
        --busy;
        if (busy == 0 && stack.empty())
            done.notify_all();
    }
}

void DirectoryWalk::Private::discard(Work &work)
{
    releaseDirectoryHandle(work.handle);
    release(work.parent);
}

// Alone, the caller takes the directories found from `found` itself.
void DirectoryWalk::Private::push(std::vector<Work> &found)
{
    if (found.empty() || alone)
        return;
    int sleepers;
    {
        std::lock_guard<std::mutex> lock(mutex);
        for (Work &work : found)
            stack.push_back(std::move(work));
        sleepers = idle;
    }
    // Wake as many sleepers as there are new directories, and no more.
    for (std::size_t i = 0; i < found.size() && int(i) < sleepers; ++i)
        wake.notify_one();
    found.clear();
}

void DirectoryWalk::Private::process(Work &work, DirectoryReader &reader,
                                     std::vector<DirectoryEntry> &entries,
                                     std::vector<Work> &found)
{
    Ancestor *const parent = work.parent;
    const bool isRoot = parent == nullptr;
    if (work.handle.isValid())
        handlesHeld.fetch_sub(1, std::memory_order_relaxed);
    if (!reader.open(work.path, work.handle)) {
        report(work.path, reader.errorString());
        release(parent);
        return;
    }
    const DirectoryInfo info = reader.info();
    bool enter = true;
    if (isRoot) {
        work.rootDevice = info.device;
        enter = reader.fileSystemKind() != FileSystemKind::Pseudo;
    } else if (info.device != work.parentDevice) {
        // Another file system is mounted here.
        if (options.oneFileSystem && info.device != work.rootDevice) {
            enter = false;
        } else {
            const FileSystemKind kind = reader.fileSystemKind();
            enter = kind == FileSystemKind::Local ||
                    (kind == FileSystemKind::Network && !options.skipNetwork);
        }
    }
    if (enter && info.mayRepeatAncestor && (info.device != 0 || info.inode != 0)) {
        for (const Ancestor *a = parent; a; a = a->parent) {
            if (a->device == info.device && a->inode == info.inode) {
                enter = false; // a loop: this directory is being listed above
                break;
            }
        }
    }
    if (!enter) {
        reader.close();
        release(parent);
        return;
    }

    Ancestor *const self = new Ancestor {info.device, info.inode, parent};
    QString prefix = work.path;
    if (!prefix.endsWith(QLatin1Char('/')))
        prefix.append(QLatin1Char('/'));
    const int handleBudget = handlesPerThread * qMax(threadCount, 1);
    bool interrupted = false;
    while (!interrupted && reader.read(entries)) {
        for (const DirectoryEntry &entry : entries) {
            if (stopped()) {
                interrupted = true;
                break;
            }
            if (entry.kind == DirectoryEntry::Kind::File) {
                WalkedFile file;
                file.folder = prefix;
                file.name = entry.name;
                file.size = entry.size;
                file.modified = entry.modified;
                file.device = entry.device;
                file.inode = entry.inode;
                file.links = entry.links;
                visitor(file);
            } else if (entry.kind == DirectoryEntry::Kind::Directory) {
                QString path;
                path.reserve(prefix.size() + entry.name.size());
                path.append(prefix).append(entry.name);
                if (!excludes.isEmpty() && excludes.contains(path))
                    continue;
                Work child;
                child.path = std::move(path);
                if (handlesHeld.load(std::memory_order_relaxed) < handleBudget) {
                    child.handle = reader.openChild(entry);
                    if (child.handle.isValid())
                        handlesHeld.fetch_add(1, std::memory_order_relaxed);
                }
                child.parent = retain(self);
                child.parentDevice = info.device;
                child.rootDevice = work.rootDevice;
                found.push_back(std::move(child));
            }
        }
        push(found);
    }
    const QString error = reader.errorString();
    reader.close();
    release(self);
    if (!interrupted && !error.isEmpty())
        report(work.path, error);
}
