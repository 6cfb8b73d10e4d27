#include "mainwindow/scanhistory.h"

#include "store/scansaver.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>

ScanHistory::ScanHistory(const QString &databasePath, QObject *parent)
    : QObject(parent),
      path(databasePath),
      keep(ScanStore::defaultKeep),
      saver(new ScanSaver(databasePath, this)),
      reader(new QThread(this)),
      readerContext(new QObject),
      readerStore(std::make_shared<std::unique_ptr<ScanStore>>())
{
    reader->setObjectName(QStringLiteral("vastrel-history"));
    readerContext->moveToThread(reader);
    reader->start(QThread::LowPriority);

    connect(saver, &ScanSaver::failed, this, [this](const QString &message) {
        report({saver->lastFault(), message}, QString());
    });
    connect(saver, &ScanSaver::notice, this,
            [this](const QString &message) { report({}, message); });
    connect(saver, &ScanSaver::saved, this, &ScanHistory::refreshSummaries);
}

ScanHistory::~ScanHistory()
{
    saver->waitForDone();
    // The reading thread's store is closed in that thread, after the reads
    // given so far.
    QMetaObject::invokeMethod(readerContext, [store = readerStore] { store->reset(); });
    reader->quit();
    reader->wait();
    delete readerContext;
}

void ScanHistory::setKeep(int count)
{
    keep = qMax(count, 0);
    saver->setKeep(keep);
}

bool ScanHistory::isOn() const
{
    return keep > 0 && !offForThisRun;
}

void ScanHistory::read(std::function<void(ScanStore &, Read &)> job,
                       std::function<void(const Read &)> done)
{
    ++pendingReads;
    const QString file = path;
    QMetaObject::invokeMethod(readerContext, [this, file, job, done, store = readerStore] {
        Read result;
        if (!*store || !(*store)->isOpen()) {
            *store = std::make_unique<ScanStore>(file);
            (*store)->open();
            result.notice = (*store)->notice();
        }
        if ((*store)->isOpen())
            job(**store, result);
        result.status = (*store)->status();
        QMetaObject::invokeMethod(this, [this, result, done] {
            --pendingReads;
            report(result.status, result.notice);
            if (result.status.ok() || result.status.fault != StoreFault::NewerSchema)
                done(result);
        });
    });
}

void ScanHistory::report(const StoreStatus &status, const QString &notice)
{
    if (!notice.isEmpty() && !told.contains(-1)) {
        told.insert(-1);
        Q_EMIT fault(notice + QLatin1Char('.'));
    }
    if (status.ok())
        return;
    if (status.fault == StoreFault::NewerSchema)
        offForThisRun = true;
    const int kind = int(status.fault);
    if (told.contains(kind))
        return;
    told.insert(kind);
    qWarning().noquote() << "Scan history:" << status.message;
    Q_EMIT fault(
        status.fault == StoreFault::NewerSchema
            ? tr("Scan history off: %1.").arg(status.message)
            : tr("Scan history: %1; the results shown are not affected.").arg(status.message));
}

void ScanHistory::showTarget(const ScanTarget &target)
{
    const quint64 asked = ++generation;
    currentTarget = target;
    stored.clear();
    shown.reset();
    previous.reset();
    compare();
    if (!isOn())
        return;
    read(
        [target](ScanStore &store, Read &result) {
            result.summaries = store.history(target);
            if (!result.summaries.isEmpty())
                result.scan = store.load(result.summaries.first().id);
        },
        [this, asked](const Read &result) {
            if (asked != generation)
                return;
            stored = result.summaries;
            Q_EMIT summariesChanged();
            if (!result.scan)
                return;
            shown = result.scan;
            shownIsNewest = true;
            Q_EMIT pastScanLoaded(*shown);
            if (stored.size() < 2)
                return;
            // The scan before it is read after the table is filled.
            const qint64 before = stored.at(1).id;
            read([before](ScanStore &store, Read &older) { older.before = store.load(before); },
                 [this, asked](const Read &older) {
                     if (asked != generation)
                         return;
                     previous = older.before;
                     compare();
                 });
        });
}

void ScanHistory::scanStarted(const ScanTarget &target)
{
    const quint64 asked = ++generation;
    scanRunning = true;
    const bool sameTarget = target.key() == currentTarget.key();
    currentTarget = target;
    if (shown && shownIsNewest && shown->target.key() == target.key()) {
        previous = shown;
    } else {
        previous.reset();
        if (isOn()) {
            read(
                [target](ScanStore &store, Read &result) {
                    result.summaries = store.history(target);
                    if (!result.summaries.isEmpty())
                        result.before = store.load(result.summaries.first().id);
                },
                [this, asked](const Read &result) {
                    if (asked != generation)
                        return;
                    stored = result.summaries;
                    Q_EMIT summariesChanged();
                    previous = result.before;
                    compare();
                });
        }
    }
    if (!sameTarget)
        stored.clear();
    shown.reset();
    compare();
}

void ScanHistory::scanEnded(const ScanRecord &scan)
{
    scanRunning = false;
    shown = scan;
    shownIsNewest = true;
    compare();
    if (isOn())
        saver->save(scan);
}

void ScanHistory::open(qint64 id)
{
    const quint64 asked = ++generation;
    read(
        [id](ScanStore &store, Read &result) {
            result.scan = store.load(id);
            if (!result.scan)
                return;
            const QList<ScanSummary> all = store.history(result.scan->target);
            for (int i = 0; i + 1 < all.size(); ++i) {
                if (all.at(i).id == id)
                    result.before = store.load(all.at(i + 1).id);
            }
            result.summaries = all;
        },
        [this, asked](const Read &result) {
            if (asked != generation || !result.scan)
                return;
            shown = result.scan;
            shownIsNewest =
                !result.summaries.isEmpty() && result.summaries.first().id == shown->summary.id;
            previous = result.before;
            Q_EMIT pastScanLoaded(*shown);
            compare();
        });
}

void ScanHistory::remove(qint64 id)
{
    read([id](ScanStore &store, Read &) { store.remove(id); },
         [this](const Read &) { refreshSummaries(); });
}

void ScanHistory::refreshSummaries()
{
    const ScanTarget target = currentTarget;
    const QString key = target.key();
    read([target](ScanStore &store, Read &result) { result.summaries = store.history(target); },
         [this, key](const Read &result) {
             if (key != currentTarget.key())
                 return;
             stored = result.summaries;
             Q_EMIT summariesChanged();
         });
}

void ScanHistory::compare()
{
    if (shown && previous)
        compared = compareScans(*previous, *shown);
    else
        compared.reset();
    Q_EMIT comparisonChanged();
}

void ScanHistory::waitForDone()
{
    saver->waitForDone();
    while (pendingReads > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

QList<FoundFile> ScanHistory::foundFilesOf(const ScanRecord &scan)
{
    QList<FoundFile> files;
    files.reserve(scan.files.size());
    for (const StoredFile &stored : scan.files) {
        FoundFile file;
        file.size = stored.size;
        file.path = stored.path;
        file.device = stored.device;
        file.inode = stored.inode;
        files << file;
    }
    return files;
}
