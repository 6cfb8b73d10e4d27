#include "mainwindow/historytext.h"

#include <QTest>

class TestHistoryText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pastScan_data();
    void pastScan();
    void when();
};

void TestHistoryText::pastScan_data()
{
    QTest::addColumn<qint64>("secondsAgo");
    QTest::addColumn<bool>("partial");
    QTest::addColumn<QString>("ago");

    QTest::newRow("seconds") << qint64(30) << false << "just now";
    QTest::newRow("one minute") << qint64(61) << false << "1 minute ago";
    QTest::newRow("minutes") << qint64(59 * 60) << false << "59 minutes ago";
    QTest::newRow("hours") << qint64(2 * 3600 + 5) << false << "2 hours ago";
    QTest::newRow("a day") << qint64(30 * 3600) << false << "yesterday";
    QTest::newRow("days") << qint64(3 * 86400) << false << "3 days ago";
    QTest::newRow("months") << qint64(95 * 86400) << false << "3 months ago";
    QTest::newRow("stopped") << qint64(2 * 3600) << true << "2 hours ago (stopped before its end)";
}

void TestHistoryText::pastScan()
{
    QFETCH(qint64, secondsAgo);
    QFETCH(bool, partial);
    QFETCH(QString, ago);

    const QDateTime now(QDate(2026, 12, 8), QTime(16, 3), Qt::LocalTime);
    ScanSummary scan;
    scan.started = now.addSecs(-secondsAgo).toUTC();
    scan.partial = partial;
    scan.fileCount = 447050;
    scan.byteCount = qint64(12.9 * 1024 * 1024 * 1024 * 1024);
    const QString when = historytext::whenText(scan.started, now);
    QCOMPARE(historytext::pastScanText(scan, now.toUTC(),
                                       QLocale(QLocale::English, QLocale::UnitedStates)),
             QString("Results of %1, %2: 447,050 files, 12.9 TB").arg(when, ago));
}

void TestHistoryText::when()
{
    const QDateTime now(QDate(2026, 12, 8), QTime(16, 3), Qt::LocalTime);
    const QDateTime then(QDate(2026, 12, 8), QTime(14, 3), Qt::LocalTime);
    QCOMPARE(historytext::whenText(then.toUTC(), now), QString("8 Dec 14:03"));
    QCOMPARE(historytext::whenText(then.addYears(-1).toUTC(), now), QString("8 Dec 2025 14:03"));
}

QTEST_GUILESS_MAIN(TestHistoryText)
#include "tst_historytext.moc"
