#pragma once

#include "scan/scanoptions.h"
#include "scan/spreadcounter.h"

#include <QAtomicInt>
#include <QAtomicInteger>
#include <QMutex>
#include <QStringList>
#include <QThread>

class DirectoryWalk;
class TopFileMap;

// The background thread of a scan: walks the trees below its roots (see
// DirectoryWalk for what a walk covers; the walk lists directories on a pool
// of threads of its own) and offers every regular file to the ranking
// TopFileMap, after announcing it with walkfile(). A file with several names
// is offered once, under its name first in byte order; files outside the
// options' filter (size, types, age) are announced and counted but not
// offered. The owner hands it the ranking and the roots, starts it, may ask
// it to stop, and reads the ranking once finished() has arrived. The same
// object serves every scan. After stop() the thread ends at once, also when
// some walk threads are held by the system (a hung mount): they end later
// on their own and offer nothing more.
class walker : public QThread
{
    Q_OBJECT

public:
    // ranking: where the walk offers the files; it outlives the walker.
    explicit walker(TopFileMap *ranking);
    // Stops the walk and waits for the thread to end.
    ~walker() override;

    // Replaces the roots of the next walk; call only while the thread is idle.
    void setDirs(const QStringList &dirs);
    // What the next walk counts; call only while the thread is idle.
    void setOptions(const ScanOptions &options);
    // Clears any earlier stop request and the counts, and starts the thread.
    // The flag is cleared here, before the thread exists, so a stop() that
    // follows at once is always seen by the walk.
    void start(Priority priority = InheritPriority);
    // Asks the running walk to end before its next directory entry; returns at once.
    void stop();
    // True when the last walk ended because memory ran out; what it had
    // found by then stays in the ranking.
    bool outOfMemory() const { return memoryExhausted.loadRelaxed() != 0; }

    // Counts of the running or last walk; may be read from any thread. Every
    // regular file walked counts, each of its names, whether or not the
    // filter lets it into the ranking.
    qint64 fileCount() const { return files.total(); }
    qint64 byteCount() const { return bytes.total(); }
    // Folders that could not be listed, the roots included.
    qint64 unreadableCount() const { return unreadable.loadRelaxed(); }

    // For a progress display: the path of a regular file the walk met since
    // the previous call (the first file of the walk, for the first call), or
    // an empty string when it has met none since. Each call asks for the next
    // one, so following the walk this way costs a file one relaxed load,
    // where a connection to walkfile() costs a signal emission in every walk
    // thread. May be called from any thread.
    QString takeRecentPath();

Q_SIGNALS:
    // Emitted for every regular file, before the file is offered to the
    // ranking, in one of the walk's threads: several at once, so a receiver
    // connected directly must be thread-safe. Seen by receivers connected
    // before start(); without any, the walk makes no path for most files.
    void walkfile(const QString &path);
    // A folder could not be listed; reason is the system's message, such as
    // "Permission denied". Emitted in one of the walk's threads.
    void folderUnreadable(const QString &path, const QString &reason);

protected:
    void run() override;

private:
    void interruptWalk();

    TopFileMap *const ranking;
    QStringList dirs;
    ScanOptions scanOptions;
    // Read for every entry by every walk thread, so on a cache line that no
    // count shares. 0: run; 1: stop() was called; 2: the object is being
    // destroyed.
    alignas(64) QAtomicInt stopRequested;
    // 1 while takeRecentPath() waits for a path; the walk thread that clears
    // it writes recentPath. Read for every file.
    QAtomicInt recentWanted = 1;
    alignas(64) SpreadCounter files;
    SpreadCounter bytes;
    QAtomicInteger<qint64> unreadable = 0;
    QMutex recentMutex;
    QString recentPath;
    QAtomicInt memoryExhausted = 0;
    // The running walk, for stop() to wake; guarded by walkMutex.
    QMutex walkMutex;
    DirectoryWalk *activeWalk = nullptr;
};
