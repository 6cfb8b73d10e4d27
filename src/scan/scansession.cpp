#include "scan/scansession.h"

#include "scan/driveprobe.h"
#include "scan/localpaths.h"
#include "scan/topfilemap.h"
#include "scan/walker.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <limits>

ScanSession::ScanSession(QObject *parent)
    : QObject(parent), ranking(TopFileMap::instance()), scanner(std::make_unique<walker>(ranking))
{
    connect(scanner.get(), &QThread::finished, this, &ScanSession::walkFinished);
    connect(scanner.get(), &walker::folderUnreadable, this, &ScanSession::folderUnreadable,
            Qt::DirectConnection);
}

ScanSession::~ScanSession()
{
    scanner->stop();
    scanner->wait();
}

void ScanSession::setRoots(const QStringList &roots)
{
    rootList = roots;
}

void ScanSession::setResultCount(int resultCount)
{
    count = qMax(resultCount, 0);
}

void ScanSession::setOptions(const ScanOptions &options)
{
    scanOptions = options;
}

bool ScanSession::start()
{
    if (active)
        return false;
    QStringList roots;
    QStringList unfound;
    for (const QString &root : rootList) {
        // An empty root names no folder (QDir would take the current one).
        if (root.isEmpty())
            continue;
        const QString clean = cleanRoot(root);
        // A relative root without a current directory to resolve it by.
        if (clean.isEmpty())
            unfound << root;
        else
            roots << clean;
    }
    ranking->clear();
    ranking->setRankBy(scanOptions.rankBy);
    // The ranking keeps a margin of 100 beyond the rows asked for, inside int.
    ranking->setCapacity(int(qMin<qint64>(qint64(count) + 100, std::numeric_limits<int>::max())));
    stopped = false;
    active = true;
    finalElapsed = 0;
    scanner->setDirs(roots);
    scanner->setResultCount(count);
    ScanOptions options = scanOptions;
    options.excludes.clear();
    for (const QString &exclude : scanOptions.excludes) {
        const QString clean = exclude.isEmpty() ? QString() : cleanRoot(exclude);
        if (!clean.isEmpty())
            options.excludes << clean;
    }
    scanner->setOptions(options);
    unfoundRoots = unfound.size();
    for (const QString &root : std::as_const(unfound))
        Q_EMIT folderUnreadable(root, qt_error_string(ENOENT));
    clock.start();
    scanner->start();
    return true;
}

void ScanSession::stop()
{
    if (!active || stopped)
        return;
    stopped = true;
    scanner->stop();
}

bool ScanSession::isRunning() const
{
    return active;
}

QList<FoundFile> ScanSession::results() const
{
    return ranking->topFiles(count);
}

QList<FoundFile> ScanSession::snapshot() const
{
    return ranking->snapshot(count);
}

bool ScanSession::outOfMemory() const
{
    return scanner->outOfMemory();
}

qint64 ScanSession::fileCount() const
{
    return scanner->fileCount();
}

qint64 ScanSession::byteCount() const
{
    return scanner->byteCount();
}

qint64 ScanSession::allocatedCount() const
{
    return scanner->allocatedCount();
}

QList<FolderSize> ScanSession::largestFolders(int count, SizeKind by) const
{
    return scanner->folderTree().largest(count, by);
}

QList<FolderSize> ScanSession::allFolders() const
{
    return scanner->folderTree().all();
}

qint64 ScanSession::folderCount() const
{
    return scanner->folderTree().folderCount();
}

qint64 ScanSession::unreadableCount() const
{
    return scanner->unreadableCount() + unfoundRoots;
}

QString ScanSession::takeRecentPath()
{
    return scanner->takeRecentPath();
}

qint64 ScanSession::elapsedMs() const
{
    return active ? clock.elapsed() : finalElapsed;
}

void ScanSession::walkFinished()
{
    finalElapsed = clock.elapsed();
    active = false;
    Q_EMIT finished();
}

QStringList ScanSession::allDriveRoots()
{
    QStringList roots;
    for (const QFileInfo &drive : QDir::drives())
        roots << drive.absolutePath();
    return roots;
}

QStringList ScanSession::readableDriveRoots()
{
    QStringList drives;
    for (const QFileInfo &drive : QDir::drives())
        drives << QDir(drive.absolutePath()).absolutePath();
    // A drive that has not answered within three seconds (a network drive
    // whose server is gone) is left out rather than holding up the window.
    return driveprobe::answering(
        drives, [](const QString &root) { return QDir(root).count() != 0; }, 3000);
}

QString ScanSession::cleanRoot(const QString &root)
{
    return localpaths::absoluteClean(root, localpaths::currentDirectory());
}
