#include "scan/walker.h"

#include "scan/directorywalk.h"
#include "scan/topfilemap.h"

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
    QThread::start(priority);
}

void walker::stop()
{
    stopRequested.testAndSetRelaxed(running, stopAsked);
}

void walker::run()
{
    files.storeRelaxed(0);
    bytes.storeRelaxed(0);
    unreadable.storeRelaxed(0);
    const QStringList roots = dirs;
    TopFileMap *ranking = TopFileMap::instance();
    DirectoryWalk walk(stopRequested, [this, ranking](const QString &path, qint64 size) {
        Q_EMIT walkfile(path);
        files.fetchAndAddRelaxed(1);
        bytes.fetchAndAddRelaxed(size);
        ranking->insert(size, path);
    });
    for (const QString &root : roots) {
        qDebug("walk! %s", root.toLatin1().constData());
        walk.walk(root);
    }
    qDebug() << ranking->map().size();
}
