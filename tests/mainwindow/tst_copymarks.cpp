#include "mainwindow/copymarks.h"

#include <QTest>

// The rules behind the Copies column: when Find Copies has something to do,
// the column's order, and files leaving their sets.
class tst_CopyMarks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findCopiesEnabled_data();
    void findCopiesEnabled();
    void noSetComesLastEitherWay();
    void filesLeaveTheirSets();
};

namespace {

CopySet setOf(qint64 size, const QStringList &paths)
{
    CopySet set;
    set.size = size;
    for (const QString &path : paths)
        set.files.append({path, 0, false, 0});
    return set;
}

} // namespace

void tst_CopyMarks::findCopiesEnabled_data()
{
    QTest::addColumn<QList<FoundFile>>("rows");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("enabled");
    const QList<FoundFile> compared {{10, "/a"}, {10, "/b"}, {7, "/c"}};
    QTest::newRow("not compared yet") << QList<FoundFile> {{4, "/x"}, {4, "/y"}} << false << true;
    QTest::newRow("a scan or search runs") << compared << true << false;
    QTest::newRow("all compared") << QList<FoundFile> {{10, "/a"}, {10, "/b"}} << false << false;
    QTest::newRow("a new row") << compared + QList<FoundFile> {{7, "/d"}} << false << true;
    QTest::newRow("a row of another size")
        << QList<FoundFile> {{10, "/a"}, {10, "/b"}, {8, "/c"}, {8, "/e"}} << false << true;
    QTest::newRow("sizes all differ") << QList<FoundFile> {{1, "/x"}, {2, "/y"}} << false << false;
    QTest::newRow("empty files") << QList<FoundFile> {{0, "/x"}, {0, "/y"}} << false << false;
}

// Find Copies runs over rows of which two could be copies and one at least
// was not compared.
void tst_CopyMarks::findCopiesEnabled()
{
    QFETCH(QList<FoundFile>, rows);
    QFETCH(bool, busy);
    QFETCH(bool, enabled);
    CopyMarks marks;
    const QList<FoundFile> compared {{10, "/a"}, {10, "/b"}, {7, "/c"}};
    marks.setSets({setOf(10, {"/a", "/b"})}, compared, compared);
    QCOMPARE(marks.canFindCopies(rows, busy), enabled);
}

void tst_CopyMarks::noSetComesLastEitherWay()
{
    const QList<FoundFile> rows {{5, "/n1"}, {9, "/a"},  {9, "/bb"},
                                 {5, "/c"},  {5, "/dd"}, {5, "/n2"}};
    CopyMarks marks;
    marks.setSets({setOf(9, {"/a", "/bb"}), setOf(5, {"/c", "/dd"})}, rows, rows);
    for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        QList<FoundFile> sorted = rows;
        std::stable_sort(sorted.begin(), sorted.end(), [&](const FoundFile &a, const FoundFile &b) {
            return marks.sortsBefore(a.path, b.path, order);
        });
        QStringList paths;
        for (const FoundFile &file : sorted)
            paths << file.path;
        QCOMPARE(paths,
                 order == Qt::AscendingOrder
                     ? QStringList({"/a", "/bb", "/c", "/dd", "/n1", "/n2"})
                     : QStringList({"/dd", "/c", "/bb", "/a", "/n1", "/n2"}));
    }
}

// A file whose row went, or whose path now holds a file of another size,
// leaves its set; a set of one is none.
void tst_CopyMarks::filesLeaveTheirSets()
{
    QList<FoundFile> rows {{9, "/a"}, {9, "/b"}, {9, "/c"}, {5, "/d"}, {5, "/e"}};
    CopyMarks marks;
    marks.setSets({setOf(9, {"/a", "/b", "/c"}), setOf(5, {"/d", "/e"})}, rows, rows);
    QCOMPARE(marks.extraRows(rows), QList<int>({1, 2, 4}));
    QCOMPARE(marks.placeText("/c"), QString("3 of 3"));

    rows.removeAt(1);
    rows[3].size = 6; // "/e" replaced
    QVERIFY(marks.keepOnly(rows));
    QCOMPARE(marks.sets().size(), 1);
    QCOMPARE(marks.placeText("/c"), QString("2 of 2"));
    QCOMPARE(marks.placeText("/d"), QString());
    QCOMPARE(marks.extraRows(rows), QList<int>({1}));
    QVERIFY(!marks.keepOnly(rows));
}

QTEST_MAIN(tst_CopyMarks)

#include "tst_copymarks.moc"
