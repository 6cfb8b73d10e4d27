#pragma once

#include "scan/foundfile.h"
#include "store/scancomparison.h"
#include "store/scanrecord.h"
#include "store/scanstore.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QThread;
class ScanSaver;

// The main window's side of the scan history. It keeps what the window shows
// of it: the stored scans of the current target, the scan on screen and the
// one before it, and their comparison. Reading, deleting and comparing run
// one after the other on a thread of its own and storing goes through
// ScanSaver, so the window never waits for the file; a fault is told once per kind, and
// what is on screen never depends on the store.
class ScanHistory : public QObject
{
    Q_OBJECT

public:
    explicit ScanHistory(const QString &databasePath, QObject *parent = nullptr);
    // Waits for the reads and saves under way.
    ~ScanHistory() override;

    // How many scans of each target are kept; 0 turns the history off:
    // nothing is stored and nothing shown.
    void setKeep(int keep);
    bool isOn() const;

    // The target chosen: its last stored scan is read and handed over by
    // pastScanLoaded(), unless a scan starts first.
    void showTarget(const ScanTarget &target);
    // A scan of target starts; its last stored scan becomes the one it is
    // compared with.
    void scanStarted(const ScanTarget &target);
    // A scan ended (complete or stopped): it is compared and stored.
    void scanEnded(const ScanRecord &scan);
    // Shows a stored scan of the current target, compared with the one
    // stored before it.
    void open(qint64 id);
    void remove(qint64 id);

    ScanTarget target() const { return currentTarget; }
    // The stored scans of the current target, newest first.
    QList<ScanSummary> summaries() const { return stored; }
    // The scan on screen and the one it is compared with, when both exist;
    // the comparison follows them by comparisonChanged(). A stored scan is
    // shown (pastScanLoaded()) before its folder totals are read.
    const std::optional<ScanComparison> &comparison() const { return compared; }
    const std::optional<ScanRecord> &shownScan() const { return shown; }
    const std::optional<ScanRecord> &previousScan() const { return previous; }

    // The listed files of a stored scan, as the results table takes them.
    static QList<FoundFile> foundFilesOf(const ScanRecord &scan);

    // Waits for the reads and saves given so far (tests and exit).
    void waitForDone();

Q_SIGNALS:
    void pastScanLoaded(const ScanRecord &scan);
    void comparisonChanged();
    void summariesChanged();
    // One sentence for the status line.
    void fault(const QString &sentence);

private:
    struct Read
    {
        QList<ScanSummary> summaries;
        std::optional<ScanRecord> scan;
        std::optional<ScanRecord> before;
        StoreStatus status;
        QString notice;
    };
    // Runs job with an open store on the reading thread, then done with its
    // result in this object's thread (not when the store could not open).
    void read(std::function<void(ScanStore &, Read &)> job, std::function<void(const Read &)> done);
    void report(const StoreStatus &status, const QString &notice);
    // Shows a stored scan read without its folder totals at once, then reads
    // them and the scan stored before it (beforeId, 0 for none).
    void showListing(const ScanRecord &listing, bool newest, qint64 beforeId);
    // Compares shown with previous on the reading thread; comparison() is
    // empty until the answer is in.
    void compare();
    void refreshSummaries();

    QString path;
    int keep;
    ScanSaver *saver;
    QThread *reader;
    QObject *readerContext;
    // The store of the reading thread, touched only there.
    std::shared_ptr<std::unique_ptr<ScanStore>> readerStore;
    int pendingReads = 0;
    // Grows with every target shown and every scan started, so an answer to
    // an older request is dropped.
    quint64 generation = 0;
    bool scanRunning = false;
    bool offForThisRun = false;
    QSet<int> told;

    ScanTarget currentTarget;
    QList<ScanSummary> stored;
    std::optional<ScanRecord> shown;
    // Whether shown is the newest scan of its target (stored or not).
    bool shownIsNewest = false;
    // Whether shown still waits for its folder totals from the store.
    bool foldersPending = false;
    // Grows with every comparison asked for; an older answer is dropped.
    quint64 comparisons = 0;
    std::optional<ScanRecord> previous;
    std::optional<ScanComparison> compared;
};
