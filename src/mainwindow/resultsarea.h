#pragma once

#include "scan/foldertree.h"
#include "scan/foundfile.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QWidget>

class CopyLookup;
class FoldersPage;
class QAction;
class QMenu;
class QStackedWidget;
class QTabBar;
class FilterField;
class ResultModel;
class ResultsMenu;
class ResultsView;
class StatusLine;

// The main window's results: the table of the largest files with its model,
// its context menu and the actions on the chosen rows. The window hands it
// what a scan found and hears back when a row is to be shown in its folder
// and what the status line should say.
class ResultsArea : public QWidget
{
    Q_OBJECT

public:
    explicit ResultsArea(QWidget *parent = nullptr);

    // Takes the view the form made inside this area and the form's "Show in
    // folder" action; called once, after the form has been built.
    void setUp(ResultsView *view, QAction *showInFolder);

    // The views of the same scan, one tab each above them; the table of
    // files is the first. Switching views never rescans. The tabs show once
    // a second view is shown.
    enum View { FilesView = 0, FoldersView = 1 };
    // Adds a view after the others and returns its number.
    // The description is what its tab's tool-tip and a screen reader say.
    int addView(const QString &title, QWidget *page, const QString &description = QString());
    // Shows or hides a view's tab (a view with nothing to show yet).
    void setViewShown(int view, bool shown);
    bool isViewShown(int view) const;
    int currentView() const;
    void setCurrentView(int view);
    // The view to show as soon as it can be: at once when it is shown,
    // else the first time it is (unless the user picks a view before).
    void setWantedView(int view);
    // The view the user sees, or the one still waiting to be shown.
    int wantedView() const;
    QWidget *viewPage(int view) const;
    ResultsView *filesView() const { return view; }

    // What the status line is to say: passing messages, "12 of 100 shown"
    // while a filter is in force, and what the search for copies found.
    void reportTo(StatusLine *statusLine);
    // Tab goes from before to the search field, then to the table.
    void placeInTabOrderAfter(QWidget *before);

    ResultModel *model() const { return resultmodel; }
    ResultsMenu *actions() const { return resultActions; }
    // The search for copies among the rows.
    CopyLookup *copies() const { return copyLookup; }

    void clear();
    // A scan of these roots starts: no rows, the view back at its left edge.
    void startScan(const QDateTime &started, const QStringList &roots = QStringList());
    // The rows of a running scan, and of an ended one (with one debug line
    // per row).
    void showLive(const QList<FoundFile> &files);
    void showFinal(const QList<FoundFile> &files);
    void setScanRunning(bool running);
    // The largest folders of a running or ended scan, by the kind of size
    // it ranks by; the "Folders" view shows while there are any.
    void showFolders(const QList<FolderSize> &folders, SizeKind by);
    FoldersPage *foldersPage() const { return folders; }
    // The actions of the "Folders" view's menu, beside its "Show in folder".
    ResultsMenu *folderActions() const { return folderMenuActions; }

    // The files of the selected rows, top to bottom.
    QList<FoundFile> selectedResults() const;
    // The file "Show in folder" acts on: the current row while it is
    // selected, else the first selected; an empty path when none is.
    QString chosenPath() const;
    // "There is NO file in your selected Dir!", without blocking the window.
    void showEmptyMessage();
    // Appends an action to the context menu; the first one so added comes
    // after a separator.
    void addMenuAction(QAction *action);
    // Opens the context menu at the cursor, its row actions enabled only
    // with rows selected.
    void popupMenu();

public Q_SLOTS:
    // Narrows the rows of every view to the paths that contain text (the
    // search field's text). A view other than the files gives its page a
    // slot setFilterText(QString) and a signal shownCountChanged(int, int).
    void setFilterText(const QString &text);

Q_SIGNALS:
    // Enter or a double click on a row.
    void showInFolderRequested();
    // A line for the status label.
    void statusMessage(const QString &text);
    void currentViewChanged(int view);
    // "12 of 100 shown" for the current view while a filter is in force;
    // empty when it shows every row.
    void shownCountText(const QString &text);

private Q_SLOTS:
    void pageCountChanged(int shown, int total);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitColumns();
    void updateTabsShown();
    // Takes the rows of these files out of the table (they went to the trash).
    void removeResults(const QList<FoundFile> &files);
    // The same for folders: their rows, those below them and the rows of
    // the files in them go.
    void removeFolders(const QStringList &paths);
    void setUpFolderMenu();
    void popupFolderMenu();
    void showChosenFolder();
    void reportShownCount();

    FoldersPage *folders = nullptr;
    QTabBar *viewTabs = nullptr;
    QStackedWidget *views = nullptr;
    ResultsView *view = nullptr;
    ResultModel *resultmodel = nullptr;
    QAction *showInFolderAction = nullptr;
    // The table's context menu; every action on a result goes here.
    QMenu *resultMenu = nullptr;
    // "Open", "Copy Path", "Move to Trash…" and "Save List…" for the results.
    ResultsMenu *resultActions = nullptr;
    bool menuActionAdded = false;
    // The view setWantedView() waits to show; -1 for none.
    int pendingView = -1;
    // The "Folders" view's menu: "Show in folder" and the actions of
    // folderMenuActions.
    QMenu *folderMenu = nullptr;
    QAction *showFolderAction = nullptr;
    ResultsMenu *folderMenuActions = nullptr;
    FilterField *filterField = nullptr;
    // The shown and total rows of the views other than the files, as their
    // pages last told.
    QHash<const QObject *, QPair<int, int>> pageCounts;
    CopyLookup *copyLookup = nullptr;
};
