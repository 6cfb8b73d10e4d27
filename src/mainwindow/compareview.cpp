#include "mainwindow/compareview.h"

#include "mainwindow/historytext.h"
#include "mainwindow/scanstatus.h"
#include "scan/pathcodec.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString sizeText(qint64 bytes)
{
    return bytes < 0 ? QString() : scanstatus::bytesText(bytes, scanstatus::numberLocale());
}

QString changeText(qint64 change)
{
    const QString size = scanstatus::bytesText(qAbs(change), scanstatus::numberLocale());
    return (change < 0 ? QLatin1String("-") : QLatin1String("+")) + size;
}

} // namespace

CompareModel::CompareModel(Part part, QObject *parent) : QAbstractTableModel(parent), part(part) { }

void CompareModel::setComparison(const ScanComparison &comparison)
{
    beginResetModel();
    compared = comparison;
    refilter();
    endResetModel();
}

void CompareModel::setFilterText(const QString &text)
{
    beginResetModel();
    filter = text;
    refilter();
    endResetModel();
}

int CompareModel::totalCount() const
{
    return part == Files ? compared.files.size() : compared.folders.size();
}

void CompareModel::refilter()
{
    shown.clear();
    for (int i = 0; i < totalCount(); ++i) {
        const QString &path =
            part == Files ? compared.files.at(i).path : compared.folders.at(i).path;
        if (filter.isEmpty() || pathcodec::displayText(path).contains(filter, Qt::CaseInsensitive))
            shown << i;
    }
}

int CompareModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : shown.size();
}

int CompareModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : PathColumn + 1;
}

QVariant CompareModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= shown.size())
        return {};
    if (role == Qt::TextAlignmentRole && index.column() != PathColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const int row = shown.at(index.row());
    if (part == Files) {
        const FileChange &change = compared.files.at(row);
        switch (index.column()) {
        case ChangeColumn:
            return QString::fromLatin1(fileChangeKindName(change.kind));
        case BeforeColumn:
            return sizeText(change.sizeBefore);
        case AfterColumn:
            return sizeText(change.sizeAfter);
        case PercentColumn:
            return changeText(change.change());
        default:
            return pathcodec::displayText(change.path);
        }
    }
    const FolderChange &change = compared.folders.at(row);
    switch (index.column()) {
    case ChangeColumn:
        return changeText(change.change());
    case BeforeColumn:
        return sizeText(change.bytesBefore);
    case AfterColumn:
        return sizeText(change.bytesAfter);
    case PercentColumn:
        return change.bytesBefore > 0 ? QStringLiteral("%1%").arg(change.percent(), 0, 'f', 1)
                                      : QString();
    default:
        return pathcodec::displayText(change.path);
    }
}

QVariant CompareModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ChangeColumn:
        return tr("Change");
    case BeforeColumn:
        return tr("Then");
    case AfterColumn:
        return tr("Now");
    case PercentColumn:
        return part == Files ? tr("Difference") : tr("%");
    default:
        return tr("Path");
    }
}

CompareView::CompareView(QWidget *parent)
    : QWidget(parent),
      note(new QLabel(this)),
      files(new CompareModel(CompareModel::Files, this)),
      folders(new CompareModel(CompareModel::Folders, this)),
      filesTable(new QTableView(this)),
      foldersNote(new QLabel(this)),
      foldersTable(new QTableView(this))
{
    setObjectName(QStringLiteral("compareView"));
    note->setObjectName(QStringLiteral("compareNote"));
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    foldersNote->setObjectName(QStringLiteral("compareFoldersNote"));
    foldersNote->setTextFormat(Qt::PlainText);
    foldersNote->setWordWrap(true);
    filesTable->setObjectName(QStringLiteral("compareFiles"));
    foldersTable->setObjectName(QStringLiteral("compareFolders"));
    for (QTableView *table : {filesTable, foldersTable}) {
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->verticalHeader()->hide();
        table->horizontalHeader()->setStretchLastSection(true);
        table->setWordWrap(false);
    }
    filesTable->setModel(files);
    foldersTable->setModel(folders);
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(note);
    box->addWidget(filesTable, 3);
    box->addWidget(foldersNote);
    box->addWidget(foldersTable, 2);
}

void CompareView::setComparison(const ScanComparison &comparison, const ScanSummary &before)
{
    files->setComparison(comparison);
    folders->setComparison(comparison);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QString text = tr("Changes among the listed files since the scan of %1, %2.")
                       .arg(historytext::whenText(before.started, now),
                            historytext::agoText(before.started, now));
    if (comparison.partial)
        text += QLatin1Char(' ') +
            tr("A scan was stopped before its end (partial): files it did not reach may show "
               "as new or gone.");
    if (comparison.files.isEmpty())
        text += QLatin1Char(' ') + tr("No listed file changed.");
    note->setText(text);
    foldersTable->setVisible(!comparison.folders.isEmpty());
    foldersNote->setText(comparison.folders.isEmpty()
                             ? tr("Folders: these scans hold no folder totals to compare.")
                             : tr("Folders that changed most:"));
    filesTable->resizeColumnsToContents();
    foldersTable->resizeColumnsToContents();
    countShown();
}

void CompareView::setFilterText(const QString &text)
{
    files->setFilterText(text);
    folders->setFilterText(text);
    countShown();
}

void CompareView::countShown()
{
    Q_EMIT shownCountChanged(files->rowCount() + folders->rowCount(),
                             files->totalCount() + folders->totalCount());
}
