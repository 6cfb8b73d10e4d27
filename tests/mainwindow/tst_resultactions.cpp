#include "mainwindow/resultactions.h"
#include "scan/localfileurl.h"
#include "scan/pathcodec.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

using namespace resultactions;

namespace {

// Writes a file of the given bytes at a path given as bytes, so names that
// are not valid UTF-8 can be made too.
bool writeBytes(const QByteArray &path, const QByteArray &content)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, content.constData(), content.size()) == content.size();
    return ::close(fd) == 0 && ok;
}

// Sets a file's modification time to a month ago, well before any scan.
bool stampOld(const QString &path)
{
    const timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 30 * 86400, 0}};
    return ::utimensat(AT_FDCWD, pathcodec::toNative(path).constData(), times, 0) == 0;
}

// A file as the scan found it, written well before the scan started.
FoundFile scanned(const QString &path, const QByteArray &content)
{
    if (!writeBytes(pathcodec::toNative(path), content) || !stampOld(path))
        qFatal("cannot write %s", qPrintable(path));
    return {content.size(), path};
}

QString trashFiles()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Trash/files");
}

// Makes a directory immutable for as long as it lives (the super-user's
// permission checks pass everything else); ok is false where the file
// system or the privileges do not allow it.
class ImmutableDir
{
public:
    explicit ImmutableDir(const QString &path) : path(QFile::encodeName(path))
    {
        ok = setFlag(true);
    }
    ~ImmutableDir()
    {
        if (ok)
            setFlag(false);
    }
    bool ok = false;

private:
    bool setFlag(bool on)
    {
        const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }
    QByteArray path;
};

} // namespace

// Acting on the selected results. Files go to a trash below a temporary HOME
// (main() sets it up before Qt starts), never to the user's own.
class tst_ResultActions : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString path(const QString &name) const { return dir->filePath(name); }
    // QTemporaryDir cannot name a file whose name is not text to remove it.
    QByteArray undecodableFile;

private Q_SLOTS:
    void init();
    void cleanup();
    void humanSize_data();
    void humanSize();
    void changeSinceScan_data();
    void changeSinceScan();
    void trashesOnlyWhatIsAsScanned();
    void leavesWhatTheTrashWillNotTake();
    void leavesEverythingWithoutATrash();
    void confirmationListsFilesAndTotal();
    void copiedPathsOnePerLine();
    void csvQuotesAndEscapes();
    void saveCsvReplacesWholeFile();
    void fileUrlKeepsEveryByte_data();
    void fileUrlKeepsEveryByte();
};

void tst_ResultActions::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    // A file on another file system than HOME would be trashed into a
    // .Trash-$uid at that file system's root: never run there.
    if (QStorageInfo(dir->path()) != QStorageInfo(QDir::homePath()))
        QSKIP("the temporary directory is not on the file system of the temporary HOME");
}

void tst_ResultActions::cleanup()
{
    if (!undecodableFile.isEmpty())
        ::unlink(undecodableFile.constData());
    undecodableFile.clear();
}

void tst_ResultActions::humanSize_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << qint64(0) << "0 bytes";
    QTest::newRow("one") << qint64(1) << "1 byte";
    QTest::newRow("below a KB") << qint64(1023) << "1023 bytes";
    QTest::newRow("KB") << qint64(1536) << "1.5 KB";
    QTest::newRow("GB") << qint64(13314398617) << "12.4 GB";
    QTest::newRow("TB") << (qint64(3) << 40) << "3.0 TB";
}

void tst_ResultActions::humanSize()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(resultactions::humanSize(bytes), text);
}

void tst_ResultActions::changeSinceScan_data()
{
    QTest::addColumn<QString>("change"); // what happens to the file after the scan
    QTest::addColumn<bool>("unchanged");
    QTest::newRow("untouched") << "none" << true;
    QTest::newRow("grown") << "append" << false;
    QTest::newRow("same size, written later") << "rewrite" << false;
    QTest::newRow("vanished") << "remove" << false;
    QTest::newRow("now a directory") << "directory" << false;
    QTest::newRow("now a symbolic link") << "symlink" << false;
}

void tst_ResultActions::changeSinceScan()
{
    QFETCH(QString, change);
    QFETCH(bool, unchanged);
    const FoundFile file = scanned(path("f"), "12345");
    const QDateTime scanStarted = QDateTime::currentDateTime().addSecs(-5);
    if (change == "append") {
        QVERIFY(writeBytes(QFile::encodeName(file.path), "123456"));
        QVERIFY(stampOld(file.path)); // only the size tells
    } else if (change == "rewrite") {
        QVERIFY(writeBytes(QFile::encodeName(file.path), "54321"));
    } else if (change == "remove") {
        QVERIFY(QFile::remove(file.path));
    } else if (change == "directory") {
        QVERIFY(QFile::remove(file.path));
        QVERIFY(QDir().mkdir(file.path));
    } else if (change == "symlink") {
        QVERIFY(scanned(path("target"), "12345").size == 5);
        QVERIFY(QFile::remove(file.path));
        QVERIFY(QFile::link(path("target"), file.path));
    }
    QCOMPARE(resultactions::changeSinceScan(file, scanStarted).isEmpty(), unchanged);
}

void tst_ResultActions::trashesOnlyWhatIsAsScanned()
{
    const QDateTime scanStarted = QDateTime::currentDateTime().addSecs(-5);
    undecodableFile = QFile::encodeName(path("bad")) + "\xff.bin";
    const QString undecodable = pathcodec::fromNative(undecodableFile);
    const QList<FoundFile> files = {
        scanned(path("keep-a.iso"), "aaa"),
        scanned(path("grew.iso"), "bb"),
        scanned(path("rewritten.iso"), "cc"),
        scanned(path("vanished.iso"), "dd"),
        scanned(undecodable, "ee"),
        // Fits the file system, but not with ".trashinfo" added.
        scanned(path(QString(250, QLatin1Char('n'))), "ff"),
        scanned(path("keep-b.iso"), "ggggg"),
    };
    QVERIFY(writeBytes(QFile::encodeName(files[1].path), "bbb"));
    QVERIFY(writeBytes(QFile::encodeName(files[2].path), "CC")); // same size, written now
    QVERIFY(QFile::remove(files[3].path));

    const TrashReport report = moveToTrash(files, scanStarted);

    QCOMPARE(report.trashed, QList<int>({0, 6}));
    QCOMPARE(report.bytesTrashed, qint64(8));
    // The trashed files are in the trash, whole; the others where they were.
    QFile inTrash(trashFiles() + "/keep-a.iso");
    QVERIFY(inTrash.open(QIODevice::ReadOnly));
    QCOMPARE(inTrash.readAll(), QByteArray("aaa"));
    QVERIFY(QFileInfo::exists(trashFiles() + "/keep-b.iso"));
    QVERIFY(!QFileInfo::exists(files[0].path));
    for (int i : {1, 2, 4, 5})
        QVERIFY2(::access(pathcodec::toNative(files[i].path).constData(), F_OK) == 0,
                 qPrintable(files[i].path));

    QList<int> failed;
    QList<TrashProblem> problems;
    for (const TrashFailure &failure : report.failures) {
        failed << failure.index;
        problems << failure.problem;
        QVERIFY(!failure.reason.isEmpty());
    }
    QCOMPARE(failed, QList<int>({1, 2, 3, 4, 5}));
    QCOMPARE(problems, QList<TrashProblem>({TrashProblem::Changed, TrashProblem::Changed,
                                            TrashProblem::Vanished, TrashProblem::NotTrashable,
                                            TrashProblem::NotTrashable}));
    QCOMPARE(report.statusText(),
             QString("Moved 2 files, 8 bytes, to the trash; 5 files were left where they are"));
    // The message names every file left, undecodable bytes escaped.
    QVERIFY(report.problemText().contains(path("bad") + "\\xff.bin: "));
    QVERIFY(report.problemText().contains(path("vanished.iso") + ": "));
}

void tst_ResultActions::leavesWhatTheTrashWillNotTake()
{
    QVERIFY(QDir().mkdir(path("locked")));
    const QList<FoundFile> files = {scanned(path("locked/big.iso"), "locked"),
                                    scanned(path("free.iso"), "free")};
    // A directory the file cannot be moved out of: immutable for the
    // super-user, read-only for anyone else.
    std::unique_ptr<ImmutableDir> immutable;
    if (::geteuid() == 0) {
        immutable = std::make_unique<ImmutableDir>(path("locked"));
        if (!immutable->ok)
            QSKIP("cannot make a directory immutable here");
    } else {
        QVERIFY(QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner));
    }

    const TrashReport report = moveToTrash(files, QDateTime::currentDateTime());

    immutable.reset();
    QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(report.trashed, QList<int>({1}));
    QCOMPARE(report.failures.size(), 1);
    QCOMPARE(report.failures.first().problem, TrashProblem::NotTrashable);
    QVERIFY(QFileInfo::exists(files[0].path));
    QVERIFY(QFileInfo::exists(trashFiles() + "/free.iso"));
}

// With no trash directory to be had, nothing moves anywhere: some Qt versions
// then move the file to "files" below the current directory and call that a
// success.
void tst_ResultActions::leavesEverythingWithoutATrash()
{
    const QString trash = QFileInfo(trashFiles()).absolutePath();
    QVERIFY(QDir(trash).removeRecursively());
    QVERIFY(writeBytes(QFile::encodeName(trash), "not a directory"));
    const QString saved = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));

    const QList<FoundFile> files = {scanned(path("one.iso"), "one")};
    const TrashReport report = moveToTrash(files, QDateTime::currentDateTime());

    QDir::setCurrent(saved);
    QVERIFY(QFile::remove(trash));
    QVERIFY(report.trashed.isEmpty());
    QCOMPARE(report.failures.size(), 1);
    QCOMPARE(report.failures.first().problem, TrashProblem::NotTrashable);
    QVERIFY(QFileInfo::exists(files[0].path));
    QVERIFY(!QFileInfo::exists(path("files/one.iso")));
    QCOMPARE(report.statusText(), QString("Nothing was moved to the trash; 1 file was left where it is"));
}

void tst_ResultActions::confirmationListsFilesAndTotal()
{
    const TrashConfirmation two = trashConfirmation(
        {{qint64(3) << 30, "/data/a.iso"}, {qint64(1) << 29, pathcodec::fromNative("/data/b\xfe")}});
    QCOMPARE(two.question, QString("Move 2 files, 3.5 GB in all, to the trash?"));
    QCOMPARE(two.fileList, QString("/data/a.iso (3.0 GB)\n/data/b\\xfe (512.0 MB)"));
    QVERIFY(two.details.isEmpty());

    QList<FoundFile> many;
    for (int i = 0; i < 40; ++i)
        many.append({1024, QStringLiteral("/data/f%1").arg(i)});
    const TrashConfirmation forty = trashConfirmation(many);
    QCOMPARE(forty.question, QString("Move 40 files, 40.0 KB in all, to the trash?"));
    QVERIFY(forty.fileList.endsWith("\nand 25 more"));
    QCOMPARE(forty.details.count('\n'), 39);
    QVERIFY(forty.details.contains("/data/f39 (1.0 KB)"));
}

void tst_ResultActions::copiedPathsOnePerLine()
{
    QCOMPARE(pathsText({{1, "/data/a b,c.iso"},
                        {2, pathcodec::fromNative("/data/x\xff")},
                        {3, "/data/two\nlines"}}),
             QString("/data/a b,c.iso\n/data/x\\xff\n/data/two\\nlines"));
}

void tst_ResultActions::csvQuotesAndEscapes()
{
    const QList<FoundFile> files = {
        {123456789, "/data/plain.iso"},
        {1572864, "/data/a,b.mkv"},
        {1048576, "/data/say \"hi\".txt"},
        {0, "/data/two\nlines"},
        {1536, pathcodec::fromNative("/data/caf\xc3\xa9-\xff.bin")},
    };
    const QByteArray expected = "Size (bytes),Size (MB),Path\r\n"
                                "123456789,117.738,/data/plain.iso\r\n"
                                "1572864,1.5,\"/data/a,b.mkv\"\r\n"
                                "1048576,1,\"/data/say \"\"hi\"\".txt\"\r\n"
                                "0,0,\"/data/two\nlines\"\r\n"
                                "1536,0.00146484,/data/caf\xc3\xa9-\\xff.bin\r\n";
    QCOMPARE(csv(files), expected);
}

void tst_ResultActions::saveCsvReplacesWholeFile()
{
    const QList<FoundFile> files = {{1, "/data/a"}};
    QVERIFY(writeBytes(QFile::encodeName(path("list.csv")), "old content that is longer"));
    QString error;
    QVERIFY(saveCsv(path("list.csv"), files, &error));
    QFile saved(path("list.csv"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), csv(files));

    QVERIFY(!saveCsv(path("missing/list.csv"), files, &error));
    QVERIFY(!error.isEmpty());
}

void tst_ResultActions::fileUrlKeepsEveryByte_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("url");
    QTest::newRow("plain") << QByteArray("/data/a.iso") << QByteArray("file:///data/a.iso");
    QTest::newRow("reserved characters") << QByteArray("/data/a b#%?.iso")
                                         << QByteArray("file:///data/a%20b%23%25%3F.iso");
    QTest::newRow("UTF-8") << QByteArray("/data/caf\xc3\xa9") << QByteArray("file:///data/caf%C3%A9");
    QTest::newRow("undecodable") << QByteArray("/data/x\xff y#")
                                 << QByteArray("file:///data/x%FF%20y%23");
}

void tst_ResultActions::fileUrlKeepsEveryByte()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, url);
    QCOMPARE(localFileUrl(pathcodec::fromNative(path)).toEncoded(), url);
}

// HOME and XDG_DATA_HOME point into a temporary directory before Qt starts,
// so the trash every case uses is a private one.
int main(int argc, char *argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    // The trash is made on first use, but its parent must exist.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (!QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
             .startsWith(home.path()))
        return 1;
    tst_ResultActions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_resultactions.moc"
