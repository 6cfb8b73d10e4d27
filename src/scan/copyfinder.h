#pragma once

#include "scan/foundfile.h"

#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QThread;

// Identical copies among a scan's results. The files are grouped by exact
// size; files of a size met once are never opened. In a group, paths to the
// same file (device and inode) count once, and the rest are compared by the
// XXH3 128-bit hash of their first 64 KiB, then, while still equal, of the
// rest of their content. A file that changes while it is read, vanishes or
// cannot be read is left out and named.

// One file of a set of copies.
struct CopyEntry
{
    QString path;
    // Nanoseconds since the epoch, as the finder read it.
    qint64 modified = 0;
    // The file system stores its data in the same blocks as another file of
    // the set (a reflinked copy): removing it alone frees nothing.
    bool sharesSpace = false;
    // Files of a set with the same number share their blocks; each number
    // is one place the data takes on the disk.
    int storage = 0;
};

// Files of one size with the same content, in the order they are kept: the
// one to keep first.
struct CopySet
{
    qint64 size = 0;
    QList<CopyEntry> files;
};

// A file left out of the comparison, and why.
struct LeftOutFile
{
    QString path;
    QString reason;
};

struct CopyReport
{
    // Largest first: by the bytes the set holds (size times files), then by size.
    QList<CopySet> sets;
    QList<LeftOutFile> leftOut;
    bool cancelled = false;
};

namespace copies {

// The rule "Select Extra Copies" keeps by: the shortest path, then the
// oldest file, then the byte order of the paths.
bool keptBefore(const CopyEntry &a, const CopyEntry &b);
// Sorts a set's files into that order.
void sortForKeeping(QList<CopyEntry> &files);

// The bytes removing every file but the kept one would free: the size once
// for each place the set's data is stored in beyond the first.
qint64 freeableBytes(const CopySet &set);

// A file's place in its set: "2 of 3".
QString placeText(int place, int count);
// The status line's account: "5 sets of copies; 14.2 GB could be freed by
// keeping one of each" (sizes as the status line writes them, binary units),
// counting the sets that free something; "No copies among the listed files"
// when none does.
QString summaryText(const QList<CopySet> &sets, const QLocale &locale);

} // namespace copies

// The comparison itself: plain code, run by the thread that calls run(),
// reading on a small pool of its own threads (two per device, eight at
// most), each with one buffer of 1 MiB.
class CopyFinder
{
    Q_DISABLE_COPY(CopyFinder)

public:
    explicit CopyFinder(const QList<FoundFile> &files);

    // Compares the files; returns when done or soon after cancel().
    CopyReport run();
    // Any thread: ends run() within one buffer's read.
    void cancel() { cancelled.store(true, std::memory_order_relaxed); }

    // Any thread: progress, as bytes hashed of bytes still to hash (the
    // total shrinks as files turn out to differ).
    qint64 bytesHashed() const { return hashed.load(std::memory_order_relaxed); }
    qint64 bytesToHash() const { return toHash.load(std::memory_order_relaxed); }

    // For tests: called in a reading thread after each read pass over a
    // file, before the file is checked for changes.
    void setReadHook(std::function<void(const QString &path)> hook) { readHook = std::move(hook); }

    // How many bytes at the start of a file the first comparison reads.
    static constexpr qint64 headBytes = 64 * 1024;
    static constexpr qint64 bufferBytes = 1024 * 1024;

private:
    struct Candidate;
    void readAll(std::vector<Candidate> &candidates, const std::vector<int> &which, bool head);
    bool read(Candidate &candidate, bool head, char *buffer);

    QList<FoundFile> input;
    std::atomic<bool> cancelled {false};
    std::atomic<qint64> hashed {0};
    std::atomic<qint64> toHash {0};
    std::function<void(const QString &)> readHook;
};

// A CopyFinder behind a session: start() runs it on a thread of its own and
// finished() tells, in the thread that owns the object, that the report is in.
class CopySearch : public QObject
{
    Q_OBJECT

public:
    explicit CopySearch(QObject *parent = nullptr);
    // Cancels a running search and waits for it to end.
    ~CopySearch() override;

    // Starts comparing the files; false, changing nothing, while one runs.
    bool start(const QList<FoundFile> &files);
    // Ends a running search at once; finished() follows, with a report that
    // says it was cancelled.
    void stop();
    bool isRunning() const { return thread != nullptr; }

    qint64 bytesHashed() const;
    qint64 bytesToHash() const;
    // The last search's report; read after finished().
    CopyReport report() const { return result; }

    // For tests: see CopyFinder::setReadHook; for the next start().
    void setReadHook(std::function<void(const QString &path)> hook) { readHook = std::move(hook); }

Q_SIGNALS:
    void finished();

private:
    void threadFinished();

    std::unique_ptr<CopyFinder> finder;
    QThread *thread = nullptr;
    CopyReport result;
    std::function<void(const QString &)> readHook;
};
