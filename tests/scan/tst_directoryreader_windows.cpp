#include "scan/directoryreader_windows.h"
#include "scan/directorywalk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

// The Windows directory reader: which listing entries it keeps (links and
// other reparse points, the hidden attribute), the \\?\ form of long paths,
// and listings of real trees, through the reader and through the walk.
// Reparse points are checked on listing data: Wine can make neither
// junctions nor listable symbolic links.
class tst_DirectoryReaderWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entryRules_data();
    void entryRules();
    void sizeAndTime();
    void extendedPath_data();
    void extendedPath();
    void namesAreCopiedExactly();
    void listsARealDirectory();
    void hiddenAttribute();
    void longPaths();
    void failures();
};

namespace {

constexpr DWORD tagSymlink = 0xA000000C;
constexpr DWORD tagMountPoint = 0xA0000003; // junctions and mounted volumes
constexpr DWORD tagLxSymlink = 0xA000001D;
constexpr DWORD tagAfUnix = 0x80000023;
constexpr DWORD tagCloud = 0x9000001A;
constexpr DWORD tagDedup = 0x80000013;

WIN32_FIND_DATAW findData(const wchar_t *name, DWORD attributes, DWORD tag = 0)
{
    WIN32_FIND_DATAW data = {};
    data.dwFileAttributes = attributes;
    data.dwReserved0 = tag;
    wcscpy_s(data.cFileName, MAX_PATH, name);
    return data;
}

QString fromW(const std::wstring &text)
{
    return QString::fromWCharArray(text.data(), qsizetype(text.size()));
}

bool writeFile(const QString &path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

// Every entry of one directory, name to entry, through the reader.
QMap<QString, DirectoryEntry> listing(const QString &path, bool skipHidden)
{
    QMap<QString, DirectoryEntry> result;
    DirectoryReader reader;
    reader.setSkipHidden(skipHidden);
    if (!reader.open(path))
        return result;
    std::vector<DirectoryEntry> entries;
    while (reader.read(entries)) {
        for (const DirectoryEntry &entry : entries)
            result.insert(entry.name.toString(), entry);
    }
    return result;
}

} // namespace

void tst_DirectoryReaderWindows::entryRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("attributes");
    QTest::addColumn<uint>("tag");
    QTest::addColumn<bool>("skipHidden");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("hidden");

    const int file = int(DirectoryEntry::Kind::File);
    const int dir = int(DirectoryEntry::Kind::Directory);
    const uint reparse = FILE_ATTRIBUTE_REPARSE_POINT;
    const uint directory = FILE_ATTRIBUTE_DIRECTORY;
    const uint hidden = FILE_ATTRIBUTE_HIDDEN;

    QTest::newRow("file") << "a.bin" << uint(FILE_ATTRIBUTE_ARCHIVE) << 0u << true << true << file << false;
    QTest::newRow("directory") << "d" << directory << 0u << true << true << dir << false;
    QTest::newRow("dot") << "." << directory << 0u << false << false << 0 << false;
    QTest::newRow("dot dot") << ".." << directory << 0u << false << false << 0 << false;
    QTest::newRow("dot name is not hidden") << ".profile" << 0u << 0u << true << true << file << false;
    QTest::newRow("hidden file, skipped") << "h" << hidden << 0u << true << false << 0 << true;
    QTest::newRow("hidden file, listed") << "h" << hidden << 0u << false << true << file << true;
    QTest::newRow("hidden directory, skipped") << "hd" << (hidden | directory) << 0u << true << false << 0 << true;
    QTest::newRow("hidden system file") << "pagefile.sys" << (hidden | uint(FILE_ATTRIBUTE_SYSTEM)) << 0u << true << false << 0 << true;
    QTest::newRow("symbolic link to a file") << "l" << reparse << uint(tagSymlink) << false << false << 0 << false;
    QTest::newRow("symbolic link to a directory") << "l" << (reparse | directory) << uint(tagSymlink) << false << false << 0 << false;
    QTest::newRow("junction") << "j" << (reparse | directory) << uint(tagMountPoint) << false << false << 0 << false;
    QTest::newRow("hidden junction, hidden listed") << "j" << (reparse | directory | hidden) << uint(tagMountPoint) << false << false << 0 << true;
    QTest::newRow("Linux subsystem link") << "l" << reparse << uint(tagLxSymlink) << false << false << 0 << false;
    QTest::newRow("Linux subsystem socket") << "s" << reparse << uint(tagAfUnix) << false << false << 0 << false;
    QTest::newRow("device") << "con" << uint(FILE_ATTRIBUTE_DEVICE) << 0u << false << false << 0 << false;
    QTest::newRow("cloud folder is a folder") << "OneDrive" << (reparse | directory) << uint(tagCloud) << false << true << dir << false;
    QTest::newRow("deduplicated file is a file") << "big.vhd" << reparse << uint(tagDedup) << false << true << file << false;
}

void tst_DirectoryReaderWindows::entryRules()
{
    QFETCH(QString, name);
    QFETCH(uint, attributes);
    QFETCH(uint, tag);
    QFETCH(bool, skipHidden);
    QFETCH(bool, listed);

    const WIN32_FIND_DATAW data =
        findData(reinterpret_cast<const wchar_t *>(name.utf16()), attributes, tag);
    DirectoryEntry entry;
    QCOMPARE(windowslisting::entryFromFindData(data, skipHidden, entry), listed);
    if (!listed)
        return;
    QTEST(int(entry.kind), "kind");
    QTEST(entry.hidden, "hidden");
}

void tst_DirectoryReaderWindows::sizeAndTime()
{
    // 5 GiB + 7 bytes, last written 2021-03-04 05:06:07.890 UTC.
    WIN32_FIND_DATAW data = findData(L"big.iso", FILE_ATTRIBUTE_NORMAL);
    data.nFileSizeHigh = 5;
    data.nFileSizeLow = 7;
    const QDateTime written(QDate(2021, 3, 4), QTime(5, 6, 7, 890), Qt::UTC);
    SYSTEMTIME system = {2021, 3, 4, 4, 5, 6, 7, 890};
    QVERIFY(SystemTimeToFileTime(&system, &data.ftLastWriteTime));

    DirectoryEntry entry;
    QVERIFY(windowslisting::entryFromFindData(data, true, entry));
    QCOMPARE(entry.size, 5 * (Q_INT64_C(1) << 32) + 7);
    QCOMPARE(entry.modified, written.toMSecsSinceEpoch());

    FILETIME epoch;
    SYSTEMTIME unixEpoch = {1970, 1, 4, 1, 0, 0, 0, 0};
    QVERIFY(SystemTimeToFileTime(&unixEpoch, &epoch));
    QCOMPARE(windowslisting::millisecondsSinceEpoch(epoch), Q_INT64_C(0));
}

void tst_DirectoryReaderWindows::extendedPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");

    QTest::newRow("drive root") << "C:/" << "\\\\?\\C:\\";
    QTest::newRow("folder") << "D:/data/sub" << "\\\\?\\D:\\data\\sub";
    QTest::newRow("native separators") << "D:\\data\\sub" << "\\\\?\\D:\\data\\sub";
    QTest::newRow("name ending in a dot stays") << "D:/data/name." << "\\\\?\\D:\\data\\name.";
    QTest::newRow("network share") << "//server/share/dir" << "\\\\?\\UNC\\server\\share\\dir";
    QTest::newRow("already extended") << "//?/C:/x" << "\\\\?\\C:\\x";
    QTest::newRow("relative") << "sub/dir"
                              << "\\\\?\\" + QDir::toNativeSeparators(QDir::current().absoluteFilePath(
                                                    QStringLiteral("sub/dir")));
}

void tst_DirectoryReaderWindows::extendedPath()
{
    QFETCH(QString, path);
    QTEST(fromW(windowslisting::extendedPath(path)), "expected");
}

void tst_DirectoryReaderWindows::namesAreCopiedExactly()
{
    // An unpaired surrogate is a valid NTFS name; Wine cannot store one, so
    // the copy is checked on listing data.
    const QString lone = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("z");
    const WIN32_FIND_DATAW data =
        findData(reinterpret_cast<const wchar_t *>(lone.utf16()), FILE_ATTRIBUTE_NORMAL);
    QString names = QStringLiteral("x");
    windowslisting::appendName(names, data);
    QCOMPARE(names, QStringLiteral("x") + lone);
}

void tst_DirectoryReaderWindows::listsARealDirectory()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString face = QStringLiteral("face-") + QString::fromUcs4(U"\U0001F600") + ".bin";
    QVERIFY(writeFile(tmp.filePath(face), 1234));
    QVERIFY(writeFile(tmp.filePath("plain.txt"), 0));
    QVERIFY(QDir(tmp.path()).mkdir("sub"));

    const QMap<QString, DirectoryEntry> entries = listing(tmp.path(), true);
    QCOMPARE(entries.keys(), QStringList({"face-" + QString::fromUcs4(U"\U0001F600") + ".bin",
                                          "plain.txt", "sub"}));
    QCOMPARE(entries[face].kind, DirectoryEntry::Kind::File);
    QCOMPARE(entries[face].size, 1234);
    QCOMPARE(entries[face].modified,
             QFileInfo(tmp.filePath(face)).lastModified().toMSecsSinceEpoch());
    QCOMPARE(entries["sub"].kind, DirectoryEntry::Kind::Directory);
}

void tst_DirectoryReaderWindows::hiddenAttribute()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    QVERIFY(QDir(tmp.path()).mkpath("shown/inside-hidden"));
    QVERIFY(writeFile(tmp.filePath("shown/inside-hidden/a.bin"), 10));
    QVERIFY(writeFile(tmp.filePath("shown/visible.bin"), 20));
    QVERIFY(writeFile(tmp.filePath("shown/secret.bin"), 30));
    const auto hide = [&](const QString &relative) {
        const QString native = QDir::toNativeSeparators(tmp.filePath(relative));
        return SetFileAttributesW(reinterpret_cast<const wchar_t *>(native.utf16()),
                                  FILE_ATTRIBUTE_HIDDEN) != 0;
    };
    QVERIFY(hide("shown/secret.bin"));
    QVERIFY(hide("shown/inside-hidden"));

    QCOMPARE(listing(tmp.filePath("shown"), true).keys(), QStringList({"visible.bin"}));
    const QMap<QString, DirectoryEntry> all = listing(tmp.filePath("shown"), false);
    QCOMPARE(all.keys(), QStringList({"inside-hidden", "secret.bin", "visible.bin"}));
    QVERIFY(all["secret.bin"].hidden);
    QVERIFY(all["inside-hidden"].hidden);
    QVERIFY(!all["visible.bin"].hidden);

    // The walk neither reports a hidden file nor enters a hidden folder.
    QAtomicInt stop;
    QMutex mutex;
    QStringList walked;
    DirectoryWalk walk(stop, [&](const WalkedFile &file) {
        QMutexLocker lock(&mutex);
        walked << file.path;
    });
    walk.walk(tmp.path());
    QCOMPARE(walked, QStringList({tmp.filePath("shown/visible.bin")}));
}

void tst_DirectoryReaderWindows::longPaths()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    // 12 levels of 40 characters: far beyond the 260 of the short form.
    QString relative;
    for (int level = 0; level < 12; ++level)
        relative += QStringLiteral("/level%1-").arg(level, 2, 10, QLatin1Char('0')) + QString(32, 'x');
    const QString deep = tmp.path() + relative;
    QVERIFY(deep.size() > 400);
    std::wstring native = windowslisting::extendedPath(tmp.path());
    for (const QString &part : relative.split('/', Qt::SkipEmptyParts)) {
        native += L"\\" + part.toStdWString();
        QVERIFY2(CreateDirectoryW(native.c_str(), nullptr), qPrintable(QString::number(GetLastError())));
    }
    const std::wstring filePath = native + L"\\deep.bin";
    HANDLE file = CreateFileW(filePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    QVERIFY(file != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    QVERIFY(WriteFile(file, "0123456789", 10, &written, nullptr));
    CloseHandle(file);

    const QMap<QString, DirectoryEntry> entries = listing(deep, true);
    QCOMPARE(entries.keys(), QStringList({"deep.bin"}));
    QCOMPARE(entries["deep.bin"].size, 10);

    QAtomicInt stop;
    QMutex mutex;
    QList<QPair<QString, qint64>> walked;
    DirectoryWalk walk(stop, [&](const WalkedFile &found) {
        QMutexLocker lock(&mutex);
        walked.append({found.path, found.size});
    });
    walk.walk(tmp.path());
    QCOMPARE(walked, (QList<QPair<QString, qint64>>({{deep + "/deep.bin", 10}})));
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
    QVERIFY(reader.errorString().isEmpty());
    QVERIFY(!reader.read(entries));
    QVERIFY(entries.empty());

    for (const QString &bad : {tmp.filePath("missing"), tmp.filePath("file.txt")}) {
        QVERIFY2(!reader.open(bad), qPrintable(bad));
        QVERIFY2(!reader.errorString().isEmpty(), qPrintable(bad));
        QVERIFY(!reader.read(entries));
    }
}

QTEST_GUILESS_MAIN(tst_DirectoryReaderWindows)
#include "tst_directoryreader_windows.moc"
