#include "scan/scansession.h"

#include "scan/driveprobe.h"
#include "scan/localpaths.h"
#include "scan/topfilemap.h"
#include "scan/walker.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include <limits>

ScanSession::ScanSession(QObject *parent) : QObject(parent), scanner(std::make_unique<walker>())
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
    for (const QString &root : rootList) {
        // An empty root names no folder (QDir would take the current one).
        if (!root.isEmpty())
            roots << cleanRoot(root);
    }
    TopFileMap *ranking = TopFileMap::instance();
    ranking->clear();
    // The ranking keeps a margin of 100 beyond the rows asked for, inside int.
    ranking->setCapacity(int(qMin<qint64>(qint64(count) + 100, std::numeric_limits<int>::max())));
    stopped = false;
    active = true;
    finalElapsed = 0;
    scanner->setDirs(roots);
    ScanOptions options = scanOptions;
    options.excludes.clear();
    for (const QString &exclude : scanOptions.excludes) {
        if (!exclude.isEmpty())
            options.excludes << cleanRoot(exclude);
    }
    scanner->setOptions(options);
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
    const QMultiMap<qint64, QString> top = TopFileMap::instance()->top(count);
    QList<FoundFile> list;
    list.reserve(top.size());
    for (auto it = top.cend(); it != top.cbegin();) {
        --it;
        list.append({it.key(), it.value()});
    }
    return list;
}

QList<FoundFile> ScanSession::snapshot() const
{
    return TopFileMap::instance()->snapshot(count);
}

qint64 ScanSession::fileCount() const
{
    return scanner->fileCount();
}

qint64 ScanSession::byteCount() const
{
    return scanner->byteCount();
}

qint64 ScanSession::unreadableCount() const
{
    return scanner->unreadableCount();
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
