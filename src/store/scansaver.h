#pragma once

#include "store/scanrecord.h"
#include "store/scanstore.h"

#include <QObject>
#include <QQueue>
#include <QString>

class QThread;

// Stores finished scans in the scan history without blocking the caller:
// each save opens its own connection on a thread of its own and reports
// back by signal in the caller's thread. Saves given while one runs wait
// their turn. A scan shown on screen never depends on the outcome.
class ScanSaver : public QObject
{
    Q_OBJECT

public:
    explicit ScanSaver(const QString &databasePath, QObject *parent = nullptr);
    // Waits for the save in progress, so a scan given is never lost at
    // exit; the ones still waiting are stored first too.
    ~ScanSaver() override;

    // How many scans of a target are kept; 0 or less: history is off and
    // save() stores nothing.
    void setKeep(int keep) { keepCount = keep; }
    int keep() const { return keepCount; }
    void setBusyTimeout(int milliseconds) { busyTimeoutMs = milliseconds; }

    // Stores scan; false when nothing will be stored, because history is
    // off or was turned off for this run by a file from a newer version.
    bool save(const ScanRecord &scan);
    bool isSaving() const { return thread != nullptr; }
    // Waits until every scan given has been stored or has failed.
    void waitForDone();
    // True once a file from a newer version was met.
    bool historyOff() const { return offForThisRun; }
    StoreFault lastFault() const { return fault; }

Q_SIGNALS:
    void saved(qint64 scanId);
    // The scan was not stored; message says why in one sentence.
    void failed(const QString &message);
    // Something the user should hear of once although the scan was stored:
    // a damaged file moved aside and a new one begun.
    void notice(const QString &message);

private:
    struct Outcome
    {
        qint64 id = 0;
        StoreStatus status;
        QString notice;
    };

    void startNext();
    void finish(const Outcome &outcome);

    QString path;
    int keepCount = ScanStore::defaultKeep;
    int busyTimeoutMs = 5000;
    QQueue<ScanRecord> waiting;
    QThread *thread = nullptr;
    Outcome result;
    bool offForThisRun = false;
    StoreFault fault = StoreFault::None;
};
