#include "scan/freespace.h"

#include "scan/fileidentity.h"
#include "scan/fileprobe.h"

#include <QHash>
#include <QThread>

#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Each thread waits on the system most of the time (opening a file, reading
// its extent map), so a few more than the cores pay.
int measureThreads(qsizetype files)
{
    const qsizetype most = qBound(2, 2 * QThread::idealThreadCount(), 8);
    return int(qBound<qsizetype>(1, files / 64, most));
}

qint64 unsharedSpaceOf(const FoundFile &file)
{
    const qint64 onDisk = file.onDisk();
#ifdef Q_OS_LINUX
    const qint64 shared = sharedBytesOfFile(file.path, file.device, file.inode);
    if (shared < 0)
        return onDisk;
    return qMax<qint64>(onDisk - shared, 0);
#else
    // No extent map to read: the file is not even opened (on Windows a cloud
    // placeholder would be fetched).
    return onDisk;
#endif
}

// The number of names where the walk could not tell it (the Windows listing
// does not): asked of the file itself, opened for its attributes alone, and
// taken only while the path still leads to the file the walk met.
void learnLinks(FoundFile &file)
{
    if (file.links != 0 || file.inode == 0)
        return;
    const FileStamp stamp = stampOfPath(file.path);
    if (stamp.valid && stamp.regular && stamp.device == file.device && stamp.inode == file.inode)
        file.links = stamp.links;
}

using Identity = FileIdentity;

} // namespace

namespace freespace {

qint64 freesAlone(const FoundFile &file)
{
    if (file.links > 1)
        return 0;
    return file.unshared >= 0 ? file.unshared : file.onDisk();
}

void measure(QList<FoundFile> &files, const QAtomicInt *stop)
{
    if (files.isEmpty())
        return;
    std::atomic<qsizetype> next {0};
    FoundFile *const data = files.data();
    const qsizetype total = files.size();
    const auto work = [&] {
        for (;;) {
            if (stop && stop->loadRelaxed() != 0)
                return;
            const qsizetype i = next.fetch_add(1, std::memory_order_relaxed);
            if (i >= total)
                return;
            FoundFile &file = data[i];
            learnLinks(file);
            file.unshared = unsharedSpaceOf(file);
            file.frees = freesAlone(file);
        }
    };
    std::vector<std::thread> threads;
    try {
        for (int i = 1; i < measureThreads(total); ++i)
            threads.emplace_back(work);
    } catch (const std::system_error &) { }
    work();
    for (std::thread &thread : threads)
        thread.join();
}

QList<qint64> freesTogether(const QList<FoundFile> &removing)
{
    QHash<Identity, quint32> names;
    for (const FoundFile &file : removing) {
        if (file.links > 1)
            ++names[Identity {file.device, file.inode}];
    }
    QList<qint64> frees;
    frees.reserve(removing.size());
    QHash<Identity, bool> credited;
    for (const FoundFile &file : removing) {
        if (file.links <= 1) {
            frees << freesAlone(file);
            continue;
        }
        const Identity identity {file.device, file.inode};
        bool &done = credited[identity];
        if (done || names.value(identity) < file.links) {
            frees << 0;
        } else {
            done = true;
            frees << (file.unshared >= 0 ? file.unshared : file.onDisk());
        }
    }
    return frees;
}

} // namespace freespace
