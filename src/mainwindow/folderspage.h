#pragma once

#include "scan/foldertree.h"

#include <QAbstractTableModel>
#include <QWidget>

class QSortFilterProxyModel;
class QTableView;

// The largest folders of a scan, one a row: the size they hold by the
// ranking's kind of size, their share of the scan, their file count and
// their path. The share is against the scanned roots among the rows (a root
// outweighs every folder below it, so it is among the largest whenever one
// of them is).
class FolderModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { SizeColumn = 0, ShareColumn, FilesColumn, PathColumn, ColumnCount };
    enum Role { BytesRole = Qt::UserRole };

    explicit FolderModel(QObject *parent = nullptr);

    void setFolders(const QList<FolderSize> &folders, SizeKind by);
    const QList<FolderSize> &folders() const { return rows; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    qint64 bytesOf(const FolderSize &folder) const;

    QList<FolderSize> rows;
    SizeKind kind = SizeKind::Apparent;
    qint64 total = 0;
};

// The "Folders" page of the results: a sortable table of FolderModel's rows
// that a filter text narrows to the paths holding it.
class FoldersPage : public QWidget
{
    Q_OBJECT

public:
    explicit FoldersPage(QWidget *parent = nullptr);

    void setFolders(const QList<FolderSize> &folders, SizeKind by);
    FolderModel *model() const { return folderModel; }
    QTableView *table() const { return view; }

public Q_SLOTS:
    // Shows only the folders whose shown path holds the text, in any case.
    void setFilterText(const QString &text);

Q_SIGNALS:
    void shownCountChanged(int shown, int total);

private:
    void reportCount();

    FolderModel *folderModel;
    QSortFilterProxyModel *filter;
    QTableView *view;
};
