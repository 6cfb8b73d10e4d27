#include "scan/walker.h"

#include "scan/directorywalk.h"
#include "scan/filefilter.h"
#include "scan/freespace.h"
#include "scan/linkedfiles.h"
#include "scan/topfilemap.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QMetaMethod>

#include <algorithm>
#include <new>

namespace {
constexpr int running = 0;
constexpr int stopAsked = 1;
constexpr int destroying = 2;
} // namespace

walker::walker(TopFileMap *ranking) : QThread(nullptr), ranking(ranking), stopRequested(running) { }

walker::~walker()
{
    stopRequested.storeRelaxed(destroying);
    interruptWalk();
    wait();
}

void walker::setDirs(const QStringList &dirs)
{
    this->dirs = dirs;
}

void walker::setOptions(const ScanOptions &options)
{
    scanOptions = options;
}

void walker::start(Priority priority)
{
    if (isRunning())
        return;
    stopRequested.testAndSetRelaxed(stopAsked, running);
    files.reset();
    bytes.reset();
    allocatedBytes.reset();
    folders.clear();
    unreadable.storeRelaxed(0);
    memoryExhausted.storeRelaxed(0);
    {
        QMutexLocker lock(&recentMutex);
        recentPath.clear();
    }
    recentWanted.storeRelease(1);
    QThread::start(priority);
}

void walker::stop()
{
    stopRequested.testAndSetRelaxed(running, stopAsked);
    interruptWalk();
}

void walker::interruptWalk()
{
    QMutexLocker lock(&walkMutex);
    if (activeWalk)
        activeWalk->interrupt();
}

QString walker::takeRecentPath()
{
    QString path;
    {
        QMutexLocker lock(&recentMutex);
        path.swap(recentPath);
    }
    recentWanted.storeRelease(1);
    return path;
}

void walker::run()
{
    try {
        const QStringList roots = dirs;
        LinkedFiles linked(ranking);
        const FileFilter filter(scanOptions, QDateTime::currentMSecsSinceEpoch());
        // Listeners connect before the walk starts.
        const bool announced = isSignalConnected(QMetaMethod::fromSignal(&walker::walkfile));
        const bool rankByDisk = ranking->rankBy() == SizeKind::OnDisk;
        DirectoryWalk walk(
            stopRequested,
            [&](const WalkedFile &file) {
                // Most files are only counted: a path is made for a listener
                // of walkfile(), for takeRecentPath() and for a file that may
                // get into the ranking, and for no other.
                const bool recent =
                    recentWanted.loadRelaxed() != 0 && recentWanted.testAndSetAcquire(1, 0);
                const qint64 onDisk = file.allocated < 0 ? file.size : file.allocated;
                const bool offered = (rankByDisk ? onDisk : file.size) >= ranking->floor() &&
                    (!filter.isActive() || filter.accepts(file.name, file.size, file.modified));
                if (announced || recent || offered) {
                    const QString path = file.path();
                    if (announced)
                        Q_EMIT walkfile(path);
                    if (recent) {
                        QMutexLocker lock(&recentMutex);
                        recentPath = path;
                    }
                    if (offered) {
                        FoundFile found;
                        found.size = file.size;
                        found.path = path;
                        found.device = file.device;
                        found.inode = file.inode;
                        found.allocated = file.allocated;
                        found.modified = file.modified;
                        found.links = file.links;
                        // Several names, or an identity without a count of
                        // names.
                        if (file.links > 1 || (file.links == 0 && file.inode != 0))
                            linked.offer(found);
                        else
                            ranking->insert(std::move(found));
                    }
                }
                files.add(1);
                bytes.add(file.size);
                allocatedBytes.add(onDisk);
            },
            [this](const QString &path, const QString &reason) {
                unreadable.fetchAndAddRelaxed(1);
                Q_EMIT folderUnreadable(path, reason);
            },
            scanOptions);
        if (scanOptions.folderTotals)
            walk.setFolderTree(&folders);
        // stop() wakes the walk while it runs; the registration ends before
        // the walk does, however run() is left.
        struct Registration
        {
            Registration(walker *owner, DirectoryWalk *walk) : owner(owner)
            {
                QMutexLocker lock(&owner->walkMutex);
                owner->activeWalk = walk;
            }
            ~Registration()
            {
                QMutexLocker lock(&owner->walkMutex);
                owner->activeWalk = nullptr;
            }
            walker *const owner;
        } registration(this, &walk);
        // Several whole drives ("All Disks" on Windows) cover the computer: a
        // mapped network drive among them is a network file system below it,
        // left out when those are skipped. A drive named alone is walked like
        // any root.
        const bool severalDrives = roots.size() > 1 && scanOptions.skipNetwork &&
            std::all_of(roots.cbegin(), roots.cend(),
                        [](const QString &root) { return QDir(root).isRoot(); });
        for (const QString &root : roots) {
            if (severalDrives && DirectoryWalk::isNetworkDrive(root))
                continue;
            qDebug("walk! %s", root.toLatin1().constData());
            walk.walk(root);
        }
        if (walk.outOfMemory())
            memoryExhausted.storeRelaxed(1);
        // What removing each result would free: one extent map per listed
        // file, never one per file walked.
        if (scanOptions.measureFrees && stopRequested.loadRelaxed() != destroying) {
            QList<FoundFile> listed = ranking->snapshot(results);
            freespace::measure(listed, &stopRequested);
            ranking->updateMeasures(listed);
        }
    } catch (const std::bad_alloc &) {
        memoryExhausted.storeRelaxed(1);
    }
    qDebug() << ranking->size();
}
