#include "scan/directoryreader_windows.h"
#include "scan/directorywalk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
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
};

namespace {

WIN32_FIND_DATAW findData(const QString &name, DWORD attributes, DWORD tag = 0)
{
    WIN32_FIND_DATAW data = {};
    data.dwFileAttributes = attributes;
    data.dwReserved0 = tag;
    name.toWCharArray(data.cFileName);
    return data;
}

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
    const bool listed =
        windowslisting::entryFromFindData(findData(name, attributes, tag), skipHidden, entry);
    QCOMPARE(listed ? int(entry.kind) : -1, kind);
    if (listed)
        QCOMPARE(entry.hidden, (attributes & FILE_ATTRIBUTE_HIDDEN) != 0);
}

void tst_DirectoryReaderWindows::sizeTimeAndName()
{
    // 5 GiB + 7 bytes, last written 2021-03-04 05:06:07.890 UTC; a name with
    // an unpaired surrogate, which NTFS allows.
    const QString name = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("z");
    WIN32_FIND_DATAW data = findData(name, FILE_ATTRIBUTE_NORMAL);
    data.nFileSizeHigh = 5;
    data.nFileSizeLow = 7;
    const SYSTEMTIME written = {2021, 3, 4, 4, 5, 6, 7, 890};
    QVERIFY(SystemTimeToFileTime(&written, &data.ftLastWriteTime));

    DirectoryEntry entry;
    QVERIFY(windowslisting::entryFromFindData(data, true, entry));
    QCOMPARE(entry.size, 5 * (Q_INT64_C(1) << 32) + 7);
    QCOMPARE(entry.modified,
             QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7, 890), Qt::UTC).toMSecsSinceEpoch());
    QString names = QStringLiteral("x");
    windowslisting::appendName(names, data);
    QCOMPARE(names, "x" + name);
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
    QTest::newRow("recall on data access") << (sparse | 0x00400000u) << qint64(1000) << qint64(0)
                                           << false;
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

    QTest::newRow("drive root") << "C:/" << "\\\\?\\C:\\";
    QTest::newRow("folder") << "D:/data/sub" << "\\\\?\\D:\\data\\sub";
    QTest::newRow("name ending in a dot") << "D:/a/b." << "\\\\?\\D:\\a\\b.";
    QTest::newRow("network share") << "//server/share/d" << "\\\\?\\UNC\\server\\share\\d";
    QTest::newRow("already extended") << "//?/C:/x" << "\\\\?\\C:\\x";
    QTest::newRow("relative") << "sub/dir"
                              << "\\\\?\\" + QDir::toNativeSeparators(QDir::current().absoluteFilePath(
                                                    QStringLiteral("sub/dir")));
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

QTEST_GUILESS_MAIN(tst_DirectoryReaderWindows)
#include "tst_directoryreader_windows.moc"
