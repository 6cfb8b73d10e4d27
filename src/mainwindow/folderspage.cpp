#include "mainwindow/folderspage.h"

#include "mainwindow/scanstatus.h"
#include "scan/pathcodec.h"
#include "scan/sizetext.h"
#include "widgets/plaintext.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Whether a folder lies below another of the set: a scanned root has none.
bool hasAncestorIn(const QString &path, const QSet<QString> &paths)
{
    QString parent = path;
    for (;;) {
        int slash = parent.lastIndexOf(QLatin1Char('/'));
        if (slash < 0)
            return false;
        parent.truncate(slash == 0 ? 1 : slash);
        if (paths.contains(parent) && parent != path)
            return true;
        if (slash == 0)
            return false;
    }
}

} // namespace

FolderModel::FolderModel(QObject *parent) : QAbstractTableModel(parent) { }

qint64 FolderModel::bytesOf(const FolderSize &folder) const
{
    return kind == SizeKind::OnDisk ? folder.allocated : folder.size;
}

void FolderModel::setFolders(const QList<FolderSize> &folders, SizeKind by)
{
    beginResetModel();
    rows = folders;
    kind = by;
    QSet<QString> paths;
    for (const FolderSize &folder : rows)
        paths.insert(folder.path);
    total = 0;
    for (const FolderSize &folder : rows) {
        if (!hasAncestorIn(folder.path, paths))
            total += bytesOf(folder);
    }
    endResetModel();
}

int FolderModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int FolderModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FolderModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return {};
    const FolderSize &folder = rows.at(index.row());
    const qint64 bytes = bytesOf(folder);
    const QLocale locale = scanstatus::numberLocale();
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case SizeColumn:
            return megabytesText(bytes);
        case ShareColumn:
            return total > 0
                ? locale.toString(100.0 * double(bytes) / double(total), 'f', 1) + QLatin1Char('%')
                : QString();
        case FilesColumn:
            return locale.toString(folder.files);
        default:
            return pathcodec::displayText(folder.path);
        }
    case Qt::ToolTipRole:
        if (index.column() == SizeColumn)
            return plaintext::toolTip(
                QCoreApplication::translate("Widget", "%1 bytes").arg(locale.toString(bytes)));
        return plaintext::toolTip(pathcodec::displayText(folder.path));
    case Qt::TextAlignmentRole:
        if (index.column() == PathColumn)
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case BytesRole:
        // What sorting goes by: the numbers themselves, the path as shown.
        switch (index.column()) {
        case SizeColumn:
        case ShareColumn:
            return bytes;
        case FilesColumn:
            return folder.files;
        default:
            return pathcodec::displayText(folder.path);
        }
    default:
        return {};
    }
}

QVariant FolderModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case SizeColumn:
        return QCoreApplication::translate("Widget", "Size(Mb)");
    case ShareColumn:
        return QCoreApplication::translate("Widget", "Share");
    case FilesColumn:
        return QCoreApplication::translate("Widget", "Files");
    case PathColumn:
        return QCoreApplication::translate("Widget", "Path");
    default:
        return {};
    }
}

FoldersPage::FoldersPage(QWidget *parent)
    : QWidget(parent),
      folderModel(new FolderModel(this)),
      filter(new QSortFilterProxyModel(this)),
      view(new QTableView(this))
{
    setObjectName(QStringLiteral("foldersView"));
    filter->setSourceModel(folderModel);
    filter->setSortRole(FolderModel::BytesRole);
    filter->setFilterKeyColumn(FolderModel::PathColumn);
    filter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    view->setObjectName(QStringLiteral("folderTable"));
    view->setModel(filter);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSortingEnabled(true);
    view->sortByColumn(FolderModel::SizeColumn, Qt::DescendingOrder);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(view);
}

void FoldersPage::setFolders(const QList<FolderSize> &folders, SizeKind by)
{
    folderModel->setFolders(folders, by);
    view->resizeColumnsToContents();
    reportCount();
}

void FoldersPage::setFilterText(const QString &text)
{
    filter->setFilterFixedString(text);
    reportCount();
}

void FoldersPage::reportCount()
{
    Q_EMIT shownCountChanged(filter->rowCount(), folderModel->rowCount());
}
