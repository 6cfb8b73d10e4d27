#include "scan/directoryreader_windows.h"
#include "scan/directorywalk.h"
#include "scan/topfilemap.h"
#include "scan/walker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The Windows directory reader: which listing entries it keeps, the \\?\ form
// of long paths, and real trees walked through it. Reparse points and
// unpaired surrogates are checked on listing data: Wine can make neither
// junctions nor listable symbolic links, nor store such a name.
class tst_DirectoryReaderWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entryRules_data();
    void entryRules();
    void sizeTimeAndName();
    void allocatedSize_data();
    void allocatedSize();
    void extendedPath_data();
    void extendedPath();
    void walksARealTree();
    void failures();
    void identityFromTheListing();
    void hardLinksRankedOnce();
    void loopNotEntered();
    void networkDrive_data();
    void networkDrive();
};

namespace {

// One record of a FileIdBothDirectoryInfo listing, as the system fills it.
class Record
{
public:
    Record(const QString &name, DWORD attributes, DWORD tag = 0)
        : storage((sizeof(FILE_ID_BOTH_DIR_INFO) + name.size() * sizeof(wchar_t)) /
                      sizeof(LONGLONG) +
                  1)
    {
        FILE_ID_BOTH_DIR_INFO &record = info();
        record.FileAttributes = attributes;
        record.EaSize = tag;
        record.FileNameLength = DWORD(name.size() * sizeof(wchar_t));
        name.toWCharArray(record.FileName);
    }
    FILE_ID_BOTH_DIR_INFO &info()
    {
        return *reinterpret_cast<FILE_ID_BOTH_DIR_INFO *>(storage.data());
    }

private:
    std::vector<LONGLONG> storage;
};

bool writeFile(const QString &path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

} // namespace

void tst_DirectoryReaderWindows::entryRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("attributes");
    QTest::addColumn<uint>("tag");
    QTest::addColumn<bool>("skipHidden");
    QTest::addColumn<int>("kind"); // -1: not listed

    const int file = int(DirectoryEntry::Kind::File);
    const int dir = int(DirectoryEntry::Kind::Directory);
    const uint reparse = FILE_ATTRIBUTE_REPARSE_POINT;
    const uint folder = FILE_ATTRIBUTE_DIRECTORY;
    const uint hidden = FILE_ATTRIBUTE_HIDDEN;
    const uint symlink = 0xA000000C, mountPoint = 0xA0000003, lxSymlink = 0xA000001D,
               afUnix = 0x80000023, cloud = 0x9000001A, dedup = 0x80000013;

    QTest::newRow("file") << "a.bin" << uint(FILE_ATTRIBUTE_ARCHIVE) << 0u << true << file;
    QTest::newRow("folder") << "d" << folder << 0u << true << dir;
    QTest::newRow("dot") << "." << folder << 0u << false << -1;
    QTest::newRow("dot dot") << ".." << folder << 0u << false << -1;
    QTest::newRow("dot name, not hidden") << ".profile" << 0u << 0u << true << file;
    QTest::newRow("hidden file") << "h" << hidden << 0u << true << -1;
    QTest::newRow("hidden file, hidden listed") << "h" << hidden << 0u << false << file;
    QTest::newRow("hidden folder") << "h" << (hidden | folder) << 0u << true << -1;
    QTest::newRow("symbolic link") << "l" << reparse << symlink << false << -1;
    QTest::newRow("folder link") << "l" << (reparse | folder) << symlink << false << -1;
    QTest::newRow("junction") << "j" << (reparse | folder) << mountPoint << false << -1;
    QTest::newRow("Linux subsystem link") << "l" << reparse << lxSymlink << false << -1;
    QTest::newRow("Linux subsystem socket") << "s" << reparse << afUnix << false << -1;
    QTest::newRow("device") << "con" << uint(FILE_ATTRIBUTE_DEVICE) << 0u << false << -1;
    QTest::newRow("cloud folder") << "OneDrive" << (reparse | folder) << cloud << false << dir;
    QTest::newRow("deduplicated file") << "a.vhd" << reparse << dedup << false << file;
}

void tst_DirectoryReaderWindows::entryRules()
{
    QFETCH(QString, name);
    QFETCH(uint, attributes);
    QFETCH(uint, tag);
    QFETCH(bool, skipHidden);
    QFETCH(int, kind);

    DirectoryEntry entry;
    Record record(name, attributes, tag);
    record.info().FileId.QuadPart = 77;
    const bool listed = windowslisting::entryFromListing(record.info(), 5, skipHidden, entry);
    QCOMPARE(listed ? int(entry.kind) : -1, kind);
    if (listed) {
        QCOMPARE(entry.hidden, (attributes & FILE_ATTRIBUTE_HIDDEN) != 0);
        // Every entry carries its volume and file ID; the count of names is
        // not in a listing.
        QCOMPARE(entry.device, 5u);
        QCOMPARE(entry.inode, 77u);
        QCOMPARE(entry.links, 0u);
    }
}

void tst_DirectoryReaderWindows::sizeTimeAndName()
{
    // 5 GiB + 7 bytes, last written 2021-03-04 05:06:07.890 UTC; a name with
    // an unpaired surrogate, which NTFS allows.
    const QString name = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("z");
    Record record(name, FILE_ATTRIBUTE_NORMAL);
    record.info().EndOfFile.QuadPart = 5 * (Q_INT64_C(1) << 32) + 7;
    const SYSTEMTIME written = {2021, 3, 4, 4, 5, 6, 7, 890};
    FILETIME time;
    QVERIFY(SystemTimeToFileTime(&written, &time));
    record.info().LastWriteTime.QuadPart =
        qint64((quint64(time.dwHighDateTime) << 32) | time.dwLowDateTime);

    DirectoryEntry entry;
    QVERIFY(windowslisting::entryFromListing(record.info(), 1, true, entry));
    QCOMPARE(entry.size, 5 * (Q_INT64_C(1) << 32) + 7);
    QCOMPARE(entry.modified,
             QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7, 890), Qt::UTC).toMSecsSinceEpoch());
    QString names = QStringLiteral("x");
    windowslisting::appendName(names, record.info());
    QCOMPARE(names, "x" + name);

    // ReFS gives -1 for a file ID that needs more than 64 bits: no identity.
    record.info().FileId.QuadPart = -1;
    QVERIFY(windowslisting::entryFromListing(record.info(), 1, true, entry));
    QCOMPARE(entry.inode, 0u);
    QCOMPARE(entry.device, 0u);
}

// The listing gives 4096 bytes allocated; asking the system gives 1000 (or
// fails, -1): placeholders are never asked, nor are plain files.
void tst_DirectoryReaderWindows::allocatedSize_data()
{
    QTest::addColumn<uint>("attributes");
    QTest::addColumn<qint64>("answer");
    QTest::addColumn<qint64>("allocated");
    QTest::addColumn<bool>("asked");
    const uint compressed = FILE_ATTRIBUTE_COMPRESSED;
    const uint sparse = FILE_ATTRIBUTE_SPARSE_FILE;
    QTest::newRow("plain") << uint(FILE_ATTRIBUTE_NORMAL) << qint64(1000) << qint64(4096) << false;
    QTest::newRow("compressed") << compressed << qint64(1000) << qint64(1000) << true;
    QTest::newRow("sparse") << sparse << qint64(1000) << qint64(1000) << true;
    QTest::newRow("compressed, asking fails") << compressed << qint64(-1) << qint64(4096) << true;
    QTest::newRow("recall on data access")
        << (sparse | 0x00400000u) << qint64(1000) << qint64(0) << false;
    QTest::newRow("recall on open") << 0x00040000u << qint64(1000) << qint64(0) << false;
    QTest::newRow("offline") << (compressed | FILE_ATTRIBUTE_OFFLINE) << qint64(1000) << qint64(0)
                             << false;
}

void tst_DirectoryReaderWindows::allocatedSize()
{
    QFETCH(uint, attributes);
    QFETCH(qint64, answer);
    QFETCH(qint64, allocated);
    QFETCH(bool, asked);
    bool wasAsked = false;
    QCOMPARE(windowslisting::allocatedSize(attributes, 4096,
                                           [&] {
                                               wasAsked = true;
                                               return answer;
                                           }),
             allocated);
    QCOMPARE(wasAsked, asked);
}

void tst_DirectoryReaderWindows::extendedPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");

    QTest::newRow("drive root") << "C:/"
                                << "\\\\?\\C:\\";
    QTest::newRow("folder") << "D:/data/sub"
                            << "\\\\?\\D:\\data\\sub";
    QTest::newRow("name ending in a dot") << "D:/a/b."
                                          << "\\\\?\\D:\\a\\b.";
    QTest::newRow("network share") << "//server/share/d"
                                   << "\\\\?\\UNC\\server\\share\\d";
    QTest::newRow("already extended") << "//?/C:/x"
                                      << "\\\\?\\C:\\x";
    QTest::newRow("relative") << "sub/dir"
                              << "\\\\?\\" +
            QDir::toNativeSeparators(QDir::current().absoluteFilePath(QStringLiteral("sub/dir")));
}

void tst_DirectoryReaderWindows::extendedPath()
{
    QFETCH(QString, path);
    QTEST(QString::fromStdWString(windowslisting::extendedPath(path)), "expected");
}

void tst_DirectoryReaderWindows::walksARealTree()
{
    // Sizes and times from the listing; a name beyond the Basic Multilingual
    // Plane; a hidden file and a hidden folder; a file 500 characters deep,
    // made through the \\?\ form.
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString face = QStringLiteral("face-") + QString::fromUcs4(U"\U0001F600");
    QVERIFY(writeFile(tmp.filePath(face), 1234));
    QVERIFY(QDir(tmp.path()).mkpath("secret"));
    QVERIFY(writeFile(tmp.filePath("secret/in.bin"), 10));
    QVERIFY(writeFile(tmp.filePath("hidden.bin"), 20));
    for (const char *hide : {"secret", "hidden.bin"}) {
        const std::wstring native = QDir::toNativeSeparators(tmp.filePath(hide)).toStdWString();
        QVERIFY(SetFileAttributesW(native.c_str(), FILE_ATTRIBUTE_HIDDEN));
    }
    QString deep = tmp.path();
    std::wstring native = windowslisting::extendedPath(deep);
    for (int level = 0; level < 12; ++level) {
        const QString part = QStringLiteral("level%1-").arg(level) + QString(32, 'x');
        deep += '/' + part;
        native += L"\\" + part.toStdWString();
        QVERIFY(CreateDirectoryW(native.c_str(), nullptr));
    }
    QVERIFY(deep.size() > 400);
    HANDLE file = CreateFileW((native + L"\\deep.bin").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_NEW, 0, nullptr);
    QVERIFY(file != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    QVERIFY(WriteFile(file, "0123456789", 10, &written, nullptr));
    CloseHandle(file);

    QAtomicInt stop;
    QMutex mutex;
    QMap<QString, WalkedFile> walked;
    DirectoryWalk walk(stop, [&](const WalkedFile &found) {
        QMutexLocker lock(&mutex);
        walked.insert(found.path(), found);
    });
    walk.walk(tmp.path());
    QCOMPARE(walked.keys(), QStringList({tmp.filePath(face), deep + "/deep.bin"}));
    QCOMPARE(walked[deep + "/deep.bin"].size, 10);
    QCOMPARE(walked[tmp.filePath(face)].size, 1234);
    QCOMPARE(walked[tmp.filePath(face)].modified,
             QFileInfo(tmp.filePath(face)).lastModified().toMSecsSinceEpoch());

    // With hidden entries asked for, the reader lists them marked hidden.
    DirectoryReader reader;
    reader.setSkipHidden(false);
    QVERIFY(reader.open(tmp.path()));
    std::vector<DirectoryEntry> entries;
    QStringList hidden;
    while (reader.read(entries)) {
        for (const DirectoryEntry &entry : entries) {
            if (entry.hidden)
                hidden << entry.name.toString();
        }
    }
    hidden.sort();
    QCOMPARE(hidden, QStringList({"hidden.bin", "secret"}));
}

void tst_DirectoryReaderWindows::failures()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    QVERIFY(writeFile(tmp.filePath("file.txt"), 1));
    QVERIFY(QDir(tmp.path()).mkdir("empty"));

    DirectoryReader reader;
    std::vector<DirectoryEntry> entries;
    QVERIFY(reader.open(tmp.filePath("empty")));
    QVERIFY(!reader.read(entries));
    QVERIFY(reader.errorString().isEmpty());
    for (const QString &bad : {tmp.filePath("missing"), tmp.filePath("file.txt")}) {
        QVERIFY2(!reader.open(bad), qPrintable(bad));
        QVERIFY2(!reader.errorString().isEmpty(), qPrintable(bad));
    }
}

void tst_DirectoryReaderWindows::identityFromTheListing()
{
    // A file and a second name of it, made by the system: one volume and
    // file ID for both; the folder's own identity on the same volume.
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    QVERIFY(writeFile(tmp.filePath("one.bin"), 100));
    QVERIFY(CreateHardLinkW(
        QDir::toNativeSeparators(tmp.filePath("two.bin")).toStdWString().c_str(),
        QDir::toNativeSeparators(tmp.filePath("one.bin")).toStdWString().c_str(), nullptr));
    QVERIFY(writeFile(tmp.filePath("other.bin"), 100));
    QVERIFY(QDir(tmp.path()).mkdir("sub"));

    DirectoryReader reader;
    QVERIFY(reader.open(tmp.path()));
    QVERIFY(reader.info().inode != 0);
    QVERIFY(reader.info().mayRepeatAncestor);
    std::vector<DirectoryEntry> entries;
    QMap<QString, DirectoryEntry> byName;
    while (reader.read(entries)) {
        for (const DirectoryEntry &entry : entries)
            byName.insert(entry.name.toString(), entry);
    }
    QCOMPARE(byName.keys(), QStringList({"one.bin", "other.bin", "sub", "two.bin"}));
    const DirectoryEntry one = byName["one.bin"];
    QVERIFY(one.inode != 0);
    QCOMPARE(one.device, reader.info().device);
    QCOMPARE(byName["two.bin"].inode, one.inode);
    QCOMPARE(byName["two.bin"].device, one.device);
    QVERIFY(byName["other.bin"].inode != one.inode);

    // The folder's identity from its listing entry is the one it has when
    // opened itself.
    const DirectoryEntry sub = byName["sub"];
    QVERIFY(reader.open(tmp.filePath("sub")));
    QCOMPARE(reader.info().inode, sub.inode);
    QCOMPARE(reader.info().device, sub.device);
}

void tst_DirectoryReaderWindows::hardLinksRankedOnce()
{
    // big.bin has three names, as files linked between System32 and WinSxS
    // have: the ranking holds it once, under the first name in byte order.
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    QVERIFY(QDir(tmp.path()).mkpath("System32"));
    QVERIFY(QDir(tmp.path()).mkpath("WinSxS/amd64"));
    QVERIFY(writeFile(tmp.filePath("WinSxS/amd64/big.bin"), 3 << 20));
    QVERIFY(writeFile(tmp.filePath("small.bin"), 1 << 20));
    for (const char *name : {"System32/big.bin", "System32/alias.bin"}) {
        QVERIFY(CreateHardLinkW(
            QDir::toNativeSeparators(tmp.filePath(name)).toStdWString().c_str(),
            QDir::toNativeSeparators(tmp.filePath("WinSxS/amd64/big.bin")).toStdWString().c_str(),
            nullptr));
    }

    TopFileMap::instance()->clear();
    TopFileMap::instance()->setCapacity(100);
    walker w(TopFileMap::instance());
    QSignalSpy finished(&w, &QThread::finished);
    w.setDirs({tmp.path()});
    w.start();
    QVERIFY(finished.wait(30000));
    const QList<FoundFile> ranked = TopFileMap::instance()->snapshot(100);
    QStringList paths;
    for (const FoundFile &file : ranked)
        paths << file.path;
    QCOMPARE(paths, QStringList({tmp.filePath("System32/alias.bin"), tmp.filePath("small.bin")}));
}

void tst_DirectoryReaderWindows::loopNotEntered()
{
    // A Unix symbolic link from loop/a/up to loop, which Wine shows as a
    // plain folder, as a share whose server follows its own links does: the
    // walk must not enter loop again below itself. The tree is made by the
    // test's setup on the host.
    const QString tree = QStringLiteral(VASTREL_LOOP_TREE);
    if (!QFileInfo::exists(tree + "/a/up/a"))
        QSKIP("no folder loop here (the tree is made under Wine only)");

    QAtomicInt stop;
    QMutex mutex;
    QStringList walked;
    DirectoryWalk walk(stop, [&](const WalkedFile &found) {
        QMutexLocker lock(&mutex);
        walked << found.path();
        // Without the loop check the walk would go on for ever.
        if (walked.size() > 200)
            stop.storeRelaxed(1);
    });
    walk.walk(tree);
    walked.sort();
    QCOMPARE(walked, QStringList({tree + "/a/file.bin"}));
}

void tst_DirectoryReaderWindows::networkDrive_data()
{
    QTest::addColumn<bool>("skipNetwork");
    QTest::addColumn<bool>("alone");
    QTest::addColumn<bool>("walked");
    QTest::newRow("All Disks, network skipped") << true << false << false;
    QTest::newRow("All Disks, network walked") << false << false << true;
    QTest::newRow("the drive named alone") << true << true << true;
}

void tst_DirectoryReaderWindows::networkDrive()
{
    // Every drive of this prefix (C: and Z:), which the reader is told are
    // mapped network drives (Wine maps no drive letter a program makes).
    // "All Disks" leaves them out when network file systems are skipped; a
    // drive named alone is walked like any root.
    QFETCH(bool, skipNetwork);
    QFETCH(bool, alone);
    QFETCH(bool, walked);
    QStringList drives;
    for (const QFileInfo &drive : QDir::drives())
        drives << drive.absolutePath();
    QVERIFY2(drives.size() >= 2, qPrintable(drives.join(' ')));
    windowslisting::setDriveTypeQueryForTests([](const wchar_t *) { return UINT(DRIVE_REMOTE); });
    const auto restore = qScopeGuard([] { windowslisting::setDriveTypeQueryForTests({}); });

    DirectoryReader reader;
    QVERIFY2(reader.open(drives.first()), qPrintable(reader.errorString()));
    QCOMPARE(reader.fileSystemKind(), FileSystemKind::Network);
    reader.close();

    ScanOptions options;
    options.skipNetwork = skipNetwork;
    walker w(TopFileMap::instance());
    w.setOptions(options);
    // One file tells a drive is walked.
    connect(
        &w, &walker::walkfile, &w, [&w] { w.stop(); }, Qt::DirectConnection);
    QSignalSpy finished(&w, &QThread::finished);
    w.setDirs(alone ? drives.mid(0, 1) : drives);
    w.start();
    QVERIFY(finished.wait(60000));
    QCOMPARE(w.fileCount() > 0, walked);
}

QTEST_GUILESS_MAIN(tst_DirectoryReaderWindows)
#include "tst_directoryreader_windows.moc"
