#include "scan/walker.h"

#include "scan/directorywalk.h"
#include "scan/filefilter.h"
#include "scan/linkedfiles.h"
#include "scan/topfilemap.h"

#include <QDateTime>
#include <QDebug>

namespace {
constexpr int running = 0;
constexpr int stopAsked = 1;
constexpr int destroying = 2;
} // namespace

walker::walker() : QThread(nullptr), stopRequested(running) { }

walker::~walker()
{
    stopRequested.storeRelaxed(destroying);
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
    unreadable.storeRelaxed(0);
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
    const QStringList roots = dirs;
    TopFileMap *ranking = TopFileMap::instance();
    LinkedFiles linked(ranking);
    const FileFilter filter(scanOptions, QDateTime::currentMSecsSinceEpoch());
    DirectoryWalk walk(
        stopRequested,
        [&](const WalkedFile &file) {
            Q_EMIT walkfile(file.path);
            if (recentWanted.loadRelaxed() != 0 && recentWanted.testAndSetAcquire(1, 0)) {
                QMutexLocker lock(&recentMutex);
                recentPath = file.path;
            }
            files.add(1);
            bytes.add(file.size);
            if (filter.isActive() && !filter.accepts(file.name, file.size, file.modified))
                return;
            if (file.links > 1)
                linked.offer(file.size, file.path, file.device, file.inode);
            else
                ranking->insert(file.size, file.path);
        },
        [this](const QString &path, const QString &reason) {
            unreadable.fetchAndAddRelaxed(1);
            Q_EMIT folderUnreadable(path, reason);
        },
        scanOptions);
    for (const QString &root : roots) {
        qDebug("walk! %s", root.toLatin1().constData());
        walk.walk(root);
    }
    qDebug() << ranking->map().size();
}
