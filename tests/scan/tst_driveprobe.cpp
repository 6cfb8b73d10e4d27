#include "scan/driveprobe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Drives are asked about in threads of their own: one that does not answer
// is left out after the time allowed instead of holding up the caller.
class tst_DriveProbe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data();
    void answers();
    void silentDriveLeftOut();
    void probesListingAtOnce();
    void probesListingInFreshProcesses();
};

void tst_DriveProbe::answers_data()
{
    QTest::addColumn<QStringList>("roots");
    QTest::addColumn<QStringList>("readable");
    QTest::newRow("in order") << QStringList {"C:/", "D:/", "E:/"}
                              << QStringList {"C:/", "D:/", "E:/"};
    QTest::newRow("empty card reader left out")
        << QStringList {"C:/", "F:/", "Z:/"} << QStringList {"C:/", "Z:/"};
    QTest::newRow("no drives") << QStringList {} << QStringList {};
}

void tst_DriveProbe::answers()
{
    QFETCH(QStringList, roots);
    QTEST(driveprobe::answering(
              roots, [](const QString &root) { return root != "F:/"; }, 10000),
          "readable");
}

void tst_DriveProbe::silentDriveLeftOut()
{
    // Z: is a network drive whose server is gone: it answers only when the
    // test lets it, long after the time allowed.
    const auto gone = std::make_shared<QSemaphore>();
    QElapsedTimer clock;
    clock.start();
    const QStringList readable = driveprobe::answering(
        {"C:/", "Z:/", "D:/"},
        [gone](const QString &root) {
            if (root == "Z:/")
                gone->acquire();
            return true;
        },
        300);
    QCOMPARE(readable, QStringList({"C:/", "D:/"}));
    QVERIFY(clock.elapsed() < 5000);
    gone->release();
}

// Probes that list a folder with Qt's file classes, all at once, as the
// window's drive list does as it opens: every one answers.
void tst_DriveProbe::probesListingAtOnce()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath("a/b"));
    const QStringList roots(16, dir.path());
    const QStringList readable = driveprobe::answering(
        roots, [](const QString &root) { return QDir(root).count() != 0; }, 20000);
    QCOMPARE(readable, roots);
}

// The same as the first thing a fresh process does, again and again: what
// goes wrong there does so while the threads first meet the file classes.
void tst_DriveProbe::probesListingInFreshProcesses()
{
    for (int run = 0; run < 20; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {"probesListingAtOnce"});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }
}

QTEST_GUILESS_MAIN(tst_DriveProbe)
#include "tst_driveprobe.moc"
