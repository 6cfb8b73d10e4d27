#include "scan/scansession.h"

#include "support/withoutoverride.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <set>

// The folder totals of a scan against a sum made here, independently, from
// lstat() of every file below each folder.
class tst_FolderTree : public QObject
{
    Q_OBJECT

private slots:
    void matchesIndependentSum_data();
    void matchesIndependentSum();
    void largestFirst();

private:
    struct Expected
    {
        qint64 size = 0;
        qint64 allocated = 0;
        qint64 files = 0;
    };
    static bool write(const QString &path, qint64 bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(QByteArray(bytes, 'x')) == bytes;
    }
    // Every visible folder below the roots, each with every file below it,
    // a file with several names once, under its name first in byte order;
    // nested roots once.
    static std::map<QString, Expected> independentSum(const QStringList &roots)
    {
        std::map<std::pair<dev_t, ino_t>, std::pair<QByteArray, struct stat>> files;
        std::set<QString> folders;
        for (const QString &root : roots) {
            folders.insert(root);
            QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                struct stat st;
                if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
                    continue;
                if (S_ISDIR(st.st_mode))
                    folders.insert(path);
                if (!S_ISREG(st.st_mode))
                    continue;
                const auto key = std::make_pair(st.st_dev, st.st_ino);
                const QByteArray native = QFile::encodeName(path);
                auto found = files.find(key);
                if (found == files.end() || native < found->second.first)
                    files[key] = {native, st};
            }
        }
        std::map<QString, Expected> sums;
        for (const QString &folder : folders)
            sums[folder];
        for (const auto &[key, file] : files) {
            const QString path = QFile::decodeName(file.first);
            for (const QString &folder : folders) {
                if (path.startsWith(folder + "/")) {
                    Expected &sum = sums[folder];
                    sum.size += file.second.st_size;
                    sum.allocated += qint64(file.second.st_blocks) * 512;
                    ++sum.files;
                }
            }
        }
        return sums;
    }
    static QList<FolderSize> scanFolders(ScanSession &session, const QStringList &roots)
    {
        session.setRoots(roots);
        QSignalSpy finished(&session, &ScanSession::finished);
        if (!session.start() || !finished.wait(30000))
            return {};
        return session.allFolders();
    }
};

void tst_FolderTree::matchesIndependentSum_data()
{
    QTest::addColumn<QStringList>("roots"); // relative to the tree
    QTest::newRow("one root") << QStringList {""};
    QTest::newRow("nested root after") << QStringList {"", "a/b"};
    QTest::newRow("nested root before") << QStringList {"a", ""};
    QTest::newRow("same root twice") << QStringList {"c", "c"};
}

void tst_FolderTree::matchesIndependentSum()
{
    QFETCH(QStringList, roots);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString t = dir.path();
    QVERIFY(write(t + "/top.bin", 100));
    QVERIFY(write(t + "/a/one.bin", 5000));
    QVERIFY(write(t + "/a/b/two.bin", 70000));
    QVERIFY(write(t + "/a/b/deep/three.bin", 3));
    QVERIFY(write(t + "/c/linked.bin", 9000));
    QVERIFY(QDir().mkpath(t + "/empty"));
    // A second and third name: counted once, in the first folder by name.
    QVERIFY(::link(QFile::encodeName(t + "/c/linked.bin").constData(),
                   QFile::encodeName(t + "/a/b/linked.bin").constData()) == 0);
    QVERIFY(::link(QFile::encodeName(t + "/c/linked.bin").constData(),
                   QFile::encodeName(t + "/c/again.bin").constData()) == 0);
    QStringList absolute;
    for (const QString &root : roots)
        absolute << QDir::cleanPath(t + "/" + root);

    ScanSession session;
    std::map<QString, Expected> found;
    for (const FolderSize &folder : scanFolders(session, absolute)) {
        QVERIFY2(found.count(folder.path) == 0, qPrintable(folder.path));
        QVERIFY(folder.complete);
        found[folder.path] = Expected {folder.size, folder.allocated, folder.files};
    }
    const std::map<QString, Expected> expected = independentSum(absolute);
    QCOMPARE(found.size(), expected.size());
    for (const auto &[path, sum] : expected) {
        QVERIFY2(found.count(path), qPrintable(path));
        const Expected &got = found.at(path);
        QCOMPARE(got.size, sum.size);
        QCOMPARE(got.allocated, sum.allocated);
        QCOMPARE(got.files, sum.files);
    }
    QCOMPARE(session.folderCount(), qint64(expected.size()));
}

// Largest first by either size, and a folder that could not be read marks
// itself and those above it incomplete.
void tst_FolderTree::largestFirst()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString t = dir.path();
    QVERIFY(write(t + "/big/file", 300000));
    QVERIFY(write(t + "/small/file", 1000));
    QVERIFY(write(t + "/locked/file", 50));
    {
        // A sparse file: long, and nothing on disk.
        QFile sparse(t + "/sparse/file");
        QVERIFY(QDir().mkpath(t + "/sparse"));
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(64) << 20));
    }
    QVERIFY(QFile::setPermissions(t + "/locked", {}));
    const auto unlock = qScopeGuard([&] {
        QFile::setPermissions(t + "/locked",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });

    ScanSession session;
    session.setRoots({t});
    QSignalSpy finished(&session, &ScanSession::finished);
    {
        testsupport::WithoutOverride permissions;
        if (!permissions.applies())
            QSKIP("cannot give up root's permission checks here");
        QVERIFY(session.start());
        QVERIFY(finished.wait(30000));
    }
    const auto describe = [&](const QList<FolderSize> &folders) {
        QStringList text;
        for (const FolderSize &folder : folders)
            text << QDir(t).relativeFilePath(folder.path) + (folder.complete ? "" : "!");
        return text.join(' ');
    };
    QCOMPARE(describe(session.largestFolders(3, SizeKind::Apparent)), ".! sparse big");
    QCOMPARE(describe(session.largestFolders(3, SizeKind::OnDisk)), ".! big small");
    QCOMPARE(describe(session.largestFolders(0, SizeKind::OnDisk)), "");
    QCOMPARE(describe(session.largestFolders(10, SizeKind::OnDisk)).split(' ').size(), 5);
    QVERIFY(describe(session.largestFolders(10, SizeKind::OnDisk)).contains("locked!"));
}

QTEST_GUILESS_MAIN(tst_FolderTree)
#include "tst_foldertree.moc"
