#include "mainwindow/windowmemory.h"

#include "frameless/screenfit.h"

#include "mainwindow/folderspage.h"
#include "mainwindow/resultsarea.h"
#include "mainwindow/resultsview.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScreen>
#include <QTableView>
#include <QWidget>

UserColumnWidths::UserColumnWidths(QTableView *view)
    : QObject(view), table(view), header(view->horizontalHeader())
{
    header->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionResized, this,
            [this](int column, int, int newWidth) { sectionResized(column, newWidth); });
    // The table fits the column itself, with the width it had still kept.
    connect(header, &QHeaderView::sectionHandleDoubleClicked, this, [this](int column) {
        if (kept.remove(column))
            table->resizeColumnToContents(column);
    });
    // A model that is reset resets the header's sections with it.
    if (table->model())
        connect(table->model(), &QAbstractItemModel::modelReset, this, &UserColumnWidths::reapply);
}

bool UserColumnWidths::keepable(int column) const
{
    if (column < 0 || column >= header->count() || header->isSectionHidden(column))
        return false;
    return !(header->stretchLastSection() && header->visualIndex(column) == header->count() - 1);
}

void UserColumnWidths::sectionResized(int column, int newWidth)
{
    if (newWidth <= 0 || !keepable(column))
        return;
    if (userResizing) {
        kept.insert(column, newWidth);
        return;
    }
    // A fitting sets the widths of all columns in one go and would undo a
    // width set back in its midst: the kept ones return once it is done.
    const auto wanted = kept.constFind(column);
    if (wanted != kept.cend() && *wanted != newWidth && !reapplyQueued) {
        reapplyQueued = true;
        QMetaObject::invokeMethod(this, &UserColumnWidths::reapply, Qt::QueuedConnection);
    }
}

void UserColumnWidths::reapply()
{
    reapplyQueued = false;
    for (auto column = kept.cbegin(); column != kept.cend(); ++column) {
        if (keepable(column.key()) && header->sectionSize(column.key()) != column.value())
            header->resizeSection(column.key(), column.value());
    }
}

QList<int> UserColumnWidths::widths() const
{
    QList<int> widths;
    for (auto column = kept.cbegin(); column != kept.cend(); ++column) {
        if (column.key() >= widths.size())
            widths.resize(column.key() + 1, 0);
        widths[column.key()] = column.value();
    }
    return widths;
}

void UserColumnWidths::setWidths(const QList<int> &widths)
{
    kept.clear();
    for (int column = 0; column < widths.size(); ++column) {
        if (widths.at(column) > 0 && keepable(column))
            kept.insert(column, widths.at(column));
    }
    reapply();
}

bool UserColumnWidths::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        userResizing = true;
        break;
    case QEvent::MouseButtonRelease:
        userResizing = static_cast<QMouseEvent *>(event)->buttons() != Qt::NoButton;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

WindowMemory::WindowMemory(QWidget *mainWindow, ResultsArea *area, int title)
    : QObject(mainWindow),
      window(mainWindow),
      results(area),
      titleHeight(title),
      filesWidths(new UserColumnWidths(area->filesView())),
      foldersWidths(new UserColumnWidths(area->foldersPage()->table()))
{ }

void WindowMemory::restore()
{
    const WindowState state = WindowState::load();
    if (state.size || state.position) {
        QList<QRect> screens;
        if (const QScreen *primary = QGuiApplication::primaryScreen())
            screens << primary->availableGeometry();
        for (const QScreen *screen : QGuiApplication::screens()) {
            if (screen != QGuiApplication::primaryScreen())
                screens << screen->availableGeometry();
        }
        // Placed as the window with its results, the larger of its two sizes.
        QRect full(window->pos(), state.size.value_or(QSize(window->width(), fullHeight(400))));
        if (state.position)
            full.moveTopLeft(*state.position);
        const QRect placed = screenfit::placedOnScreens(full, screens, titleHeight);
        if (state.size)
            fullSize = placed.size();
        window->resize(placed.width(), window->height());
        if (state.position)
            window->move(placed.topLeft());
    }
    if (state.maximized.value_or(false))
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    if (state.view)
        results->setWantedView(*state.view);
    restoreTable(results->filesView(), filesWidths, state.files);
    restoreTable(results->foldersPage()->table(), foldersWidths, state.folders);
}

void WindowMemory::restoreTable(QTableView *table, UserColumnWidths *widths,
                                const TableState &state)
{
    widths->setWidths(state.widths);
    if (table->model() && state.sortColumn >= 0 && state.sortColumn < table->model()->columnCount())
        table->sortByColumn(state.sortColumn, state.sortOrder);
}

TableState WindowMemory::tableState(const QTableView *table, const UserColumnWidths *widths)
{
    TableState state;
    state.widths = widths->widths();
    if (table->isSortingEnabled()) {
        state.sortColumn = table->horizontalHeader()->sortIndicatorSection();
        state.sortOrder = table->horizontalHeader()->sortIndicatorOrder();
    }
    return state;
}

void WindowMemory::save()
{
    if (!window->windowHandle())
        return;
    noteFullSize(!results->isHidden());
    WindowState state;
    const bool maximized = window->isMaximized() || window->isFullScreen();
    state.maximized = window->isMaximized();
    // Where the frame is, as move() takes it back; for a maximised window,
    // where it goes when it is restored (the main window has no frame).
    state.position = maximized ? window->normalGeometry().topLeft() : window->pos();
    if (fullSize.isValid())
        state.size = fullSize;
    state.view = results->wantedView();
    state.files = tableState(results->filesView(), filesWidths);
    state.folders = tableState(results->foldersPage()->table(), foldersWidths);
    state.save();
}

int WindowMemory::fullHeight(int firstStartHeight) const
{
    return fullSize.isValid() ? fullSize.height() : firstStartHeight;
}

void WindowMemory::noteFullSize(bool resultsShown)
{
    if (resultsShown && !window->isMaximized() && !window->isFullScreen())
        fullSize = window->size();
}
