#include "mainwindow/resultmodel.h"
#include "mainwindow/resultsview.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

#include <limits>

// The results view: where a click leaves the view, and how wide the size
// column is.
class tst_ResultsView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clickNeverScrollsSideways();
    void sizeColumnFitsItsWidestText();
};

// A click on a long path, or a key that moves down the rows, leaves the
// sizes in sight; a cell out of sight sideways is still brought in.
void tst_ResultsView::clickNeverScrollsSideways()
{
    ResultModel model;
    QList<FoundFile> files;
    for (int i = 0; i < 30; ++i)
        files.append(
            {qint64(1000 - i),
             QStringLiteral("/data/") + QString(300, QLatin1Char('p')) + QString::number(i)});
    model.setFiles(files);
    ResultsView view;
    view.setModel(&model);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view.resize(480, 240);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.fitColumns();
    QScrollBar *sideways = view.horizontalScrollBar();
    QTRY_VERIFY(sideways->maximum() > 0);
    QCOMPARE(sideways->value(), 0);

    const QRect cell = view.visualRect(model.index(2, ResultModel::PathColumn));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      QPoint(cell.left() + 40, cell.center().y()));
    QCOMPARE(view.currentIndex().column(), int(ResultModel::PathColumn));
    // Qt scrolls to a clicked cell once a double click can no longer follow.
    QTest::qWait(QApplication::doubleClickInterval() + 300);
    QCOMPARE(sideways->value(), 0);
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(view.currentIndex().row(), 22);
    QVERIFY(view.verticalScrollBar()->value() > 0); // the rows still follow
    QCOMPARE(sideways->value(), 0);

    // Scrolled to the paths' ends, the size cells are out of sight: moving
    // to one brings it in.
    sideways->setValue(sideways->maximum());
    view.setCurrentIndex(model.index(22, ResultModel::SizeColumn));
    QCOMPARE(sideways->value(), 0);
}

// At the largest sizes the size texts are the widest ("8.79609e+12"): the
// column is as wide as the widest text of all rows, wherever its row is.
void tst_ResultsView::sizeColumnFitsItsWidestText()
{
    ResultModel model;
    QList<FoundFile> files;
    for (int i = 0; i < 3000; ++i)
        files.append({qint64(1) << 20, QStringLiteral("/d/%1").arg(i, 5, 10, QLatin1Char('0'))});
    // Sorted by path, the largest file lies far below the rows in sight.
    files.append({std::numeric_limits<qint64>::max(), QStringLiteral("/d/02500a")});
    model.setFiles(files);
    model.sort(ResultModel::PathColumn, Qt::AscendingOrder);
    ResultsView view;
    view.setModel(&model);
    view.resize(480, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.fitColumns();

    int row = 0;
    while (model.file(row).path != QLatin1String("/d/02500a"))
        ++row;
    QVERIFY(row > 2000);
    const QModelIndex widest = model.index(row, ResultModel::SizeColumn);
    QCOMPARE(widest.data().toString(), QStringLiteral("8.79609e+12"));
    QVERIFY2(view.columnWidth(ResultModel::SizeColumn) >= view.sizeHintForIndex(widest).width(),
             qPrintable(QString::number(view.columnWidth(ResultModel::SizeColumn))));
}

QTEST_MAIN(tst_ResultsView)

#include "tst_resultsview.moc"
