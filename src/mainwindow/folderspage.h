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
    // These folders are gone with everything in them: their rows and the
    // rows below them go, and the folders above them hold that much less.
    void removeFolders(const QStringList &paths);

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

    // Shows these folders; the rows selected before stay selected where
    // their folders are still shown (a running scan updates the list).
    void setFolders(const QList<FolderSize> &folders, SizeKind by);
    void removeFolders(const QStringList &paths);
    FolderModel *model() const { return folderModel; }
    QTableView *table() const { return view; }

    // The folders of the selected rows, top to bottom.
    QList<FolderSize> selectedFolders() const;
    // The folder "Show in folder" acts on: the current row while it is
    // selected, else the first selected; empty when none is.
    QString chosenPath() const;

public Q_SLOTS:
    // Shows only the folders whose shown path holds the text, in any case.
    void setFilterText(const QString &text);

Q_SIGNALS:
    void shownCountChanged(int shown, int total);

private:
    void reportCount();
    void selectPaths(const QStringList &paths, const QString &current);

    FolderModel *folderModel;
    QSortFilterProxyModel *filter;
    QTableView *view;
};
