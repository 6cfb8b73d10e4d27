#include "mainwindow/copylookup.h"

#include "mainwindow/resultmodel.h"
#include "mainwindow/scanstatus.h"
#include "scan/copyfinder.h"
#include "scan/pathcodec.h"

#include <QAbstractItemView>
#include <QAction>
#include <QItemSelection>

CopyLookup::CopyLookup(ResultModel *resultModel, QAbstractItemView *table)
    : QObject(table), model(resultModel), view(table), search(new CopySearch(this))
{
    findAction = new QAction(tr("Find Copies"), this);
    findAction->setObjectName(QStringLiteral("actionFind_Copies"));
    findAction->setToolTip(tr("Compare the listed files and mark identical copies"));
    selectExtraAction = new QAction(tr("Select Extra Copies"), this);
    selectExtraAction->setObjectName(QStringLiteral("actionSelect_Extra_Copies"));
    selectExtraAction->setToolTip(
        tr("Select every copy but one in each set: the one with the shortest path is kept, "
           "of those the oldest"));
    connect(findAction, &QAction::triggered, this, &CopyLookup::start);
    connect(selectExtraAction, &QAction::triggered, this, &CopyLookup::selectExtraCopies);
    connect(search, &CopySearch::finished, this, &CopyLookup::searchFinished);
    connect(model, &ResultModel::copySetsChanged, this, [this] {
        updateActions();
        if (summaryShown)
            showSummary();
    });
    progressTimer.setInterval(progressMs);
    connect(&progressTimer, &QTimer::timeout, this, &CopyLookup::showProgress);
    updateActions();
}

QList<QAction *> CopyLookup::actions() const
{
    return {findAction, selectExtraAction};
}

void CopyLookup::updateActions()
{
    findAction->setEnabled(
        model->copyMarks().canFindCopies(model->files(), running || scanRunning));
    selectExtraAction->setEnabled(model->copyMarks().hasSets() && !scanRunning);
}

void CopyLookup::setScanRunning(bool runs)
{
    scanRunning = runs;
    if (runs)
        stop();
    updateActions();
}

void CopyLookup::start()
{
    if (scanRunning || !CopyMarks::worthComparing(model->files()))
        return;
    stop();
    compared = model->files();
    running = true;
    summaryShown = false;
    // A search given up a moment ago may still be ending its last read.
    if (search->isRunning())
        restart = true;
    else
        search->start(compared);
    progressTimer.start();
    showProgress();
    updateActions();
    Q_EMIT runningChanged(true);
}

void CopyLookup::stop()
{
    if (!running)
        return;
    running = false;
    restart = false;
    search->stop();
    progressTimer.stop();
    Q_EMIT statusChanged(tr("Looking for copies stopped."), QString());
    updateActions();
    Q_EMIT runningChanged(false);
}

void CopyLookup::showProgress()
{
    const QLocale locale = scanstatus::numberLocale();
    const qint64 hashed = restart ? 0 : search->bytesHashed();
    const qint64 total = restart ? 0 : search->bytesToHash();
    Q_EMIT statusChanged(
        tr("Looking for copies: %1 of %2 read")
            .arg(scanstatus::bytesText(hashed, locale), scanstatus::bytesText(total, locale)),
        QString());
}

void CopyLookup::searchFinished()
{
    if (restart) {
        restart = false;
        search->start(compared);
        return;
    }
    if (!running)
        return;
    running = false;
    progressTimer.stop();
    const CopyReport report = search->report();
    QStringList leftOut;
    for (const LeftOutFile &file : report.leftOut)
        leftOut << pathcodec::displayText(file.path) + QStringLiteral(": ") + file.reason;
    leftOutText = leftOut.join(QLatin1Char('\n'));
    leftOutCount = report.leftOut.size();
    summaryShown = true;
    model->setCopySets(report.sets, compared); // tells the summary through copySetsChanged
    compared.clear();
    updateActions();
    Q_EMIT runningChanged(false);
}

void CopyLookup::showSummary()
{
    const QLocale locale = scanstatus::numberLocale();
    QString text = copies::summaryText(model->copyMarks().sets(), locale);
    if (leftOutCount > 0) {
        text += (leftOutCount == 1 ? tr("; %1 file left out of the comparison")
                                   : tr("; %1 files left out of the comparison"))
                    .arg(locale.toString(leftOutCount));
    }
    Q_EMIT statusChanged(text, leftOutText);
}

void CopyLookup::selectExtraCopies()
{
    const QList<int> rows = model->copyMarks().extraRows(model->files());
    if (rows.isEmpty())
        return;
    QItemSelection selection;
    const int lastColumn = model->columnCount() - 1;
    for (int row : rows)
        selection.select(model->index(row, 0), model->index(row, lastColumn));
    view->selectionModel()->select(selection,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const QModelIndex first = model->index(rows.first(), ResultModel::SizeColumn);
    view->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    view->scrollTo(first);
}
