#include "mainwindow/resultmodel.h"

#include "mainwindow/resultfilter.h"
#include "mainwindow/scanstatus.h"
#include "scan/pathcodec.h"
#include "scan/sizetext.h"
#include "widgets/plaintext.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

ResultModel::ResultModel(QObject *parent) : QAbstractTableModel(parent) { }

namespace {

// The bytes a size column shows for a file; -1 where not known yet.
qint64 bytesIn(const FoundFile &file, int column)
{
    switch (column) {
    case ResultModel::DiskColumn:
        return file.onDisk();
    case ResultModel::FreesColumn:
        return file.frees < 0 ? -1 : file.frees;
    default:
        return file.size;
    }
}

} // namespace

bool ResultModel::isSizeColumn(int column)
{
    return column == SizeColumn || column == DiskColumn || column == FreesColumn;
}

void ResultModel::sortFiles(QList<FoundFile> &files) const
{
    const bool ascending = order == Qt::AscendingOrder;
    if (isSizeColumn(sortedBy)) {
        const int column = sortedBy;
        std::stable_sort(files.begin(), files.end(),
                         [ascending, column](const FoundFile &a, const FoundFile &b) {
                             const qint64 x = bytesIn(a, column);
                             const qint64 y = bytesIn(b, column);
                             return ascending ? x < y : x > y;
                         });
    } else if (sortedBy == CopiesColumn) {
        std::stable_sort(files.begin(), files.end(),
                         [this](const FoundFile &a, const FoundFile &b) {
                             return marks.sortsBefore(a.path, b.path, order);
                         });
    } else {
        std::stable_sort(files.begin(), files.end(),
                         [ascending](const FoundFile &a, const FoundFile &b) {
                             int c = a.path.compare(b.path, Qt::CaseInsensitive);
                             if (c == 0)
                                 c = a.path.compare(b.path, Qt::CaseSensitive);
                             return ascending ? c < 0 : c > 0;
                         });
    }
}

void ResultModel::setFiles(QList<FoundFile> files)
{
    const bool copiesLeft = marks.keepOnly(files);
    sortFiles(files);
    all = std::move(files);
    showRows(resultfilter::filtered(all, filter));
    if (copiesLeft)
        Q_EMIT copySetsChanged();
}

void ResultModel::setFilterText(const QString &text)
{
    if (text == filter)
        return;
    filter = text;
    showRows(resultfilter::filtered(all, filter));
}

void ResultModel::showRows(QList<FoundFile> files)
{
    const auto same = [](const FoundFile &a, const FoundFile &b) {
        return a.size == b.size && a.path == b.path && a.allocated == b.allocated &&
            a.frees == b.frees;
    };
    if (std::equal(files.cbegin(), files.cend(), rows.cbegin(), rows.cend(), same))
        return;

    // First the row count, then the order: a view follows a layout change
    // only for rows it already has.
    const int oldCount = int(rows.size());
    const int newCount = int(files.size());
    if (newCount > oldCount) {
        beginInsertRows({}, oldCount, newCount - 1);
        rows.append(files.mid(oldCount));
        endInsertRows();
    } else if (newCount < oldCount) {
        beginRemoveRows({}, newCount, oldCount - 1);
        rows.resize(newCount);
        endRemoveRows();
    }

    Q_EMIT layoutAboutToBeChanged();
    QHash<QString, int> newRow;
    newRow.reserve(files.size());
    for (int row = 0; row < newCount; ++row)
        newRow.insert(files.at(row).path, row);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &index : before) {
        const int row = newRow.value(rows.at(index.row()).path, -1);
        after << (row < 0 ? QModelIndex() : createIndex(row, index.column()));
    }
    rows = std::move(files);
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged();
}

void ResultModel::setCopySets(const QList<CopySet> &sets, const QList<FoundFile> &compared)
{
    marks.setSets(sets, compared, all);
    if (sortedBy == CopiesColumn)
        setFiles(all);
    if (!rows.isEmpty())
        Q_EMIT dataChanged(index(0, CopiesColumn), index(int(rows.size()) - 1, CopiesColumn));
    Q_EMIT copySetsChanged();
}

void ResultModel::clear()
{
    all.clear();
    const bool hadCopies = marks.hasSets();
    marks.clear();
    if (hadCopies)
        Q_EMIT copySetsChanged();
    if (rows.isEmpty())
        return;
    beginResetModel();
    rows.clear();
    endResetModel();
}

FoundFile ResultModel::file(int row) const
{
    return row >= 0 && row < rows.size() ? rows.at(row) : FoundFile();
}

int ResultModel::rowOf(const QString &path) const
{
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).path == path)
            return row;
    }
    return -1;
}

int ResultModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int ResultModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ColumnCount);
}

QVariant ResultModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return {};
    const FoundFile &found = rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == CopiesColumn)
            return marks.placeText(found.path);
        if (!isSizeColumn(index.column()))
            return pathcodec::displayText(found.path);
        if (bytesIn(found, index.column()) < 0)
            return QStringLiteral("\u2013");
        return megabytesText(bytesIn(found, index.column()));
    case Qt::AccessibleTextRole:
        // A screen reader says a size with its unit, not the bare number of
        // megabytes the column shows.
        if (index.column() == CopiesColumn)
            return marks.placeText(found.path);
        if (!isSizeColumn(index.column()))
            return pathcodec::displayText(found.path);
        if (bytesIn(found, index.column()) < 0)
            return QCoreApplication::translate("Widget", "Not known yet");
        return scanstatus::bytesText(bytesIn(found, index.column()), scanstatus::numberLocale());
    case Qt::ToolTipRole:
        if (index.column() == CopiesColumn)
            return plaintext::toolTip(marks.toolTip(found.path));
        if (isSizeColumn(index.column())) {
            const qint64 bytes = bytesIn(found, index.column());
            if (bytes < 0)
                return plaintext::toolTip(QCoreApplication::translate("Widget", "Not known yet"));
            const QLocale locale = scanstatus::numberLocale();
            return plaintext::toolTip(
                QCoreApplication::translate("Widget", "%1 bytes").arg(locale.toString(bytes)));
        }
        return plaintext::toolTip(pathcodec::displayText(found.path));
    case Qt::TextAlignmentRole:
        if (isSizeColumn(index.column()))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case BytesRole:
        return isSizeColumn(index.column()) ? bytesIn(found, index.column()) : found.size;
    case PathRole:
        return found.path;
    default:
        return {};
    }
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == SizeColumn)
        return QCoreApplication::translate("Widget", "Size(Mb)");
    if (section == PathColumn)
        return QCoreApplication::translate("Widget", "Path");
    if (section == CopiesColumn)
        return QCoreApplication::translate("Widget", "Copies");
    if (section == DiskColumn)
        return QCoreApplication::translate("Widget", "On disk");
    if (section == FreesColumn)
        return QCoreApplication::translate("Widget", "Frees");
    return {};
}

Qt::ItemFlags ResultModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ResultModel::sort(int column, Qt::SortOrder sortOrder)
{
    if (column != PathColumn && column != CopiesColumn && !isSizeColumn(column))
        return;
    sortedBy = column;
    order = sortOrder;
    setFiles(all);
}
