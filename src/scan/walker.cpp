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

// run() clears a stop() at its start, so a stop that lands between start() and
// run() is lost. The destructor's own value survives that clearing, so
// destroying a walker that was just started never waits for a whole walk.
walker::~walker()
{
    stopRequested.storeRelaxed(destroying);
    wait();
}

void walker::setDirs(const QStringList &dirs)
{
    this->dirs = dirs;
}

void walker::stop()
{
    stopRequested.testAndSetRelaxed(running, stopAsked);
}

void walker::run()
{
    stopRequested.testAndSetRelaxed(stopAsked, running);
    const QStringList roots = dirs;
    TopFileMap *ranking = TopFileMap::instance();
    DirectoryWalk walk(stopRequested, [this, ranking](const QString &path, qint64 size) {
        Q_EMIT walkfile(path);
        ranking->insert(size, path);
    });
    for (const QString &root : roots) {
        qDebug("walk! %s", root.toLatin1().constData());
        walk.walk(root);
    }
    qDebug() << ranking->map().size();
}

// The meta-object code lives in this object file rather than in the library's
// shared moc object, so linking the walker does not pull in every other class.
#include "moc_walker.cpp"
