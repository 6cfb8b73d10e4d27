#include "mainwindow/resultactions.h"
#include "scan/localfileurl.h"
#include "scan/pathcodec.h"
#include "support/sandbox.h"
#ifdef Q_OS_LINUX
#include "support/tinyfs.h"
#endif

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>
#include <optional>

#ifdef Q_OS_LINUX
#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace resultactions;

namespace {

#ifdef Q_OS_LINUX

// Writes a file at a path given as bytes, so names that are not text work too,
// and dates it a month back, well before any scan.
bool writeOld(const QByteArray &path, const QByteArray &content)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, content.constData(), content.size()) == content.size();
    const timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 30 * 86400, 0}};
    return ::futimens(fd, times) == 0 && ::close(fd) == 0 && written;
}

// Sets or clears the immutable flag of a directory, which binds the
// super-user too; false where the file system or the privileges refuse it.
bool setImmutable(const QString &dir, bool on)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0)
        ::close(fd);
    return done;
}
#endif

} // namespace

// Acting on the selected results. Files go to a trash below a temporary HOME
// (main() sets it up before Qt starts), never to the user's own.
class tst_ResultActions : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
#ifdef Q_OS_LINUX
    // A file as the scan found it.
    FoundFile scanned(const QByteArray &name, const QByteArray &content)
    {
        const QString file = pathcodec::fromNative(QFile::encodeName(dir.path()) + "/" + name);
        if (!writeOld(pathcodec::toNative(file), content))
            qFatal("cannot write %s", qPrintable(file));
        struct stat st;
        if (::stat(pathcodec::toNative(file).constData(), &st) != 0)
            qFatal("cannot examine %s", qPrintable(file));
        return {content.size(), file, quint64(st.st_dev), quint64(st.st_ino)};
    }
#endif
    // The home trash, below the temporary XDG_DATA_HOME.
    static QString trash()
    {
        return qEnvironmentVariable("XDG_DATA_HOME") + "/Trash";
    }

private Q_SLOTS:
    void initTestCase();
    void trashesOnlyWhatIsAsScanned();
    void leavesEverythingWithoutATrash();
    void confirmation();
    void confirmationTellsWhatIsFreed_data();
    void confirmationTellsWhatIsFreed();
    void csvQuotesAndEscapes();
    void fullDiskKeepsTheOldList_data();
    void fullDiskKeepsTheOldList();
    void fileUrlKeepsEveryByte();
    void copyPathOffersTheExactFiles();
    void folderRefusals_data();
    void folderRefusals();
};

void tst_ResultActions::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir.isValid());
#ifdef Q_OS_LINUX
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    QVERIFY2(data.startsWith(QDir::homePath()), qPrintable(data));
    QVERIFY(QDir().mkpath(data));
    // A file on another file system than HOME would be trashed into a
    // .Trash-$uid at that file system's root: never run there.
    if (QStorageInfo(dir.path()) != QStorageInfo(QDir::homePath()))
        QSKIP("the temporary directory is not on the file system of the temporary HOME");
#endif
}

void tst_ResultActions::trashesOnlyWhatIsAsScanned()
{
#ifndef Q_OS_LINUX
    QSKIP("the trash is the system's own here (the Recycle Bin), never a temporary one");
#else
    QVERIFY(QDir().mkdir(path("locked")));
    const QByteArray undecodable = QFile::encodeName(path("bad")) + "\xff.bin";
    const QList<FoundFile> files = {
        scanned("keep-a.iso", "aaa"),
        scanned("grew.iso", "bb"),
        scanned("rewritten.iso", "cc"),
        scanned("vanished.iso", "dd"),
        scanned("bad\xff.bin", "ee"),
        scanned(QByteArray(250, 'n'), "ff"), // no room for ".trashinfo" after it
        scanned("locked/big.iso", "hh"),
        scanned("keep-b.iso", "ggggg"),
    };
    QVERIFY(writeOld(QFile::encodeName(files[1].path), "bbb")); // only the size tells
    QFile rewritten(files[2].path); // same size, written after the scan started
    QVERIFY(rewritten.open(QIODevice::WriteOnly) && rewritten.write("CC") == 2);
    rewritten.close();
    QVERIFY(QFile::remove(files[3].path));
    // A directory the file cannot leave: immutable for the super-user,
    // read-only for anyone else.
    const bool root = ::geteuid() == 0;
    if (root && !setImmutable(path("locked"), true))
        QSKIP("cannot make a directory immutable here");
    QVERIFY(root || QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner));

    const TrashReport report = moveToTrash(files, QDateTime::currentDateTime().addSecs(-5));

    QVERIFY(!root || setImmutable(path("locked"), false));
    QVERIFY(QFile::setPermissions(path("locked"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(report.trashed, QList<int>({0, 4, 7}));
    QCOMPARE(report.bytesTrashed, qint64(10));
    QCOMPARE(QFileInfo(trash() + "/files/keep-a.iso").size(), 3);
    QCOMPARE(QFileInfo(trash() + "/files/keep-b.iso").size(), 5);
    QVERIFY(!QFileInfo::exists(files[0].path));
    // A name that is not text goes to the trash under its very bytes.
    QCOMPARE(::access(undecodable.constData(), F_OK), -1);
    // (Removed here: QDir cannot remove a name that is not text.)
    QCOMPARE(::unlink((QFile::encodeName(trash()) + "/files/bad\xff.bin").constData()), 0);
    QCOMPARE(::unlink((QFile::encodeName(trash()) + "/info/bad\xff.bin.trashinfo").constData()), 0);
    for (int i : {1, 2, 5, 6})
        QVERIFY2(QFileInfo::exists(files[i].path), qPrintable(files[i].path));
    QList<QPair<int, TrashProblem>> failed;
    for (const TrashFailure &failure : report.failures)
        failed.append({failure.index, failure.problem});
    using P = TrashProblem;
    QCOMPARE(failed,
             (QList<QPair<int, P>>({{1, P::Changed},
                                    {2, P::Changed},
                                    {3, P::Vanished},
                                    {5, P::NotTrashable},
                                    {6, P::NotTrashable}})));
    QCOMPARE(report.statusText(),
             QString("Moved 3 files, 10 bytes, to the trash; the space comes back when the trash "
                     "is emptied; 5 files were left where they are"));
    QVERIFY(report.problemText().contains(path("locked/big.iso") + ": "));
#endif
}

// With no trash directory to be had, nothing moves: Qt 6.4 then moves the file
// to "files" below the current directory and calls that a success.
void tst_ResultActions::leavesEverythingWithoutATrash()
{
#ifndef Q_OS_LINUX
    QSKIP("the trash is the system's own here (the Recycle Bin), never a temporary one");
#else
    QVERIFY(QDir(trash()).removeRecursively());
    QVERIFY(writeOld(QFile::encodeName(trash()), "not a directory"));
    const QString saved = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));

    const QList<FoundFile> files = {scanned("one.iso", "one")};
    const TrashReport report = moveToTrash(files, QDateTime::currentDateTime());

    QDir::setCurrent(saved);
    QVERIFY(QFile::remove(trash()));
    QVERIFY(QFileInfo::exists(files[0].path));
    QVERIFY(!QFileInfo::exists(path("files/one.iso")));
    QCOMPARE(report.failures.size(), 1);
    QCOMPARE(report.failures.first().problem, TrashProblem::NotTrashable);
    QCOMPARE(report.statusText(),
             QString("Nothing was moved to the trash; 1 file was left where it is"));
#endif
}

void tst_ResultActions::confirmation()
{
    const TrashConfirmation two =
        trashConfirmation({{qint64(3) << 30, "/data/a.iso"},
                           {qint64(1) << 29, pathcodec::fromNative("/data/b\xfe")}});
    QCOMPARE(two.question, QString("Move 2 files, 3.5 GB in all, to the trash?"));
    QCOMPARE(two.fileList,
             QString("/data/a.iso (3.0 GB, frees 3.0 GB)\n"
                     "/data/b\\xfe (512.0 MB, frees 512.0 MB)")); // A long selection is summed up;
                                                                  // the details name every file.
    QCOMPARE(trashConfirmation(QList<FoundFile>(40, {1, "/f"})).details.count("/f (1 byte, "), 40);
    // The total stops at the largest size rather than wrap.
    const qint64 largest = std::numeric_limits<qint64>::max();
    QCOMPARE(trashConfirmation({{largest, "/a"}, {1, "/b"}}).question,
             QString("Move 2 files, 8.0 EB in all, to the trash?"));
}

static FoundFile named(const QString &path, quint64 inode, quint32 links, qint64 unshared)
{
    FoundFile file;
    file.path = path;
    file.size = qint64(1) << 30;
    file.allocated = file.size;
    file.device = 1;
    file.inode = inode;
    file.links = links;
    file.unshared = unshared;
    return file;
}

void tst_ResultActions::confirmationTellsWhatIsFreed_data()
{
    QTest::addColumn<QList<FoundFile>>("files");
    QTest::addColumn<QString>("freed");
    QTest::addColumn<QString>("fileList");
    const FoundFile first = named("/a", 7, 3, -1);
    const FoundFile second = named("/b", 7, 3, -1);
    const FoundFile third = named("/c", 7, 3, -1);
    QTest::newRow("one of three names")
        << QList<FoundFile> {first} << "This frees 0 bytes on disk once the trash is emptied."
        << "/a (1.0 GB, 2 other names remain: frees nothing)";
    QTest::newRow("two of three names") << QList<FoundFile> {first, second}
                                        << "This frees 0 bytes on disk once the trash is emptied."
                                        << "/a (1.0 GB, 1 other name remains: frees nothing)\n"
                                           "/b (1.0 GB, 1 other name remains: frees nothing)";
    QTest::newRow("every name")
        << QList<FoundFile> {first, second, third}
        << "This frees 1.0 GB on disk once the trash is emptied."
        << "/a (1.0 GB, frees 1.0 GB)\n/b (1.0 GB, frees 0 bytes)\n/c (1.0 GB, frees 0 bytes)";
    QTest::newRow("shared extents")
        << QList<FoundFile> {named("/copy", 8, 1, qint64(1) << 20), named("/own", 9, 1, -1)}
        << "This frees 1.0 GB on disk once the trash is emptied."
        << "/copy (1.0 GB, frees 1.0 MB)\n/own (1.0 GB, frees 1.0 GB)";
}

void tst_ResultActions::confirmationTellsWhatIsFreed()
{
    QFETCH(QList<FoundFile>, files);
    QFETCH(QString, freed);
    QFETCH(QString, fileList);
    const TrashConfirmation confirmation = trashConfirmation(files);
    QCOMPARE(confirmation.freed, freed);
    QCOMPARE(confirmation.fileList, fileList);
}

void tst_ResultActions::csvQuotesAndEscapes()
{
    const QList<FoundFile> files = {
        {123456789, "/data/plain.iso"},
        {1572864, "/data/a,b.mkv"},
        {1048576, "/data/say \"hi\".txt"},
        {0, "/data/two\nlines"},
        {1536, pathcodec::fromNative("/data/caf\xc3\xa9-\xff.bin")},
        {1, pathcodec::fromNative("/data/\xf0\x9f\x92\x80-\xff")},
    };
    const QByteArray expected = "Size (bytes),Size (MB),Path\r\n"
                                "123456789,117.738,/data/plain.iso\r\n"
                                "1572864,1.5,\"/data/a,b.mkv\"\r\n"
                                "1048576,1,\"/data/say \"\"hi\"\".txt\"\r\n"
                                "0,0,\"/data/two\nlines\"\r\n"
                                "1536,0.00146484,/data/caf\xc3\xa9-\\xff.bin\r\n"
                                "1,9.53674e-07,/data/\xf0\x9f\x92\x80-\\xff\r\n";
    QCOMPARE(csv(files), expected);
    QString error;
    QVERIFY(saveCsv(path("list.csv"), files, &error));
    QCOMPARE(QFileInfo(path("list.csv")).size(), expected.size());
    QVERIFY(!saveCsv(path("missing/list.csv"), files, &error) && !error.isEmpty());
}

void tst_ResultActions::fullDiskKeepsTheOldList_data()
{
    QTest::addColumn<bool>("tmpfs");
    QTest::newRow("full tmpfs") << true;
    // Without root: the file size limit makes the write fail instead.
    QTest::newRow("file size limit") << false;
}

// The new list is smaller than a write buffer, so without care it would fail
// only in the last flush, after the old file was given up.
void tst_ResultActions::fullDiskKeepsTheOldList()
{
#ifndef Q_OS_LINUX
    QSKIP("the failing disk is made with Linux means");
#else
    QFETCH(bool, tmpfs);
    std::optional<testsupport::TinyFileSystem> disk;
    if (tmpfs)
        disk.emplace(16);
    if (disk && !disk->isMounted())
        QSKIP(qPrintable(disk->reason()));
    QTemporaryDir plain;
    const QString folder = disk ? disk->path() : plain.path();
    const QString list = folder + "/list.csv";
    const QList<FoundFile> old = {{1, "/data/old.iso"}};
    QString error;
    QVERIFY(saveCsv(list, old, &error));
    const QList<FoundFile> files(100, {123456789, "/data/a file with a longer name.iso"});

    rlimit saved {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    if (tmpfs) {
        QVERIFY(disk->fill());
    } else {
        // Past the limit a write fails with EFBIG, once SIGXFSZ is ignored.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit small = {1000, saved.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    const bool saved2 = saveCsv(list, files, &error);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &saved), 0);
    ::signal(SIGXFSZ, SIG_DFL);

    QVERIFY(!saved2);
    QVERIFY2(error.contains(tmpfs ? "space" : "large"), qPrintable(error));
    QFile kept(list);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), csv(old));
    QStringList expected = {"list.csv"};
    if (tmpfs)
        expected.prepend("filler");
    QCOMPARE(QDir(folder).entryList(QDir::Files), expected);
#endif
}

void tst_ResultActions::fileUrlKeepsEveryByte()
{
    QCOMPARE(localFileUrl("/data/a b#%?.iso").toEncoded(), "file:///data/a%20b%23%25%3F.iso");
    QCOMPARE(localFileUrl(pathcodec::fromNative("/data/x\xff y#")).toEncoded(),
             "file:///data/x%FF%20y%23");
}

// A file manager pastes the files themselves, whatever bytes their names hold.
void tst_ResultActions::copyPathOffersTheExactFiles()
{
    const QList<FoundFile> files = {{1, pathcodec::fromNative("/data/bad\xff x.bin")},
                                    {2, "/data/50% off.iso"}};
    const std::unique_ptr<QMimeData> data(pathsMimeData(files));
    QCOMPARE(data->text(), QString("/data/bad\\xff x.bin\n/data/50% off.iso"));
    QCOMPARE(data->data("text/uri-list"),
             QByteArray("file:///data/bad%FF%20x.bin\r\nfile:///data/50%25%20off.iso\r\n"));
}

void tst_ResultActions::folderRefusals_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("a root") << "/data/photos"
                            << "it is a folder the scan started from";
    QTest::newRow("above a root") << "/data"
                                  << "it holds /data/photos, a folder the scan started from";
    QTest::newRow("above the other root") << "/"
                                          << "it holds /srv/x, a folder the scan started from";
    QTest::newRow("below a root") << "/data/photos/2019"
                                  << "";
    QTest::newRow("a name that starts alike") << "/data/photos 2"
                                              << "";
}

// A root of the scan, or a folder holding one, never goes to the trash.
void tst_ResultActions::folderRefusals()
{
    QFETCH(QString, folder);
    QFETCH(QString, refusal);
    QCOMPARE(folderRefusal(folder, {"/srv/x", "/data/photos"}), refusal);
}

// HOME and XDG_DATA_HOME point into a temporary directory before Qt starts,
// so the trash every case uses is a private one.
VASTREL_SANDBOXED_TEST_GUILESS_MAIN(tst_ResultActions)

#include "tst_resultactions.moc"
