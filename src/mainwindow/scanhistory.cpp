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
                result.scan = store.loadListing(result.summaries.first().id);
        },
        [this, asked](const Read &result) {
            if (asked != generation)
                return;
            stored = result.summaries;
            Q_EMIT summariesChanged();
            if (result.scan)
                showListing(*result.scan, true, stored.size() > 1 ? stored.at(1).id : 0);
        });
}

void ScanHistory::showListing(const ScanRecord &listing, bool newest, qint64 beforeId)
{
    const quint64 asked = generation;
    shown = listing;
    shownIsNewest = newest;
    foldersPending = true;
    previous.reset();
    compare();
    Q_EMIT pastScanLoaded(*shown);
    // The folder totals and the scan before it (133,333 folders each for a
    // drive of two million files) are read once the table is filled.
    read(
        [listing, beforeId](ScanStore &store, Read &result) {
            std::optional<QList<FolderTotal>> folders = store.loadFolders(listing.summary.id);
            if (!folders)
                return;
            result.scan = listing;
            result.scan->folders = std::move(*folders);
            if (beforeId > 0)
                result.before = store.load(beforeId);
        },
        [this, asked](const Read &result) {
            if (asked != generation || !result.scan)
                return;
            shown = result.scan;
            foldersPending = false;
            previous = result.before;
            compare();
        });
}

void ScanHistory::scanStarted(const ScanTarget &target)
{
    const quint64 asked = ++generation;
    scanRunning = true;
    const bool sameTarget = target.key() == currentTarget.key();
    currentTarget = target;
    if (shown && shownIsNewest && !foldersPending && shown->target.key() == target.key()) {
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
    foldersPending = false;
    compare();
    if (isOn())
        saver->save(scan);
}

void ScanHistory::open(qint64 id)
{
    const quint64 asked = ++generation;
    read(
        [id](ScanStore &store, Read &result) {
            result.scan = store.loadListing(id);
            if (result.scan)
                result.summaries = store.history(result.scan->target);
        },
        [this, asked, id](const Read &result) {
            if (asked != generation || !result.scan)
                return;
            qint64 before = 0;
            for (int i = 0; i + 1 < result.summaries.size(); ++i) {
                if (result.summaries.at(i).id == id)
                    before = result.summaries.at(i + 1).id;
            }
            const bool newest = !result.summaries.isEmpty() && result.summaries.first().id == id;
            showListing(*result.scan, newest, before);
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
    const quint64 asked = ++comparisons;
    compared.reset();
    Q_EMIT comparisonChanged();
    if (!shown || !previous)
        return;
    // Two scans of 133,333 folders take a good part of a second to compare
    // on a busy machine: the reading thread does it, and an answer for scans
    // no longer shown is dropped.
    ++pendingReads;
    QMetaObject::invokeMethod(readerContext, [this, asked, before = *previous, after = *shown] {
        const ScanComparison comparison = compareScans(before, after);
        QMetaObject::invokeMethod(this, [this, asked, comparison] {
            --pendingReads;
            if (asked != comparisons)
                return;
            compared = comparison;
            Q_EMIT comparisonChanged();
        });
    });
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
