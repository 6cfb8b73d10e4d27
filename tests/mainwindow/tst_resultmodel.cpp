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
    void diskAndFrees_data();
    void diskAndFrees();
    void sortsByDiskAndFrees();
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

static FoundFile fileOf(const QString &path, qint64 size, qint64 allocated, qint64 frees)
{
    FoundFile file;
    file.path = path;
    file.size = size;
    file.allocated = allocated;
    file.frees = frees;
    return file;
}

void tst_ResultModel::diskAndFrees_data()
{
    QTest::addColumn<qint64>("allocated");
    QTest::addColumn<qint64>("frees");
    QTest::addColumn<QString>("diskText");
    QTest::addColumn<QString>("freesText");
    QTest::addColumn<QString>("freesTip");
    QTest::newRow("sparse") << qint64(4096) << qint64(4096) << "0.00390625"
                            << "0.00390625"
                            << "4,096 bytes";
    QTest::newRow("other names") << qint64(1048576) << qint64(0) << "1"
                                 << "0"
                                 << "0 bytes";
    QTest::newRow("not measured") << qint64(1048576) << qint64(-1) << "1"
                                  << "\u2013"
                                  << "Not known yet";
    // Where the space on disk is not known, the length stands for it.
    QTest::newRow("disk unknown") << qint64(-1) << qint64(-1) << "5"
                                  << "\u2013"
                                  << "Not known yet";
}

void tst_ResultModel::diskAndFrees()
{
    QFETCH(qint64, allocated);
    QFETCH(qint64, frees);
    QFETCH(QString, diskText);
    QFETCH(QString, freesText);
    QFETCH(QString, freesTip);
    ResultModel model;
    model.setFiles({fileOf(QStringLiteral("/a"), 5 * 1048576, allocated, frees)});
    QCOMPARE(model.index(0, ResultModel::SizeColumn).data().toString(), QStringLiteral("5"));
    QCOMPARE(model.index(0, ResultModel::DiskColumn).data().toString(), diskText);
    QCOMPARE(model.index(0, ResultModel::FreesColumn).data().toString(), freesText);
    QVERIFY(model.index(0, ResultModel::FreesColumn)
                .data(Qt::ToolTipRole)
                .toString()
                .contains(freesTip));
    QCOMPARE(model.headerData(ResultModel::DiskColumn, Qt::Horizontal).toString(),
             QStringLiteral("On disk"));
    QCOMPARE(model.headerData(ResultModel::FreesColumn, Qt::Horizontal).toString(),
             QStringLiteral("Frees"));
}

void tst_ResultModel::sortsByDiskAndFrees()
{
    ResultModel model;
    model.setFiles({fileOf(QStringLiteral("/long"), 900, 0, 0),
                    fileOf(QStringLiteral("/mid"), 500, 500, -1),
                    fileOf(QStringLiteral("/short"), 100, 400, 400)});
    model.sort(ResultModel::DiskColumn, Qt::DescendingOrder);
    QCOMPARE(model.file(0).path, QStringLiteral("/mid"));
    QCOMPARE(model.file(2).path, QStringLiteral("/long"));
    // A "Frees" not known yet sorts below every known one.
    model.sort(ResultModel::FreesColumn, Qt::DescendingOrder);
    QCOMPARE(model.file(0).path, QStringLiteral("/short"));
    QCOMPARE(model.file(2).path, QStringLiteral("/mid"));
    model.sort(ResultModel::FreesColumn, Qt::AscendingOrder);
    QCOMPARE(model.file(0).path, QStringLiteral("/mid"));
    // A file measured since shows its new figure in the same order.
    model.setFiles({fileOf(QStringLiteral("/long"), 900, 0, 0),
                    fileOf(QStringLiteral("/mid"), 500, 500, 500),
                    fileOf(QStringLiteral("/short"), 100, 400, 400)});
    QCOMPARE(model.file(2).path, QStringLiteral("/mid"));
    QCOMPARE(model.index(2, ResultModel::FreesColumn).data().toString(),
             QStringLiteral("0.000476837"));
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
    model.setFiles({{30, "/b/Big.iso"},
                    {10, "/a/small"},
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
