#pragma once

#include "mainwindow/resultactions.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QStringList>

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
    using Folders = std::function<QList<FolderSize>()>;

    // Delete and Ctrl+C on table act on its selection; selectedFiles and
    // shownFiles say what the table holds.
    ResultsMenu(QAbstractItemView *table, Files selectedFiles, Files shownFiles);
    // The same actions for a table of folders, but Save List: "Open" and
    // "Show in folder" open the folders themselves, and "Move to Trash…"
    // takes a folder with everything in it, never a root of the scan or a
    // folder that holds one.
    ResultsMenu(QAbstractItemView *table, Folders selectedFolders);

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
    // The roots of the scan shown (absolute and clean), for a table of
    // folders.
    void setScanRoots(const QStringList &roots) { scanRoots = roots; }

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
    // "Show in folder" on a folder: the file manager in the folder itself.
    void showFolder(const QString &path);
    void copyPaths();
    void moveToTrash();
    void saveList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    // These results are no longer where the table says: their rows go.
    void trashed(const QList<FoundFile> &files);
    // These folders went to the trash with everything in them.
    void foldersTrashed(const QStringList &folders);
    // A line for the status label (also why a file or folder could not be
    // opened).
    void statusMessage(const QString &text);

private:
    explicit ResultsMenu(QAbstractItemView *table);
    // The paths of the selected rows.
    QStringList selectedPaths() const;
    void moveFoldersToTrash();

    QAbstractItemView *view;
    Files selected;
    Files shown;
    // Set for a table of folders instead of the two above.
    Folders selectedFolders;
    QStringList scanRoots;
    QDateTime scanStarted;
    bool scanRunning = false;
    QAction *openAction;
    QAction *copyAction;
    QAction *trashAction;
    QAction *saveAction;
};
