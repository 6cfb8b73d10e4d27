#include "scan/scansession.h"
#include "store/scancomparison.h"
#include "store/scanstore.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The comparison of two scans: as a function on made-up records, and on a
// real tree scanned, stored, changed, scanned and stored again.
class tst_ScanComparison : public QObject
{
    Q_OBJECT

private:
    // "size path" per file, "bytes path" per folder.
    static ScanRecord record(const QStringList &files, const QStringList &folders = {})
    {
        ScanRecord scan;
        for (const QString &file : files)
            scan.files.append({file.section(' ', 1), file.section(' ', 0, 0).toLongLong()});
        for (const QString &folder : folders)
            scan.folders.append({folder.section(' ', 1), folder.section(' ', 0, 0).toLongLong()});
        return scan;
    }

    // One line per change: "kind size change path" or "change percent path".
    static QStringList files(const ScanComparison &comparison)
    {
        QStringList lines;
        for (const FileChange &change : comparison.files)
            lines << QStringLiteral("%1 %2 %3 %4")
                         .arg(QLatin1String(fileChangeKindName(change.kind)))
                         .arg(change.size())
                         .arg(change.change())
                         .arg(change.path);
        return lines;
    }

    static QStringList folders(const ScanComparison &comparison)
    {
        QStringList lines;
        for (const FolderChange &change : comparison.folders)
            lines << QStringLiteral("%1 %2% %3")
                         .arg(change.change())
                         .arg(change.percent())
                         .arg(change.path);
        return lines;
    }

    static void writeFile(const QString &path, qint64 size)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
    }

    static std::optional<ScanRecord> scanAndStore(ScanStore &store, const QString &root)
    {
        ScanSession session;
        session.setRoots({root});
        session.setResultCount(10);
        QSignalSpy finished(&session, &ScanSession::finished);
        if (!session.start() || !finished.wait(20000))
            return std::nullopt;
        const qint64 id = store.save(scanRecordOf(session, {root}, session.results()));
        return id > 0 ? store.load(id) : std::nullopt;
    }

private Q_SLOTS:
    void changes_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing changed")
            << QStringList {"5 /a", "3 /b"} << QStringList {"5 /a", "3 /b"} << QStringList {};
        QTest::newRow("each kind, largest change first")
            << QStringList {"100 /grew", "90 /shrank", "80 /gone", "10 /same"}
            << QStringList {"150 /grew", "95 /new", "60 /shrank", "10 /same"}
            << QStringList {"new 95 95 /new", "gone 80 -80 /gone", "grew 150 50 /grew",
                            "shrank 60 -30 /shrank"};
        QTest::newRow("equal changes in path order")
            << QStringList {"10 /b", "10 /a"} << QStringList {"20 /b", "0 /a"}
            << QStringList {"shrank 0 -10 /a", "grew 20 10 /b"};
        QTest::newRow("a path listed twice is matched once")
            << QStringList {"7 /twin", "7 /twin"} << QStringList {"7 /twin"} << QStringList {};
    }

    void changes()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QStringList, expected);
        QCOMPARE(files(compareScans(record(before), record(after))), expected);
    }

    void folderTotals()
    {
        const ScanRecord before =
            record({}, {"1000 /r", "400 /r/old", "600 /r/keep", "0 /r/empty"});
        const ScanRecord after =
            record({}, {"1900 /r", "400 /r/new", "1500 /r/keep", "0 /r/empty"});
        QCOMPARE(
            folders(compareScans(before, after)),
            (QStringList {"900 90% /r", "900 150% /r/keep", "400 0% /r/new", "-400 -100% /r/old"}));
    }

    void partial()
    {
        ScanRecord stopped = record({"1 /a"});
        stopped.summary.partial = true;
        QVERIFY(compareScans(record({"1 /a"}), stopped).partial);
        QVERIFY(compareScans(stopped, record({"1 /a"})).partial);
        QVERIFY(!compareScans(record({"1 /a"}), record({"1 /a"})).partial);
    }

    // A tree scanned, changed (a file grown, one shrunk, one new, one gone, a
    // folder renamed) and scanned again: what is stored of the two compares
    // as the change.
    void changedTree()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString root = dir.filePath(QStringLiteral("tree"));
        writeFile(root + "/grows.bin", 1000);
        writeFile(root + "/shrinks.bin", 900);
        writeFile(root + "/goes.bin", 800);
        writeFile(root + "/same.bin", 700);
        writeFile(root + "/music/song.bin", 600);
        ScanStore store(dir.filePath(QStringLiteral("history.sqlite")));
        QVERIFY(store.open());
        const std::optional<ScanRecord> first = scanAndStore(store, root);
        QVERIFY(first);
        QCOMPARE(first->files.size(), 5);

        writeFile(root + "/grows.bin", 3000);
        writeFile(root + "/shrinks.bin", 100);
        QVERIFY(QFile::remove(root + "/goes.bin"));
        writeFile(root + "/new.bin", 500);
        QVERIFY(QDir(root).rename("music", "audio"));
        const std::optional<ScanRecord> second = scanAndStore(store, root);
        QVERIFY(second);

        const QList<ScanSummary> history = store.history(first->target);
        QCOMPARE(history.size(), 2);
        const std::optional<ScanRecord> before = store.load(history.at(1).id);
        const std::optional<ScanRecord> after = store.load(history.at(0).id);
        QVERIFY(before && after);
        QStringList expected = {"grew 3000 2000 %1/grows.bin",     "gone 800 -800 %1/goes.bin",
                                "shrank 100 -800 %1/shrinks.bin",  "new 600 600 %1/audio/song.bin",
                                "gone 600 -600 %1/music/song.bin", "new 500 500 %1/new.bin"};
        for (QString &line : expected)
            line = line.arg(root);
        QCOMPARE(files(compareScans(*before, *after)), expected);
    }
};

QTEST_GUILESS_MAIN(tst_ScanComparison)
#include "tst_scancomparison.moc"
