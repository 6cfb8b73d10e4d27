#include "scan/driveprobe.h"

#include <QElapsedTimer>
#include <QSemaphore>
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

QTEST_GUILESS_MAIN(tst_DriveProbe)
#include "tst_driveprobe.moc"
