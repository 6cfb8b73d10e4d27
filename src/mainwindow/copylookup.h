#pragma once

#include "scan/foundfile.h"

#include <QList>
#include <QObject>
#include <QTimer>

class CopySearch;
class QAbstractItemView;
class QAction;
class QMenu;
class ResultModel;
struct CopyReport;

// The window's search for identical copies among the listed files: it runs
// a CopySearch (on a thread of its own) over the table's rows, tells its
// progress and then what the copies hold for the status line, and hands the
// sets to the table. It offers "Find Copies" and "Select Extra Copies" in the
// table's menu; CopyMarks holds the rules.
class CopyLookup : public QObject
{
    Q_OBJECT

public:
    // How often the status line follows a running search.
    static constexpr int progressMs = 250;

    CopyLookup(ResultModel *model, QAbstractItemView *table);

    // "Find Copies" and "Select Extra Copies", in menu order.
    QList<QAction *> actions() const;
    // Enables the actions when they have something to do.
    void updateActions();
    // No search starts while a scan runs.
    void setScanRunning(bool running);

    // Compares the listed files, when two of them could be copies; a search
    // that runs is given up first.
    void start();
    // Gives up a running search at once: the window no longer waits for it,
    // and what it finds is dropped.
    void stop();
    bool isRunning() const { return running; }

    // Selects the rows of every copy but the kept one of each set.
    void selectExtraCopies();

Q_SIGNALS:
    // A search started or ended; the scan button stops it while it runs.
    void runningChanged(bool running);
    // The status line's line about the search, and the files it left out
    // (one plain text line each).
    void statusChanged(const QString &text, const QString &leftOut);

private:
    void searchFinished();
    void showProgress();
    void showSummary();

    ResultModel *model;
    QAbstractItemView *view;
    CopySearch *search;
    QTimer progressTimer;
    QAction *findAction;
    QAction *selectExtraAction;
    // The files the running search compares.
    QList<FoundFile> compared;
    // The files the last search left out, as the status line lists them.
    QString leftOutText;
    qsizetype leftOutCount = 0;
    // A search the window waits for.
    bool running = false;
    // Start the search again once the one given up has ended.
    bool restart = false;
    bool scanRunning = false;
    // The status line gives the account of the last search.
    bool summaryShown = false;
};
