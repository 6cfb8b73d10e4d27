#include "scan/topfilemap.h"
#include "support/messagecapture.h"

#include <QTest>

#include <climits>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

// The ranking: which files stay, which are evicted, and in what order they
// come out. Files are named f1, f2, ... in the order they are offered.
class tst_TopFileMap : public QObject
{
    Q_OBJECT

private:
    // The debug lines of the running case.
    std::unique_ptr<testsupport::MessageCapture> log;

    static void offer(TopFileMap *ranking, const QList<qint64> &sizes, int &next)
    {
        for (const qint64 size : sizes)
            ranking->insert(size, QStringLiteral("f%1").arg(++next));
    }

    // The held paths from the largest size down.
    static QStringList largestFirst(const QMultiMap<qint64, QString> &map)
    {
        QStringList paths;
        for (auto it = map.cend(); it != map.cbegin();) {
            --it;
            paths << it.value();
        }
        return paths;
    }

private Q_SLOTS:
    void init();
    void freshRanking();
    void cleanup();
    void insert_data();
    void insert();
    void capacityChange_data();
    void capacityChange();
    void clearKeepsCapacity();
    void top_data();
    void top();
    void equalSizesByPath_data();
    void equalSizesByPath();
    void floorRises();
    void replace_data();
    void replace();
    void sameResultWhateverTheThreads();
};

// Runs first, before any case has set a capacity.
void tst_TopFileMap::freshRanking()
{
    TopFileMap *ranking = TopFileMap::instance();
    QCOMPARE(TopFileMap::instance(), ranking);
    QVERIFY(ranking->map().isEmpty());
    QVERIFY(ranking->top(10).isEmpty());
    QVERIFY(log->lines().isEmpty());

    // Capacity 1000: the 1001st file evicts the smallest.
    for (int i = 1; i <= 1001; ++i)
        ranking->insert(i, QString::number(i));
    QCOMPARE(ranking->map().size(), 1000);
    QCOMPARE(ranking->map().firstKey(), 2);
}

void tst_TopFileMap::init()
{
    TopFileMap::instance()->clear();
    log = std::make_unique<testsupport::MessageCapture>();
}

void tst_TopFileMap::cleanup()
{
    log.reset();
}

void tst_TopFileMap::insert_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::addColumn<QStringList>("expected");

    const qint64 GiB = qint64(1) << 30;
    QTest::newRow("below capacity keeps all")
        << 5 << QList<qint64> {3, 9, 1} << QStringList {"f2", "f1", "f3"};
    QTest::newRow("equal to the smallest is dropped")
        << 2 << QList<qint64> {5, 5, 5} << QStringList {"f1", "f2"};
    QTest::newRow("larger evicts the smallest")
        << 2 << QList<qint64> {5, 7, 7, 6} << QStringList {"f2", "f3"};
    QTest::newRow("of equal smallest the last offered goes")
        << 3 << QList<qint64> {5, 5, 9, 6} << QStringList {"f3", "f4", "f1"};
    QTest::newRow("evictions in a row")
        << 2 << QList<qint64> {1, 2, 3, 4, 5} << QStringList {"f5", "f4"};
    QTest::newRow("zero bytes ranked like any size")
        << 3 << QList<qint64> {0, 0, 1, 0} << QStringList {"f3", "f1", "f2"};
    QTest::newRow("64-bit sizes") << 3 << QList<qint64> {GiB, 5 * GiB, 3 * GiB, 2 * GiB - 1}
                                  << QStringList {"f2", "f3", "f4"};
    QTest::newRow("above 2^32 bytes")
        << 2 << QList<qint64> {(qint64(1) << 32) + 1, 1, qint64(1) << 32}
        << QStringList {"f1", "f3"};
    QTest::newRow("capacity 1") << 1 << QList<qint64> {4, 8, 6} << QStringList {"f2"};
    // A capacity below 1 comes from a result count that overflowed: the
    // ranking is full while empty, so nothing gets in and nothing breaks.
    QTest::newRow("capacity 0 drops everything") << 0 << QList<qint64> {5, 7} << QStringList {};
    QTest::newRow("negative capacity") << -1 << QList<qint64> {5} << QStringList {};
    QTest::newRow("overflowed capacity") << INT_MIN + 99 << QList<qint64> {5, 0} << QStringList {};
}

void tst_TopFileMap::insert()
{
    QFETCH(int, capacity);
    QFETCH(QList<qint64>, sizes);
    QFETCH(QStringList, expected);

    TopFileMap *ranking = TopFileMap::instance();
    ranking->setCapacity(capacity);
    int next = 0;
    offer(ranking, sizes, next);
    QCOMPARE(largestFirst(ranking->map()), expected);
    QVERIFY(log->lines().isEmpty());
}

void tst_TopFileMap::capacityChange_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QList<qint64>>("before");
    QTest::addColumn<int>("newCapacity");
    QTest::addColumn<QList<qint64>>("after");
    QTest::addColumn<QStringList>("expected");

    // Lowering removes nothing; later files replace the smallest one for one.
    QTest::newRow("lowered below the count")
        << 4 << QList<qint64> {1, 2, 3, 4} << 2 << QList<qint64> {5, 0}
        << QStringList {"f5", "f4", "f3", "f2"};
    QTest::newRow("lowered to 0 with entries")
        << 3 << QList<qint64> {1, 2, 3} << 0 << QList<qint64> {4, 2}
        << QStringList {"f4", "f3", "f2"};
    QTest::newRow("raised after filling")
        << 1 << QList<qint64> {5, 6} << 3 << QList<qint64> {1, 2, 0}
        << QStringList {"f2", "f4", "f3"};
}

void tst_TopFileMap::capacityChange()
{
    QFETCH(int, capacity);
    QFETCH(QList<qint64>, before);
    QFETCH(int, newCapacity);
    QFETCH(QList<qint64>, after);
    QFETCH(QStringList, expected);

    TopFileMap *ranking = TopFileMap::instance();
    ranking->setCapacity(capacity);
    int next = 0;
    offer(ranking, before, next);
    const QMultiMap<qint64, QString> held = ranking->map();
    ranking->setCapacity(newCapacity);
    QCOMPARE(ranking->map(), held);
    offer(ranking, after, next);
    QCOMPARE(largestFirst(ranking->map()), expected);
}

void tst_TopFileMap::clearKeepsCapacity()
{
    TopFileMap *ranking = TopFileMap::instance();
    ranking->setCapacity(2);
    ranking->insert(1, "a");
    ranking->insert(2, "b");
    ranking->clear();
    QVERIFY(ranking->map().isEmpty());
    // The count restarts at 0 and the capacity is still 2.
    ranking->insert(3, "c");
    ranking->insert(4, "d");
    ranking->insert(5, "e");
    QCOMPARE(largestFirst(ranking->map()), (QStringList {"e", "d"}));
}

void tst_TopFileMap::top_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("lines");

    // The ranking holds f1 (123456789), f2 (5 GiB), f3 (0), f4 (123456789).
    const QStringList all {"f2", "f1", "f4", "f3"};
    const QStringList allLines {"5120 : \"f2\"", "117.738 : \"f1\"", "117.738 : \"f4\"",
                                "0 : \"f3\""};
    QTest::newRow("n = 0") << 0 << QStringList {} << QStringList {};
    QTest::newRow("n = -1") << -1 << QStringList {} << QStringList {};
    QTest::newRow("n = 1") << 1 << QStringList {"f2"} << allLines.mid(0, 1);
    QTest::newRow("cut between equal sizes") << 2 << QStringList {"f2", "f1"} << allLines.mid(0, 2);
    QTest::newRow("equal sizes keep their order") << 3 << all.mid(0, 3) << allLines.mid(0, 3);
    QTest::newRow("n = count") << 4 << all << allLines;
    QTest::newRow("n above count") << 50 << all << allLines;
}

void tst_TopFileMap::top()
{
    QFETCH(int, n);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, lines);

    TopFileMap *ranking = TopFileMap::instance();
    ranking->setCapacity(10);
    int next = 0;
    offer(ranking, {123456789, qint64(5) << 30, 0, 123456789}, next);
    const QMultiMap<qint64, QString> held = ranking->map();

    const QMultiMap<qint64, QString> result = ranking->top(n);
    QCOMPARE(largestFirst(result), expected);
    QCOMPARE(log->lines(), lines);
    QCOMPARE(ranking->map(), held);
}

void tst_TopFileMap::equalSizesByPath_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QStringList>("expected");

    // Every path below is offered with the same size.
    QTest::newRow("kept in path order")
        << 5 << QStringList {"c", "a", "b"} << QStringList {"a", "b", "c"};
    QTest::newRow("a later, earlier path evicts the last")
        << 2 << QStringList {"c", "b", "a"} << QStringList {"a", "b"};
    QTest::newRow("a later, later path is dropped")
        << 2 << QStringList {"a", "b", "c"} << QStringList {"a", "b"};
    QTest::newRow("byte order, not UTF-16 order")
        << 1 << QStringList {"\U0001F600", "\uFF5E"} << QStringList {"\uFF5E"};
    QTest::newRow("undecodable byte after every character")
        << 2 << QStringList {QString(QChar(0xdcff)), "\U0001F600", "z"}
        << QStringList {"z", "\U0001F600"};
    QTest::newRow("same path twice") << 3 << QStringList {"a", "a"} << QStringList {"a", "a"};
}

void tst_TopFileMap::equalSizesByPath()
{
    QFETCH(int, capacity);
    QFETCH(QStringList, offered);
    QFETCH(QStringList, expected);

    TopFileMap *ranking = TopFileMap::instance();
    ranking->setCapacity(capacity);
    for (const QString &path : offered)
        ranking->insert(7, path);
    QCOMPARE(largestFirst(ranking->map()), expected);
    QStringList snapshot;
    for (const FoundFile &file : ranking->snapshot(capacity))
        snapshot << file.path;
    QCOMPARE(snapshot, expected);
}

void tst_TopFileMap::floorRises()
{
    TopFileMap *ranking = TopFileMap::instance();
    ranking->setCapacity(2);
    QCOMPARE(ranking->floor(), std::numeric_limits<qint64>::min());
    ranking->insert(5, "a");
    QCOMPARE(ranking->floor(), std::numeric_limits<qint64>::min());
    ranking->insert(3, "b");
    QCOMPARE(ranking->floor(), 3);
    ranking->insert(9, "c");
    QCOMPARE(ranking->floor(), 5);
    // Raising the capacity makes room again.
    ranking->setCapacity(3);
    QCOMPARE(ranking->floor(), std::numeric_limits<qint64>::min());
    ranking->clear();
    ranking->setCapacity(0);
    ranking->insert(std::numeric_limits<qint64>::max(), "d");
    QVERIFY(ranking->map().isEmpty());
}

void tst_TopFileMap::replace_data()
{
    QTest::addColumn<QList<qint64>>("sizes"); // of f1, f2, ... offered in that order
    QTest::addColumn<QString>("oldPath");
    QTest::addColumn<QString>("newPath");
    QTest::addColumn<QStringList>("expected");

    // Capacity 2 throughout; the new path has the old one's size.
    QTest::newRow("held: takes its place") << QList<qint64> {5, 7} << "f1"
                                           << "e1" << QStringList {"f2", "e1"};
    QTest::newRow("evicted: offered, stays out") << QList<qint64> {5, 7, 8} << "f1"
                                                 << "e1" << QStringList {"f3", "f2"};
    QTest::newRow("evicted at an equal size: the earlier path gets in")
        << QList<qint64> {5, 7, 5} << "f3"
        << "f0" << QStringList {"f2", "f0"};
}

void tst_TopFileMap::replace()
{
    QFETCH(QList<qint64>, sizes);
    QFETCH(QString, oldPath);
    QFETCH(QString, newPath);
    QFETCH(QStringList, expected);

    TopFileMap *ranking = TopFileMap::instance();
    ranking->setCapacity(2);
    int next = 0;
    offer(ranking, sizes, next);
    ranking->replace(sizes.at(oldPath.mid(1).toInt() - 1), oldPath, newPath);
    QCOMPARE(largestFirst(ranking->map()), expected);
    QCOMPARE(ranking->map().size(), 2);
}

// Four threads offering the same files in different orders leave the same
// ranking as one thread offering them in order.
void tst_TopFileMap::sameResultWhateverTheThreads()
{
    QList<QPair<qint64, QString>> files;
    for (int i = 0; i < 4000; ++i)
        files.append({(i * 7919) % 500, QStringLiteral("p%1").arg((i * 104729) % 4000)});
    TopFileMap *ranking = TopFileMap::instance();
    ranking->setCapacity(110);
    for (const auto &file : files)
        ranking->insert(file.first, file.second);
    const QMultiMap<qint64, QString> alone = ranking->map();

    ranking->clear();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&files, ranking, t] {
            for (int i = 0; i < files.size(); ++i) {
                // Each thread a quarter of the files, in its own order.
                const auto &file = files.at((i * 997 + t * 31) % files.size());
                if (qHash(file.second) % 4 == size_t(t))
                    ranking->insert(file.first, file.second);
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    QCOMPARE(largestFirst(ranking->map()), largestFirst(alone));
}

QTEST_GUILESS_MAIN(tst_TopFileMap)
#include "tst_topfilemap.moc"
