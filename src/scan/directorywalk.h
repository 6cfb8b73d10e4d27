#pragma once

#include "scan/foldertree.h"
#include "scan/scanoptions.h"

#include <QAtomicInt>
#include <QString>

#include <functional>
#include <memory>

// A regular file met by the walk, with what the system said about it.
struct WalkedFile
{
    // The folder the file is in: the root as given (in QDir's form) and the
    // names below it, ending with "/".
    QStringView folder;
    // The file's own name.
    QStringView name;
    qint64 size = 0;
    // Bytes allocated on disk; -1 where the system does not tell.
    qint64 allocated = -1;
    // Last modification, milliseconds since 1970-01-01 UTC.
    qint64 modified = 0;
    // Identity and number of names; zero where the system does not tell.
    quint64 device = 0;
    quint64 inode = 0;
    quint32 links = 0;

    // folder and name, made on demand: most files are only counted. The
    // views are valid during the visitor's call only.
    QString path() const
    {
        QString path;
        path.reserve(folder.size() + name.size());
        return path.append(folder).append(name);
    }
};

// Walks the trees below roots, one root at a time, and hands every regular
// file to a visitor. Directories are the units of work: a small pool of
// threads takes them from one stack (the latest found first, so the walk
// stays near the bottom of the tree and little is pending), each lists its
// directory with its own DirectoryReader and pushes the subdirectories it
// finds. Idle threads sleep on a condition variable. Plain code: the walker
// thread drives it, and so can a test without one.
//
// What a walk covers: hidden entries are neither reported nor entered unless
// the options include them; symbolic links and reparse points are never
// reported nor followed, whatever they point to; fifos, sockets and devices
// are left out; the kernel's pseudo file systems (/proc, sysfs, devtmpfs...)
// are not entered, neither below a root nor as the root itself; a directory
// that is one of its own ancestors (a bind mount of a parent below itself)
// is not entered again. Options: oneFileSystem keeps the walk on each root's
// own file system, skipNetwork leaves network file systems below a root
// out, excludes names folders that are not entered (absolute and clean, as
// the paths the walk makes from a clean root).
//
// Mount points below a root are judged by the system's mount table before
// the walk touches them, so a network mount that is skipped cannot hold the
// walk even when its server hangs.
//
// Descriptors and memory stay bounded whatever the depth: a thread holds one
// open directory and one listing buffer, and only a few directories are
// held open ahead of their listing; the rest are opened by path. Under a low
// limit on open files the pool is smaller, and a directory that finds no
// descriptor free waits for one rather than being taken for unreadable.
//
// The visitor and the failure callback are called from the walk's threads,
// several at once. The stop flag is read once per directory entry; any value
// but 0 ends the walk of the current root and of those after it. After a stop
// walk() returns as soon as no thread is inside the visitor or the failure
// callback, without waiting for threads the system holds (in a hung mount):
// those end on their own later, and call neither callback again.
//
// A thread that runs out of memory (std::bad_alloc, in the walk or in the
// visitor) ends the walk as a stop does; outOfMemory() then tells.
class DirectoryWalk
{
public:
    using Visitor = std::function<void(const WalkedFile &file)>;
    // A directory that could not be listed; reason is the system's message.
    using FailureVisitor = std::function<void(const QString &path, const QString &reason)>;

    DirectoryWalk(const QAtomicInt &stopRequested, Visitor visitor,
                  FailureVisitor failure = FailureVisitor(), const ScanOptions &options = {},
                  int threads = defaultThreadCount());
    // threads: the size of the pool; 0 lets the calling thread walk alone.
    // The flag is read for the walk's whole life: a temporary will not do.
    DirectoryWalk(const QAtomicInt &&, Visitor, FailureVisitor = FailureVisitor(),
                  const ScanOptions & = {}, int = 0) = delete;
    ~DirectoryWalk();
    DirectoryWalk(const DirectoryWalk &) = delete;
    DirectoryWalk &operator=(const DirectoryWalk &) = delete;

    // Sums the files below every folder into tree (which outlives the walk)
    // from the next root on; none unless set.
    void setFolderTree(FolderTree *tree);

    // Walks one root and returns when every directory below it has been
    // listed, or after a stop. An empty root names no folder.
    void walk(const QString &root);
    // Wakes a walk() that waits for its threads, so that it sees a stop flag
    // just set; may be called from any thread.
    void interrupt();
    // True once a thread of the walk ran out of memory.
    bool outOfMemory() const;

    // Threads per walk, eight per core: with a cold cache the disk answers
    // many requests at once, so more threads than cores pay (on two cores,
    // 16 threads took 0.82 of the time 8 took); with a warm cache they share
    // the cores at no extra CPU time, and beside a busy process they keep
    // their share. The environment variable VASTREL_SCAN_THREADS overrides it
    // (the benchmark compares against one thread this way).
    static int defaultThreadCount();

    // Whether root is the whole of a network drive or share ("Z:/",
    // "//server/share"), as the directory reader classifies it.
    static bool isNetworkDrive(const QString &root);

private:
    struct Private;
    std::shared_ptr<Private> d;
};
