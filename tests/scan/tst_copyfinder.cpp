#include "scan/copyfinder.h"

#ifdef Q_OS_LINUX
#include "support/loopmount.h"
#include "support/withoutoverride.h"
#endif

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

// The copy finder on real files in a temporary directory. Contents: P and Q
// are 300 KiB of different bytes, P1 and PL are P with its first or last
// byte changed; S is 1000 bytes and SL S with its last byte changed.
class tst_CopyFinder : public QObject
{
    Q_OBJECT

private:
    static QByteArray pattern(qsizetype size, quint32 seed)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        for (qsizetype i = 0; i < size; ++i) {
            seed = seed * 1664525 + 1013904223;
            bytes[i] = char(seed >> 24);
        }
        return bytes;
    }

    static QByteArray content(const QString &kind)
    {
        QByteArray bytes = kind.startsWith('S') ? pattern(1000, 7)
                                                : pattern(300 * 1024, kind.startsWith('Q') ? 2 : 1);
        if (kind.endsWith('1'))
            bytes[0] = char(bytes[0] ^ 1);
        if (kind.endsWith('L'))
            bytes[bytes.size() - 1] = char(bytes[bytes.size() - 1] ^ 1);
        return bytes;
    }

    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
            file.write(bytes) == bytes.size();
    }

    // Makes the files of a list of "name=KIND", "name=KIND@DAYS" (modified
    // DAYS days ago) or "name=link:other" (a hard link) below dir and lists
    // them as a scan would.
    static QList<FoundFile> makeTree(const QString &dir, const QStringList &entries)
    {
        QList<FoundFile> files;
        for (const QString &entry : entries) {
            const QString name = entry.section('=', 0, 0);
            const QString what = entry.section('=', 1);
            const QString path = dir + '/' + name;
            if (what.startsWith(QLatin1String("link:"))) {
                // link() on POSIX systems, CreateHardLinkW() on Windows.
                std::error_code error;
                if (!QDir().mkpath(QFileInfo(path).path()))
                    return {};
                std::filesystem::create_hard_link(
                    QFileInfo(dir + '/' + what.mid(5)).filesystemFilePath(),
                    QFileInfo(path).filesystemFilePath(), error);
                if (error)
                    return {};
            } else {
                if (!writeFile(path, content(what.section('@', 0, 0))))
                    return {};
                if (what.contains('@')) {
                    QFile file(path);
                    if (!file.open(QIODevice::ReadWrite) ||
                        !file.setFileTime(
                            QDateTime::currentDateTime().addDays(-what.section('@', 1).toInt()),
                            QFileDevice::FileModificationTime))
                        return {};
                }
            }
            files.append({QFileInfo(path).size(), path});
        }
        return files;
    }

    // "a b | c d": each set's files relative to dir in the order they are kept.
    static QString describe(const QList<CopySet> &sets, const QString &dir)
    {
        QStringList text;
        for (const CopySet &set : sets) {
            QStringList names;
            for (const CopyEntry &file : set.files)
                names << QDir(dir).relativeFilePath(file.path);
            text << names.join(' ');
        }
        return text.join(QLatin1String(" | "));
    }

    // Runs a program to its end, its output kept from the test's log.
    static int quietly(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        return process.exitCode();
    }

    static QString describe(const QList<LeftOutFile> &files, const QString &dir)
    {
        QStringList text;
        for (const LeftOutFile &file : files)
            text << QDir(dir).relativeFilePath(file.path) + ": " + file.reason;
        return text.join(QLatin1String(" | "));
    }

private Q_SLOTS:
    void sets_data();
    void sets();
    void uniqueSizesNeverRead();
    void keepRule_data();
    void keepRule();
    void summaryText_data();
    void summaryText();
    void changedWhileRead_data();
    void changedWhileRead();
    void leftOutBeforeReading_data();
    void leftOutBeforeReading();
    void unreadableFile();
    void reflinkedCopySharesSpace();
    void stopEndsAtOnce();
};

void tst_CopyFinder::sets_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("sets");

    QTest::newRow("equal content") << QStringList {"a/x=P", "b/x=P"} << "a/x b/x";
    QTest::newRow("first byte differs") << QStringList {"a/x=P", "b/x=P1"} << "";
    QTest::newRow("last byte differs") << QStringList {"a/x=P", "b/x=PL"} << "";
    QTest::newRow("last byte differs within the first read") << QStringList {"a=S", "b=SL"} << "";
    QTest::newRow("equal small files") << QStringList {"a=S", "b=S"} << "a b";
    QTest::newRow("two names of one file") << QStringList {"a/x=P", "a/y=link:a/x"} << "";
    QTest::newRow("two names of one file and a copy")
        << QStringList {"a/x=P", "y=link:a/x", "b/x=P"} << "y b/x";
    QTest::newRow("shortest path kept first")
        << QStringList {"long/name/x=P", "cc/x=P", "b/x=P"} << "b/x cc/x long/name/x";
    QTest::newRow("then the oldest") << QStringList {"a/x=P@2", "b/x=P@5"} << "b/x a/x";
    QTest::newRow("two of three of one size") << QStringList {"a=P", "b=P1", "c=P"} << "a c";
    QTest::newRow("largest set first")
        << QStringList {"a=S", "b=S", "c=Q", "d=Q", "e=P", "f=P", "g=P"} << "e f g | c d | a b";
}

void tst_CopyFinder::sets()
{
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QList<FoundFile> listed = makeTree(dir.path(), files);
    QCOMPARE(listed.size(), files.size());

    CopyFinder finder(listed);
    const CopyReport report = finder.run();
    QFETCH(QString, sets);
    QCOMPARE(describe(report.sets, dir.path()), sets);
    QVERIFY(report.leftOut.isEmpty());
    QVERIFY(!report.cancelled);
    // Every byte counted as to be hashed was hashed, and no file more than once.
    QCOMPARE(finder.bytesHashed(), finder.bytesToHash());
    qint64 listedBytes = 0;
    for (const FoundFile &file : listed)
        listedBytes += file.size;
    QVERIFY(finder.bytesHashed() <= listedBytes);
}

void tst_CopyFinder::uniqueSizesNeverRead()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QList<FoundFile> listed = makeTree(dir.path(), {"a=P", "b=P", "c=S", "d=Q"});
    QList<FoundFile> withUnique = listed;
    QVERIFY(writeFile(dir.path() + "/e", QByteArray(5000, 'e')));
    withUnique.append({5000, dir.path() + "/e"});

    CopyFinder finder(withUnique);
    QStringList read;
    QMutex mutex; // the hook runs in the reading threads
    finder.setReadHook([&](const QString &path) {
        QMutexLocker lock(&mutex);
        read << QDir(dir.path()).relativeFilePath(path);
    });
    const CopyReport report = finder.run();
    QCOMPARE(describe(report.sets, dir.path()), "a b");
    // P and Q share a size, so d is read as far as its first 64 KiB differ.
    read.sort();
    QCOMPARE(read, (QStringList {"a", "a", "b", "b", "d"}));
}

void tst_CopyFinder::keepRule_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QList<qint64>>("modified");
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("shorter path before older file")
        << QStringList {"/d/long/x", "/d/x"} << QList<qint64> {1, 2}
        << QStringList {"/d/x", "/d/long/x"};
    QTest::newRow("same length: oldest first")
        << QStringList {"/a/x", "/b/x", "/c/x"} << QList<qint64> {3, 1, 2}
        << QStringList {"/b/x", "/c/x", "/a/x"};
    QTest::newRow("same length and time: path order")
        << QStringList {"/b/x", "/a/x"} << QList<qint64> {5, 5} << QStringList {"/a/x", "/b/x"};
}

void tst_CopyFinder::keepRule()
{
    QFETCH(QStringList, paths);
    QFETCH(QList<qint64>, modified);
    QList<CopyEntry> files;
    for (qsizetype i = 0; i < paths.size(); ++i)
        files.append({paths.at(i), modified.at(i)});
    copies::sortForKeeping(files);
    QStringList order;
    for (const CopyEntry &file : files)
        order << file.path;
    QFETCH(QStringList, kept);
    QCOMPARE(order, kept);
}

void tst_CopyFinder::summaryText_data()
{
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::addColumn<QList<int>>("counts");
    // Sets whose files all share one place on the disk.
    QTest::addColumn<QList<bool>>("shared");
    QTest::addColumn<QString>("text");

    constexpr qint64 gib = qint64(1) << 30;
    QTest::newRow("five sets") << QList<qint64> {5 * gib, 1127428915, 1127428915, 1127428915,
                                                 1127428915}
                               << QList<int> {3, 2, 2, 2, 2} << QList<bool>(5, false)
                               << "5 sets of copies; 14.2 GB could be freed by keeping one of each";
    QTest::newRow("one set and one sharing its space")
        << QList<qint64> {gib, 1536} << QList<int> {2, 2} << QList<bool> {true, false}
        << "1 set of copies; 1.5 kB could be freed by keeping one of each";
    QTest::newRow("only sets sharing their space")
        << QList<qint64> {gib} << QList<int> {3} << QList<bool> {true}
        << "No copies among the listed files";
    QTest::newRow("none") << QList<qint64> {} << QList<int> {} << QList<bool> {}
                          << "No copies among the listed files";
}

void tst_CopyFinder::summaryText()
{
    QFETCH(QList<qint64>, sizes);
    QFETCH(QList<int>, counts);
    QFETCH(QList<bool>, shared);
    QList<CopySet> sets;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        CopySet set;
        set.size = sizes.at(i);
        for (int k = 0; k < counts.at(i); ++k)
            set.files.append(
                {QStringLiteral("/f%1").arg(k), 0, shared.at(i), shared.at(i) ? 0 : k});
        sets << set;
    }
    QFETCH(QString, text);
    QCOMPARE(copies::summaryText(sets, QLocale(QLocale::English, QLocale::UnitedStates)), text);
    QCOMPARE(copies::placeText(2, 3), "2 of 3");
}

void tst_CopyFinder::changedWhileRead_data()
{
    QTest::addColumn<int>("pass");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("reason");

    const QString changed = QStringLiteral("changed while it was read");
    QTest::newRow("grows in the first read") << 1 << "grow" << changed;
    QTest::newRow("grows in the second read") << 2 << "grow" << changed;
    QTest::newRow("rewritten to its size") << 2 << "rewrite" << changed;
    QTest::newRow("replaced by another file") << 1 << "replace" << changed;
    QTest::newRow("removed") << 1 << "remove"
                             << "No such file or directory";
}

// Three copies a, b, c; b changes while the finder reads it.
void tst_CopyFinder::changedWhileRead()
{
    QFETCH(int, pass);
    QFETCH(QString, change);
#ifdef Q_OS_WIN
    if (change == "replace" || change == "remove")
        QSKIP("Windows keeps a file that is open from being removed or replaced");
#endif
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString b = dir.path() + "/b";
    const QList<FoundFile> listed = makeTree(dir.path(), {"a=P", "b=P", "c=P"});
    // Not listed: it only takes b's place.
    QVERIFY(writeFile(dir.path() + "/other", content("Q")));

    CopyFinder finder(listed);
    int reads = 0;
    bool onCallersThread = false;
    QThread *const caller = QThread::currentThread();
    QMutex mutex; // the hook runs in the reading threads
    finder.setReadHook([&](const QString &path) {
        QMutexLocker lock(&mutex);
        onCallersThread = onCallersThread || QThread::currentThread() == caller;
        if (path != b || ++reads != pass)
            return;
        QFile file(b);
        if (change == "grow" && file.open(QIODevice::Append))
            file.write("x");
        if (change == "rewrite" && file.open(QIODevice::ReadWrite)) {
            file.write("different");
            file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                             QFileDevice::FileModificationTime);
        }
        // QFile::rename() keeps an existing target; rename() replaces it.
        if (change == "replace")
            std::rename(QFile::encodeName(dir.path() + "/other").constData(),
                        QFile::encodeName(b).constData());
        if (change == "remove")
            QFile::remove(b);
    });
    const CopyReport report = finder.run();
    QCOMPARE(reads, pass);
    QVERIFY(!onCallersThread);
    QCOMPARE(describe(report.sets, dir.path()), "a c");
    QFETCH(QString, reason);
    QCOMPARE(describe(report.leftOut, dir.path()), "b: " + reason);
}

void tst_CopyFinder::leftOutBeforeReading_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("reason");

    const QString changed = QStringLiteral("changed since the scan");
    QTest::newRow("removed after the scan") << "remove"
                                            << "No such file or directory";
    QTest::newRow("grew after the scan") << "grow" << changed;
    QTest::newRow("replaced by a folder") << "folder" << changed;
#ifdef Q_OS_UNIX
    QTest::newRow("replaced by a file of its size") << "replace" << changed;
#endif
}

void tst_CopyFinder::leftOutBeforeReading()
{
    QFETCH(QString, change);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString b = dir.path() + "/b";
    QList<FoundFile> listed = makeTree(dir.path(), {"a=P", "b=P", "c=P"});
#ifdef Q_OS_UNIX
    // The identity the scan met b with.
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(b).constData(), &st), 0);
    listed[1].device = quint64(st.st_dev);
    listed[1].inode = quint64(st.st_ino);
#endif
    if (change == "grow") {
        QVERIFY(writeFile(b, content("P") + "x"));
    } else if (change == "replace") {
        QVERIFY(writeFile(dir.path() + "/new", content("P")));
        QCOMPARE(std::rename(QFile::encodeName(dir.path() + "/new").constData(),
                             QFile::encodeName(b).constData()),
                 0);
    } else {
        QVERIFY(QFile::remove(b));
    }
    if (change == "folder")
        QVERIFY(QDir().mkdir(b));

    CopyFinder finder(listed);
    const CopyReport report = finder.run();
    QCOMPARE(describe(report.sets, dir.path()), "a c");
    QFETCH(QString, reason);
    QCOMPARE(describe(report.leftOut, dir.path()), "b: " + reason);
}

void tst_CopyFinder::unreadableFile()
{
#ifndef Q_OS_LINUX
    QSKIP("root's permission checks are dropped with Linux capabilities");
#else
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QList<FoundFile> listed = makeTree(dir.path(), {"a=P", "b=P", "c=P"});
    QVERIFY(QFile::setPermissions(dir.path() + "/b", {}));

    CopyReport report;
    {
        testsupport::WithoutOverride permissions;
        if (!permissions.applies())
            QSKIP("cannot give up root's permission checks here");
        CopyFinder finder(listed);
        report = finder.run();
    }
    QCOMPARE(describe(report.sets, dir.path()), "a c");
    QCOMPARE(describe(report.leftOut, dir.path()), "b: Permission denied");
#endif
}

// a, and b made from it with cp --reflink, share their blocks on btrfs; c is
// a copy of its own. Needs root (a loop mount) and mkfs.btrfs.
void tst_CopyFinder::reflinkedCopySharesSpace()
{
#ifndef Q_OS_LINUX
    QSKIP("reflinks are read with Linux's FIEMAP");
#else
    testsupport::LoopMount btrfs(QStringLiteral("btrfs"), 128, {"-q"});
    if (!btrfs.isMounted())
        QSKIP(qPrintable(btrfs.skipReason()));
    const QString mount = btrfs.path();

    QVERIFY(writeFile(mount + "/a", content("P")));
    QCOMPARE(quietly("cp", {"--reflink=always", mount + "/a", mount + "/b"}), 0);
    QCOMPARE(quietly("cp", {"--reflink=never", mount + "/a", mount + "/c"}), 0);
    // Data not yet written has no place on the disk to compare.
    QCOMPARE(quietly("sync", {"-f", mount + "/a"}), 0);

    const qint64 size = content("P").size();
    CopyFinder finder({{size, mount + "/c"}, {size, mount + "/b"}, {size, mount + "/a"}});
    const CopyReport report = finder.run();
    QCOMPARE(describe(report.sets, mount), "a b c");
    const QList<CopyEntry> &files = report.sets.front().files;
    QVERIFY(files.at(0).sharesSpace);
    QVERIFY(files.at(1).sharesSpace);
    QVERIFY(!files.at(2).sharesSpace);
    QCOMPARE(copies::freeableBytes(report.sets.front()), size);
#endif
}

// Two large files of equal content; Stop in the middle of reading them.
void tst_CopyFinder::stopEndsAtOnce()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Sparse: reading holes keeps the finder busy without filling the disk.
    constexpr qint64 size = qint64(16) << 30;
    QList<FoundFile> listed;
    for (const char *name : {"/a", "/b"}) {
        QFile file(dir.path() + name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
        listed.append({size, file.fileName()});
    }

    CopySearch search;
    QSignalSpy finished(&search, &CopySearch::finished);
    QVERIFY(search.start(listed));
    QTRY_VERIFY_WITH_TIMEOUT(search.bytesHashed() > (qint64(64) << 20), 20000);
    QElapsedTimer clock;
    clock.start();
    search.stop();
    QVERIFY(finished.wait(5000));
    const qint64 elapsed = clock.elapsed();
    qInfo("ended %lld ms after stop, %lld of %lld bytes hashed", elapsed, search.bytesHashed(),
          search.bytesToHash());
    // 100 ms is the aim; the bound leaves room for a busy machine.
    QVERIFY2(elapsed < 1000, qPrintable(QString::number(elapsed)));
    QVERIFY(search.bytesHashed() < search.bytesToHash());
    QVERIFY(search.report().cancelled);
    QVERIFY(search.report().sets.isEmpty());
    QVERIFY(!search.isRunning());
}

QTEST_GUILESS_MAIN(tst_CopyFinder)
#include "tst_copyfinder.moc"
