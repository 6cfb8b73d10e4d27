#include "scan/pathcodec.h"
#include "scan/scansession.h"
#include "support/fusemount.h"
#include "support/lockedtree.h"
#include "support/messagecapture.h"
#include "support/removedcwd.h"
#include "support/walkgate.h"
#include "support/withoutoverride.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

// A scan as a front end drives it, on a real tree below T:
//   big.iso 9000         movie.MKV 8000        clip.mp4 7000
//   old.log 6000 (modified 400 days ago)       skip/x.iso 5000
//   c.dat, a.dat, b.dat 1000 each (created in that order)
//   sub/deeper/z.bin 500                       .secret.mkv 9500
//   .hid/inner.iso 9900
using Files = QList<QPair<qint64, QString>>;
Q_DECLARE_METATYPE(Files)

class tst_ScanSession : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tree;
    QString base;

    void writeFile(const QString &relative, qint64 size)
    {
        const QString path = base + QLatin1Char('/') + relative;
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
        QVERIFY(file.resize(size));
    }

    // Runs one scan to its end and returns its results as (size, path).
    static Files scan(ScanSession &session)
    {
        QSignalSpy finished(&session, &ScanSession::finished);
        if (!session.start())
            return {{-1, QStringLiteral("not started")}};
        if (!finished.wait(20000))
            return {{-1, QStringLiteral("not finished")}};
        Files files;
        for (const FoundFile &file : session.results())
            files.append({file.size, file.path});
        return files;
    }

    // Whether the file carries the device and inode its path has now.
    static bool identityMatches(const FoundFile &file)
    {
        struct stat status
        {
        };
        return ::lstat(pathcodec::toNative(file.path).constData(), &status) == 0 &&
            file.device == quint64(status.st_dev) && file.inode == quint64(status.st_ino) &&
            file.inode != 0;
    }

private Q_SLOTS:
    void initTestCase();
    void filters_data();
    void filters();
    void equalSizesInByteOrder();
    void hardLinksOnce();
    void counts();
    void rootsMadeAbsoluteAndClean();
    void relativeRootWithoutCurrentDirectory();
    void snapshotMatchesResults();
    void stopRightAfterStart();
    void unreadableFolderReported();
    void oneFileSystem();
    void stopWithAHungMount();
    void destroyWithAHungMount();
};

void tst_ScanSession::initTestCase()
{
    QVERIFY(tree.isValid());
    base = tree.path();
    writeFile("big.iso", 9000);
    writeFile("movie.MKV", 8000);
    writeFile("clip.mp4", 7000);
    writeFile("old.log", 6000);
    writeFile("skip/x.iso", 5000);
    for (const char *name : {"c.dat", "a.dat", "b.dat"})
        writeFile(QLatin1String(name), 1000);
    writeFile("sub/deeper/z.bin", 500);
    writeFile(".secret.mkv", 9500);
    writeFile(".hid/inner.iso", 9900);
    QFile old(base + "/old.log");
    QVERIFY(old.open(QIODevice::ReadWrite));
    QVERIFY(old.setFileTime(QDateTime::currentDateTime().addDays(-400),
                            QFileDevice::FileModificationTime));
}

void tst_ScanSession::filters_data()
{
    QTest::addColumn<ScanOptions>("options");
    QTest::addColumn<QStringList>("expected");

    const QStringList all {"big.iso", "movie.MKV", "clip.mp4", "old.log",         "skip/x.iso",
                           "a.dat",   "b.dat",     "c.dat",    "sub/deeper/z.bin"};
    ScanOptions options;
    QTest::newRow("defaults") << options << all;

    options = {};
    options.includeHidden = true;
    QTest::newRow("hidden included")
        << options << QStringList {".hid/inner.iso", ".secret.mkv"} + all;
    options = {};
    options.excludes = {"%T/skip"};
    QStringList withoutSkip = all;
    withoutSkip.removeAll("skip/x.iso");
    QTest::newRow("excluded folder") << options << withoutSkip;
    options.excludes = {"%T/sub/../skip/"};
    QTest::newRow("excluded folder, unclean") << options << withoutSkip;
    options.excludes = {"%T/sub", "%T/skip"};
    QStringList withoutBoth = withoutSkip;
    withoutBoth.removeAll("sub/deeper/z.bin");
    QTest::newRow("two excluded folders") << options << withoutBoth;
    options.excludes = {"%T"};
    QTest::newRow("excluded root") << options << QStringList {};
    options.excludes = {"%T/sk"};
    QTest::newRow("exclusion is not a prefix match") << options << all;

    options = {};
    options.minSize = 7000;
    QTest::newRow("minimum size is inclusive")
        << options << QStringList {"big.iso", "movie.MKV", "clip.mp4"};
    options = {};
    options.types = {"iso", "mkv"};
    QTest::newRow("types, any case")
        << options << QStringList {"big.iso", "movie.MKV", "skip/x.iso"};
    options.types = {".MP4", " dat "};
    QTest::newRow("types with dot and blanks")
        << options << QStringList {"clip.mp4", "a.dat", "b.dat", "c.dat"};
    options.types = {"*.MKV; .iso"};
    QTest::newRow("types as typed in the window")
        << options << QStringList {"big.iso", "movie.MKV", "skip/x.iso"};
    options.types = {"so"};
    QTest::newRow("a type is a whole extension") << options << QStringList {};
    options = {};
    options.olderThanDays = 30;
    QTest::newRow("older than") << options << QStringList {"old.log"};
    options = {};
    options.includeHidden = true;
    options.types = {"iso"};
    options.minSize = 6000;
    options.excludes = {"%T/.hid"};
    QTest::newRow("combined") << options << QStringList {"big.iso"};
}

void tst_ScanSession::filters()
{
    QFETCH(ScanOptions, options);
    QFETCH(QStringList, expected);
    for (QString &exclude : options.excludes)
        exclude.replace("%T", base);

    ScanSession session;
    session.setRoots({base});
    session.setResultCount(50);
    session.setOptions(options);
    QStringList paths;
    for (const auto &file : scan(session))
        paths << file.second;
    for (QString &path : expected)
        path = base + QLatin1Char('/') + path;
    QCOMPARE(paths, expected);
}

// Equal sizes come out in the byte order of the paths, whatever the order in
// which the walk met them: U+FF5E (EF BD 9E) before U+1F600 (F0 9F 98 80),
// the other way round in UTF-16; an undecodable byte 0xFF after both.
void tst_ScanSession::equalSizesInByteOrder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray raw = QFile::encodeName(dir.path());
    const QList<QByteArray> names {"\xff", "\xf0\x9f\x98\x80", "\xef\xbd\x9e", "Z", "a", "B"};
    for (const QByteArray &name : names) {
        const int fd = ::open((raw + '/' + name).constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::ftruncate(fd, 100), 0);
        ::close(fd);
    }
    QByteArrayList sorted = names;
    std::sort(sorted.begin(), sorted.end());

    for (const int count : {6, 3}) {
        ScanSession session;
        session.setRoots({dir.path()});
        session.setResultCount(count);
        Files expected;
        for (qsizetype i = 0; i < count; ++i)
            expected.append({100, pathcodec::fromNative(raw + '/' + sorted.at(i))});
        QCOMPARE(scan(session), expected);
    }
    QCOMPARE(::unlink((raw + "/\xff").constData()), 0);
}

// A file with several names fills one row, under the name first in byte
// order; each name is still walked and counted.
void tst_ScanSession::hardLinksOnce()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath("mm"));
    QFile file(dir.path() + "/zz.bin");
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(6000));
    file.close();
    for (const char *name : {"/mm/link.bin", "/aa-link.bin", "/zz2.bin"}) {
        QCOMPARE(::link(QFile::encodeName(dir.path() + "/zz.bin").constData(),
                        QFile::encodeName(dir.path() + name).constData()),
                 0);
    }
    QFile other(dir.path() + "/mm/other.bin");
    QVERIFY(other.open(QIODevice::WriteOnly));
    QVERIFY(other.resize(6000));
    other.close();

    ScanSession session;
    session.setRoots({dir.path()});
    for (int round = 0; round < 5; ++round) {
        QCOMPARE(
            scan(session),
            (Files {{6000, dir.path() + "/aa-link.bin"}, {6000, dir.path() + "/mm/other.bin"}}));
        QCOMPARE(session.fileCount(), 5);
    }
    // The name kept carries the identity the links share.
    const QList<FoundFile> results = session.results();
    QCOMPARE(results.size(), 2);
    for (const FoundFile &found : results)
        QVERIFY2(identityMatches(found), qPrintable(found.path));
}

void tst_ScanSession::counts()
{
    ScanSession session;
    session.setRoots({base + "/sub", base + "/skip"});
    session.setResultCount(1);
    QCOMPARE(scan(session), (Files {{5000, base + "/skip/x.iso"}}));
    QCOMPARE(session.fileCount(), 2);
    QCOMPARE(session.byteCount(), 5500);
    QCOMPARE(session.unreadableCount(), 0);
    QVERIFY(!session.wasStopped());
    QVERIFY(!session.isRunning());

    // A root that cannot be listed counts as a folder not read.
    session.setRoots({base + "/none", base + "/sub"});
    QSignalSpy unreadable(&session, &ScanSession::folderUnreadable);
    QCOMPARE(scan(session), (Files {{500, base + "/sub/deeper/z.bin"}}));
    QCOMPARE(session.fileCount(), 1);
    QCOMPARE(session.unreadableCount(), 1);
    QCOMPARE(unreadable.size(), 1);
    QCOMPARE(unreadable.at(0).at(0).toString(), base + "/none");
    QCOMPARE(unreadable.at(0).at(1).toString(), QString::fromLocal8Bit(std::strerror(ENOENT)));
}

void tst_ScanSession::rootsMadeAbsoluteAndClean()
{
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(base));
    ScanSession session;
    // A ".." above the root stays at the root, as the system does.
    session.setRoots({"sub/./deeper/..//", "/.." + base + "/./skip/"});
    const Files files = scan(session);
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(files, (Files {{5000, base + "/skip/x.iso"}, {500, base + "/sub/deeper/z.bin"}}));
}

// In a removed current directory "." cannot be made absolute: it is reported
// as a folder not found, and nothing is walked in its place.
void tst_ScanSession::relativeRootWithoutCurrentDirectory()
{
    const testsupport::RemovedCurrentDirectory removed;
    QVERIFY(removed.isValid());

    ScanSession session;
    session.setRoots({".", base + "/sub"});
    QSignalSpy unreadable(&session, &ScanSession::folderUnreadable);
    QCOMPARE(scan(session), (Files {{500, base + "/sub/deeper/z.bin"}}));
    QCOMPARE(session.fileCount(), 1);
    QCOMPARE(session.unreadableCount(), 1);
    QCOMPARE(unreadable.size(), 1);
    QCOMPARE(unreadable.at(0).at(0).toString(), QString("."));
    QCOMPARE(unreadable.at(0).at(1).toString(), QString::fromLocal8Bit(std::strerror(ENOENT)));
}

// After the walk the live view gives what results() gives, without the
// ranking's debug lines.
void tst_ScanSession::snapshotMatchesResults()
{
    testsupport::MessageCapture capture;
    ScanSession session;
    session.setRoots({base});
    session.setResultCount(4);
    QSignalSpy finished(&session, &ScanSession::finished);
    QVERIFY(session.start());
    QVERIFY(finished.wait(20000));
    const qsizetype walkLines = capture.messages().size();
    const QList<FoundFile> live = session.snapshot();
    const qsizetype afterSnapshot = capture.messages().size();
    const QList<FoundFile> final = session.results();
    const qsizetype afterResults = capture.messages().size();
    QCOMPARE(afterSnapshot, walkLines);
    QCOMPARE(afterResults, walkLines + 4);
    QCOMPARE(live.size(), 4);
    for (qsizetype i = 0; i < live.size(); ++i) {
        QCOMPARE(live.at(i).size, final.at(i).size);
        QCOMPARE(live.at(i).path, final.at(i).path);
        // Each with the device and inode the walk met it with.
        QVERIFY2(identityMatches(live.at(i)), qPrintable(live.at(i).path));
        QVERIFY2(identityMatches(final.at(i)), qPrintable(final.at(i).path));
    }
}

// A stop right after start() is never lost: each of 50 quick pairs ends
// stopped, before the walk could cover the tree.
void tst_ScanSession::stopRightAfterStart()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const int files = 2000;
    for (int d = 0; d < 40; ++d) {
        const QString sub = dir.path() + QStringLiteral("/d%1").arg(d);
        QVERIFY(QDir().mkpath(sub));
        for (int f = 0; f < files / 40; ++f) {
            QFile file(sub + QStringLiteral("/f%1").arg(f));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    ScanSession session;
    // Walk threads wait at their first file until the stop has been given,
    // so a busy machine cannot let a whole walk slip in before it.
    testsupport::WalkGate gate(&session);
    session.setRoots({dir.path()});
    QSignalSpy finished(&session, &ScanSession::finished);
    for (int pair = 0; pair < 50; ++pair) {
        QVERIFY(session.start());
        session.stop();
        gate.open();
        QVERIFY(finished.wait(20000));
        gate.close();
        QVERIFY(session.wasStopped());
        QVERIFY2(session.fileCount() < files, qPrintable(QString::number(session.fileCount())));
    }
    gate.open();
    QVERIFY(session.start());
    QVERIFY(finished.wait(20000));
    QCOMPARE(session.fileCount(), files);
}

void tst_ScanSession::unreadableFolderReported()
{
    testsupport::LockedTree dir;
    QVERIFY(dir.isValid());

    ScanSession session;
    session.setRoots({dir.path()});
    QSignalSpy unreadable(&session, &ScanSession::folderUnreadable);
    Files files;
    {
        // The walker's threads start inside the scan, so they inherit it.
        testsupport::WithoutOverride permissions;
        if (!permissions.applies()) {
            QVERIFY(dir.unlock());
            QSKIP("cannot give up root's permission checks here");
        }
        files = scan(session);
    }
    QVERIFY(dir.unlock());
    QCOMPARE(files, (Files {{10, dir.path() + "/open/seen.bin"}}));
    QCOMPARE(session.unreadableCount(), 1);
    QCOMPARE(unreadable.size(), 1);
    QCOMPARE(unreadable.at(0).at(0).toString(), dir.path() + "/locked");
    QCOMPARE(unreadable.at(0).at(1).toString(), QString::fromLocal8Bit(std::strerror(EACCES)));
}

// A file system mounted below a root is walked unless the scan stays on the
// root's own.
void tst_ScanSession::oneFileSystem()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath("mnt"));
    const QByteArray mountPoint = QFile::encodeName(dir.path() + "/mnt");
    if (::mount("tst_scansession", mountPoint.constData(), "tmpfs", 0, "size=1m") != 0)
        QSKIP("cannot mount a tmpfs here (needs root)");
    QFile inside(dir.path() + "/mnt/inside.bin");
    const bool written = inside.open(QIODevice::WriteOnly) && inside.resize(300);
    inside.close();
    QFile outside(dir.path() + "/outside.bin");
    const bool written2 = outside.open(QIODevice::WriteOnly) && outside.resize(200);
    outside.close();

    ScanSession session;
    session.setRoots({dir.path()});
    const Files everything = scan(session);
    ScanOptions options;
    options.oneFileSystem = true;
    session.setOptions(options);
    const Files own = scan(session);
    QCOMPARE(::umount2(mountPoint.constData(), MNT_DETACH), 0);
    QVERIFY(written && written2);
    QCOMPARE(everything,
             (Files {{300, dir.path() + "/mnt/inside.bin"}, {200, dir.path() + "/outside.bin"}}));
    QCOMPARE(own, (Files {{200, dir.path() + "/outside.bin"}}));
}

// A walk thread stuck in a mount whose server does not answer: stop() ends
// the scan at once with what it found, and the thread, once the server
// answers, adds nothing to the ranking, not even to the next scan's.
void tst_ScanSession::stopWithAHungMount()
{
    QTemporaryDir dir;
    QTemporaryDir other;
    QVERIFY(dir.isValid() && other.isValid());
    QVERIFY(QDir().mkpath(dir.path() + "/mnt"));
    for (const QString &path : {dir.path() + "/a.bin", other.path() + "/b.bin"}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(10));
    }
    testsupport::FuseMount fuse(dir.path() + "/mnt", {"--block", "opendir"});
    if (!fuse.isMounted())
        QSKIP(qPrintable(fuse.whyNot()));

    auto session = std::make_unique<ScanSession>();
    session->setRoots({dir.path()});
    QSignalSpy finished(session.get(), &ScanSession::finished);
    QVERIFY(session->start());
    QVERIFY(fuse.waitFor("blocking opendir"));
    // The rest of the tree is walked meanwhile.
    QTRY_COMPARE(session->snapshot().size(), 1);
    session->stop();
    const bool stopped = finished.wait(5000);
    if (!stopped) {
        fuse.kill();
        QVERIFY(finished.wait(10000));
    }
    QVERIFY2(stopped, "the stop waited for the thread in the hung mount");
    QVERIFY(session->wasStopped());
    QCOMPARE(session->results().size(), 1);
    QCOMPARE(session->results().at(0).path, dir.path() + "/a.bin");

    // The next scan runs while the old thread still waits, and the old
    // thread's files, listed once the server answers, reach no ranking.
    session->setRoots({other.path()});
    QVERIFY(session->start());
    QVERIFY(finished.wait(10000));
    fuse.release();
    QVERIFY(fuse.waitFor("releasedir"));
    const QList<FoundFile> results = session->snapshot();
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.at(0).path, other.path() + "/b.bin");
}

// Destroying the session (closing the window) does not wait for a walk
// thread held by a hung mount.
void tst_ScanSession::destroyWithAHungMount()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir().mkpath(dir.path() + "/mnt"));
    testsupport::FuseMount fuse(dir.path() + "/mnt", {"--block", "getattr"});
    if (!fuse.isMounted())
        QSKIP(qPrintable(fuse.whyNot()));

    auto session = std::make_unique<ScanSession>();
    session->setRoots({dir.path()});
    QVERIFY(session->start());
    QVERIFY(fuse.waitFor("blocking getattr"));
    // Should the destructor wait after all, the file system ends after ten
    // seconds and lets it go, so the test fails instead of hanging.
    std::atomic<bool> destroyed {false};
    std::atomic<bool> rescued {false};
    std::thread watchdog([&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!destroyed && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (!destroyed) {
            rescued = true;
            fuse.kill();
        }
    });
    session.reset();
    destroyed = true;
    watchdog.join();
    QVERIFY2(!rescued, "destroying the session waited for the hung mount");
}

QTEST_GUILESS_MAIN(tst_ScanSession)
#include "tst_scansession.moc"
