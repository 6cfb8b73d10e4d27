#include "scan/freespace.h"
#include "scan/scansession.h"

#include "support/loopmount.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// Sizes on disk and what removing files frees, on real file systems: the
// temporary directory's, and btrfs, XFS and ext4 in loop files (as root).
class tst_FreeSpace : public QObject
{
    Q_OBJECT

private slots:
    void rankBy_data();
    void rankBy();
    void freesTogether_data();
    void freesTogether();
    void fileSystems_data();
    void fileSystems();

private:
    static bool writeRandom(const QString &path, qint64 bytes)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        QByteArray block(64 * 1024, '\0');
        for (qint64 written = 0; written < bytes; written += block.size()) {
            for (qsizetype i = 0; i < block.size(); ++i)
                block[i] = char((written + i) * 2654435761u >> 13);
            if (file.write(block.constData(), qMin<qint64>(block.size(), bytes - written)) < 0)
                return false;
        }
        return file.flush() && ::fsync(file.handle()) == 0;
    }
    static bool makeSparse(const QString &path, qint64 bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.resize(bytes);
    }
    static QList<FoundFile> scan(const QString &root, SizeKind by = SizeKind::Apparent)
    {
        ScanSession session;
        ScanOptions options = defaultScanOptions();
        options.rankBy = by;
        session.setOptions(options);
        session.setRoots({root});
        session.setResultCount(20);
        QSignalSpy finished(&session, &ScanSession::finished);
        if (!session.start() || !finished.wait(30000))
            return {};
        return session.results();
    }
    static QString names(const QList<FoundFile> &files, const QString &root)
    {
        QStringList text;
        for (const FoundFile &file : files)
            text << QDir(root).relativeFilePath(file.path);
        return text.join(QLatin1Char(' '));
    }
    static qint64 blocksOf(const QString &path)
    {
        struct stat st;
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? qint64(st.st_blocks) * 512
                                                                     : -1;
    }
};

// A 64 MiB sparse file is longest but takes nothing on disk.
void tst_FreeSpace::rankBy_data()
{
    QTest::addColumn<SizeKind>("by");
    QTest::addColumn<QString>("order");
    QTest::newRow("length") << SizeKind::Apparent << "sparse data";
    QTest::newRow("disk") << SizeKind::OnDisk << "data sparse";
}

void tst_FreeSpace::rankBy()
{
    QFETCH(SizeKind, by);
    QFETCH(QString, order);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(makeSparse(dir.path() + "/sparse", qint64(64) << 20));
    QVERIFY(writeRandom(dir.path() + "/data", 256 * 1024));
    const QList<FoundFile> files = scan(dir.path(), by);
    QCOMPARE(names(files, dir.path()), order);
    for (const FoundFile &file : files) {
        QCOMPARE(file.allocated, blocksOf(file.path));
        QVERIFY(file.modified > 0);
        QCOMPARE(file.links, 1u);
        QCOMPARE(file.frees, file.allocated);
    }
}

// f has two names, g one; removing decides what comes back.
void tst_FreeSpace::freesTogether_data()
{
    QTest::addColumn<QStringList>("removing");
    QTest::addColumn<QList<qint64>>("frees");
    QTest::newRow("one name of two") << QStringList {"f1"} << QList<qint64> {0};
    QTest::newRow("both names") << QStringList {"f1", "f2"} << QList<qint64> {4096, 0};
    QTest::newRow("the only name") << QStringList {"g"} << QList<qint64> {8192};
    QTest::newRow("all") << QStringList {"g", "f2", "f1"} << QList<qint64> {8192, 4096, 0};
}

void tst_FreeSpace::freesTogether()
{
    QFETCH(QStringList, removing);
    QFETCH(QList<qint64>, frees);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeRandom(dir.path() + "/f1", 4096));
    QVERIFY(::link(QFile::encodeName(dir.path() + "/f1").constData(),
                   QFile::encodeName(dir.path() + "/f2").constData()) == 0);
    QVERIFY(writeRandom(dir.path() + "/g", 8192));
    const QList<FoundFile> listed = scan(dir.path());
    // The ranking lists a file with two names once, under its first name.
    QCOMPARE(names(listed, dir.path()), "g f1");
    QCOMPARE(listed.at(1).frees, 0);
    QCOMPARE(listed.at(1).links, 2u);
    if (blocksOf(dir.path() + "/g") != 8192 || blocksOf(dir.path() + "/f1") != 4096)
        QSKIP("this file system does not allocate in 4 KiB blocks");

    QList<FoundFile> chosen;
    for (const QString &name : removing) {
        FoundFile file = name == "g" ? listed.at(0) : listed.at(1);
        file.path = dir.path() + "/" + name;
        chosen << file;
    }
    QCOMPARE(freespace::freesTogether(chosen), frees);
}

// a and its reflinked copy b share every block; c is a copy of its own;
// h has a second name; s is sparse.
void tst_FreeSpace::fileSystems_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("mkfs");
    QTest::addColumn<bool>("reflinks");
    QTest::newRow("btrfs") << "btrfs" << QStringList {"-q"} << true;
    QTest::newRow("xfs") << "xfs" << QStringList {"-q", "-m", "reflink=1"} << true;
    QTest::newRow("ext4") << "ext4" << QStringList {"-q"} << false;
}

void tst_FreeSpace::fileSystems()
{
    QFETCH(QString, type);
    QFETCH(QStringList, mkfs);
    QFETCH(bool, reflinks);
    testsupport::LoopMount fs(type, 320, mkfs);
    if (!fs.isMounted())
        QSKIP(qPrintable(fs.skipReason()));
    const QString root = fs.path() + "/t";
    QVERIFY(QDir().mkdir(root));
    constexpr qint64 size = 1 << 20;
    QVERIFY(writeRandom(root + "/a", size));
    QVERIFY(writeRandom(root + "/c", size - 4096));
    QVERIFY(writeRandom(root + "/h", size - 8192));
    QVERIFY(::link(QFile::encodeName(root + "/h").constData(),
                   QFile::encodeName(fs.path() + "/h2").constData()) == 0);
    QVERIFY(makeSparse(root + "/s", qint64(8) << 20));
    if (reflinks)
        QCOMPARE(testsupport::LoopMount::run("cp", {"--reflink=always", root + "/a", root + "/b"}),
                 0);
    QCOMPARE(testsupport::LoopMount::run("sync", {"-f", root + "/a"}), 0);

    QHash<QString, qint64> frees;
    for (const FoundFile &file : scan(root))
        frees.insert(QDir(root).relativeFilePath(file.path), file.frees);
    QCOMPARE(frees.value("s"), blocksOf(root + "/s"));
    QCOMPARE(frees.value("c"), blocksOf(root + "/c"));
    QVERIFY(frees.value("c") >= size - 4096);
    QCOMPARE(frees.value("h"), 0);
    if (reflinks) {
        QCOMPARE(frees.value("a"), 0);
        QCOMPARE(frees.value("b"), 0);
    } else {
        QCOMPARE(frees.value("a"), blocksOf(root + "/a"));
    }

    if (type == "btrfs") {
        // A file a snapshot still holds frees nothing.
        const QString volume = fs.path() + "/volume";
        QCOMPARE(testsupport::LoopMount::run("btrfs", {"subvolume", "create", volume}), 0);
        QVERIFY(writeRandom(volume + "/kept", size));
        QCOMPARE(testsupport::LoopMount::run(
                     "btrfs", {"subvolume", "snapshot", volume, fs.path() + "/snapshot"}),
                 0);
        QCOMPARE(testsupport::LoopMount::run("sync", {"-f", volume + "/kept"}), 0);
        const QList<FoundFile> kept = scan(volume);
        QCOMPARE(names(kept, volume), "kept");
        QCOMPARE(kept.at(0).frees, 0);
    }
}

QTEST_GUILESS_MAIN(tst_FreeSpace)
#include "tst_freespace.moc"
