#include "mainwindow/resultsarea.h"

#include "mainwindow/copylookup.h"
#include "mainwindow/filterfield.h"
#include "mainwindow/folderspage.h"
#include "mainwindow/resultactions.h"
#include "mainwindow/resultfilter.h"
#include "mainwindow/resultmodel.h"
#include "mainwindow/resultsmenu.h"
#include "mainwindow/resultsview.h"
#include "mainwindow/statusline.h"
#include "scan/localpaths.h"
#include "scan/scansession.h"
#include "scan/sizetext.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QWidget>

#include <algorithm>

ResultsArea::ResultsArea(QWidget *parent) : QWidget(parent), resultmodel(new ResultModel(this)) { }

void ResultsArea::setUp(ResultsView *table, QAction *showInFolder)
{
    view = table;
    showInFolderAction = showInFolder;

    // The table becomes the first page of a stack of views, with a tab bar
    // above it to switch between them.
    views = new QStackedWidget(this);
    views->setObjectName(QStringLiteral("views"));
    delete layout()->replaceWidget(view, views);
    views->addWidget(view);
    viewTabs = new QTabBar(this);
    viewTabs->setObjectName(QStringLiteral("viewTabs"));
    viewTabs->setAccessibleName(tr("Views"));
    viewTabs->setAccessibleDescription(
        tr("Switches between the views of the same scan: files, folders, changes"));
    viewTabs->setDrawBase(false);
    viewTabs->setExpanding(false);
    viewTabs->addTab(tr("Files"));
    viewTabs->setTabToolTip(FilesView, tr("The largest files of the scan"));
    if (auto *box = qobject_cast<QBoxLayout *>(layout()))
        box->insertWidget(box->indexOf(views), viewTabs);
    connect(viewTabs, &QTabBar::currentChanged, this, [this](int index) {
        views->setCurrentIndex(index);
        Q_EMIT currentViewChanged(index);
    });
    connect(viewTabs, &QTabBar::tabBarClicked, this, [this] { pendingView = -1; });
    updateTabsShown();

    // The search field above the views.
    filterField = new FilterField(this);
    if (auto *box = qobject_cast<QBoxLayout *>(layout())) {
        box->insertWidget(0, filterField);
        box->insertSpacing(1, 4);
    }
    connect(filterField, &QLineEdit::textChanged, this, &ResultsArea::setFilterText);
    connect(this, &ResultsArea::currentViewChanged, this, &ResultsArea::reportShownCount);
    const auto report = [this] {
        reportShownCount();
    };
    connect(resultmodel, &QAbstractItemModel::rowsInserted, this, report);
    connect(resultmodel, &QAbstractItemModel::rowsRemoved, this, report);
    connect(resultmodel, &QAbstractItemModel::modelReset, this, report);
    connect(resultmodel, &QAbstractItemModel::layoutChanged, this, report);

    // The folders of the same scan, as a second view; its tab shows once a
    // scan has ended with folders to show.
    folders = new FoldersPage(this);
    addView(tr("Folders"), folders, tr("The largest folders of the scan"));
    setViewShown(FoldersView, false);
    setUpFolderMenu();

    view->setModel(resultmodel);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QHeaderView *header = view->horizontalHeader();
    // A long path makes its column wider than the view; its title stays in
    // sight at the column's start.
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The path stays the last column on screen, after every size.
    header->moveSection(header->visualIndex(ResultModel::PathColumn), header->count() - 1);
    header->setSortIndicator(ResultModel::SizeColumn, Qt::DescendingOrder);
    view->setSortingEnabled(true);
    connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            Q_EMIT showInFolderRequested();
    });
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);

    resultMenu = new QMenu(this);
    resultMenu->addAction(showInFolderAction);
    resultActions = new ResultsMenu(
        view, [this] { return selectedResults(); }, [this] { return resultmodel->files(); });
    for (QAction *action : resultActions->actions()) {
        if (action)
            resultMenu->addAction(action);
        else
            resultMenu->addSeparator();
    }
    copyLookup = new CopyLookup(resultmodel, view);
    resultMenu->addSeparator();
    for (QAction *action : copyLookup->actions())
        resultMenu->addAction(action);
    connect(resultActions, &ResultsMenu::trashed, this, &ResultsArea::removeResults);
    connect(resultActions, &ResultsMenu::statusMessage, this, &ResultsArea::statusMessage);
}

void ResultsArea::reportTo(StatusLine *statusLine)
{
    connect(this, &ResultsArea::statusMessage, statusLine, &StatusLine::showMessage);
    connect(this, &ResultsArea::shownCountText, statusLine, &StatusLine::setShownCount);
    connect(copyLookup, &CopyLookup::statusChanged, statusLine, &StatusLine::setFollowUp);
}

void ResultsArea::placeInTabOrderAfter(QWidget *before)
{
    QWidget::setTabOrder(before, filterField);
    QWidget::setTabOrder(filterField, view);
}

void ResultsArea::setUpFolderMenu()
{
    QTableView *table = folders->table();
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this, &ResultsArea::popupFolderMenu);
    connect(table, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            showChosenFolder();
    });
    table->installEventFilter(this);
    table->viewport()->installEventFilter(this);

    folderMenu = new QMenu(this);
    showFolderAction = new QAction(showInFolderAction->text(), this);
    showFolderAction->setIcon(showInFolderAction->icon());
    connect(showFolderAction, &QAction::triggered, this, &ResultsArea::showChosenFolder);
    folderMenu->addAction(showFolderAction);
    folderMenuActions = new ResultsMenu(table, [this] { return folders->selectedFolders(); });
    for (QAction *action : folderMenuActions->actions())
        folderMenu->addAction(action);
    connect(folderMenuActions, &ResultsMenu::foldersTrashed, this, &ResultsArea::removeFolders);
    connect(folderMenuActions, &ResultsMenu::statusMessage, this, &ResultsArea::statusMessage);
}

void ResultsArea::popupFolderMenu()
{
    folderMenuActions->updateActions();
    showFolderAction->setEnabled(!folders->selectedFolders().isEmpty());
    folderMenu->popup(QCursor::pos());
}

void ResultsArea::showChosenFolder()
{
    folderMenuActions->showFolder(folders->chosenPath());
}

int ResultsArea::addView(const QString &title, QWidget *page, const QString &description)
{
    views->addWidget(page);
    const int index = viewTabs->addTab(title);
    viewTabs->setTabToolTip(index, description.isEmpty() ? title : description);
    updateTabsShown();
    if (page->metaObject()->indexOfSignal("shownCountChanged(int,int)") >= 0)
        connect(page, SIGNAL(shownCountChanged(int, int)), this, SLOT(pageCountChanged(int, int)));
    if (!filterField->text().isEmpty())
        QMetaObject::invokeMethod(page, "setFilterText", Q_ARG(QString, filterField->text()));
    return index;
}

void ResultsArea::setFilterText(const QString &text)
{
    if (filterField->text() != text)
        filterField->setText(text); // comes back here
    resultmodel->setFilterText(text);
    for (int view = FilesView + 1; view < views->count(); ++view) {
        QWidget *page = views->widget(view);
        if (page->metaObject()->indexOfSlot("setFilterText(QString)") >= 0)
            QMetaObject::invokeMethod(page, "setFilterText", Q_ARG(QString, text));
    }
    reportShownCount();
}

void ResultsArea::pageCountChanged(int shown, int total)
{
    pageCounts.insert(sender(), {shown, total});
    reportShownCount();
}

void ResultsArea::reportShownCount()
{
    if (filterField->text().isEmpty()) {
        Q_EMIT shownCountText(QString());
        return;
    }
    QPair<int, int> counts {resultmodel->rowCount(), int(resultmodel->allFiles().size())};
    if (currentView() != FilesView)
        counts = pageCounts.value(views->currentWidget(), {0, 0});
    Q_EMIT shownCountText(resultfilter::shownText(counts.first, counts.second));
}

void ResultsArea::setViewShown(int view, bool shown)
{
    if (!shown && viewTabs->currentIndex() == view) {
        // Back to the files meanwhile; the view returns when it shows again
        // (a new scan's folders), unless the user picks another one before.
        viewTabs->setCurrentIndex(FilesView);
        pendingView = view;
    }
    viewTabs->setTabVisible(view, shown);
    updateTabsShown();
    if (shown && view == pendingView)
        setCurrentView(view);
}

bool ResultsArea::isViewShown(int view) const
{
    return viewTabs->isTabVisible(view);
}

int ResultsArea::currentView() const
{
    return viewTabs->currentIndex();
}

void ResultsArea::setCurrentView(int view)
{
    if (view >= 0 && view < viewTabs->count() && viewTabs->isTabVisible(view)) {
        pendingView = -1;
        viewTabs->setCurrentIndex(view);
    }
}

void ResultsArea::setWantedView(int view)
{
    if (view < 0 || view >= viewTabs->count())
        return;
    pendingView = view;
    setCurrentView(view);
}

int ResultsArea::wantedView() const
{
    return pendingView >= 0 ? pendingView : currentView();
}

QWidget *ResultsArea::viewPage(int view) const
{
    return views->widget(view);
}

void ResultsArea::updateTabsShown()
{
    int shown = 0;
    for (int i = 0; i < viewTabs->count(); ++i)
        shown += viewTabs->isTabVisible(i) ? 1 : 0;
    viewTabs->setVisible(shown > 1);
}

void ResultsArea::clear()
{
    copyLookup->stop();
    resultmodel->clear();
    showFolders({}, SizeKind::Apparent);
}

void ResultsArea::showFolders(const QList<FolderSize> &list, SizeKind by)
{
    if (!folders)
        return;
    folders->setFolders(list, by);
    setViewShown(FoldersView, !list.isEmpty());
}

void ResultsArea::startScan(const QDateTime &started, const QStringList &roots)
{
    // A new list starts at its left edge, sizes in sight.
    view->horizontalScrollBar()->setValue(0);
    resultActions->setScanStarted(started);
    folderMenuActions->setScanStarted(started);
    QStringList cleanRoots;
    for (const QString &root : roots) {
        const QString clean = root.isEmpty() ? QString() : ScanSession::cleanRoot(root);
        if (!clean.isEmpty())
            cleanRoots << clean;
    }
    folderMenuActions->setScanRoots(cleanRoots);
    setScanRunning(true);
}

void ResultsArea::setScanRunning(bool running)
{
    resultActions->setScanRunning(running);
    folderMenuActions->setScanRunning(running);
    copyLookup->setScanRunning(running);
}

void ResultsArea::showLive(const QList<FoundFile> &files)
{
    const int rowsBefore = resultmodel->rowCount();
    resultmodel->setFiles(files);
    if (resultmodel->rowCount() != rowsBefore) {
        fitColumns();
    } else if (!files.isEmpty()) {
        // The same number of rows, but larger files may have come in: the
        // widest size texts are those of the largest and the smallest.
        view->fitSizeOf(resultmodel->rowOf(files.first().path));
        view->fitSizeOf(resultmodel->rowOf(files.last().path));
    }
}

void ResultsArea::showFinal(const QList<FoundFile> &files)
{
    for (const FoundFile &file : files)
        qDebug() << megabytes(file.size) << ":" << file.path;
    resultmodel->setFiles(files);
    fitColumns();
}

void ResultsArea::fitColumns()
{
    view->fitColumns();
}

QList<FoundFile> ResultsArea::selectedResults() const
{
    QList<int> rows;
    for (const QModelIndex &index : view->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QList<FoundFile> files;
    for (int row : rows)
        files << resultmodel->file(row);
    return files;
}

QString ResultsArea::chosenPath() const
{
    // Never a row that only has the focus.
    const QModelIndex current = view->currentIndex();
    if (current.isValid() && view->selectionModel()->isRowSelected(current.row()))
        return resultmodel->file(current.row()).path;
    const QList<FoundFile> selected = selectedResults();
    return selected.isEmpty() ? QString() : selected.first().path;
}

void ResultsArea::showEmptyMessage()
{
    // It must not end the program when it closes while the window is hidden
    // in the tray.
    auto *box = new QMessageBox;
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_QuitOnClose, false);
    box->setWindowModality(Qt::ApplicationModal);
    box->setTextFormat(Qt::PlainText);
    box->setText(QCoreApplication::translate("Widget", "There is NO file in your selected Dir!"));
    box->show();
}

void ResultsArea::addMenuAction(QAction *action)
{
    if (!menuActionAdded)
        resultMenu->addSeparator();
    menuActionAdded = true;
    resultMenu->addAction(action);
}

void ResultsArea::popupMenu()
{
    resultActions->updateActions();
    copyLookup->updateActions();
    showInFolderAction->setEnabled(!selectedResults().isEmpty());
    resultMenu->popup(QCursor::pos());
}

void ResultsArea::removeResults(const QList<FoundFile> &files)
{
    QSet<QString> gone;
    for (const FoundFile &file : files)
        gone.insert(file.path);
    QList<FoundFile> rest;
    for (const FoundFile &file : resultmodel->allFiles()) {
        if (!gone.contains(file.path))
            rest << file;
    }
    resultmodel->setFiles(rest);
}

void ResultsArea::removeFolders(const QStringList &paths)
{
    folders->removeFolders(paths);
    QList<FoundFile> rest;
    for (const FoundFile &file : resultmodel->allFiles()) {
        const bool inTrashed = std::any_of(paths.cbegin(), paths.cend(), [&](const QString &path) {
            return localpaths::isInside(file.path, path);
        });
        if (!inTrashed)
            rest << file;
    }
    if (rest.size() != resultmodel->allFiles().size())
        resultmodel->setFiles(rest);
}

bool ResultsArea::eventFilter(QObject *watched, QEvent *event)
{
    QTableView *folderTable = folders ? folders->table() : nullptr;
    if ((watched == view->viewport() || (folderTable && watched == folderTable->viewport())) &&
        event->type() == QEvent::MouseButtonPress) {
        // A right click beside the rows is about no row: the menu that
        // follows at once (before any release) acts on none.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        QTableView *table = watched == view->viewport() ? view : folderTable;
        if (mouse->button() == Qt::RightButton &&
            !table->indexAt(mouse->position().toPoint()).isValid())
            table->clearSelection();
    } else if (folderTable && watched == folderTable && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            folderTable->currentIndex().isValid()) {
            showChosenFolder();
            return true;
        }
    } else if (watched == view && event->type() == QEvent::Resize) {
        fitColumns();
    } else if (watched == view && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            view->currentIndex().isValid()) {
            Q_EMIT showInFolderRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
