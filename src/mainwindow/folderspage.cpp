#include "mainwindow/folderspage.h"

#include "mainwindow/resultactions.h"
#include "mainwindow/scanstatus.h"
#include "scan/localpaths.h"
#include "scan/pathcodec.h"
#include "scan/sizetext.h"
#include "widgets/plaintext.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

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

void FolderModel::removeFolders(const QStringList &paths)
{
    QList<FolderSize> gone;
    for (const FolderSize &folder : std::as_const(rows)) {
        if (paths.contains(folder.path))
            gone << folder;
    }
    QList<FolderSize> rest;
    for (FolderSize folder : std::as_const(rows)) {
        bool below = false;
        for (const QString &path : paths)
            below = below || localpaths::isInside(folder.path, path);
        if (below)
            continue;
        for (const FolderSize &removed : std::as_const(gone)) {
            if (localpaths::isInside(removed.path, folder.path)) {
                folder.size = qMax<qint64>(0, folder.size - removed.size);
                folder.allocated = qMax<qint64>(0, folder.allocated - removed.allocated);
                folder.files = qMax<qint64>(0, folder.files - removed.files);
            }
        }
        rest << folder;
    }
    setFolders(rest, kind);
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
    // A long path stays on one line, its middle giving way.
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideMiddle);
    // As in the files table: a long path's title stays at its column's start.
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(view);
}

void FoldersPage::setFolders(const QList<FolderSize> &folders, SizeKind by)
{
    QStringList selected;
    for (const FolderSize &folder : selectedFolders())
        selected << folder.path;
    const int current = filter->mapToSource(view->currentIndex()).row();
    const QString currentPath = current >= 0 && current < folderModel->folders().size()
        ? folderModel->folders().at(current).path
        : QString();
    const bool wasEmpty = folderModel->rowCount() == 0;
    folderModel->setFolders(folders, by);
    selectPaths(selected, currentPath);
    if (wasEmpty) {
        view->resizeColumnsToContents();
    } else {
        // A list that follows a running scan only widens its columns as its
        // numbers grow, so a column the user has set stays as set.
        const QAbstractItemView *cells = view;
        const QHeaderView *header = view->horizontalHeader();
        for (int column = 0; column < FolderModel::ColumnCount; ++column) {
            const int wanted =
                qMax(cells->sizeHintForColumn(column), header->sectionSizeHint(column));
            if (wanted > view->columnWidth(column))
                view->setColumnWidth(column, wanted);
        }
    }
    reportCount();
}

void FoldersPage::removeFolders(const QStringList &paths)
{
    folderModel->removeFolders(paths);
    reportCount();
}

void FoldersPage::selectPaths(const QStringList &paths, const QString &current)
{
    if (paths.isEmpty() && current.isEmpty())
        return;
    QItemSelection selection;
    const QList<FolderSize> &rows = folderModel->folders();
    for (int row = 0; row < rows.size(); ++row) {
        const QModelIndex index = filter->mapFromSource(folderModel->index(row, 0));
        if (!index.isValid())
            continue;
        if (rows.at(row).path == current)
            view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        if (paths.contains(rows.at(row).path))
            selection.select(index, index);
    }
    view->selectionModel()->select(selection,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QList<FolderSize> FoldersPage::selectedFolders() const
{
    QList<int> shownRows;
    for (const QModelIndex &index : view->selectionModel()->selectedRows())
        shownRows << index.row();
    std::sort(shownRows.begin(), shownRows.end());
    QList<FolderSize> chosen;
    for (int row : std::as_const(shownRows)) {
        const int source = filter->mapToSource(filter->index(row, 0)).row();
        if (source >= 0 && source < folderModel->folders().size())
            chosen << folderModel->folders().at(source);
    }
    return chosen;
}

QString FoldersPage::chosenPath() const
{
    // Never a row that only has the focus.
    const QModelIndex current = view->currentIndex();
    if (current.isValid() && view->selectionModel()->isRowSelected(current.row())) {
        const int source = filter->mapToSource(current).row();
        if (source >= 0 && source < folderModel->folders().size())
            return folderModel->folders().at(source).path;
    }
    const QList<FolderSize> chosen = selectedFolders();
    return chosen.isEmpty() ? QString() : chosen.first().path;
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
