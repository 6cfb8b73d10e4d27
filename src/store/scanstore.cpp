#include "store/scanstore.h"

#include "scan/pathcodec.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QVariant>

#include <limits>
#include <vector>

namespace {

// The tables of each schema version, applied in order to a file of an older
// one: migrations[n] brings version n to n + 1. A new version appends its
// steps and never edits earlier ones.
const char *const migrations[] = {
    // 1: targets, their scans, each scan's listed files and folder totals.
    // Sizes and times that a scan did not read are NULL; device and inode
    // hold the 64-bit value's bits.
    "CREATE TABLE targets(id INTEGER PRIMARY KEY, key TEXT NOT NULL UNIQUE,"
    " roots BLOB NOT NULL, excludes BLOB NOT NULL, hidden INTEGER NOT NULL,"
    " one_file_system INTEGER NOT NULL, skip_network INTEGER NOT NULL);"
    "CREATE TABLE scans(id INTEGER PRIMARY KEY, target INTEGER NOT NULL REFERENCES targets(id),"
    " started INTEGER NOT NULL, duration INTEGER NOT NULL, partial INTEGER NOT NULL,"
    " files INTEGER NOT NULL, bytes INTEGER NOT NULL, disk_bytes INTEGER,"
    " unreadable INTEGER NOT NULL, list_count INTEGER NOT NULL, min_size INTEGER NOT NULL,"
    " types TEXT NOT NULL, older_than INTEGER NOT NULL, listed INTEGER NOT NULL,"
    " folders INTEGER NOT NULL);"
    "CREATE INDEX scans_by_target ON scans(target, started);"
    "CREATE TABLE listed(scan INTEGER NOT NULL, rank INTEGER NOT NULL, path BLOB NOT NULL,"
    " size INTEGER NOT NULL, disk_size INTEGER, modified INTEGER, device INTEGER,"
    " inode INTEGER, PRIMARY KEY(scan, rank)) WITHOUT ROWID;"
    "CREATE TABLE folders(scan INTEGER NOT NULL, id INTEGER NOT NULL, parent INTEGER,"
    " name BLOB NOT NULL, bytes INTEGER NOT NULL, disk_bytes INTEGER, files INTEGER NOT NULL,"
    " PRIMARY KEY(scan, id)) WITHOUT ROWID;",
};
static_assert(std::size(migrations) == ScanStore::schemaVersion);

QAtomicInteger<quint64> connectionCount;

// SQLite's primary result codes, as the driver reports them.
enum SqliteCode {
    Busy = 5,
    Locked = 6,
    ReadOnlyCode = 8,
    CorruptCode = 11,
    FullCode = 13,
    CantOpen = 14,
    NotADatabase = 26
};

int sqliteCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : -1;
}

QVariant optionalNumber(qint64 value)
{
    return value < 0 ? QVariant(QMetaType::fromType<qint64>()) : QVariant(value);
}

qint64 numberOr(const QVariant &value, qint64 fallback)
{
    return value.isNull() ? fallback : value.toLongLong();
}

// Paths joined by NUL, which no path holds; never NULL.
QByteArray joinedPaths(const QStringList &paths)
{
    QByteArray bytes("");
    for (const QString &path : paths) {
        if (!bytes.isEmpty())
            bytes += '\0';
        bytes += pathcodec::toNative(path);
    }
    return bytes;
}

QStringList splitPaths(const QByteArray &bytes)
{
    QStringList paths;
    if (bytes.isEmpty())
        return paths;
    for (const QByteArray &path : bytes.split('\0'))
        paths << pathcodec::fromNative(path);
    return paths;
}

// The folders as rows: each one's parent among them (its path up to the
// last slash, or with the slash for a parent such as "/" or "C:/") and its
// name within the parent; a folder without its parent among them keeps its
// whole path as its name.
struct FolderRow
{
    int parent = -1;
    QString name;
};

std::vector<FolderRow> folderRows(const QList<FolderTotal> &folders)
{
    QHash<QString, int> index;
    index.reserve(folders.size());
    for (int i = 0; i < folders.size(); ++i)
        index.insert(folders.at(i).path, i);

    std::vector<FolderRow> rows(size_t(folders.size()));
    for (int i = 0; i < folders.size(); ++i) {
        const QString &path = folders.at(i).path;
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        int parent = -1;
        if (slash >= 0 && slash + 1 < path.size()) {
            parent = index.value(path.left(slash), -1);
            if (parent < 0)
                parent = index.value(path.left(slash + 1), -1);
        }
        if (parent >= 0 && parent != i)
            rows[size_t(i)] = {parent, path.mid(slash + 1)};
        else
            rows[size_t(i)] = {-1, path};
    }
    return rows;
}

// The paths of stored folder rows, from their names and parents; a row whose
// parent is missing or loops is taken as a top folder.
QList<QString> folderPaths(const std::vector<FolderRow> &rows)
{
    QList<QString> paths(qsizetype(rows.size()));
    std::vector<char> state(rows.size(), 0); // 0 to do, 1 in progress, 2 done
    std::vector<size_t> chain;
    for (size_t start = 0; start < rows.size(); ++start) {
        size_t at = start;
        while (state[at] == 0) {
            state[at] = 1;
            chain.push_back(at);
            const int parent = rows[at].parent;
            if (parent < 0 || size_t(parent) >= rows.size() || state[size_t(parent)] == 1)
                break;
            at = size_t(parent);
        }
        while (!chain.empty()) {
            const size_t row = chain.back();
            chain.pop_back();
            const int parent = rows[row].parent;
            if (parent < 0 || size_t(parent) >= rows.size() || state[size_t(parent)] != 2) {
                paths[qsizetype(row)] = rows[row].name;
            } else {
                const QString &above = paths.at(parent);
                paths[qsizetype(row)] = above.endsWith(QLatin1Char('/'))
                    ? above + rows[row].name
                    : above + QLatin1Char('/') + rows[row].name;
            }
            state[row] = 2;
        }
    }
    return paths;
}

// Rows of one table written as literal values, a few hundred to a
// statement: handing each value to Qt's bindValue costs several times what
// SQLite takes to parse it. Only numbers, NULL and hexadecimal blobs go
// into the text, so no value can change the statement.
class RowWriter
{
public:
    explicit RowWriter(const QByteArray &head) : head(head) { }

    void number(qint64 value)
    {
        separate();
        text += QByteArray::number(value);
    }
    // Negative: unknown, NULL.
    void optionalNumber(qint64 value)
    {
        if (value < 0) {
            separate();
            text += "NULL";
        } else {
            number(value);
        }
    }
    void blob(const QByteArray &bytes)
    {
        separate();
        text += "X'";
        text += bytes.toHex();
        text += '\'';
    }
    // Ends a row; true when the statement is full and should be run.
    bool endRow()
    {
        text += ')';
        inRow = false;
        return ++rows == rowsPerStatement;
    }
    bool isEmpty() const { return rows == 0; }
    QString take()
    {
        const QString statement = QString::fromLatin1(text);
        text.clear();
        rows = 0;
        return statement;
    }

private:
    static constexpr int rowsPerStatement = 500;

    void separate()
    {
        if (inRow) {
            text += ',';
            return;
        }
        if (text.isEmpty()) {
            text.reserve(64 * rowsPerStatement);
            text += head;
        } else {
            text += ',';
        }
        text += '(';
        inRow = true;
    }

    const QByteArray head;
    QByteArray text;
    int rows = 0;
    bool inRow = false;
};

ScanSummary summaryFrom(const QSqlQuery &query)
{
    // Columns as in summaryColumns below.
    ScanSummary summary;
    summary.id = query.value(0).toLongLong();
    summary.started = QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong(), Qt::UTC);
    summary.durationMs = query.value(2).toLongLong();
    summary.partial = query.value(3).toBool();
    summary.fileCount = query.value(4).toLongLong();
    summary.byteCount = query.value(5).toLongLong();
    summary.bytesOnDisk = numberOr(query.value(6), -1);
    summary.unreadableCount = query.value(7).toLongLong();
    summary.listing.count = query.value(8).toInt();
    summary.listing.minSize = query.value(9).toLongLong();
    const QString types = query.value(10).toString();
    summary.listing.types = types.isEmpty() ? QStringList() : types.split(QLatin1Char(','));
    summary.listing.olderThanDays = query.value(11).toInt();
    summary.listedCount = query.value(12).toLongLong();
    summary.folderCount = query.value(13).toLongLong();
    return summary;
}

const char summaryColumns[] = "id, started, duration, partial, files, bytes, disk_bytes, "
                              "unreadable, list_count, min_size, types, older_than, listed, "
                              "folders";

} // namespace

ScanStore::ScanStore(const QString &path, int busyTimeoutMs)
    : filePath(path),
      connection(QStringLiteral("vastrel-history-%1").arg(connectionCount.fetchAndAddRelaxed(1))),
      busyTimeout(busyTimeoutMs)
{ }

ScanStore::~ScanStore()
{
    if (db.isValid())
        db.close();
    db = QSqlDatabase();
    if (QSqlDatabase::contains(connection))
        QSqlDatabase::removeDatabase(connection);
}

namespace {
QString &defaultDirectory()
{
    static QString dir;
    return dir;
}
} // namespace

void ScanStore::setDefaultDirectory(const QString &dir)
{
    defaultDirectory() = dir;
}

QString ScanStore::defaultPath()
{
    if (!defaultDirectory().isEmpty())
        return QDir(defaultDirectory()).filePath(QStringLiteral("scan-history.sqlite"));
    // vastrel-top sets no application name; both programs share the window's.
    const QString ownName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Vastrel"));
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setApplicationName(ownName);
    return QDir(dir).filePath(QStringLiteral("scan-history.sqlite"));
}

bool ScanStore::succeed()
{
    lastStatus = StoreStatus();
    return true;
}

bool ScanStore::fail(const QSqlError &error)
{
    const QString name = QDir::toNativeSeparators(filePath);
    switch (sqliteCode(error)) {
    case Busy:
    case Locked:
        lastStatus = {StoreFault::Busy,
                      QStringLiteral("%1 stayed locked by another program (another Vastrel?) for "
                                     "%2 s")
                          .arg(name)
                          .arg(busyTimeout / 1000.0)};
        break;
    case ReadOnlyCode:
        lastStatus = {StoreFault::ReadOnly, QStringLiteral("%1 is read-only").arg(name)};
        break;
    case FullCode:
        lastStatus = {StoreFault::DiskFull,
                      QStringLiteral("the disk that holds %1 is full").arg(name)};
        break;
    case CorruptCode:
    case NotADatabase:
        lastStatus = {StoreFault::Corrupt, QStringLiteral("%1 is damaged").arg(name)};
        break;
    case CantOpen:
        lastStatus = {StoreFault::Failed, QStringLiteral("%1 cannot be opened").arg(name)};
        break;
    default:
        lastStatus = {StoreFault::Failed,
                      QStringLiteral("%1: %2").arg(name, error.databaseText().trimmed())};
        break;
    }
    return false;
}

bool ScanStore::exec(QSqlQuery &query)
{
    return query.exec() || fail(query.lastError());
}

bool ScanStore::exec(const QString &statement)
{
    QSqlQuery query(db);
    return query.exec(statement) || fail(query.lastError());
}

void ScanStore::rollback()
{
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
}

bool ScanStore::openFile()
{
    if (db.isValid())
        db.close();
    db = QSqlDatabase::contains(connection)
        ? QSqlDatabase::database(connection, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    if (!db.isValid()) {
        lastStatus = {StoreFault::Failed,
                      QStringLiteral("the SQLite driver of Qt (QSQLITE) is not installed")};
        return false;
    }
    db.setDatabaseName(filePath);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout));
    return db.open() || fail(db.lastError());
}

bool ScanStore::moveAside()
{
    db.close();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = filePath + QStringLiteral(".corrupt-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = filePath + QStringLiteral(".corrupt-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(filePath, aside)) {
        lastStatus = {StoreFault::Corrupt,
                      QStringLiteral("%1 is damaged and could not be moved aside")
                          .arg(QDir::toNativeSeparators(filePath))};
        return false;
    }
    // The journal belongs to the damaged file: it goes along, renamed alike.
    for (const char *suffix : {"-wal", "-shm"}) {
        const QString journal = filePath + QLatin1String(suffix);
        if (QFileInfo::exists(journal) && !QFile::rename(journal, aside + QLatin1String(suffix)))
            QFile::remove(journal);
    }
    openNotice = QStringLiteral("%1 was damaged: it was moved aside as %2 and a new scan history "
                                "begun")
                     .arg(QDir::toNativeSeparators(filePath), QFileInfo(aside).fileName());
    return true;
}

bool ScanStore::isReadOnly() const
{
    // SQLite needs to write the file and to make its journal beside it, even
    // to read a file in WAL mode.
    QFile file(filePath);
    if (file.exists() && !file.open(QIODevice::ReadWrite))
        return true;
    file.close();
    QTemporaryFile probe(filePath + QStringLiteral(".XXXXXX"));
    return !probe.open();
}

bool ScanStore::open()
{
    opened = false;
    openNotice.clear();
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath())) {
        lastStatus = {StoreFault::ReadOnly,
                      QStringLiteral("the folder of %1 cannot be made")
                          .arg(QDir::toNativeSeparators(filePath))};
        return false;
    }
    if (!openFile())
        return false;

    int version = -1;
    for (int attempt = 0; attempt < 2 && version < 0; ++attempt) {
        QSqlQuery query(db);
        if (query.exec(QStringLiteral("PRAGMA user_version")) && query.next()) {
            version = query.value(0).toInt();
            break;
        }
        const QSqlError error = query.lastError();
        query = QSqlQuery();
        const int code = sqliteCode(error);
        if ((code == CantOpen || code == ReadOnlyCode) && isReadOnly()) {
            db.close();
            lastStatus = {
                StoreFault::ReadOnly,
                QStringLiteral("%1 is read-only").arg(QDir::toNativeSeparators(filePath))};
            return false;
        }
        if (attempt > 0 || (code != CorruptCode && code != NotADatabase))
            return fail(error);
        if (!moveAside() || !openFile())
            return false;
    }

    if (version > schemaVersion) {
        db.close();
        lastStatus = {StoreFault::NewerSchema,
                      QStringLiteral("%1 comes from a newer version of Vastrel (schema %2; this "
                                     "one knows %3): it is left as it is and no scan is stored "
                                     "or read in this run")
                          .arg(QDir::toNativeSeparators(filePath))
                          .arg(version)
                          .arg(schemaVersion)};
        return false;
    }

    // WAL: a reader never waits for a writer, and a crash mid-save leaves
    // the last complete state. NORMAL synchronisation is safe with WAL.
    // Neither can be set on a read-only file, which can still be read.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=NORMAL"));

    if (version < schemaVersion && !migrate(version)) {
        db.close();
        return false;
    }
    opened = true;
    return succeed();
}

bool ScanStore::migrate(int from)
{
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    // Another connection may have brought the file up to date while this
    // one waited for the lock (two programs opening a new file at once).
    {
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
            fail(query.lastError());
            query = QSqlQuery();
            rollback();
            return false;
        }
        from = query.value(0).toInt();
    }
    if (from >= schemaVersion)
        return exec(QStringLiteral("COMMIT"));
    for (int step = from; step < schemaVersion; ++step) {
        for (const QString &statement :
             QString::fromLatin1(migrations[step]).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (!exec(statement)) {
                rollback();
                return false;
            }
        }
    }
    if (!exec(QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion)) ||
        !exec(QStringLiteral("COMMIT"))) {
        const StoreStatus failure = lastStatus;
        rollback();
        lastStatus = failure;
        return false;
    }
    return true;
}

qint64 ScanStore::save(const ScanRecord &scan, int keep)
{
    if (!opened) {
        if (lastStatus.ok())
            lastStatus = {StoreFault::Failed, QStringLiteral("the scan history is not open")};
        return 0;
    }
    for (int attempt = 0; attempt < 3; ++attempt) {
        const qint64 id = trySave(scan, qMax(keep, 1));
        if (id > 0) {
            compactIfHalfFree();
            succeed();
            return id;
        }
        if (lastStatus.fault != StoreFault::Busy)
            break;
    }
    return 0;
}

qint64 ScanStore::trySave(const ScanRecord &scan, int keep)
{
    // IMMEDIATE takes the write lock at once, so waiting for a second
    // instance happens here, under the busy timeout, and never halfway.
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return 0;
    const auto abandon = [this] {
        const StoreStatus failure = lastStatus;
        rollback();
        lastStatus = failure;
        return qint64(0);
    };

    const ScanTarget &target = scan.target;
    const QString key = target.key();
    qint64 targetId = 0;
    {
        QSqlQuery find(db);
        find.prepare(QStringLiteral("SELECT id FROM targets WHERE key = ?"));
        find.addBindValue(key);
        if (!exec(find))
            return abandon();
        if (find.next())
            targetId = find.value(0).toLongLong();
    }
    if (targetId == 0) {
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO targets(key, roots, excludes, hidden, "
                                      "one_file_system, skip_network) VALUES(?, ?, ?, ?, ?, ?)"));
        insert.addBindValue(key);
        insert.addBindValue(joinedPaths(target.roots));
        insert.addBindValue(joinedPaths(target.excludes));
        insert.addBindValue(int(target.includeHidden));
        insert.addBindValue(int(target.oneFileSystem));
        insert.addBindValue(int(target.skipNetwork));
        if (!exec(insert))
            return abandon();
        targetId = insert.lastInsertId().toLongLong();
    }

    const ScanSummary &summary = scan.summary;
    qint64 scanId = 0;
    {
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral(
            "INSERT INTO scans(target, started, duration, partial, files, bytes, disk_bytes, "
            "unreadable, list_count, min_size, types, older_than, listed, folders) "
            "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        insert.addBindValue(targetId);
        insert.addBindValue(summary.started.toMSecsSinceEpoch());
        insert.addBindValue(summary.durationMs);
        insert.addBindValue(int(summary.partial));
        insert.addBindValue(summary.fileCount);
        insert.addBindValue(summary.byteCount);
        insert.addBindValue(optionalNumber(summary.bytesOnDisk));
        insert.addBindValue(summary.unreadableCount);
        insert.addBindValue(summary.listing.count);
        insert.addBindValue(summary.listing.minSize);
        insert.addBindValue(QString(QLatin1String("")) +
                            summary.listing.types.join(QLatin1Char(',')));
        insert.addBindValue(summary.listing.olderThanDays);
        insert.addBindValue(qint64(scan.files.size()));
        insert.addBindValue(qint64(scan.folders.size()));
        if (!exec(insert))
            return abandon();
        scanId = insert.lastInsertId().toLongLong();
    }

    {
        RowWriter listed(QByteArrayLiteral("INSERT INTO listed(scan, rank, path, size, "
                                           "disk_size, modified, device, inode) VALUES"));
        for (int rank = 0; rank < scan.files.size(); ++rank) {
            const StoredFile &file = scan.files.at(rank);
            listed.number(scanId);
            listed.number(rank);
            listed.blob(pathcodec::toNative(file.path));
            listed.number(file.size);
            listed.optionalNumber(file.sizeOnDisk);
            listed.optionalNumber(file.modified);
            listed.number(qint64(file.device));
            listed.number(qint64(file.inode));
            if (listed.endRow() && !exec(listed.take()))
                return abandon();
        }
        if (!listed.isEmpty() && !exec(listed.take()))
            return abandon();
    }

    {
        const std::vector<FolderRow> rows = folderRows(scan.folders);
        RowWriter folders(QByteArrayLiteral(
            "INSERT INTO folders(scan, id, parent, name, bytes, disk_bytes, files) VALUES"));
        for (int i = 0; i < scan.folders.size(); ++i) {
            const FolderTotal &folder = scan.folders.at(i);
            const FolderRow &row = rows[size_t(i)];
            folders.number(scanId);
            folders.number(i);
            folders.optionalNumber(row.parent);
            folders.blob(pathcodec::toNative(row.name));
            folders.number(folder.bytes);
            folders.optionalNumber(folder.bytesOnDisk);
            folders.number(folder.fileCount);
            if (folders.endRow() && !exec(folders.take()))
                return abandon();
        }
        if (!folders.isEmpty() && !exec(folders.take()))
            return abandon();
    }

    // Retention: the newest keep scans of the target stay.
    {
        QSqlQuery old(db);
        old.prepare(QStringLiteral("SELECT id FROM scans WHERE target = ? "
                                   "ORDER BY started DESC, id DESC LIMIT -1 OFFSET ?"));
        old.addBindValue(targetId);
        old.addBindValue(keep);
        if (!exec(old))
            return abandon();
        QList<qint64> ids;
        while (old.next())
            ids << old.value(0).toLongLong();
        for (const qint64 id : ids) {
            for (const char *table : {"listed", "folders"}) {
                QSqlQuery remove(db);
                remove.prepare(
                    QStringLiteral("DELETE FROM %1 WHERE scan = ?").arg(QLatin1String(table)));
                remove.addBindValue(id);
                if (!exec(remove))
                    return abandon();
            }
            QSqlQuery remove(db);
            remove.prepare(QStringLiteral("DELETE FROM scans WHERE id = ?"));
            remove.addBindValue(id);
            if (!exec(remove))
                return abandon();
        }
    }

    if (!exec(QStringLiteral("COMMIT")))
        return abandon();
    return scanId;
}

void ScanStore::compactIfHalfFree()
{
    qint64 pages = 0;
    qint64 free = 0;
    {
        QSqlQuery query(db);
        if (query.exec(QStringLiteral("PRAGMA page_count")) && query.next())
            pages = query.value(0).toLongLong();
        if (query.exec(QStringLiteral("PRAGMA freelist_count")) && query.next())
            free = query.value(0).toLongLong();
    }
    // Freed pages are reused by the next scans, so the file stays as large as
    // what retention keeps; once half of it is free (fewer or smaller scans
    // kept) it is rewritten at its new size. Failing to compact loses nothing.
    if (pages > 0 && free * 2 >= pages)
        QSqlQuery(db).exec(QStringLiteral("VACUUM"));
    // The journal is folded into the file and cut back, rather than lingering
    // at the size of the largest save.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

QList<ScanSummary> ScanStore::history(const ScanTarget &target)
{
    QList<ScanSummary> scans;
    if (!opened)
        return scans;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM scans WHERE target = "
                                 "(SELECT id FROM targets WHERE key = ?) "
                                 "ORDER BY started DESC, id DESC")
                      .arg(QLatin1String(summaryColumns)));
    query.addBindValue(target.key());
    if (!exec(query))
        return scans;
    while (query.next())
        scans << summaryFrom(query);
    succeed();
    return scans;
}

std::optional<ScanRecord> ScanStore::load(qint64 id)
{
    std::optional<ScanRecord> scan = loadListing(id);
    if (!scan)
        return std::nullopt;
    std::optional<QList<FolderTotal>> folders = loadFolders(id);
    if (!folders)
        return std::nullopt;
    scan->folders = std::move(*folders);
    return scan;
}

std::optional<ScanRecord> ScanStore::loadListing(qint64 id)
{
    if (!opened)
        return std::nullopt;
    ScanRecord scan;
    qint64 targetId = 0;
    {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("SELECT %1, target FROM scans WHERE id = ?")
                          .arg(QLatin1String(summaryColumns)));
        query.addBindValue(id);
        if (!exec(query))
            return std::nullopt;
        if (!query.next()) {
            succeed();
            return std::nullopt;
        }
        scan.summary = summaryFrom(query);
        targetId = query.value(14).toLongLong();
    }
    {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("SELECT roots, excludes, hidden, one_file_system, "
                                     "skip_network FROM targets WHERE id = ?"));
        query.addBindValue(targetId);
        if (!exec(query))
            return std::nullopt;
        if (query.next()) {
            scan.target.roots = splitPaths(query.value(0).toByteArray());
            scan.target.excludes = splitPaths(query.value(1).toByteArray());
            scan.target.includeHidden = query.value(2).toBool();
            scan.target.oneFileSystem = query.value(3).toBool();
            scan.target.skipNetwork = query.value(4).toBool();
        }
    }
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT path, size, disk_size, modified, device, inode "
                                     "FROM listed WHERE scan = ? ORDER BY rank"));
        query.addBindValue(id);
        if (!exec(query))
            return std::nullopt;
        while (query.next()) {
            StoredFile file;
            file.path = pathcodec::fromNative(query.value(0).toByteArray());
            file.size = query.value(1).toLongLong();
            file.sizeOnDisk = numberOr(query.value(2), -1);
            file.modified = numberOr(query.value(3), -1);
            file.device = quint64(query.value(4).toLongLong());
            file.inode = quint64(query.value(5).toLongLong());
            scan.files << file;
        }
    }
    succeed();
    return scan;
}

std::optional<QList<FolderTotal>> ScanStore::loadFolders(qint64 id)
{
    if (!opened)
        return std::nullopt;
    QList<FolderTotal> folders;
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT id, parent, name, bytes, disk_bytes, files "
                                     "FROM folders WHERE scan = ? ORDER BY id"));
        query.addBindValue(id);
        if (!exec(query))
            return std::nullopt;
        std::vector<FolderRow> rows;
        while (query.next()) {
            // Ids are 0, 1, 2... as saved; a gap is kept as an empty row.
            const qint64 rowId = query.value(0).toLongLong();
            if (rowId < 0 || rowId > std::numeric_limits<int>::max() - 1)
                continue;
            while (rows.size() < size_t(rowId)) {
                rows.push_back({});
                folders.append(FolderTotal());
            }
            rows.push_back({query.value(1).isNull() ? -1 : query.value(1).toInt(),
                            pathcodec::fromNative(query.value(2).toByteArray())});
            FolderTotal folder;
            folder.bytes = query.value(3).toLongLong();
            folder.bytesOnDisk = numberOr(query.value(4), -1);
            folder.fileCount = query.value(5).toLongLong();
            folders.append(folder);
        }
        const QList<QString> paths = folderPaths(rows);
        for (qsizetype i = 0; i < paths.size(); ++i)
            folders[i].path = paths.at(i);
        folders.removeIf([](const FolderTotal &folder) { return folder.path.isEmpty(); });
    }
    succeed();
    return folders;
}

bool ScanStore::remove(qint64 id)
{
    if (!opened)
        return false;
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    for (const char *statement :
         {"DELETE FROM listed WHERE scan = ?", "DELETE FROM folders WHERE scan = ?",
          "DELETE FROM scans WHERE id = ?"}) {
        QSqlQuery query(db);
        query.prepare(QLatin1String(statement));
        query.addBindValue(id);
        if (!exec(query)) {
            const StoreStatus failure = lastStatus;
            rollback();
            lastStatus = failure;
            return false;
        }
    }
    if (!exec(QStringLiteral("COMMIT"))) {
        const StoreStatus failure = lastStatus;
        rollback();
        lastStatus = failure;
        return false;
    }
    compactIfHalfFree();
    return succeed();
}
