#include "mainwindow/statusrelay.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>

// The relay between the walker's thread and the status label: however many
// files are reported while the GUI thread is busy, one update waits at most.
class tst_StatusRelay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneUpdateWaitsAtMost();
    void restsBetweenUpdates();
    void reportsComeBeforeTheEnd();
};

void tst_StatusRelay::oneUpdateWaitsAtMost()
{
    StatusRelay relay(nullptr, 0);
    QSignalSpy shown(&relay, &StatusRelay::pathChanged);
    // The GUI thread handles no events while another thread reports.
    QThread *reporter = QThread::create([&relay] {
        for (int i = 0; i < 100000; ++i)
            relay.offer(QStringLiteral("/tree/f%1").arg(i));
    });
    reporter->start();
    QVERIFY(reporter->wait(20000));
    delete reporter;

    QCoreApplication::sendPostedEvents(&relay);
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().first().toString(), QString("/tree/f0"));

    // Once shown, the next report is taken again.
    relay.offer("/tree/next");
    QCoreApplication::sendPostedEvents(&relay);
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.last().first().toString(), QString("/tree/next"));
}

void tst_StatusRelay::restsBetweenUpdates()
{
    StatusRelay relay(nullptr, 200);
    QSignalSpy shown(&relay, &StatusRelay::pathChanged);
    relay.offer("/a");
    QCoreApplication::sendPostedEvents(&relay);
    QCOMPARE(shown.size(), 1);

    relay.offer("/b"); // during the rest: dropped
    QCoreApplication::sendPostedEvents(&relay);
    QCOMPARE(shown.size(), 1);

    // After the rest the next report goes through.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            relay.offer("/c");
            QCoreApplication::sendPostedEvents(&relay);
            return shown.size() == 2;
        }(),
        5000);
    QCOMPARE(shown.last().first().toString(), QString("/c"));
}

// The walker's end reaches the window through the same queue, after the last
// update that was posted, so "Scan Complete!" is never overwritten by a path.
void tst_StatusRelay::reportsComeBeforeTheEnd()
{
    StatusRelay relay(nullptr, 0);
    QStringList seen;
    connect(&relay, &StatusRelay::pathChanged, this, [&](const QString &path) { seen << path; });
    relay.offer("/last");
    QMetaObject::invokeMethod(&relay, [&] { seen << "end"; }, Qt::QueuedConnection);
    QTRY_COMPARE(seen, QStringList({"/last", "end"}));
}

QTEST_GUILESS_MAIN(tst_StatusRelay)
#include "tst_statusrelay.moc"
