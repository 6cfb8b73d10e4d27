#include "scan/spreadcounter.h"

#include <QTest>

#include <limits>
#include <thread>

// The running totals of a walk: exact below the limit, the limit beyond it.
class tst_SpreadCounter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void totals_data();
    void totals();
};

void tst_SpreadCounter::totals_data()
{
    QTest::addColumn<QList<qint64>>("firstThread");
    QTest::addColumn<QList<qint64>>("secondThread");
    QTest::addColumn<qint64>("total");

    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    QTest::newRow("small") << QList<qint64> {1, 2} << QList<qint64> {3} << qint64(6);
    QTest::newRow("exactly the limit")
        << QList<qint64> {largest - 1} << QList<qint64> {1} << largest;
    QTest::newRow("two at the limit, one thread")
        << QList<qint64> {largest, largest} << QList<qint64> {} << largest;
    QTest::newRow("one at the limit in each thread")
        << QList<qint64> {largest} << QList<qint64> {largest} << largest;
    QTest::newRow("the limit and one byte")
        << QList<qint64> {largest, 1} << QList<qint64> {} << largest;
    QTest::newRow("one byte, then the limit elsewhere")
        << QList<qint64> {1} << QList<qint64> {largest, 0} << largest;
}

void tst_SpreadCounter::totals()
{
    QFETCH(QList<qint64>, firstThread);
    QFETCH(QList<qint64>, secondThread);
    QFETCH(qint64, total);

    SpreadCounter counter;
    for (const QList<qint64> &amounts : {firstThread, secondThread}) {
        std::thread adder([&counter, amounts] {
            for (const qint64 amount : amounts)
                counter.add(amount);
        });
        adder.join();
    }
    QCOMPARE(counter.total(), total);
}

QTEST_APPLESS_MAIN(tst_SpreadCounter)
#include "tst_spreadcounter.moc"
