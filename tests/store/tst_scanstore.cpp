#include "scan/pathcodec.h"
#include "store/scansaver.h"
#include "store/scanstore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSemaphore>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

// The scan history on temporary files: a scan stored and read back exactly,
// retention, and each fault of the file (locked by a second connection,
// read-only, garbage, a newer schema, a full disk).
class tst_ScanStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int serial = 0;

    QString freshPath() { return dir.filePath(QStringLiteral("h%1.sqlite").arg(++serial)); }

    static ScanRecord scanOf(const QString &root, int files, int folders, qint64 startedMs = 0)
    {
        ScanRecord scan;
        scan.target = ScanTarget::of({root}, defaultScanOptions());
        scan.summary.started = QDateTime::fromMSecsSinceEpoch(
            startedMs ? startedMs : QDateTime::currentMSecsSinceEpoch(), Qt::UTC);
        scan.summary.durationMs = 1234;
        scan.summary.fileCount = files * 10;
        scan.summary.byteCount = qint64(files) * 1000;
        for (int i = 0; i < files; ++i)
            scan.files.append({root + QStringLiteral("/f%1.bin").arg(i), 1000 - i, -1, -1, 1, 2});
        scan.folders.append({root, 5000, -1, qint64(files)});
        for (int i = 0; i < folders; ++i)
            scan.folders.append({root + QStringLiteral("/folder-%1").arg(i), i, i * 2, 1});
        return scan;
    }

    static QByteArray digest(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }

#ifdef Q_OS_LINUX
    // A tmpfs of the given size mounted inside the temporary folder, for a
    // full disk and a read-only file system; root only.
    struct SmallDisk
    {
        QTemporaryDir mountPoint;
        bool mounted = false;
        explicit SmallDisk(const char *size)
        {
            const QByteArray options = QByteArray("size=") + size;
            mounted = geteuid() == 0 && mountPoint.isValid() &&
                ::mount("tmpfs", QFile::encodeName(mountPoint.path()).constData(), "tmpfs", 0,
                        options.constData()) == 0;
        }
        ~SmallDisk()
        {
            if (mounted)
                ::umount2(QFile::encodeName(mountPoint.path()).constData(), MNT_DETACH);
        }
        bool makeReadOnly()
        {
            return ::mount(nullptr, QFile::encodeName(mountPoint.path()).constData(), nullptr,
                           MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        }
    };
#endif

private Q_SLOTS:
    void twoConnectionsMakeANewFile();
    void initTestCase()
    {
        QVERIFY(dir.isValid());
    }

    void roundTrip()
    {
        ScanRecord scan;
#ifdef Q_OS_WIN
        const QString root = dir.path() + QStringLiteral("/r\u00e9sum\u00e9");
#else
        // Bytes that are no UTF-8 at all, and a name with a newline.
        const QString root = dir.path() + QLatin1Char('/') +
            pathcodec::fromNative(QByteArray("raw-\xff\xfe-\xc3", 8));
#endif
        scan.target = ScanTarget::of({root, QStringLiteral("/"), root}, defaultScanOptions());
        scan.target.excludes = {root + QStringLiteral("/skip")};
        scan.target.oneFileSystem = true;
        scan.summary.started = QDateTime::fromMSecsSinceEpoch(1733666580123, Qt::UTC);
        scan.summary.durationMs = 98765;
        scan.summary.partial = true;
        scan.summary.fileCount = 447050;
        scan.summary.byteCount = Q_INT64_C(12900000000000);
        scan.summary.unreadableCount = 3;
        scan.summary.listing.count = 2;
        scan.summary.listing.types = {QStringLiteral("iso"), QStringLiteral("mkv")};
        scan.summary.listing.minSize = 1 << 20;
        scan.summary.listedCount = 2;
        scan.summary.folderCount = 4;
        const QString odd =
            root + QLatin1Char('/') + pathcodec::fromNative(QByteArray("a\nb\x80.bin"));
        scan.files = {{odd, Q_INT64_C(5368709120), 5368713216, 1700000000000, ~quint64(0), 42},
                      {root + QStringLiteral("/\u00e9t\u00e9.mkv"), 7, -1, -1, 0, 0}};
        scan.folders = {{root + QStringLiteral("/sub/deep"), 10, 4096, 1},
                        {root, 30, -1, 3},
                        {root + QStringLiteral("/sub"), 20, 8192, 2},
                        {QStringLiteral("/"), 40, -1, 4}};

        const QString path = freshPath();
        ScanStore store(path);
        QVERIFY2(store.open(), qPrintable(store.status().message));
        QVERIFY(store.notice().isEmpty());
        const qint64 id = store.save(scan);
        QVERIFY2(id > 0, qPrintable(store.status().message));

        // Read back through a second connection, as another run would.
        ScanStore reader(path);
        QVERIFY(reader.open());
        const QList<ScanSummary> history = reader.history(scan.target);
        QCOMPARE(history.size(), 1);
        const std::optional<ScanRecord> loaded = reader.load(history.first().id);
        QVERIFY(loaded);
        QCOMPARE(loaded->target.key(), scan.target.key());
        QCOMPARE(loaded->target.roots, scan.target.roots);
        QCOMPARE(loaded->target.excludes, scan.target.excludes);
        QVERIFY(loaded->target.oneFileSystem);
        const ScanSummary &s = loaded->summary;
        QCOMPARE(s.started, scan.summary.started);
        QCOMPARE(s.durationMs, 98765);
        QVERIFY(s.partial);
        QCOMPARE(s.fileCount, 447050);
        QCOMPARE(s.byteCount, scan.summary.byteCount);
        QCOMPARE(s.bytesOnDisk, -1);
        QCOMPARE(s.unreadableCount, 3);
        QVERIFY(s.listing == scan.summary.listing);
        QCOMPARE(s.listedCount, 2);
        QCOMPARE(s.folderCount, 4);
        QCOMPARE(loaded->files.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const StoredFile &a = loaded->files.at(i);
            const StoredFile &b = scan.files.at(i);
            QCOMPARE(pathcodec::toNative(a.path), pathcodec::toNative(b.path));
            QCOMPARE(a.path, b.path);
            QCOMPARE(a.size, b.size);
            QCOMPARE(a.sizeOnDisk, b.sizeOnDisk);
            QCOMPARE(a.modified, b.modified);
            QCOMPARE(a.device, b.device);
            QCOMPARE(a.inode, b.inode);
        }
        QCOMPARE(loaded->folders.size(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(loaded->folders.at(i).path, scan.folders.at(i).path);
            QCOMPARE(loaded->folders.at(i).bytes, scan.folders.at(i).bytes);
            QCOMPARE(loaded->folders.at(i).bytesOnDisk, scan.folders.at(i).bytesOnDisk);
            QCOMPARE(loaded->folders.at(i).fileCount, scan.folders.at(i).fileCount);
        }
        // The two halves the window reads one after the other.
        const std::optional<ScanRecord> listing = reader.loadListing(history.first().id);
        QVERIFY(listing);
        QCOMPARE(listing->files.size(), 2);
        QCOMPARE(listing->files.at(0).path, scan.files.at(0).path);
        QCOMPARE(listing->summary.byteCount, scan.summary.byteCount);
        QVERIFY(listing->folders.isEmpty());
        const std::optional<QList<FolderTotal>> folders = reader.loadFolders(history.first().id);
        QVERIFY(folders);
        QCOMPARE(folders->size(), 4);
        QCOMPARE(folders->at(2).path, scan.folders.at(2).path);
        QCOMPARE(folders->at(2).bytes, 20);
        // Folders are rows under their parent: "sub" is stored as its name.
        QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "raw");
        {
            raw.setDatabaseName(path);
            QVERIFY(raw.open());
            QSqlQuery names(raw);
            QVERIFY(names.exec("SELECT name FROM folders ORDER BY id"));
            QByteArrayList stored;
            while (names.next())
                stored << names.value(0).toByteArray();
            QCOMPARE(stored, (QByteArrayList {"deep", pathcodec::toNative(root), "sub", "/"}));
            raw.close();
        }
        raw = QSqlDatabase();
        QSqlDatabase::removeDatabase("raw");

        QVERIFY(reader.remove(id));
        QVERIFY(reader.history(scan.target).isEmpty());
        QVERIFY(!reader.load(id));
    }

    void targetKey_data()
    {
        QTest::addColumn<QStringList>("roots");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<bool>("same");
        QTest::newRow("order and repeats") << QStringList {"/b", "/a/", "/b"} << false << true;
        QTest::newRow("other root") << QStringList {"/a", "/c"} << false << false;
        QTest::newRow("hidden files") << QStringList {"/a", "/b"} << true << false;
        QTest::newRow("a name with a newline") << QStringList {"/a\nroot /b"} << false << false;
    }

    void targetKey()
    {
        QFETCH(QStringList, roots);
        QFETCH(bool, hidden);
        QFETCH(bool, same);
        ScanOptions options = defaultScanOptions();
        options.includeHidden = hidden;
        const QString base = ScanTarget::of({"/a", "/b"}, defaultScanOptions()).key();
        QCOMPARE(ScanTarget::of(roots, options).key() == base, same);
    }

    void retention()
    {
        const QString path = freshPath();
        ScanStore store(path);
        QVERIFY(store.open());
        const qint64 start = 1700000000000;
        for (int i = 0; i < 5; ++i)
            QVERIFY2(store.save(scanOf("/keep", 3, 2, start + i * 1000), 3) > 0,
                     qPrintable(store.status().message));
        QVERIFY(store.save(scanOf("/other", 3, 2, start), 3) > 0);
        const QList<ScanSummary> history =
            store.history(ScanTarget::of({"/keep"}, defaultScanOptions()));
        QCOMPARE(history.size(), 3);
        QCOMPARE(history.at(0).started.toMSecsSinceEpoch(), start + 4000);
        QCOMPARE(history.at(2).started.toMSecsSinceEpoch(), start + 2000);
        QCOMPARE(store.history(ScanTarget::of({"/other"}, defaultScanOptions())).size(), 1);

        // Fewer kept: the file is compacted once half of it is free.
        for (int i = 0; i < 4; ++i)
            QVERIFY(store.save(scanOf("/big", 50, 4000, start + i), 4) > 0);
        const qint64 full = QFileInfo(path).size();
        QVERIFY(store.save(scanOf("/big", 50, 4000, start + 10), 1) > 0);
        QCOMPARE(store.history(ScanTarget::of({"/big"}, defaultScanOptions())).size(), 1);
        QVERIFY2(QFileInfo(path).size() * 2 < full,
                 qPrintable(QStringLiteral("%1 -> %2").arg(full).arg(QFileInfo(path).size())));
    }

    void savedOnItsOwnThread()
    {
        ScanSaver saver(freshPath());
        QSignalSpy saved(&saver, &ScanSaver::saved);
        QSignalSpy failed(&saver, &ScanSaver::failed);
        QVERIFY(saver.save(scanOf("/a", 2, 2)));
        QVERIFY(saver.save(scanOf("/a", 2, 2)));
        QVERIFY(saver.isSaving());
        QTRY_COMPARE(saved.size(), 2);
        QCOMPARE(failed.size(), 0);
        QVERIFY(saved.at(1).at(0).toLongLong() > saved.at(0).at(0).toLongLong());

        saver.setKeep(0);
        QVERIFY(!saver.save(scanOf("/a", 2, 2)));
    }

    // A second instance writes: the save waits, then goes through.
    void lockedBySecondInstance()
    {
        const QString path = freshPath();
        ScanStore first(path);
        QVERIFY(first.open());
        QVERIFY(first.save(scanOf("/a", 2, 2)) > 0);

        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
        {
            other.setDatabaseName(path);
            QVERIFY(other.open());
            QSqlQuery lock(other);
            QVERIFY2(lock.exec("BEGIN IMMEDIATE"), qPrintable(lock.lastError().text()));

            ScanSaver saver(path);
            QSignalSpy saved(&saver, &ScanSaver::saved);
            QSignalSpy failed(&saver, &ScanSaver::failed);
            QVERIFY(saver.save(scanOf("/a", 2, 2)));
            // The first store still reads while the other holds the lock.
            QCOMPARE(first.history(ScanTarget::of({"/a"}, defaultScanOptions())).size(), 1);
            QTimer::singleShot(300, &saver, [&] { QSqlQuery(other).exec("COMMIT"); });
            QTRY_COMPARE_WITH_TIMEOUT(saved.size() + failed.size(), 1, 10000);
            QCOMPARE(failed.size(), 0);

            // Held past the wait: the save fails saying so, and the next one
            // after the lock is gone stores it.
            QVERIFY(lock.exec("BEGIN IMMEDIATE"));
            saver.setBusyTimeout(100);
            QVERIFY(saver.save(scanOf("/a", 2, 2)));
            QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 10000);
            QCOMPARE(saver.lastFault(), StoreFault::Busy);
            QVERIFY(failed.at(0).at(0).toString().contains("locked"));
            QVERIFY(lock.exec("COMMIT"));
            QVERIFY(saver.save(scanOf("/a", 2, 2)));
            QTRY_COMPARE_WITH_TIMEOUT(saved.size(), 2, 10000);
            other.close();
        }
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase("other");
        QCOMPARE(first.history(ScanTarget::of({"/a"}, defaultScanOptions())).size(), 3);
    }

    void readOnlyFile()
    {
#ifdef Q_OS_LINUX
        // The super-user writes through file modes: a read-only mount instead.
        SmallDisk disk("1m");
        const bool root = geteuid() == 0;
        if (root && !disk.mounted)
            QSKIP("a tmpfs could not be mounted");
        const QString path =
            root ? disk.mountPoint.filePath(QStringLiteral("h.sqlite")) : freshPath();
#else
        const QString path = freshPath();
#endif
        {
            ScanStore store(path);
            QVERIFY(store.open());
            QVERIFY(store.save(scanOf("/a", 2, 2)) > 0);
        }
#ifdef Q_OS_LINUX
        if (root)
            QVERIFY(disk.makeReadOnly());
        else
#endif
        {
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser));
            // Wine run by the super-user writes through the read-only mark.
            QFile probe(path);
            if (probe.open(QIODevice::ReadWrite)) {
                probe.close();
                QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
                QSKIP("this system writes to a file marked read-only");
            }
        }
        const QByteArray before = digest(path);

        ScanStore store(path);
        if (store.open()) {
            QCOMPARE(store.history(ScanTarget::of({"/a"}, defaultScanOptions())).size(), 1);
            QCOMPARE(store.save(scanOf("/a", 2, 2)), 0);
        }
        QVERIFY2(store.status().fault == StoreFault::ReadOnly, qPrintable(store.status().message));
        QVERIFY2(store.status().message.contains("read-only"), qPrintable(store.status().message));
        QCOMPARE(digest(path), before);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void garbageFile()
    {
        const QString path = freshPath();
        QByteArray garbage;
        for (int i = 0; i < 10000; ++i)
            garbage += char(i * 7919 % 251);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(garbage);
        }
        ScanStore store(path);
        QVERIFY2(store.open(), qPrintable(store.status().message));
        QVERIFY2(store.notice().contains("moved aside"), qPrintable(store.notice()));
        const QStringList aside =
            QDir(dir.path()).entryList({QFileInfo(path).fileName() + QStringLiteral(".corrupt-*")});
        QCOMPARE(aside.size(), 1);
        QVERIFY(store.notice().contains(aside.first()));
        QFile kept(dir.filePath(aside.first()));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), garbage);
        QVERIFY(store.save(scanOf("/a", 1, 1)) > 0);

        // Told once: the new file opens without a word.
        ScanStore again(path);
        QVERIFY(again.open());
        QVERIFY(again.notice().isEmpty());
        QCOMPARE(again.history(ScanTarget::of({"/a"}, defaultScanOptions())).size(), 1);
    }

    void newerSchema()
    {
        const QString path = freshPath();
        {
            ScanStore store(path);
            QVERIFY(store.open());
            QVERIFY(store.save(scanOf("/a", 1, 1)) > 0);
        }
        {
            QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "raw");
            raw.setDatabaseName(path);
            QVERIFY(raw.open());
            QVERIFY(QSqlQuery(raw).exec(
                QStringLiteral("PRAGMA user_version = %1").arg(ScanStore::schemaVersion + 1)));
            raw.close();
        }
        QSqlDatabase::removeDatabase("raw");
        const QByteArray before = digest(path);

        ScanStore store(path);
        QVERIFY(!store.open());
        QCOMPARE(store.status().fault, StoreFault::NewerSchema);
        QVERIFY(store.history(ScanTarget::of({"/a"}, defaultScanOptions())).isEmpty());

        ScanSaver saver(path);
        QSignalSpy failed(&saver, &ScanSaver::failed);
        QVERIFY(saver.save(scanOf("/a", 1, 1)));
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY(failed.at(0).at(0).toString().contains("newer version"));
        QVERIFY(saver.historyOff());
        QVERIFY(!saver.save(scanOf("/a", 1, 1)));
        QCOMPARE(digest(path), before);
    }

    void fullDisk()
    {
#ifndef Q_OS_LINUX
        QSKIP("a small file system is mounted on Linux only");
#else
        if (geteuid() != 0)
            QSKIP("mounting a small tmpfs needs the super-user");
        SmallDisk disk("320k");
        QVERIFY(disk.mounted);
        const QString path = disk.mountPoint.filePath(QStringLiteral("h.sqlite"));
        ScanStore store(path);
        QVERIFY(store.open());
        const qint64 first = store.save(scanOf("/a", 5, 5));
        QVERIFY(first > 0);

        QCOMPARE(store.save(scanOf("/a", 100, 20000)), 0);
        QCOMPARE(store.status().fault, StoreFault::DiskFull);
        QVERIFY2(store.status().message.contains("full"), qPrintable(store.status().message));

        // What was stored before is all there, in this and a new connection.
        QCOMPARE(store.history(ScanTarget::of({"/a"}, defaultScanOptions())).size(), 1);
        ScanStore reader(path);
        QVERIFY(reader.open());
        const std::optional<ScanRecord> kept = reader.load(first);
        QVERIFY(kept);
        QCOMPARE(kept->files.size(), 5);
        QCOMPARE(kept->folders.size(), 6);
#endif
    }
};

// Two connections (the window's reader and its saver) that open a file that
// does not exist yet at the same moment: one makes the tables, the other
// finds them made.
void tst_ScanStore::twoConnectionsMakeANewFile()
{
#ifdef Q_OS_WIN
    // The SQLite driver first loaded by a thread of its own keeps the
    // program from ending under Wine.
    QSKIP("the driver loaded in a worker thread hangs the exit under Wine");
#endif
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (int round = 0; round < 20; ++round) {
        const QString path = dir.filePath(QString("round%1.sqlite").arg(round));
        QSemaphore ready;
        QSemaphore go;
        std::atomic<int> opened {0};
        QList<QThread *> threads;
        QStringList failures;
        QMutex lock;
        for (int i = 0; i < 2; ++i) {
            threads << QThread::create([&] {
                ready.release();
                go.acquire();
                ScanStore store(path);
                if (store.open()) {
                    ++opened;
                } else {
                    QMutexLocker locked(&lock);
                    failures << store.status().message;
                }
            });
            threads.last()->start();
        }
        ready.acquire(2);
        go.release(2);
        for (QThread *thread : threads) {
            QVERIFY(thread->wait(20000));
            delete thread;
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join("; ")));
        QCOMPARE(opened.load(), 2);
    }
}

QTEST_GUILESS_MAIN(tst_ScanStore)
#include "tst_scanstore.moc"
