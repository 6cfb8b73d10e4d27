#include "mainwindow/resultfilter.h"
#include "mainwindow/resultmodel.h"
#include "scan/pathcodec.h"

#include <QItemSelectionModel>
#include <QTest>

// The results table's model on its own: what a row shows, that rows are
// read-only, the two sort orders, and a selection that follows its file
// while the rows are replaced.
class tst_ResultModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizeText_data();
    void sizeText();
    void rowsAreReadOnly();
    void sorting();
    void selectionFollowsItsFile();
    void filter_data();
    void filter();
};

void tst_ResultModel::sizeText_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << qint64(0) << "0";
    QTest::newRow("1536") << qint64(1536) << "0.00146484";
    QTest::newRow("1 MB") << qint64(1048576) << "1";
    QTest::newRow("123456789") << qint64(123456789) << "117.738";
    QTest::newRow("1 TB") << qint64(1099511627776) << "1.04858e+06";
}

void tst_ResultModel::sizeText()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    ResultModel model;
    model.setFiles({{bytes, QStringLiteral("/a")}});
    const QModelIndex size = model.index(0, ResultModel::SizeColumn);
    QCOMPARE(size.data().toString(), text);
    QCOMPARE(size.data(ResultModel::BytesRole).toLongLong(), bytes);
    QCOMPARE(model.index(0, ResultModel::PathColumn).data(ResultModel::PathRole).toString(),
             QStringLiteral("/a"));
}

void tst_ResultModel::rowsAreReadOnly()
{
    ResultModel model;
    model.setFiles({{10, QStringLiteral("/a")}});
    for (int column : {0, 1}) {
        QVERIFY(!(model.flags(model.index(0, column)) & Qt::ItemIsEditable));
        QVERIFY(!model.setData(model.index(0, column), QStringLiteral("x")));
    }
    QCOMPARE(model.file(5).path, QString());
}

void tst_ResultModel::sorting()
{
    ResultModel model;
    model.setFiles(
        {{9, QStringLiteral("/b")}, {10, QStringLiteral("/a")}, {9, QStringLiteral("/c")}});
    // Largest first; equal sizes keep the order they were handed in.
    QCOMPARE(model.file(0).path, QStringLiteral("/a"));
    QCOMPARE(model.file(1).path, QStringLiteral("/b"));
    QCOMPARE(model.file(2).path, QStringLiteral("/c"));
    model.sort(ResultModel::PathColumn, Qt::DescendingOrder);
    QCOMPARE(model.file(0).path, QStringLiteral("/c"));
    QCOMPARE(model.file(2).path, QStringLiteral("/a"));
    // A new set of rows keeps the order chosen.
    model.setFiles({{1, QStringLiteral("/x")}, {2, QStringLiteral("/y")}});
    QCOMPARE(model.file(0).path, QStringLiteral("/y"));
}

void tst_ResultModel::selectionFollowsItsFile()
{
    ResultModel model;
    QItemSelectionModel selection(&model);
    model.setFiles({{20, QStringLiteral("/big")}, {10, QStringLiteral("/small")}});
    selection.select(model.index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    // A larger file comes in above it.
    model.setFiles({{30, QStringLiteral("/bigger")},
                    {20, QStringLiteral("/big")},
                    {10, QStringLiteral("/small")}});
    const QModelIndexList rows = selection.selectedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(model.file(rows.first().row()).path, QStringLiteral("/small"));
    // Gone from the rows, it is no longer selected.
    model.setFiles({{30, QStringLiteral("/bigger")}});
    QVERIFY(selection.selectedRows().isEmpty());
}

QTEST_GUILESS_MAIN(tst_ResultModel)

void tst_ResultModel::filter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("none") << "" << QStringList {"/b/Big.iso", "/a/\\xff.bin", "/a/small"};
    QTest::newRow("any case") << "big" << QStringList {"/b/Big.iso"};
    QTest::newRow("folder") << "/A/" << QStringList {"/a/\\xff.bin", "/a/small"};
    QTest::newRow("undecodable as shown") << "\\XFF" << QStringList {"/a/\\xff.bin"};
    QTest::newRow("nothing") << "zzz" << QStringList {};
}

void tst_ResultModel::filter()
{
    QFETCH(QString, text);
    QFETCH(QStringList, shown);
    ResultModel model;
    model.setFiles({{30, "/b/Big.iso"}, {10, "/a/small"},
                    {20, pathcodec::fromNative(QByteArray("/a/\xff.bin"))}});
    model.setFilterText(text);
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.index(row, ResultModel::PathColumn).data().toString();
    QCOMPARE(rows, shown);
    QCOMPARE(model.allFiles().size(), 3);
    // New files pass the same filter; an emptied text brings all back.
    model.setFiles(model.allFiles() + QList<FoundFile> {{5, "/c/BIGGER"}});
    QCOMPARE(model.rowCount(), int(shown.size()) + (text == "big" || text.isEmpty() ? 1 : 0));
    model.setFilterText({});
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(resultfilter::shownText(12, 100), QString("12 of 100 shown"));
}

#include "tst_resultmodel.moc"
