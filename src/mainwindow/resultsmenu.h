#pragma once

#include "mainwindow/resultactions.h"

#include <QDateTime>
#include <QList>
#include <QObject>

#include <functional>

class QAbstractItemView;
class QAction;

// The results table's actions beside "Show in folder": "Open", "Copy Path",
// "Move to Trash…" (also the Delete key) and "Save List…". The window says
// which results are selected and which are shown; this class asks the user
// where needed, acts through resultactions and reports back by signal. The
// questions go through replaceable functions, so a test can answer them.
class ResultsMenu : public QObject
{
    Q_OBJECT

public:
    using Files = std::function<QList<FoundFile>()>;

    // Delete and Ctrl+C on table act on its selection; selectedFiles and
    // shownFiles say what the table holds.
    ResultsMenu(QAbstractItemView *table, Files selectedFiles, Files shownFiles);

    // The actions in menu order; a null entry stands for a separator.
    QList<QAction *> actions() const;
    // Enables each action when there is something for it to act on.
    void updateActions();
    // When the scan of the shown results started: a file modified later is
    // never moved to the trash.
    void setScanStarted(const QDateTime &time) { scanStarted = time; }
    // While a scan runs nothing goes to the trash: the next live update of
    // the table would bring the rows back.
    void setScanRunning(bool running);

    // Asks before files go to the trash; true to go on.
    std::function<bool(const resultactions::TrashConfirmation &)> confirm;
    // Asks where to save the list; empty to cancel.
    std::function<QString()> askSaveFile;
    // Tells about a failure (title, plain text).
    std::function<void(const QString &, const QString &)> warn;

    void open();
    // "Show in folder": the file manager with the file selected; a failure
    // to show anything is told on the status line.
    void reveal(const QString &path);
    void copyPaths();
    void moveToTrash();
    void saveList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    // These results are no longer where the table says: their rows go.
    void trashed(const QList<FoundFile> &files);
    // A line for the status label (also why a file or folder could not be
    // opened).
    void statusMessage(const QString &text);

private:
    QAbstractItemView *view;
    Files selected;
    Files shown;
    QDateTime scanStarted;
    bool scanRunning = false;
    QAction *openAction;
    QAction *copyAction;
    QAction *trashAction;
    QAction *saveAction;
};
