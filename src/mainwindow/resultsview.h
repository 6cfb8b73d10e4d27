#pragma once

#include <QTableView>

// The results table's view. A click or a key that moves to a cell scrolls the
// rows into sight but never sideways to the start of a long path, so the
// sizes stay in view; only a cell wholly out of sight sideways is brought in.
// Its columns are fitted to their texts, the sizes to the widest of them all.
class ResultsView : public QTableView
{
    Q_OBJECT

public:
    explicit ResultsView(QWidget *parent = nullptr);

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

    // Each column as wide as its widest text, a long path included (the
    // view scrolls sideways); the path column takes any room left over.
    void fitColumns();
    // The width a size column (the first by default) needs for the widest
    // size text of any row.
    int sizeColumnWidth(int column = 0) const;
    // Widens the size column, if need be, for the size text of one row: a
    // cheap check for the largest file while the rows change under a scan.
    void fitSizeOf(int row);
};
