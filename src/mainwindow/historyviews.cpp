#include "mainwindow/historyviews.h"

#include "mainwindow/compareview.h"
#include "mainwindow/historydialog.h"
#include "mainwindow/historytext.h"
#include "mainwindow/resultsarea.h"
#include "mainwindow/resultsmenu.h"
#include "mainwindow/scanhistory.h"
#include "mainwindow/scanstatus.h"
#include "mainwindow/statusline.h"

#include <QAction>
#include <QDateTime>

HistoryViews::HistoryViews(ScanHistory *history, ResultsArea *results, StatusLine *statusLine,
                           QWidget *window, std::function<bool()> scanRunning)
    : QObject(window)
{
    connect(history, &ScanHistory::pastScanLoaded, this, [=](const ScanRecord &scan) {
        if (scanRunning())
            return;
        Q_EMIT pastScanShown();
        results->showLive(ScanHistory::foundFilesOf(scan));
        results->actions()->setScanStarted(scan.summary.started.toLocalTime());
        statusLine->setUnreadable(QString());
        statusLine->setFigures(historytext::pastScanText(
            scan.summary, QDateTime::currentDateTimeUtc(), scanstatus::numberLocale()));
    });

    auto *compareView = new CompareView;
    const int compareIndex = results->addView(tr("Compare"), compareView);
    results->setViewShown(compareIndex, false);
    auto *compareAction = new QAction(tr("Compare with previous scan"), window);
    compareAction->setObjectName(QStringLiteral("actionCompare"));
    compareAction->setEnabled(false);
    results->addMenuAction(compareAction);
    connect(compareAction, &QAction::triggered, this,
            [=] { results->setCurrentView(compareIndex); });
    connect(history, &ScanHistory::comparisonChanged, this, [=] {
        const bool shown = history->comparison().has_value();
        if (shown)
            compareView->setComparison(*history->comparison(), history->previousScan()->summary);
        results->setViewShown(compareIndex, shown);
        compareAction->setEnabled(shown);
    });

    // Also from the keyboard, when no results are on screen.
    auto *historyAction = new QAction(tr("History…"), window);
    historyAction->setObjectName(QStringLiteral("actionHistory"));
    historyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    window->addAction(historyAction);
    results->addMenuAction(historyAction);
    connect(historyAction, &QAction::triggered, this, [=] {
        auto *dialog = new HistoryDialog(history, window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowFlag(Qt::Window);
        dialog->show();
    });
}
