#include "store/scansaver.h"

#include <QSqlDatabase>
#include <QThread>

ScanSaver::ScanSaver(const QString &databasePath, QObject *parent)
    : QObject(parent), path(databasePath)
{
    // The SQLite driver's library is loaded here, in the owner's thread, and
    // stays loaded: a Windows program that first loads it in the saving
    // thread may never end at exit (seen under Wine).
    const QString probe = QStringLiteral("vastrel-driver-probe");
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), probe);
    QSqlDatabase::removeDatabase(probe);
}

ScanSaver::~ScanSaver()
{
    waitForDone();
}

bool ScanSaver::save(const ScanRecord &scan)
{
    if (keepCount <= 0 || offForThisRun)
        return false;
    waiting.enqueue(scan);
    if (!thread)
        startNext();
    return true;
}

void ScanSaver::startNext()
{
    if (waiting.isEmpty())
        return;
    const ScanRecord scan = waiting.dequeue();
    const QString file = path;
    const int keep = keepCount;
    const int timeout = busyTimeoutMs;
    thread = QThread::create([this, scan, file, keep, timeout] {
        Outcome outcome;
        ScanStore store(file, timeout);
        if (store.open())
            outcome.id = store.save(scan, keep);
        outcome.status = store.status();
        outcome.notice = store.notice();
        // Read by the owner's thread once this one has ended (see finish).
        result = outcome;
    });
    thread->setObjectName(QStringLiteral("vastrel-store"));
    // Queued: finish() runs in this object's thread. waitForDone() may have
    // finished this save already by the time the call arrives.
    connect(thread, &QThread::finished, this, [this, started = thread] {
        if (thread == started)
            finish(result);
    });
    thread->start(QThread::LowPriority);
}

void ScanSaver::finish(const Outcome &outcome)
{
    thread->wait();
    delete thread;
    thread = nullptr;

    fault = outcome.status.fault;
    if (fault == StoreFault::NewerSchema) {
        offForThisRun = true;
        waiting.clear();
    }
    if (!outcome.notice.isEmpty())
        Q_EMIT notice(outcome.notice);
    if (outcome.id > 0)
        Q_EMIT saved(outcome.id);
    else
        Q_EMIT failed(outcome.status.message);
    startNext();
}

void ScanSaver::waitForDone()
{
    while (thread) {
        // finish() waits for the thread, then starts the next waiting scan.
        finish(result);
    }
}
