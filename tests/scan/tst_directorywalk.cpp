#include "scan/directorywalk.h"
#include "scan/pathcodec.h"
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

// The directory walk on real trees: what is reported, with which path and
// size, and what is left out. The tree, below the temporary directory T:
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

    static QString decoded(const char *rawName) { return pathcodec::fromNative(QByteArray(rawName)); }

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
