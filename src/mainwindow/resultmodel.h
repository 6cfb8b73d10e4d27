#pragma once

#include "mainwindow/copymarks.h"
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
// long as it is among the rows. A filter text narrows the rows to the files
// whose shown path holds it (resultfilter::matches); the files it leaves out
// are kept and come back when the text changes. A file among a set of
// copies shows its place in the set ("2 of 3") under "Copies" (see
// CopyMarks).
class ResultModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        SizeColumn = 0,
        PathColumn = 1,
        CopiesColumn = 2,
        DiskColumn = 3,
        FreesColumn = 4,
        ColumnCount
    };
    enum Role {
        // The size in bytes (qint64).
        BytesRole = Qt::UserRole,
        // The exact path, for actions on the file.
        PathRole,
    };

    explicit ResultModel(QObject *parent = nullptr);

    // Replaces the files, sorted by the current sort column and order; the
    // rows are those the filter lets through.
    void setFiles(QList<FoundFile> files);
    void clear();
    // The files of the rows, as shown.
    const QList<FoundFile> &files() const { return rows; }
    // Every file handed in, those the filter leaves out included.
    const QList<FoundFile> &allFiles() const { return all; }
    // Shows only the files whose shown path contains text, ignoring case;
    // an empty text shows them all.
    void setFilterText(const QString &text);
    QString filterText() const { return filter; }
    // The file shown in a row; an empty one for a row outside the table.
    FoundFile file(int row) const;
    // The row showing the file with this path; -1 when none does.
    int rowOf(const QString &path) const;

    // The sets of copies a search found among the files it compared.
    void setCopySets(const QList<CopySet> &sets, const QList<FoundFile> &compared);
    const CopyMarks &copyMarks() const { return marks; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // The sizes sort on the bytes (an unknown "Frees" below every known one),
    // path on the text, copies by set and then place; equal keys keep the
    // order in which the files were handed in (largest first).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    int sortColumn() const { return sortedBy; }
    Qt::SortOrder sortOrder() const { return order; }

    // Whether a column shows a number of bytes.
    static bool isSizeColumn(int column);

Q_SIGNALS:
    // The sets of copies changed: new ones came, or files left theirs.
    void copySetsChanged();

private:
    void sortFiles(QList<FoundFile> &files) const;
    // Makes the rows these files, keeping the selection of those that stay.
    void showRows(QList<FoundFile> files);

    QList<FoundFile> all;
    QString filter;
    QList<FoundFile> rows;
    CopyMarks marks;
    int sortedBy = SizeColumn;
    Qt::SortOrder order = Qt::DescendingOrder;
};
