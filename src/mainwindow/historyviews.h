#pragma once

#include <QObject>

class QWidget;
class ResultsArea;
class ScanHistory;

// What the main window shows of the scan history besides the past scan in
// the table: the "Compare" view, shown while there is a previous scan to
// compare with, and the results menu's "Compare with previous scan" and
// "History…" (also Ctrl+H on the window), which opens the history dialog.
class HistoryViews : public QObject
{
    Q_OBJECT

public:
    HistoryViews(ScanHistory *history, ResultsArea *results, QWidget *window);
};
