#pragma once

#include <QObject>

#include <functional>

class QWidget;
class ResultsArea;
class ScanHistory;
class StatusLine;

// What the main window shows of the scan history: the last stored scan of
// the chosen target in the table until a scan replaces it, marked on the
// status line as a past scan; the "Compare" view, shown while there is a previous scan to
// compare with, and the results menu's "Compare with previous scan" and
// "History…" (also Ctrl+H on the window), which opens the history dialog.
class HistoryViews : public QObject
{
    Q_OBJECT

public:
    // scanRunning tells whether a scan runs; a past scan never replaces its
    // results.
    HistoryViews(ScanHistory *history, ResultsArea *results, StatusLine *statusLine,
                 QWidget *window, std::function<bool()> scanRunning);

Q_SIGNALS:
    // A past scan is about to fill the table: the window shows its results.
    void pastScanShown();
};
