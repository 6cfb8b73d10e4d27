#include "scan/directorywalk.h"
#include "scan/pathcodec.h"
#include "support/fusemount.h"
#include "support/lockedtree.h"
#include "support/withoutoverride.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <memory>
#include <new>
#include <thread>

// The directory walk on real trees: what is reported, with which path and
// size, and what is left out. Built twice on Linux: over the Linux reader,
// and as tst_directorywalk_posix over the reader of other POSIX systems,
// which tells no kinds of file system apart (the cases that rest on that
// say so and skip there). The tree, below the temporary directory T:
//   a.bin 1000            .hidden 500             .hiddendir/inner.bin 600
//   sub/b.bin 2000        sub/empty.bin 0         sub/deep/c.bin 3000
//   big.sparse 5 GiB      caf\xe9.bin 700         na\xc3\xafve.bin 800
//   \xff\xfe/inside.bin 900 (a directory whose name is not UTF-8)
//   link-to-file -> a.bin, link-to-big -> big.sparse, link-to-dir -> sub,
//   sub/loop -> .., broken -> missing, fifo, socket
class tst_DirectoryWalk : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tree;
    QString base;
    // A wide tree for the descriptor limit cases, and its files.
    std::unique_ptr<QTemporaryDir> wideTree;
    QStringList wideFiles;

    static QString decoded(const char *rawName)
    {
        return pathcodec::fromNative(QByteArray(rawName));
    }

    void writeFile(const QByteArray &relative, qint64 size)
    {
        // Raw bytes: a name that is not UTF-8 does not survive a QString.
        const QByteArray raw = QFile::encodeName(base) + '/' + relative;
        const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        QVERIFY2(fd >= 0, raw.constData());
        QCOMPARE(::ftruncate(fd, size), 0);
        ::close(fd);
    }

    void makeDir(const QByteArray &relative)
    {
        const QByteArray raw = QFile::encodeName(base) + '/' + relative;
        QVERIFY2(::mkdir(raw.constData(), 0755) == 0, raw.constData());
    }

    void makeLink(const QByteArray &target, const QByteArray &relative)
    {
        const QByteArray raw = QFile::encodeName(base) + '/' + relative;
        QVERIFY2(::symlink(target.constData(), raw.constData()) == 0, raw.constData());
    }

    // Every reported file as "path size", sorted.
    static QStringList walk(const QStringList &roots,
                            int threads = DirectoryWalk::defaultThreadCount())
    {
        QStringList seen;
        QMutex mutex;
        const QAtomicInt stop(0);
        DirectoryWalk walker(
            stop,
            [&](const WalkedFile &file) {
                QMutexLocker lock(&mutex);
                seen << file.path() + QLatin1Char(' ') + QString::number(file.size);
            },
            {}, {}, threads);
        for (const QString &root : roots)
            walker.walk(root);
        seen.sort();
        return seen;
    }

    // What a walk reported: files as "path size" and failures as
    // "path: reason", each sorted.
    struct Outcome
    {
        QStringList files;
        QStringList failures;
    };

    static Outcome walkAll(const QStringList &roots, const ScanOptions &options = {},
                           int threads = DirectoryWalk::defaultThreadCount())
    {
        Outcome outcome;
        QMutex mutex;
        const QAtomicInt stop(0);
        DirectoryWalk walker(
            stop,
            [&](const WalkedFile &file) {
                QMutexLocker lock(&mutex);
                outcome.files << file.path() + QLatin1Char(' ') + QString::number(file.size);
            },
            [&](const QString &path, const QString &reason) {
                QMutexLocker lock(&mutex);
                outcome.failures << path + QLatin1String(": ") + reason;
            },
            options, threads);
        for (const QString &root : roots)
            walker.walk(root);
        outcome.files.sort();
        outcome.failures.sort();
        return outcome;
    }

    QStringList expand(QStringList lines) const
    {
        for (QString &line : lines)
            line.replace(QLatin1String("%T"), base);
        lines.sort();
        return lines;
    }

private Q_SLOTS:
    void initTestCase();
    void walkRoots_data();
    void walkRoots();
    void sameFilesAsQtIterator_data();
    void sameFilesAsQtIterator();
    void stop_data();
    void stop();
    void undecodableNamesKeepTheirBytes();
    void deeperThanDescriptorLimit();
    void bindMountLoop();
    void unreadableDirectory();
    void pseudoFilesystemRoot_data();
    void pseudoFilesystemRoot();
    void tmpfsRoot();
    void lowDescriptorLimit_data();
    void lowDescriptorLimit();
    void unexaminableEntriesReported_data();
    void unexaminableEntriesReported();
    void mountsJudgedBeforeTouched_data();
    void mountsJudgedBeforeTouched();
    void outOfMemoryEndsTheWalk_data();
    void outOfMemoryEndsTheWalk();
    void cleanupTestCase();
};

void tst_DirectoryWalk::initTestCase()
{
    QVERIFY(tree.isValid());
    base = tree.path();
    writeFile("a.bin", 1000);
    writeFile(".hidden", 500);
    makeDir(".hiddendir");
    writeFile(".hiddendir/inner.bin", 600);
    makeDir("sub");
    writeFile("sub/b.bin", 2000);
    writeFile("sub/empty.bin", 0);
    makeDir("sub/deep");
    writeFile("sub/deep/c.bin", 3000);
    writeFile("big.sparse", qint64(5) << 30);
    writeFile("caf\xe9.bin", 700);
    writeFile("na\xc3\xafve.bin", 800);
    makeDir("\xff\xfe");
    writeFile("\xff\xfe/inside.bin", 900);
    makeLink("a.bin", "link-to-file");
    makeLink("big.sparse", "link-to-big");
    makeLink("sub", "link-to-dir");
    makeLink("..", "sub/loop");
    makeLink("missing", "broken");
    QCOMPARE(::mkfifo(QFile::encodeName(base + "/fifo").constData(), 0644), 0);

    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(sock >= 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(base + "/socket");
    QVERIFY(size_t(socketPath.size()) < sizeof(address.sun_path));
    qstrcpy(address.sun_path, socketPath.constData());
    QCOMPARE(::bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(sock);
}

void tst_DirectoryWalk::walkRoots_data()
{
    QTest::addColumn<QStringList>("roots");
    QTest::addColumn<QStringList>("expected");

    const QStringList sub {"%T/sub/b.bin 2000", "%T/sub/empty.bin 0", "%T/sub/deep/c.bin 3000"};
    const QStringList all =
        QStringList {"%T/a.bin 1000", "%T/big.sparse 5368709120",
                     "%T/" + decoded("caf\xe9") + ".bin 700", "%T/na\u00efve.bin 800",
                     "%T/" + decoded("\xff\xfe") + "/inside.bin 900"} +
        sub;

    QTest::newRow("whole tree") << QStringList {"%T"} << all;
    QTest::newRow("trailing slash") << QStringList {"%T/"} << all;
    QTest::newRow("subdirectory") << QStringList {"%T/sub"} << sub;
    QTest::newRow("nested roots are walked twice") << QStringList {"%T", "%T/sub"} << all + sub;
    QTest::newRow("root is a link to a directory")
        << QStringList {"%T/link-to-dir"}
        << QStringList {"%T/link-to-dir/b.bin 2000", "%T/link-to-dir/empty.bin 0",
                        "%T/link-to-dir/deep/c.bin 3000"};
    QTest::newRow("root is a hidden directory")
        << QStringList {"%T/.hiddendir"} << QStringList {"%T/.hiddendir/inner.bin 600"};
    QTest::newRow("root with a non-UTF-8 name")
        << QStringList {"%T/" + decoded("\xff\xfe")}
        << QStringList {"%T/" + decoded("\xff\xfe") + "/inside.bin 900"};
    QTest::newRow("empty root") << QStringList {""} << QStringList {};
    QTest::newRow("empty root between others")
        << QStringList {"%T/sub/deep", "", "%T/sub/deep"}
        << QStringList {"%T/sub/deep/c.bin 3000", "%T/sub/deep/c.bin 3000"};
    QTest::newRow("missing root") << QStringList {"%T/missing"} << QStringList {};
    QTest::newRow("root is a file") << QStringList {"%T/a.bin"} << QStringList {};
    QTest::newRow("root is a fifo") << QStringList {"%T/fifo"} << QStringList {};
    QTest::newRow("root is a broken link") << QStringList {"%T/broken"} << QStringList {};
}

void tst_DirectoryWalk::walkRoots()
{
    QFETCH(QStringList, roots);
    QFETCH(QStringList, expected);
    for (QString &root : roots)
        root.replace(QLatin1String("%T"), base);
    QCOMPARE(walk(roots), expand(expected));
    // The same with the calling thread alone, as where no thread can start.
    QCOMPARE(walk(roots, 0), expand(expected));
}

void tst_DirectoryWalk::sameFilesAsQtIterator_data()
{
    QTest::addColumn<QString>("root");
    QTest::newRow("plain") << "%T/sub";
    QTest::newRow("trailing slash") << "%T/sub/";
    QTest::newRow("double slash") << "%T//sub";
    QTest::newRow("dot segment") << "%T/./sub";
    QTest::newRow("dot-dot segment") << "%T/sub/deep/..";
}

// Where Qt's iterator is right (no links to files, UTF-8 names), the walk gives
// the same paths, in the same form.
void tst_DirectoryWalk::sameFilesAsQtIterator()
{
    QFETCH(QString, root);
    root.replace(QLatin1String("%T"), base);
    QStringList expected;
    QDirIterator it(QDir(root), QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isFile() && !info.isSymLink())
            expected << info.filePath() + QLatin1Char(' ') + QString::number(info.size());
    }
    expected.sort();
    QCOMPARE(expected.size(), 3);
    QCOMPARE(walk({root}), expected);
}

void tst_DirectoryWalk::stop_data()
{
    QTest::addColumn<int>("threads");
    QTest::newRow("one thread") << 1;
    QTest::newRow("four threads") << 4;
}

// Each thread may be past its check of the flag with one file at most.
void tst_DirectoryWalk::stop()
{
    QFETCH(int, threads);
    QAtomicInt stopFlag(0);
    QStringList seen;
    QMutex mutex;
    DirectoryWalk walker(
        stopFlag,
        [&](const WalkedFile &file) {
            QMutexLocker lock(&mutex);
            seen << file.path();
            stopFlag.storeRelaxed(1);
        },
        {}, {}, threads);
    walker.walk(base);
    QVERIFY(!seen.isEmpty());
    QVERIFY(seen.size() <= threads);

    // A flag already set lets nothing through, whatever its value.
    seen.clear();
    stopFlag.storeRelaxed(2);
    walker.walk(base);
    QVERIFY(seen.isEmpty());
}

// Names that are not UTF-8 keep their bytes: two names that differ in one
// undecodable byte stay two paths, and each leads back to its own file.
void tst_DirectoryWalk::undecodableNamesKeepTheirBytes()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray raw = QFile::encodeName(dir.path());
    const QByteArrayList names {"bad\xffx", "bad\xfex"};
    for (qsizetype i = 0; i < names.size(); ++i) {
        const int fd = ::open((raw + '/' + names.at(i)).constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::ftruncate(fd, 10 + i), 0);
        ::close(fd);
    }
    const QStringList seen = walk({dir.path()});
    for (const QByteArray &name : names)
        QCOMPARE(::unlink((raw + '/' + name).constData()), 0);

    QCOMPARE(seen.size(), 2);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString line = seen.at(1 - i); // "bad\xfex" sorts first
        const QString path = line.left(line.lastIndexOf(QLatin1Char(' ')));
        QCOMPARE(line.mid(path.size() + 1), QString::number(10 + i));
        QCOMPARE(pathcodec::toNative(path), raw + '/' + names.at(i));
    }
}

// A tree far deeper than the descriptors a process may hold and than any path
// the system takes at once: every file is listed, the one at the bottom, and
// those of a wide directory there, more than the walk opens ahead.
void tst_DirectoryWalk::deeperThanDescriptorLimit()
{
    const int depth = 3000;
    const int wide = 40;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    int fd = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(fd >= 0);
    QString bottom = dir.path();
    for (int level = 0; level < depth; ++level) {
        QCOMPARE(::mkdirat(fd, "d", 0755), 0);
        const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
        QVERIFY(next >= 0);
        ::close(fd);
        fd = next;
        bottom += QLatin1String("/d");
    }
    QStringList expected;
    const int file = ::openat(fd, "bottom.bin", O_WRONLY | O_CREAT, 0644);
    QVERIFY(file >= 0);
    QCOMPARE(::ftruncate(file, 900), 0);
    ::close(file);
    expected << bottom + "/bottom.bin 900";
    for (int i = 0; i < wide; ++i) {
        const QByteArray name = "w" + QByteArray::number(i);
        QCOMPARE(::mkdirat(fd, name.constData(), 0755), 0);
        const int inner = ::openat(fd, (name + "/f").constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(inner >= 0);
        ::close(inner);
        expected << bottom + '/' + QString::fromLatin1(name) + "/f 0";
    }
    ::close(fd);
    expected.sort();

    rlimit saved;
    QCOMPARE(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit lowered = saved;
    lowered.rlim_cur = 64;
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    QStringList seen;
    QMutex mutex;
    QStringList failures;
    {
        const QAtomicInt stop(0);
        DirectoryWalk walker(
            stop,
            [&](const WalkedFile &file) {
                QMutexLocker lock(&mutex);
                seen << file.path() + QLatin1Char(' ') + QString::number(file.size);
            },
            [&](const QString &path, const QString &reason) {
                QMutexLocker lock(&mutex);
                failures << path.right(40) + QLatin1String(": ") + reason;
            },
            {}, 4);
        walker.walk(dir.path());
    }
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &saved), 0);
    seen.sort();

    // Paths below are too long for QDir; rm walks any depth.
    QCOMPARE(QProcess::execute("rm", {"-rf", dir.path()}), 0);

    QCOMPARE(failures, QStringList());
    QCOMPARE(seen.size(), expected.size());
    QCOMPARE(seen, expected);
}

// mount --bind d d/sub makes d/sub show d itself: it is not entered again,
// so every file below d is listed once.
void tst_DirectoryWalk::bindMountLoop()
{
    if (::geteuid() != 0)
        QSKIP("mounting needs root");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath("d/sub"));
    QFile file(dir.path() + "/d/a.bin");
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(10));
    file.close();
    const QByteArray source = QFile::encodeName(dir.path() + "/d");
    const QByteArray target = QFile::encodeName(dir.path() + "/d/sub");
    if (::mount(source.constData(), target.constData(), nullptr, MS_BIND, nullptr) != 0)
        QSKIP("bind mounts are not allowed here");
    const QStringList fromD = walk({dir.path() + "/d"});
    const QStringList fromTop = walk({dir.path()});
    QCOMPARE(::umount2(target.constData(), MNT_DETACH), 0);
    QCOMPARE(fromD, QStringList {dir.path() + "/d/a.bin 10"});
    QCOMPARE(fromTop, QStringList {dir.path() + "/d/a.bin 10"});
}

void tst_DirectoryWalk::unreadableDirectory()
{
    testsupport::LockedTree dir;
    QVERIFY(dir.isValid());
    QStringList seen;
    {
        // The walk's threads start inside walk(), so they inherit it.
        testsupport::WithoutOverride permissions;
        if (!permissions.applies()) {
            QVERIFY(dir.unlock());
            QSKIP("cannot give up root's permission checks here");
        }
        seen = walk({dir.path(), dir.path() + "/locked"});
    }
    QVERIFY(dir.unlock());
    QCOMPARE(seen, QStringList {dir.path() + "/open/seen.bin 10"});
}

void tst_DirectoryWalk::pseudoFilesystemRoot_data()
{
    QTest::addColumn<QString>("root");
    QTest::newRow("proc") << "/proc";
    QTest::newRow("below proc") << "/proc/self";
    QTest::newRow("sysfs") << "/sys";
}

// /proc lists files such as kcore (about 128 TiB) that take no disk space.
void tst_DirectoryWalk::pseudoFilesystemRoot()
{
#ifdef VASTREL_POSIX_READER
    QSKIP("Linux reader only: the POSIX reader takes every file system for a local one");
#endif
    QFETCH(QString, root);
    struct statfs fs;
    if (::statfs(QFile::encodeName(root).constData(), &fs) != 0)
        QSKIP("not mounted here");
    QCOMPARE(walk({root}), QStringList {});
}

// A tmpfs holds real files (and devtmpfs, which is not walked, looks like one
// to statfs).
void tst_DirectoryWalk::tmpfsRoot()
{
    struct statfs fs;
    if (::statfs("/dev/shm", &fs) != 0 || fs.f_type != 0x01021994 ||
        ::access("/dev/shm", W_OK) != 0)
        QSKIP("no writable tmpfs at /dev/shm");
    QTemporaryDir dir(QStringLiteral("/dev/shm/tst_directorywalk-XXXXXX"));
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath("d"));
    QFile file(dir.path() + "/d/f.bin");
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(4096));
    file.close();
    QCOMPARE(walk({dir.path()}), QStringList {dir.path() + "/d/f.bin 4096"});
}

void tst_DirectoryWalk::lowDescriptorLimit_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("threads");
    QTest::newRow("64 descriptors") << 64 << DirectoryWalk::defaultThreadCount();
    QTest::newRow("256 descriptors, 64 threads asked for") << 256 << 64;
}

// Under a low limit on open files a wide tree is still walked whole: the
// walk holds no more than the limit allows, and a directory that finds no
// descriptor free waits for one instead of being reported unreadable.
void tst_DirectoryWalk::lowDescriptorLimit()
{
    QFETCH(int, limit);
    QFETCH(int, threads);
    // 2,000 folders of three files, made once for both rows.
    if (!wideTree) {
        auto dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        const QByteArray raw = QFile::encodeName(dir->path());
        for (int i = 0; i < 2000; ++i) {
            const QByteArray folder = raw + "/d" + QByteArray::number(i);
            QCOMPARE(::mkdir(folder.constData(), 0755), 0);
            for (int f = 0; f < 3; ++f) {
                const QByteArray name = folder + "/f" + QByteArray::number(f);
                const int fd = ::open(name.constData(), O_WRONLY | O_CREAT, 0644);
                QVERIFY(fd >= 0);
                ::close(fd);
                wideFiles << QFile::decodeName(name) + " 0";
            }
        }
        wideFiles.sort();
        wideTree = std::move(dir);
    }

    rlimit saved;
    QCOMPARE(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit lowered = saved;
    lowered.rlim_cur = rlim_t(limit);
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    const Outcome outcome = walkAll({wideTree->path()}, {}, threads);
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &saved), 0);

    QCOMPARE(outcome.failures.mid(0, 5), QStringList());
    QCOMPARE(outcome.files.size(), wideFiles.size());
    QCOMPARE(outcome.files, wideFiles);
}

void tst_DirectoryWalk::unexaminableEntriesReported_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("folder that can be read but not searched") << "mode 0644";
    QTest::newRow("file system that fails with EIO") << "fuse";
}

// An entry that the system lists but cannot examine is named with the
// system's reason, as an unreadable folder is; only one that vanished since
// the listing passes without a word.
void tst_DirectoryWalk::unexaminableEntriesReported()
{
    QFETCH(QString, how);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.path() + "/d";
    QVERIFY(QDir().mkpath(folder));
    Outcome outcome;
    QStringList expectedFailures;
    if (how == "mode 0644") {
        QFile file(folder + "/hidden-from-stat.bin");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QDir().mkpath(folder + "/inner"));
        QVERIFY(QFile::setPermissions(
            folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
        {
            testsupport::WithoutOverride permissions;
            if (!permissions.applies()) {
                QFile::setPermissions(folder, QFile::Permissions(0x7755));
                QSKIP("cannot give up root's permission checks here");
            }
            outcome = walkAll({dir.path()});
        }
        QVERIFY(QFile::setPermissions(folder, QFile::Permissions(0x7755)));
        expectedFailures << folder + "/hidden-from-stat.bin: Permission denied"
                         << folder + "/inner: Permission denied";
    } else {
        testsupport::FuseMount fuse(folder, {"--fail-getattr", "broken.bin"});
        if (!fuse.isMounted())
            QSKIP(qPrintable(fuse.whyNot()));
        outcome = walkAll({dir.path()});
        expectedFailures << folder + "/broken.bin: Input/output error";
        QCOMPARE(outcome.files,
                 QStringList({folder + "/file.bin 4096", folder + "/sub/inner.bin 2048"}));
    }
    QCOMPARE(outcome.failures, expectedFailures);
}

void tst_DirectoryWalk::mountsJudgedBeforeTouched_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("oneFileSystem");
    for (const char *operation : {"statfs", "opendir", "getattr"}) {
        QTest::addRow("network mount skipped, %s hangs", operation) << operation << false;
        QTest::addRow("other file system skipped, %s hangs", operation) << operation << true;
    }
}

// A mount point the walk skips (a network file system, or another file
// system under oneFileSystem) is judged by the mount table alone: a server
// that never answers statfs, opendir or getattr cannot hold the walk.
void tst_DirectoryWalk::mountsJudgedBeforeTouched()
{
#ifdef VASTREL_POSIX_READER
    QSKIP("Linux reader only: other systems have no mount table to read");
#endif
    QFETCH(QString, operation);
    QFETCH(bool, oneFileSystem);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir().mkpath(dir.path() + "/mnt"));
    QFile file(dir.path() + "/a.bin");
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(10));
    file.close();
    testsupport::FuseMount fuse(dir.path() + "/mnt", {"--subtype", "sshfs", "--block", operation});
    if (!fuse.isMounted())
        QSKIP(qPrintable(fuse.whyNot()));

    ScanOptions options;
    options.skipNetwork = !oneFileSystem;
    options.oneFileSystem = oneFileSystem;
    std::promise<Outcome> promise;
    std::future<Outcome> result = promise.get_future();
    std::thread walking([&] { promise.set_value(walkAll({dir.path()}, options)); });
    const bool ended = result.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (!ended)
        fuse.kill(); // the calls fail, the walk ends
    walking.join();
    QVERIFY2(ended, "the walk waited on the mount it skips");
    const Outcome outcome = result.get();
    QCOMPARE(outcome.files, QStringList {dir.path() + "/a.bin 10"});
    QCOMPARE(outcome.failures, QStringList());
}

void tst_DirectoryWalk::outOfMemoryEndsTheWalk_data()
{
    QTest::addColumn<int>("threads");
    QTest::newRow("calling thread alone") << 0;
    QTest::newRow("four threads") << 4;
}

// Memory running out in a walk thread ends the walk, as a stop does, and
// says so; the files met before stay reported.
void tst_DirectoryWalk::outOfMemoryEndsTheWalk()
{
    QFETCH(int, threads);
    QAtomicInt stopFlag(0);
    QAtomicInt calls(0);
    QStringList seen;
    QMutex mutex;
    DirectoryWalk walker(
        stopFlag,
        [&](const WalkedFile &file) {
            if (calls.fetchAndAddRelaxed(1) == 2)
                throw std::bad_alloc();
            QMutexLocker lock(&mutex);
            seen << file.path();
        },
        {}, {}, threads);
    QVERIFY(!walker.outOfMemory());
    walker.walk(base);
    QVERIFY(walker.outOfMemory());
    QVERIFY(seen.size() >= 2);
    // Nothing more is walked afterwards.
    const int before = calls.loadRelaxed();
    walker.walk(base);
    QCOMPARE(calls.loadRelaxed(), before);
}

// QTemporaryDir cannot see names that are not UTF-8, so it could not remove them.
void tst_DirectoryWalk::cleanupTestCase()
{
    const QByteArray raw = QFile::encodeName(base);
    QCOMPARE(::unlink((raw + "/caf\xe9.bin").constData()), 0);
    QCOMPARE(::unlink((raw + "/\xff\xfe/inside.bin").constData()), 0);
    QCOMPARE(::rmdir((raw + "/\xff\xfe").constData()), 0);
}

QTEST_GUILESS_MAIN(tst_DirectoryWalk)
#include "tst_directorywalk.moc"
