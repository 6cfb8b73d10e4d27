#include "mainwindow/scantargets.h"

#include "scan/pathcodec.h"
#include "scan/scansession.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

enum TargetKind { AllDisksTarget = 0, RootsTarget = 1, CustomScanTarget = 2 };
constexpr int TargetKindRole = Qt::UserRole;
// The exact roots of a RootsTarget item (its text is for display).
constexpr int RootsRole = Qt::UserRole + 1;

QStandardItem *targetItem(const QString &text, TargetKind kind, const QStringList &roots = {})
{
    auto *item = new QStandardItem(text);
    item->setData(kind, TargetKindRole);
    if (kind == RootsTarget)
        item->setData(roots, RootsRole);
    return item;
}

} // namespace

ScanTargets::ScanTargets(QObject *parent)
    : QObject(parent),
      readableDrives(&ScanSession::readableDriveRoots),
      allDrives(&ScanSession::allDriveRoots)
{ }

void ScanTargets::fill()
{
    items.appendRow(targetItem(QCoreApplication::translate("Widget", "All Disks"), AllDisksTarget));
    for (const QString &root : readableDrives())
        items.appendRow(targetItem(pathcodec::displayText(root), RootsTarget, {root}));
    items.appendRow(
        targetItem(QCoreApplication::translate("Widget", "Custom Scan"), CustomScanTarget));
}

bool ScanTargets::isCustomScan(int row) const
{
    return items.index(row, 0).data(TargetKindRole).toInt() == CustomScanTarget;
}

ScanTargets::Choice ScanTargets::choose(int row)
{
    const QModelIndex index = items.index(row, 0);
    switch (index.data(TargetKindRole).toInt()) {
    case AllDisksTarget:
        scandirlist = readableDrives();
        break;
    case CustomScanTarget:
        return CustomScanChosen;
    default:
        scandirlist = index.data(RootsRole).toStringList();
        break;
    }
    lastTarget = QPersistentModelIndex(index);
    return RootsChosen;
}

int ScanTargets::rowBeforeCustomScan() const
{
    return lastTarget.isValid() ? lastTarget.row() : 0;
}

int ScanTargets::insertRoots(const QString &text, const QStringList &roots, int at)
{
    at = qBound(0, at, items.rowCount());
    items.insertRow(at, targetItem(text, RootsTarget, roots));
    return at;
}

int ScanTargets::addCommandLine(const QStringList &dirs)
{
    useargdirlist = true;
    argdirlist = dirs;
    int at = items.rowCount();
    for (int row = 0; row < items.rowCount(); ++row) {
        if (isCustomScan(row))
            at = row + 1;
    }
    return insertRoots(pathcodec::displayText(dirs.join(QLatin1Char(';'))), dirs, at);
}

int ScanTargets::addCustomList(const QString &cdirlist, int at)
{
    return insertRoots(pathcodec::displayText(cdirlist),
                       cdirlist.split(QLatin1Char(';'), Qt::KeepEmptyParts, Qt::CaseSensitive), at);
}

QStringList ScanTargets::nextRoots()
{
    if (useargdirlist) {
        useargdirlist = false;
        return argdirlist;
    }
    if (!scandirlist.isEmpty())
        return scandirlist;
    return allDrives();
}

void ScanTargets::debugRoots(const QStringList &roots)
{
    QDebug line = qDebug().nospace();
    line << "(";
    for (qsizetype i = 0; i < roots.size(); ++i) {
        if (i > 0)
            line << ", ";
        line << roots.at(i);
    }
    line << ")";
}
