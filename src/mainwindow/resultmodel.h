#pragma once

#include "scan/foundfile.h"

#include <QAbstractTableModel>
#include <QList>

// The results table's rows: one file per row, "Size(Mb)", "On disk", "Frees"
// and "Path". The
// rows are read-only. The model keeps each file's exact size and path (the
// path may hold bytes that are not text, see pathcodec) and shows them for
// people: the size in megabytes, right-aligned, with the byte count as its
// tool-tip; the path on one line with undecodable bytes and control
// characters escaped, in full as its tool-tip. Sorting by either column is
// kept while the rows are replaced, and a selected file stays selected as
// long as it is among the rows.
class ResultModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { SizeColumn = 0, PathColumn = 1, DiskColumn = 2, FreesColumn = 3, ColumnCount };
    enum Role {
        // The size in bytes (qint64).
        BytesRole = Qt::UserRole,
        // The exact path, for actions on the file.
        PathRole,
    };

    explicit ResultModel(QObject *parent = nullptr);

    // Replaces the rows, sorted by the current sort column and order.
    void setFiles(QList<FoundFile> files);
    void clear();
    const QList<FoundFile> &files() const { return rows; }
    // The file shown in a row; an empty one for a row outside the table.
    FoundFile file(int row) const;
    // The row showing the file with this path; -1 when none does.
    int rowOf(const QString &path) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // The sizes sort on the bytes (an unknown "Frees" below every known one),
    // path on the text; equal keys keep the order
    // in which the files were handed in (largest first).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    int sortColumn() const { return sortedBy; }
    Qt::SortOrder sortOrder() const { return order; }

    // Whether a column shows a number of bytes.
    static bool isSizeColumn(int column);

private:
    void sortFiles(QList<FoundFile> &files) const;

    QList<FoundFile> rows;
    int sortedBy = SizeColumn;
    Qt::SortOrder order = Qt::DescendingOrder;
};
