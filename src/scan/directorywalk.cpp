#include "scan/directorywalk.h"

#include "scan/directoryreader.h"
#include "scan/mountinfo.h"
#include "scan/sizetext.h"

#include <QDir>
#include <QSet>
#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
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

// One reference to an Ancestor, released when it goes (also when a visitor
// throws).
class AncestorRef
{
public:
    explicit AncestorRef(Ancestor *ancestor = nullptr) : ancestor(ancestor) { }
    ~AncestorRef() { release(ancestor); }
    AncestorRef(const AncestorRef &) = delete;
    AncestorRef &operator=(const AncestorRef &) = delete;
    Ancestor *get() const { return ancestor; }
    Ancestor *take() { return std::exchange(ancestor, nullptr); }

private:
    Ancestor *ancestor;
};

// A directory waiting to be listed. Moving it hands over its handle and its
// reference to the parent.
struct Work
{
    Work() = default;
    Work(Work &&other) noexcept { *this = std::move(other); }
    Work &operator=(Work &&other) noexcept
    {
        path = std::move(other.path);
        handle = std::exchange(other.handle, DirectoryHandle());
        parent = std::exchange(other.parent, nullptr);
        parentDevice = other.parentDevice;
        rootDevice = other.rootDevice;
        mountChecked = other.mountChecked;
        folder = other.folder;
        return *this;
    }

    QString path;
    DirectoryHandle handle;
    Ancestor *parent = nullptr; // one reference held; null for a root
    quint64 parentDevice = 0;
    quint64 rootDevice = 0;
    // A mount point the mount table let in: its file system is known.
    bool mountChecked = false;
    // Its place in the folder tree, if one is kept.
    FolderTree::Index folder = FolderTree::none;
};

// Directories opened ahead of their listing, per thread: enough to keep a
// deep, narrow tree on relative opens.
constexpr int handlesPerThread = 4;
// Descriptors a thread holds at most besides those: the directory it lists,
// the piece before while it opens a long path, and one for the mount table.
constexpr int descriptorsPerThread = 3;
// A thread that finds no descriptor free waits this long at a time for
// another thread of the walk to give one back, and tries so many times
// before it reports the directory as unreadable.
constexpr std::chrono::milliseconds descriptorWait(100);
constexpr int descriptorAttempts = 50;

// Bits of Private::halted.
constexpr int abandonedBit = 1; // walk() returned without waiting for every thread
constexpr int outOfMemoryBit = 2;

} // namespace

// Shared by the walk and its threads: a thread that the system holds (a hung
// network mount) may outlive the DirectoryWalk.
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
    ~Private()
    {
        for (Work &work : stack)
            discard(work);
    }

    void startPool(const std::shared_ptr<Private> &self);
    void run();
    void walkAlone(Work first);
    void process(Work &work, DirectoryReader &reader, std::vector<DirectoryEntry> &entries,
                 std::vector<Work> &found);
    bool open(const QString &path, DirectoryHandle handle, DirectoryReader &reader);
    bool entersMount(const Mount &mount) const;
    void push(std::vector<Work> &found);
    void descriptorFreed();
    void ranOutOfMemory();
    // The stop flag and the callbacks are the owner's: they are touched only
    // inside a Section, so once walk() has returned no thread reaches them.
    bool stopped() const
    {
        return halted.load(std::memory_order_relaxed) != 0 || stopRequested.loadRelaxed() != 0;
    }
    bool stopSeen();
    void report(const QString &path, const QString &reason)
    {
        if (failure)
            failure(path, reason);
    }
    static void discard(Work &work);
    static void discard(std::vector<Work> &works)
    {
        for (Work &work : works)
            discard(work);
        works.clear();
    }

    // Where a thread touches what the owner of the walk owns. walk(), before
    // it returns after a stop, marks the walk abandoned and waits until no
    // thread is inside one; a thread that enters one later turns back.
    class Section
    {
    public:
        explicit Section(Private &d) : d(d) { }
        ~Section() { leave(); }
        Section(const Section &) = delete;
        Section &operator=(const Section &) = delete;

        // False when the walk has been abandoned.
        bool enter()
        {
            if (held)
                return true;
            d.inside.fetch_add(1, std::memory_order_seq_cst);
            held = (d.halted.load(std::memory_order_seq_cst) & abandonedBit) == 0;
            if (!held)
                d.leaveSection();
            return held;
        }
        bool isHeld() const { return held; }
        void leave()
        {
            if (held)
                d.leaveSection();
            held = false;
        }

    private:
        Private &d;
        bool held = false;
    };
    void leaveSection()
    {
        if (inside.fetch_sub(1, std::memory_order_seq_cst) == 1 &&
            (halted.load(std::memory_order_seq_cst) & abandonedBit) != 0) {
            std::lock_guard<std::mutex> lock(mutex);
            done.notify_all();
        }
    }

    const QAtomicInt &stopRequested;
    const Visitor visitor;
    const FailureVisitor failure;
    const ScanOptions options;
    const QSet<QString> excludes;
    const int threadCount;
    FolderTree *tree = nullptr;

    std::mutex mutex;
    std::condition_variable wake; // work was pushed, or the pool ends
    std::condition_variable done; // the stack is empty and nobody works, or a stop
    std::condition_variable descriptorWake; // a thread closed a directory
    std::vector<Work> stack;
    int busy = 0; // threads listing a directory
    int idle = 0; // threads waiting for work
    bool quit = false;
    bool alone; // the caller walks: asked for, or no thread could be started
    bool started = false;
    int handleBudget = 0;
    std::atomic<int> handlesHeld {0};
    std::atomic<int> descriptorWaiters {0};
    std::atomic<int> inside {0}; // threads inside a Section
    std::atomic<int> halted {0};
    // The mounts below the root being walked; written by the thread that
    // opens the root before it pushes any directory below it.
    MountsBelow mounts;
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
    bool driveRoot = path.size() == 3 && path.at(0).isLetter() && path.at(1) == QLatin1Char(':') &&
        path.at(2) == QLatin1Char('/');
    if (path.startsWith(QLatin1String("//"))) {
        const qsizetype share = path.indexOf(QLatin1Char('/'), 2);
        driveRoot =
            share > 2 && share + 1 < path.size() && path.indexOf(QLatin1Char('/'), share + 1) == -1;
    }
    if (!driveRoot)
        return false;
    DirectoryReader reader;
    return reader.open(path) && reader.fileSystemKind() == FileSystemKind::Network;
}

DirectoryWalk::DirectoryWalk(const QAtomicInt &stopRequested, Visitor visitor,
                             FailureVisitor failure, const ScanOptions &options, int threads)
    : d(std::make_shared<Private>(stopRequested, std::move(visitor), std::move(failure), options,
                                  threads))
{ }

DirectoryWalk::~DirectoryWalk()
{
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->quit = true;
    }
    d->wake.notify_all();
    // Threads of an abandoned walk may be held by the system for good; they
    // end on their own and keep what they use.
    const bool abandoned = (d->halted.load() & abandonedBit) != 0;
    for (std::thread &thread : d->threads) {
        if (abandoned)
            thread.detach();
        else
            thread.join();
    }
}

bool DirectoryWalk::outOfMemory() const
{
    return (d->halted.load() & outOfMemoryBit) != 0;
}

void DirectoryWalk::setFolderTree(FolderTree *tree)
{
    d->tree = tree;
}

void DirectoryWalk::interrupt()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->done.notify_all();
}

// Sizes the pool and the directories opened ahead by the descriptors the
// process may still open: a low limit gets fewer threads rather than
// failures.
void DirectoryWalk::Private::startPool(const std::shared_ptr<Private> &self)
{
    started = true;
    int count = threadCount;
    handleBudget = handlesPerThread * qMax(count, 1);
    const int available = availableDescriptors();
    if (available >= 0) {
        // Some for the rest of the program, which goes on meanwhile.
        const int spare = available - qBound(4, available / 8, 64);
        count = qMin(count, qMax(spare / (descriptorsPerThread + 1), 1));
        handleBudget = qBound(0, spare - descriptorsPerThread * qMax(count, 1), handleBudget);
    }
    if (alone)
        return;
    try {
        for (int i = 0; i < count; ++i)
            threads.emplace_back([self] { self->run(); });
    } catch (const std::system_error &) {
    } catch (const std::bad_alloc &) { }
    // Written only where no thread of the pool runs to read it.
    if (threads.empty())
        alone = true;
}

void DirectoryWalk::walk(const QString &root)
{
    // QDir would take an empty path for the current directory.
    if (root.isEmpty() || d->stopped())
        return;
    Work first;
    try {
        first.path = QDir(root).path();
        if (d->excludes.contains(first.path))
            return;
        if (d->tree)
            first.folder = d->tree->addRoot(first.path);
        // The pool starts with the first root, so a walk without roots costs
        // no thread. Where no thread can be started, the caller walks alone.
        if (!d->started)
            d->startPool(d);
    } catch (const std::bad_alloc &) {
        d->ranOutOfMemory();
        return;
    }
    if (d->alone) {
        d->walkAlone(std::move(first));
        return;
    }
    std::vector<Work> works(1);
    works[0] = std::move(first);
    d->push(works);
    std::unique_lock<std::mutex> lock(d->mutex);
    d->done.wait(lock, [this] { return (d->stack.empty() && d->busy == 0) || d->stopped(); });
    if (d->stack.empty() && d->busy == 0)
        return;
    // Stopped, or out of memory, while threads still list: those that are
    // waiting on the system (a hung mount) may not come back for a long
    // time. The walk ends now; they end on their own and report nothing.
    d->halted.fetch_or(abandonedBit, std::memory_order_seq_cst);
    Private::discard(d->stack);
    d->done.wait(lock, [this] { return d->inside.load(std::memory_order_seq_cst) == 0; });
}

void DirectoryWalk::Private::walkAlone(Work first)
{
    std::unique_ptr<DirectoryReader> readerHeld;
    std::vector<DirectoryEntry> entries;
    std::vector<Work> pending;
    std::vector<Work> found;
    try {
        readerHeld = std::make_unique<DirectoryReader>();
        readerHeld->setSkipHidden(!options.includeHidden);
        pending.push_back(std::move(first));
        while (!pending.empty()) {
            Work work = std::move(pending.back());
            pending.pop_back();
            if (stopped())
                discard(work);
            else
                process(work, *readerHeld, entries, found);
            for (Work &child : found)
                pending.push_back(std::move(child));
            found.clear();
        }
    } catch (const std::bad_alloc &) {
        if (readerHeld)
            readerHeld->close();
        discard(found);
        discard(pending);
        ranOutOfMemory();
    }
}

void DirectoryWalk::Private::run()
{
    std::unique_ptr<DirectoryReader> readerHeld;
    try {
        readerHeld = std::make_unique<DirectoryReader>();
    } catch (const std::bad_alloc &) {
        ranOutOfMemory(); // this thread takes no part
        return;
    }
    DirectoryReader &reader = *readerHeld;
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
        try {
            if (stopSeen())
                discard(work);
            else
                process(work, reader, entries, found);
        } catch (const std::bad_alloc &) {
            reader.close();
            discard(work);
            discard(found);
            ranOutOfMemory();
        }
        lock.lock();
        --busy;
        if (busy == 0 && stack.empty())
            done.notify_all();
    }
}

bool DirectoryWalk::Private::stopSeen()
{
    Section section(*this);
    return !section.enter() || stopped();
}

void DirectoryWalk::Private::ranOutOfMemory()
{
    halted.fetch_or(outOfMemoryBit);
    std::lock_guard<std::mutex> lock(mutex);
    done.notify_all();
}

void DirectoryWalk::Private::discard(Work &work)
{
    releaseDirectoryHandle(std::exchange(work.handle, DirectoryHandle()));
    release(std::exchange(work.parent, nullptr));
}

// Alone, the caller takes the directories found from `found` itself.
void DirectoryWalk::Private::push(std::vector<Work> &found)
{
    if (found.empty() || alone)
        return;
    int sleepers;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (halted.load(std::memory_order_relaxed) != 0) {
            discard(found);
            return;
        }
        for (Work &work : found)
            stack.push_back(std::move(work));
        sleepers = idle;
    }
    // Wake as many sleepers as there are new directories, and no more.
    for (std::size_t i = 0; i < found.size() && int(i) < sleepers; ++i)
        wake.notify_one();
    found.clear();
}

// A thread that closed a directory: one waiting for a descriptor may try.
void DirectoryWalk::Private::descriptorFreed()
{
    if (descriptorWaiters.load(std::memory_order_relaxed) == 0)
        return;
    std::lock_guard<std::mutex> lock(mutex);
    descriptorWake.notify_all();
}

// Opens a directory, waiting while the process has no descriptor left:
// other threads of the walk give theirs back as they finish a directory, so
// a shortage is never taken for an unreadable folder.
bool DirectoryWalk::Private::open(const QString &path, DirectoryHandle handle,
                                  DirectoryReader &reader)
{
    for (int attempt = 1;; ++attempt) {
        if (reader.open(path, handle))
            return true;
        handle = DirectoryHandle(); // the reader took it over
        if (!reader.outOfDescriptors() || attempt == descriptorAttempts)
            return false;
        std::unique_lock<std::mutex> lock(mutex);
        if (halted.load(std::memory_order_relaxed) != 0)
            return false;
        descriptorWaiters.fetch_add(1, std::memory_order_relaxed);
        descriptorWake.wait_for(lock, descriptorWait);
        descriptorWaiters.fetch_sub(1, std::memory_order_relaxed);
    }
}

// Whether a mount point below the root is entered, decided from the mount
// table alone: a hung network server must not hold a walk that skips it.
bool DirectoryWalk::Private::entersMount(const Mount &mount) const
{
    switch (mount.kind) {
    case FileSystemKind::Pseudo:
        return false;
    case FileSystemKind::Network:
        if (options.skipNetwork)
            return false;
        break;
    case FileSystemKind::Local:
        break;
    }
    return !options.oneFileSystem || mount.device == mounts.root.device;
}

void DirectoryWalk::Private::process(Work &work, DirectoryReader &reader,
                                     std::vector<DirectoryEntry> &entries, std::vector<Work> &found)
{
    AncestorRef parent(std::exchange(work.parent, nullptr));
    const bool isRoot = parent.get() == nullptr;
    const DirectoryHandle handle = std::exchange(work.handle, DirectoryHandle());
    if (handle.isValid())
        handlesHeld.fetch_sub(1, std::memory_order_relaxed);
    Section section(*this);
    if (!open(work.path, handle, reader)) {
        if (section.enter()) {
            if (tree)
                tree->markUnreadable(work.folder);
            report(work.path, reader.errorString());
        }
        return;
    }
    const DirectoryInfo info = reader.info();
    bool enter = true;
    if (isRoot) {
        work.rootDevice = info.device;
        mounts = currentMountsBelow(work.path);
        const FileSystemKind kind =
            mounts.root.device.isEmpty() ? reader.fileSystemKind() : mounts.root.kind;
        enter = kind != FileSystemKind::Pseudo;
    } else if (info.device != work.parentDevice && !work.mountChecked) {
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
        for (const Ancestor *a = parent.get(); a; a = a->parent) {
            if (a->device == info.device && a->inode == info.inode) {
                enter = false; // a loop: this directory is being listed above
                break;
            }
        }
    }
    if (!enter) {
        if (tree && section.enter())
            tree->markSkipped(work.folder);
        reader.close();
        descriptorFreed();
        return;
    }

    AncestorRef self(new Ancestor {info.device, info.inode, parent.get()});
    parent.take(); // now held by self
    QString prefix = work.path;
    if (!prefix.endsWith(QLatin1Char('/')))
        prefix.append(QLatin1Char('/'));
    bool interrupted = false;
    while (!interrupted && reader.read(entries)) {
        if (!section.enter())
            break;
        // This batch's files with one name, added to the folder at its end.
        qint64 files = 0;
        qint64 bytes = 0;
        qint64 allocated = 0;
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
                file.allocated = entry.allocated;
                file.modified = entry.modified;
                file.device = entry.device;
                file.inode = entry.inode;
                file.links = entry.links;
                visitor(file);
                if (tree) {
                    const qint64 onDisk = entry.allocated < 0 ? entry.size : entry.allocated;
                    if (entry.links > 1) {
                        tree->addLinked(work.folder, file.path(), entry.size, onDisk, entry.device,
                                        entry.inode);
                    } else {
                        ++files;
                        bytes = saturatedSum(bytes, entry.size);
                        allocated = saturatedSum(allocated, onDisk);
                    }
                }
            } else if (entry.kind == DirectoryEntry::Kind::Failed) {
                if (tree)
                    tree->markUnreadable(work.folder);
                report(QString(prefix).append(entry.name), DirectoryReader::errorText(entry.error));
            } else if (entry.kind == DirectoryEntry::Kind::Directory) {
                QString path;
                path.reserve(prefix.size() + entry.name.size());
                path.append(prefix).append(entry.name);
                if (!excludes.isEmpty() && excludes.contains(path))
                    continue;
                Work child;
                if (!mounts.below.isEmpty()) {
                    const auto mount = mounts.below.constFind(path);
                    if (mount != mounts.below.cend()) {
                        if (!entersMount(*mount))
                            continue;
                        child.mountChecked = true;
                    }
                }
                if (tree)
                    child.folder = tree->addChild(work.folder, entry.name);
                child.path = std::move(path);
                child.parent = retain(self.get());
                child.parentDevice = info.device;
                child.rootDevice = work.rootDevice;
                if (handlesHeld.load(std::memory_order_relaxed) < handleBudget) {
                    // Opening may wait on the system: outside the section.
                    section.leave();
                    child.handle = reader.openChild(entry);
                    if (child.handle.isValid())
                        handlesHeld.fetch_add(1, std::memory_order_relaxed);
                    found.push_back(std::move(child));
                    if (!section.enter()) {
                        interrupted = true;
                        break;
                    }
                } else {
                    found.push_back(std::move(child));
                }
            }
        }
        if (tree && section.isHeld())
            tree->addFiles(work.folder, files, bytes, allocated);
        section.leave();
        push(found);
    }
    const QString error = reader.errorString();
    if (tree && !error.isEmpty() && section.enter())
        tree->markUnreadable(work.folder);
    reader.close();
    descriptorFreed();
    if (!interrupted && !error.isEmpty() && section.enter())
        report(work.path, error);
}
