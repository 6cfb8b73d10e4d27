#include "platform/recyclebin.h"
#include "scan/directoryreader_windows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

// The Recycle Bin never deletes: a file on a drive without one stays, with
// the reason; a file on a fixed drive goes into the bin, where it can be
// found again. Under Wine the bin is the freedesktop trash of the data folder
// the test is given (XDG_DATA_HOME), never the user's own.
class tst_RecycleBinWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedDrives_data();
    void refusedDrives();
    void recycles_data();
    void recycles();
    void permanentDeleteAborted();
    void outcome_data();
    void outcome();
};

Q_DECLARE_METATYPE(recyclebin::DeleteOutcome)

namespace {

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

void tst_RecycleBinWindows::refusedDrives_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QString>("reason");
    QTest::newRow("network") << uint(DRIVE_REMOTE) << "network drive";
    QTest::newRow("removable") << uint(DRIVE_REMOVABLE) << "removable drive";
    QTest::newRow("optical") << uint(DRIVE_CDROM) << "optical drive";
    QTest::newRow("RAM disk") << uint(DRIVE_RAMDISK) << "RAM disk";
    QTest::newRow("not there") << uint(DRIVE_NO_ROOT_DIR) << "no Recycle Bin";
}

void tst_RecycleBinWindows::refusedDrives()
{
    QFETCH(uint, type);
    QFETCH(QString, reason);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString file = tmp.filePath("keep.bin");
    QVERIFY(writeFile(file, "data"));
    windowslisting::setDriveTypeQueryForTests([type](const wchar_t *) { return UINT(type); });
    const auto restore = qScopeGuard([] { windowslisting::setDriveTypeQueryForTests({}); });

    QString why;
    QVERIFY(!recyclebin::moveToRecycleBin(file, &why));
    QVERIFY2(why.contains(reason), qPrintable(why));
    QVERIFY(QFileInfo::exists(file));
    QCOMPARE(QFileInfo(file).size(), 4);
}

void tst_RecycleBinWindows::recycles_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("a file") << false;
    QTest::newRow("a folder, whole") << true;
}

void tst_RecycleBinWindows::recycles()
{
    QFETCH(bool, folder);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString name =
        QStringLiteral("recycled-%1%2").arg(GetCurrentProcessId()).arg(folder ? "" : ".bin");
    const QString path = tmp.filePath(name);
    // The data file is the item itself, or a file in the folder that is.
    const QString inside = folder ? QStringLiteral("/inner.bin") : QString();
    if (folder)
        QVERIFY(QDir().mkdir(path));
    QVERIFY(writeFile(path + inside, "recycled data"));
    QVERIFY(recyclebin::missingRecycleBin(path).isEmpty());

    QString why;
    const bool moved = recyclebin::moveToRecycleBin(path, &why);
    if (!moved) {
        // What may fail is the move, never the file. Wine 8 has no
        // IFileOperation::PerformOperations (E_NOTIMPL, 0x80004001).
        QVERIFY(QFileInfo::exists(path + inside));
        QCOMPARE(QFileInfo(path + inside).size(), 13);
        if (why.contains(QLatin1String("0x80004001")))
            QSKIP("this system cannot recycle through IFileOperation; the file stayed");
        QFAIL(qPrintable(why));
    }
    QVERIFY(!QFileInfo::exists(path));
    const QString trash = qEnvironmentVariable("VASTREL_TEST_TRASH");
    if (!trash.isEmpty()) {
        QFile inBin(trash + "/files/" + name + inside);
        QVERIFY2(inBin.open(QIODevice::ReadOnly), qPrintable(inBin.fileName()));
        QCOMPARE(inBin.readAll(), QByteArray("recycled data"));
    }
}

void tst_RecycleBinWindows::permanentDeleteAborted()
{
    // What the system announces before it deletes: a recycle goes ahead, a
    // delete for good is stopped before anything is removed.
    recyclebin::DeleteSink recycle;
    QCOMPARE(recycle.PreDeleteItem(TSF_DELETE_RECYCLE_IF_POSSIBLE | TSF_OVERWRITE_EXIST, nullptr),
             S_OK);
    QVERIFY(!recycle.wouldDelete);
    recyclebin::DeleteSink destroy;
    QCOMPARE(destroy.PreDeleteItem(TSF_OVERWRITE_EXIST, nullptr), E_ABORT);
    QVERIFY(destroy.wouldDelete);
    QCOMPARE(destroy.PreDeleteItem(TSF_NORMAL, nullptr), E_ABORT);
}

void tst_RecycleBinWindows::outcome_data()
{
    QTest::addColumn<recyclebin::DeleteOutcome>("outcome");
    QTest::addColumn<QString>("problem"); // part of it; empty: recycled

    recyclebin::DeleteOutcome done;
    done.operation = S_OK;
    done.reported = true;
    done.itemResult = S_OK;
    QTest::newRow("recycled") << done << "";

    recyclebin::DeleteOutcome nuke = done;
    nuke.wouldDelete = true;
    nuke.aborted = true;
    nuke.itemResult = E_ABORT;
    QTest::newRow("delete for good announced") << nuke << "deleted it for good";
    recyclebin::DeleteOutcome notImplemented = done;
    notImplemented.operation = E_NOTIMPL;
    notImplemented.reported = false;
    notImplemented.stillThere = true;
    QTest::newRow("operation failed") << notImplemented << "0x80004001";
    recyclebin::DeleteOutcome itemFailed = done;
    itemFailed.itemResult = HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION);
    itemFailed.stillThere = true;
    QTest::newRow("file in use") << itemFailed << "0x80070020";
    // Success claimed where nothing happened.
    recyclebin::DeleteOutcome silent = done;
    silent.reported = false;
    QTest::newRow("delete never reported") << silent << "did not take it";
    recyclebin::DeleteOutcome stayed = done;
    stayed.stillThere = true;
    QTest::newRow("file still there") << stayed << "did not take it";
    recyclebin::DeleteOutcome aborted = done;
    aborted.aborted = true;
    QTest::newRow("aborted") << aborted << "did not take it";
}

void tst_RecycleBinWindows::outcome()
{
    QFETCH(recyclebin::DeleteOutcome, outcome);
    QFETCH(QString, problem);
    const QString text = recyclebin::outcomeProblem(outcome);
    if (problem.isEmpty())
        QCOMPARE(text, QString());
    else
        QVERIFY2(text.contains(problem), qPrintable(text));
}

QTEST_GUILESS_MAIN(tst_RecycleBinWindows)
#include "tst_recyclebin_windows.moc"
