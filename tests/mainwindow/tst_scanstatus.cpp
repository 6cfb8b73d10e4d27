#include "mainwindow/resultmodel.h"
#include "mainwindow/scanstatus.h"

#include <QItemSelectionModel>
#include <QTest>

#include <limits>

// The summary the window shows when a scan ends, and the results model's
// order and selection as the rows are replaced while a scan runs.
class tst_ScanStatus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void summary_data();
    void summary();
    void selectionFollowsTheFile();
};

void tst_ScanStatus::summary_data()
{
    QTest::addColumn<qint64>("files");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<qint64>("unreadable");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<QString>("text");
    QTest::newRow("complete") << qint64(145909) << qint64(13207024435) << qint64(2140) << qint64(3)
                              << false
                              << "Scan Complete! 145,909 files, 12.3 GB in 2.1 s; "
                                 "3 folders could not be read";
    QTest::newRow("one of each") << qint64(1) << qint64(512) << qint64(40) << qint64(1) << false
                                 << "Scan Complete! 1 file, 512 bytes in 0.0 s; "
                                    "1 folder could not be read";
    QTest::newRow("stopped, all readable") << qint64(0) << qint64(0) << qint64(5) << qint64(0)
                                           << true << "Scan Stopped. 0 files, 0 bytes in 0.0 s";
    QTest::newRow("minutes") << qint64(2000000) << qint64(1) << qint64(185400) << qint64(0) << false
                             << "Scan Complete! 2,000,000 files, 1 bytes in 3 min 5 s";
    QTest::newRow("the largest total")
        << qint64(2) << std::numeric_limits<qint64>::max() << qint64(100) << qint64(0) << false
        << "Scan Complete! 2 files, 8.0 EB in 0.1 s";
}

void tst_ScanStatus::summary()
{
    QFETCH(qint64, files);
    QFETCH(qint64, bytes);
    QFETCH(qint64, ms);
    QFETCH(qint64, unreadable);
    QFETCH(bool, stopped);
    QFETCH(QString, text);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(scanstatus::summary({files, bytes, ms, unreadable}, stopped, english), text);
}

// A live update brings new files and a new order; the selected file stays
// selected wherever it moves, and leaves the selection when it is gone.
void tst_ScanStatus::selectionFollowsTheFile()
{
    ResultModel model;
    QItemSelectionModel selection(&model);
    model.setFiles({{30, "/c"}, {20, "/b"}, {10, "/a"}});
    selection.setCurrentIndex(model.index(1, 1), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(selection.currentIndex().data(ResultModel::PathRole).toString(), QString("/b"));

    model.setFiles({{50, "/e"}, {40, "/d"}, {30, "/c"}, {20, "/b"}});
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(selection.currentIndex().row(), 3);
    QCOMPARE(selection.currentIndex().data(ResultModel::PathRole).toString(), QString("/b"));

    model.sort(ResultModel::PathColumn, Qt::AscendingOrder);
    QCOMPARE(model.index(0, 1).data().toString(), QString("/b"));
    QCOMPARE(selection.currentIndex().row(), 0);

    model.setFiles({{60, "/f"}});
    QVERIFY(!selection.currentIndex().isValid());
    QCOMPARE(model.index(0, 0).data(ResultModel::BytesRole).toLongLong(), 60);
}

QTEST_GUILESS_MAIN(tst_ScanStatus)

#include "tst_scanstatus.moc"
