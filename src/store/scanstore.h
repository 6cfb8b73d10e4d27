#pragma once

#include "store/scanrecord.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

class QSqlError;
class QSqlQuery;

// What went wrong with the history file, one kind for each thing a user can
// do something about.
enum class StoreFault {
    None,
    // Another program (a second Vastrel) held the file locked past the wait.
    Busy,
    ReadOnly,
    DiskFull,
    // Not a database, or a damaged one.
    Corrupt,
    // Written by a newer version: left alone.
    NewerSchema,
    // Anything else; the message holds the database's own words.
    Failed
};

struct StoreStatus
{
    StoreFault fault = StoreFault::None;
    // One sentence about the fault, without a full stop; empty when none.
    QString message;
    bool ok() const { return fault == StoreFault::None; }
};

// The scan history: one SQLite file per user (defaultPath()) that keeps the
// scans of every target, each with its listed files and its folder totals.
// Folders are kept as rows that point at their parent, so a path is stored
// once as names. Paths are kept as their exact bytes (pathcodec), so a name
// that is not valid UTF-8 reads back as the same path.
//
// A ScanStore is one connection and belongs to the thread that created it;
// two stores on one file, in one process or in two, wait for each other's
// writes up to the busy timeout. Every call is synchronous: the window and
// vastrel-top save through ScanSaver, on a thread of its own.
class ScanStore
{
public:
    // The version of the tables this program writes (PRAGMA user_version).
    static constexpr int schemaVersion = 1;
    // How many scans of one target are kept unless the user says otherwise.
    static constexpr int defaultKeep = 20;

    explicit ScanStore(const QString &path, int busyTimeoutMs = 5000);
    ~ScanStore();
    ScanStore(const ScanStore &) = delete;
    ScanStore &operator=(const ScanStore &) = delete;

    // "scan-history.sqlite" in the per-user data folder of the program
    // (AppDataLocation under the name "Vastrel", for the window and
    // vastrel-top alike).
    static QString defaultPath();
    // Puts the default file in dir instead (kept for the rest of the
    // process): a sandboxed test's data folder, since on Windows the per-user
    // folders cannot be redirected through the environment. Empty restores
    // the per-user folder.
    static void setDefaultDirectory(const QString &dir);

    QString path() const { return filePath; }

    // Opens the file, making it and its folder when missing and bringing an
    // older schema up to date. A file that is not a database or is damaged
    // is moved aside as "<name>.corrupt-<date>" and a new one made; notice()
    // then says so, once. A file from a newer schema is left untouched and
    // the store stays closed (NewerSchema).
    bool open();
    bool isOpen() const { return opened; }
    // The outcome of the last call.
    StoreStatus status() const { return lastStatus; }
    // What open() did that the user should hear of, or "".
    QString notice() const { return openNotice; }

    // Stores the scan in one transaction and removes the oldest scans of its
    // target beyond keep (at least 1); the file is compacted when the space
    // left free is half of it. Returns the new scan's id, 0 on failure
    // (nothing of the scan is stored then). A busy file is tried three times.
    qint64 save(const ScanRecord &scan, int keep = defaultKeep);
    // The stored scans of target, newest first.
    QList<ScanSummary> history(const ScanTarget &target);
    // One stored scan, whole; none when there is no such scan or on failure.
    std::optional<ScanRecord> load(qint64 id);
    // One stored scan without its folder totals (folders left empty): what a
    // results table shows of it, read in a small part of the whole's time.
    std::optional<ScanRecord> loadListing(qint64 id);
    // The folder totals of a stored scan, as load() gives them; none on
    // failure, and an empty list for a scan that has none or does not exist.
    std::optional<QList<FolderTotal>> loadFolders(qint64 id);
    bool remove(qint64 id);

private:
    bool openFile();
    bool moveAside();
    bool isReadOnly() const;
    bool migrate(int from);
    qint64 trySave(const ScanRecord &scan, int keep);
    void compactIfHalfFree();
    bool exec(QSqlQuery &query);
    bool exec(const QString &statement);
    bool fail(const QSqlError &error);
    bool succeed();
    void rollback();

    QString filePath;
    QString connection;
    int busyTimeout;
    QSqlDatabase db;
    bool opened = false;
    StoreStatus lastStatus;
    QString openNotice;
};
