#pragma once

#include "settings/windowstate.h"

#include <QHash>
#include <QObject>
#include <QSize>

class QHeaderView;
class QTableView;
class QWidget;
class ResultsArea;

// The widths the user drags a table's columns to. The tables fit their
// columns to their texts whenever their rows or their size change; a column
// the user has sized keeps that width through every such fitting. A double
// click on the column's edge fits it to its texts again and hands it back to
// the fitting. A last column that the header stretches is never kept.
class UserColumnWidths : public QObject
{
    Q_OBJECT

public:
    explicit UserColumnWidths(QTableView *table);

    // By logical column, 0 where the column is left to the fitting; empty
    // when the user has sized none.
    QList<int> widths() const;
    void setWidths(const QList<int> &widths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sectionResized(int column, int newWidth);
    bool keepable(int column) const;
    void reapply();

    QTableView *table;
    QHeaderView *header;
    QHash<int, int> kept;
    // A mouse button is down on the header: a resize now is the user's.
    bool userResizing = false;
    bool reapplyQueued = false;
};

// The main window from one close to the next start: its size and place, the
// current view, and the columns and sort order of the files and folders
// tables, kept in the settings file (WindowState). With nothing saved yet
// the window starts as it always has.
class WindowMemory : public QObject
{
    Q_OBJECT

public:
    // titleHeight is the height of the strip at the window's top that it is
    // dragged by, which must stay on a screen.
    WindowMemory(QWidget *window, ResultsArea *results, int titleHeight);

    // Puts back what was saved; called once the form is built, before the
    // window first shows.
    void restore();
    // Saves the window as it is now; called when it closes. A window that
    // never showed has nothing to keep.
    void save();

    // The height the window takes when it shows its results: the one the
    // user left it at, fitted to the screen, or the first-start one.
    int fullHeight(int firstStartHeight) const;
    // The window is about to leave its full size (it hides its results or
    // closes): its size then is the one to come back to.
    void noteFullSize(bool resultsShown);

    UserColumnWidths *filesColumns() const { return filesWidths; }
    UserColumnWidths *foldersColumns() const { return foldersWidths; }

private:
    static TableState tableState(const QTableView *table, const UserColumnWidths *widths);
    static void restoreTable(QTableView *table, UserColumnWidths *widths, const TableState &state);

    QWidget *window;
    ResultsArea *results;
    int titleHeight;
    UserColumnWidths *filesWidths;
    UserColumnWidths *foldersWidths;
    // The size of the window with its results, once known.
    QSize fullSize;
};
