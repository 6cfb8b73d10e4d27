#include "mainwindow/resultsview.h"

#include "mainwindow/resultmodel.h"

#include <QHeaderView>
#include <QScrollBar>

ResultsView::ResultsView(QWidget *parent) : QTableView(parent) { }

void ResultsView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // Qt scrolls a cell wider than the view to its left edge; for a path
    // that would push the sizes out of sight.
    const QRect cell = visualRect(index);
    const bool partlyInSight =
        cell.right() >= 0 && cell.left() < viewport()->width() && cell.width() > 0;
    const int x = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (partlyInSight)
        horizontalScrollBar()->setValue(x);
}

int ResultsView::sizeColumnWidth(int column) const
{
    const QAbstractItemModel *items = model();
    if (!items)
        return 0;
    // Measured over every row: Qt's own fitting looks at a thousand rows
    // around those in sight, and the widest size may lie anywhere once the
    // rows are sorted by path.
    const QFontMetrics metrics = fontMetrics();
    int widest = -1, widestRow = -1;
    for (int row = 0; row < items->rowCount(); ++row) {
        const int width = metrics.horizontalAdvance(items->index(row, column).data().toString());
        if (width > widest) {
            widest = width;
            widestRow = row;
        }
    }
    int width = horizontalHeader()->sectionSizeHint(column);
    if (widestRow >= 0)
        width = qMax(width, sizeHintForIndex(items->index(widestRow, column)).width());
    return width;
}

void ResultsView::fitSizeOf(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount())
        return;
    const int needed = sizeHintForIndex(model()->index(row, ResultModel::SizeColumn)).width();
    if (columnWidth(ResultModel::SizeColumn) < needed)
        setColumnWidth(ResultModel::SizeColumn, needed);
}

void ResultsView::fitColumns()
{
    // The sizes get what their widest text needs, the others what Qt's
    // fitting finds; the path gets at least what the other shown columns
    // leave.
    int rest = viewport()->width();
    const int columns = model() ? model()->columnCount() : 0;
    for (int column = 0; column < columns; ++column) {
        if (isColumnHidden(column))
            continue;
        if (ResultModel::isSizeColumn(column))
            setColumnWidth(column, sizeColumnWidth(column));
        else
            resizeColumnToContents(column);
        if (column != ResultModel::PathColumn)
            rest -= columnWidth(column);
    }
    if (columnWidth(ResultModel::PathColumn) < rest)
        setColumnWidth(ResultModel::PathColumn, rest);
}
