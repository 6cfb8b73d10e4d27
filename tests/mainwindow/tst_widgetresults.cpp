#include "config/config.h"
#include "customdir/customdir.h"
#include "fakeupdateserver.h"
#include "mainwindow/folderspage.h"
#include "mainwindow/resultmodel.h"
#include "mainwindow/resultsarea.h"
#include "mainwindow/resultsmenu.h"
#include "mainwindow/statusline.h"
#include "mainwindow/widget.h"
#include "net/httpclient.h"
#include "scan/localfileurl.h"
#include "scan/scansession.h"
#include "scan/walker.h"
#include "settings/settings.h"
#include "support/messagecapture.h"
#include "support/sandbox.h"
#include "support/urlcatcher.h"
#include "support/walkgate.h"
#include "widgets/directorychooser.h"
#include "widgettest.h"
#ifdef Q_OS_LINUX
#include "support/lockedtree.h"
#include "support/withoutoverride.h"

#include <cerrno>
#include <cstring>
#endif

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSemaphore>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <memory>

#ifdef Q_OS_WIN
#include "platform/platform.h"

#include <qt_windows.h>
#endif

using widgettest::writeFile;

// The results table: its menu, Show in folder, the trash, long paths, sorting and outside text.
class tst_WidgetResults : public WidgetTest
{
    Q_OBJECT

public:
    using WidgetTest::WidgetTest;

private Q_SLOTS:
    void resultsMenuOpensAtTheCursor();
    void deleteMovesSelectedRowsToTheTrash();
    void showInFolder();
    void rowActionsNeedASelection();
    void resultsAreReadOnly();
    void longPathsOnOneLine();
    void sizesStayInSight();
    void enterAndDoubleClickShowInFolder_data();
    void enterAndDoubleClickShowInFolder();
    void sortByHeaders();
    void viewsSwitchWithoutRescanning();
    void outsideTextShownLiterally_data();
    void outsideTextShownLiterally();
    void folderMenuActsOnTheFolder();
    void folderTrash_data();
    void folderTrash();
    void foldersFollowTheScan();

private:
    static QMenu *openMenu(Widget &w)
    {
        for (QMenu *m : w.findChildren<QMenu *>()) {
            if (m->isVisible())
                return m;
        }
        return nullptr;
    }
    // Selects the folder's row in the "Folders" view, shown.
    static bool chooseFolder(Widget &w, const QString &path)
    {
        auto *area = w.findChild<ResultsArea *>();
        area->setCurrentView(ResultsArea::FoldersView);
        QTableView *view = area->foldersPage()->table();
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            if (view->model()->index(row, FolderModel::PathColumn).data().toString() == path) {
                view->selectRow(row);
                return area->currentView() == ResultsArea::FoldersView;
            }
        }
        return false;
    }
    static QStringList folderRows(Widget &w)
    {
        QStringList paths;
        for (const FolderSize &folder : w.findChild<FoldersPage *>()->model()->folders())
            paths << folder.path;
        return paths;
    }
};

void tst_WidgetResults::resultsMenuOpensAtTheCursor()
{
    writeFile(tree->path() + "/a.bin", 10);
    Widget w;
    QVERIFY(scanShown(w, tree->path()));
    QCursor::setPos(QPoint(250, 300));
    const QPoint cursor = QCursor::pos();
    Q_EMIT table(w)->customContextMenuRequested(QPoint(5, 5));
    QMenu *menu = nullptr;
    for (QMenu *m : w.findChildren<QMenu *>()) {
        if (m->isVisible())
            menu = m;
    }
    QVERIFY(menu);
    QCOMPARE(menu->pos(), cursor);
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries << action->text();
    QCOMPARE(entries,
             QStringList({"Show in folder", "Open", "Copy Path", "Move to Trash…", "", "Save List…",
                          "", "Find Copies", "Select Extra Copies", "",
                          "Compare with previous scan", "History…"}));
    menu->close();
}

// Ctrl+C copies the selected paths; Delete asks, moves the selected files to
// the (sandboxed) trash, takes their rows out and says how much went; the
// next scan takes the saved scan options.
void tst_WidgetResults::deleteMovesSelectedRowsToTheTrash()
{
    for (int size : {10, 20, 30})
        writeFile(QString("%1/f%2.bin").arg(tree->path()).arg(size), size);
    Widget w;
    w.show();
    w.setArgDirList({tree->path()});
    QVERIFY(scanToCompletion(w));
    auto *actions = table(w)->findChild<ResultsMenu *>();
    QVERIFY(actions);
    QStringList asked;
#ifdef Q_OS_WIN
    // The trash is the Recycle Bin here, never a temporary one: the question
    // is asked and declined, and nothing moves.
    const bool accept = false;
#else
    const bool accept = true;
#endif
    actions->confirm = [&](const resultactions::TrashConfirmation &question) {
        asked << question.question;
        return accept;
    };
    table(w)->selectRow(0);
    table(w)->selectionModel()->select(table(w)->model()->index(2, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(table(w), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             tree->path() + "/f30.bin\n" + tree->path() + "/f10.bin");
    QTest::keyClick(table(w), Qt::Key_Delete);
    QCOMPARE(asked, QStringList({"Move 2 files, 40 bytes in all, to the trash?"}));
#ifdef Q_OS_WIN
    QCOMPARE(rowsOf(w, 1).size(), 3);
    QVERIFY(QFileInfo::exists(tree->path() + "/f30.bin"));
#else
    QCOMPARE(rowsOf(w, 1), QStringList({tree->path() + "/f20.bin"}));
    QCOMPARE(status(w)->text(),
             QString("Moved 2 files, 40 bytes, to the trash; the space comes back when "
                     "the trash is emptied"));
    QVERIFY(QFileInfo::exists(sandbox + "/data/Trash/files/f30.bin"));
#endif

    {
        QSettings ini(iniPath(), QSettings::IniFormat);
        ini.setValue("scan/minsize", 25);
    }
    w.setArgDirList({tree->path()});
    QVERIFY(scanToCompletion(w));
    QCOMPARE(w.scanSession()->options().minSize, qint64(25));
}

// Without a current row nothing is revealed; with one, the file's folder is
// opened when no file manager answers over D-Bus.
void tst_WidgetResults::showInFolder()
{
    const QString name = tree->path() + "/with #hash %41, comma.bin";
    writeFile(name, 10);
    testsupport::UrlCatcher catcher;

    Widget w;
    w.setArgDirList({tree->path()});
    QVERIFY(scanToCompletion(w));
    QAction *showInFolder = w.findChild<QAction *>("actionOpen_in_Dir");
    log->clear();
    table(w)->setCurrentIndex(QModelIndex());
    showInFolder->trigger();
    QCOMPARE(log->lines(), QStringList {"\"\""});

    table(w)->setCurrentIndex(table(w)->model()->index(0, 0));
    showInFolder->trigger();
    QCOMPARE(log->lines().size(), 3);
    QCOMPARE(log->lines().at(1), QString("\"%1\"").arg(name));
    QTRY_COMPARE_WITH_TIMEOUT(catcher.urls.size(), 1, 10000);
    QCOMPARE(catcher.urls.first(), QUrl::fromLocalFile(tree->path()));
#ifdef Q_OS_WIN
    // Explorer by its full path, the file selected, the path quoted whole.
    wchar_t windows[MAX_PATH];
    QVERIFY(GetWindowsDirectoryW(windows, MAX_PATH) > 0);
    QCOMPARE(widgettest::startedCommands.takeLast(),
             QString::fromWCharArray(windows) + "\\explorer.exe /select,\"" +
                 QDir::toNativeSeparators(name) + '"');
#endif
}

// A right click below the rows takes the selection away: the menu's row
// actions are disabled, and nothing acts on the row that keeps the focus.
void tst_WidgetResults::rowActionsNeedASelection()
{
    writeFile(tree->path() + "/a.bin", 10);
    writeFile(tree->path() + "/b.bin", 20);
    testsupport::UrlCatcher catcher;
    Widget w;
    QVERIFY(scanShown(w, tree->path()));
    QTableView *view = table(w);
    const QRect first = view->visualRect(view->model()->index(0, 1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
    const QPoint below(first.center().x(),
                       view->visualRect(view->model()->index(1, 1)).bottom() + 20);
    QVERIFY(!view->indexAt(below).isValid());
    // The menu opens on the press, and takes the release itself.
    QTest::mousePress(view->viewport(), Qt::RightButton, {}, below);
    QVERIFY(view->selectionModel()->selectedRows().isEmpty());
    QVERIFY(view->currentIndex().isValid());

    Q_EMIT view->customContextMenuRequested(below);
    QMenu *menu = nullptr;
    for (QMenu *m : w.findChildren<QMenu *>()) {
        if (m->isVisible())
            menu = m;
    }
    QVERIFY(menu);
    QStringList enabled;
    for (const QAction *action : menu->actions()) {
        if (action->isEnabled() && !action->isSeparator())
            enabled << action->text();
    }
    menu->close();
    QCOMPARE(enabled, QStringList({"Save List…", "History…"}));

    log->clear();
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(log->lines(), QStringList {"\"\""});
}

// Typing on a result or pressing its edit key changes nothing.
void tst_WidgetResults::resultsAreReadOnly()
{
    writeFile(tree->path() + "/a.bin", 2048);
    testsupport::UrlCatcher catcher;
    Widget w;
    QVERIFY(scanShown(w, tree->path()));
    const QStringList before = rowsOf(w, 0) + rowsOf(w, 1);
    for (int column : {0, 1}) {
        table(w)->setFocus();
        table(w)->setCurrentIndex(table(w)->model()->index(0, column));
        QTest::keyClick(table(w), Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), "x ");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(rowsOf(w, 0) + rowsOf(w, 1), before);
}

// A long path stays on one line, readable by scrolling sideways and in full
// in its tool-tip; the size cell's tool-tip gives the exact bytes.
void tst_WidgetResults::longPathsOnOneLine()
{
    QString dir = tree->path();
    while (dir.size() < 420)
        dir += "/" + QString(60, QLatin1Char('d'));
    QVERIFY(QDir().mkpath(dir));
    const QString path = dir + "/the-file-name.bin";
    writeFile(path, 123456789);
    writeFile(tree->path() + "/short.bin", 1);
    Widget w;
    QVERIFY(scanShown(w, tree->path()));
    QTableView *view = table(w);
    const QModelIndex cell = view->model()->index(0, 1);
    QCOMPARE(cell.data().toString(), path);
    QCOMPARE(shownToolTip(cell.data(Qt::ToolTipRole).toString()), path);
    QVERIFY(view->columnWidth(1) >= view->fontMetrics().horizontalAdvance(path));
    QCOMPARE(view->rowHeight(0), view->rowHeight(1)); // as high as a short path's row
    QTRY_VERIFY(view->horizontalScrollBar()->maximum() > 0);
    QCOMPARE(shownToolTip(view->model()->index(0, 0).data(Qt::ToolTipRole).toString()),
             QString("123,456,789 bytes"));
}

// In the window as it opens, a click on a long path leaves "Size(Mb)" in
// sight, and a view scrolled sideways starts at its left edge on the next scan.
void tst_WidgetResults::sizesStayInSight()
{
    QString dir = tree->path();
    while (dir.size() < 420)
        dir += "/" + QString(60, QLatin1Char('d'));
    QVERIFY(QDir().mkpath(dir));
    writeFile(dir + "/long.bin", 2048);
    writeFile(tree->path() + "/short.bin", 1);
    Widget w;
    QVERIFY(scanShown(w, tree->path()));
    QTableView *view = table(w);
    QScrollBar *sideways = view->horizontalScrollBar();
    QTRY_VERIFY(sideways->maximum() > 0);
    const QRect cell = view->visualRect(view->model()->index(0, 1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      QPoint(cell.left() + 30, cell.center().y()));
    QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
    // Qt scrolls to a clicked cell once a double click can no longer follow.
    QTest::qWait(QApplication::doubleClickInterval() + 300);
    QCOMPARE(sideways->value(), 0);

    sideways->setValue(sideways->maximum());
    QVERIFY(scanToCompletion(w));
    QCOMPARE(sideways->value(), 0);
}

void tst_WidgetResults::enterAndDoubleClickShowInFolder_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("Enter") << false;
    QTest::newRow("double click") << true;
}

void tst_WidgetResults::enterAndDoubleClickShowInFolder()
{
    QFETCH(bool, doubleClick);
    writeFile(tree->path() + "/a.bin", 10);
    testsupport::UrlCatcher catcher;
    Widget w;
    QVERIFY(scanShown(w, tree->path()));
    QTableView *view = table(w);
    view->setFocus();
    view->setCurrentIndex(view->model()->index(0, 1));
    QSignalSpy finished(w.scanSession(), &ScanSession::finished);
    if (doubleClick) {
        const QPoint cell = view->visualRect(view->model()->index(0, 1)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell);
    } else {
        QTest::keyClick(view, Qt::Key_Return);
    }
    QTRY_COMPARE_WITH_TIMEOUT(catcher.urls.size(), 1, 10000);
    QCOMPARE(catcher.urls.first(), QUrl::fromLocalFile(tree->path()));
    QVERIFY(!w.scanSession()->isRunning()); // Enter on a row starts no scan
    QCOMPARE(finished.size(), 0);
}

// A click on a header sorts by it: sizes by their bytes, paths by their text.
void tst_WidgetResults::sortByHeaders()
{
    const QString root = tree->path();
    writeFile(root + "/b.bin", 9 << 20);
    writeFile(root + "/a.bin", 10 << 20);
    writeFile(root + "/c.bin", 512 << 10);
    Widget w;
    QVERIFY(scanShown(w, root));
    QHeaderView *header = table(w)->horizontalHeader();
    auto clickHeader = [&](int section) {
        const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    };
    QCOMPARE(rowsOf(w, 1), QStringList({root + "/a.bin", root + "/b.bin", root + "/c.bin"}));
    clickHeader(1);
    clickHeader(1);
    QCOMPARE(rowsOf(w, 1), QStringList({root + "/c.bin", root + "/b.bin", root + "/a.bin"}));
    clickHeader(0);
    QCOMPARE(rowsOf(w, 0), QStringList({"0.5", "9", "10"}));
    clickHeader(0);
    QCOMPARE(rowsOf(w, 0), QStringList({"10", "9", "0.5"}));
}

void tst_WidgetResults::viewsSwitchWithoutRescanning()
{
    const QString root = tree->path();
    writeFile(root + "/a.bin", 2 << 20);
    Widget w;
    QVERIFY(scanShown(w, root));
    auto *area = w.findChild<ResultsArea *>();
    auto *tabs = w.findChild<QTabBar *>("viewTabs");
    QVERIFY(area && tabs);
    // The folders of the scan are the second view.
    QVERIFY(tabs->isVisibleTo(&w));
    QVERIFY(area->isViewShown(ResultsArea::FoldersView));
    auto *folders = area->foldersPage()->model();
    QCOMPARE(folders->rowCount(), 1);
    QCOMPARE(folders->index(0, FolderModel::PathColumn).data().toString(), root);
    QCOMPARE(folders->index(0, FolderModel::SizeColumn).data().toString(), "2");
    // One view: no tabs to choose from.
    area->setViewShown(ResultsArea::FoldersView, false);
    QVERIFY(!tabs->isVisibleTo(&w));

    auto *other = new QLabel("other");
    const int second = area->addView("Other", other);
    QVERIFY(tabs->isVisibleTo(&w));
    QSignalSpy changed(area, &ResultsArea::currentViewChanged);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(second).center());
    QCOMPARE(area->currentView(), second);
    QCOMPARE(changed.count(), 1);
    QVERIFY(other->isVisibleTo(&w));
    QVERIFY(!table(w)->isVisibleTo(&w));
    QVERIFY(w.findChild<QPushButton *>("scanb")->isEnabled());
    QCOMPARE(rowsOf(w, 1), QStringList({root + "/a.bin"}));

    // Hiding the view shown goes back to the files.
    area->setViewShown(second, false);
    QCOMPARE(area->currentView(), int(ResultsArea::FilesView));
    QVERIFY(table(w)->isVisibleTo(&w));
    QVERIFY(!tabs->isVisibleTo(&w));
}

// File names and directory lists holding markup show as they are in the
// status line, the table's tool-tips and the combo's tool-tip, and a picture
// they name is never loaded.
void tst_WidgetResults::outsideTextShownLiterally_data()
{
    QTest::addColumn<QString>("name");
#ifdef Q_OS_WIN
    // Windows names cannot hold < > or ", but entities would still be read.
    QTest::newRow("entities") << "&lt;b&gt; &amp;amp; &#9731;.bin";
#else
    QTest::newRow("picture") << "<img src=\"x.png\" width=400 height=400>.bin";
    QTest::newRow("colour") << "<b><font color=red>X.bin";
#endif
}

void tst_WidgetResults::outsideTextShownLiterally()
{
    QFETCH(QString, name);
    const QString path = tree->path() + "/" + name;
    writeFile(path, 10);
    Widget w;
    w.show();
    w.customdiraccepted(path + ";" + tree->path());
    QCOMPARE(shownToolTip(combo(w)->toolTip()), path + ";" + tree->path());
    QVERIFY(scanToCompletion(w));
    QCOMPARE(shownToolTip(table(w)->model()->index(0, 1).data(Qt::ToolTipRole).toString()), path);
    QCOMPARE(rowsOf(w, 1).first(), path);

    // The status line as it shows a file being walked.
    QLabel *line = status(w);
    QMetaObject::invokeMethod(&w, "showfile", Q_ARG(QString, name));
    QCOMPARE(line->text(), name);
    const QFontMetrics metrics(line->font());
    QVERIFY(line->heightForWidth(line->width()) < 3 * metrics.height());
    const QImage shown = line->grab().toImage();
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            QVERIFY(!(c.red() > 160 && c.green() < 90 && c.blue() < 90));
        }
    }
}

// The "Folders" view's menu acts on the folder of the row itself: Show in
// folder opens that very folder, Copy Path offers it as text and as its
// exact URI; after a right press beside the rows nothing is chosen.
void tst_WidgetResults::folderMenuActsOnTheFolder()
{
    const QString folder = tree->path() + "/with #hash, 50%";
    QVERIFY(QDir().mkpath(folder));
    writeFile(folder + "/a.bin", 10);
    testsupport::UrlCatcher catcher;
    Widget w;
    QVERIFY(scanShown(w, tree->path()));
    QVERIFY(chooseFolder(w, folder));
    QTableView *view = w.findChild<FoldersPage *>()->table();
    Q_EMIT view->customContextMenuRequested(QPoint(5, 5));
    QMenu *menu = openMenu(w);
    QVERIFY(menu);
    QStringList entries;
    for (const QAction *action : menu->actions()) {
        if (action->isEnabled())
            entries << action->text();
    }
    QCOMPARE(entries, QStringList({"Show in folder", "Open", "Copy Path", "Move to Trash…"}));
    menu->close();

    menu->actions().at(2)->trigger();
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(copied->text(), folder);
    QCOMPARE(copied->data("text/uri-list"), localFileUri(folder) + "\r\n");
    menu->actions().at(0)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(catcher.urls.size(), 1, 10000);
    QCOMPARE(catcher.urls.first(), QUrl::fromLocalFile(folder));

    const QPoint below(5, view->visualRect(view->model()->index(1, 0)).bottom() + 20);
    QTest::mousePress(view->viewport(), Qt::RightButton, {}, below);
    QVERIFY(view->selectionModel()->selectedRows().isEmpty());
    Q_EMIT view->customContextMenuRequested(below);
    menu = openMenu(w);
    QVERIFY(menu);
    for (const QAction *action : menu->actions())
        QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
    menu->close();
}

void tst_WidgetResults::folderTrash_data()
{
    QTest::addColumn<bool>("root");
    QTest::newRow("a folder below the root") << false;
    QTest::newRow("the root") << true;
}

// Delete on a folder asks what it frees, moves it whole to the (sandboxed)
// trash and takes its rows, those below it and its files' rows out; a root
// of the scan is refused with the reason, and nothing moves.
void tst_WidgetResults::folderTrash()
{
    QFETCH(bool, root);
#ifdef Q_OS_WIN
    // A refused folder never reaches the trash; one that would is skipped.
    if (!root)
        QSKIP("the trash is the system's own here (the Recycle Bin), never a temporary one");
#endif
    const QString top = tree->path();
    QVERIFY(QDir().mkpath(top + "/old/inner"));
    writeFile(top + "/old/inner/a.bin", 30);
    writeFile(top + "/kept.bin", 20);
    Widget w;
    QVERIFY(scanShown(w, top));
    QCOMPARE(folderRows(w), QStringList({top, top + "/old", top + "/old/inner"}));
    ResultsMenu *actions = w.findChild<ResultsArea *>()->folderActions();
    QStringList asked;
    QStringList warned;
    actions->confirm = [&](const resultactions::TrashConfirmation &question) {
        asked << question.question;
        return true;
    };
    actions->warn = [&](const QString &, const QString &text) {
        warned << text;
    };
    QVERIFY(chooseFolder(w, root ? top : top + "/old"));
    QTest::keyClick(w.findChild<FoldersPage *>()->table(), Qt::Key_Delete);
    if (root) {
        QCOMPARE(asked, QStringList());
        QCOMPARE(warned,
                 QStringList({"This folder cannot be moved to the trash:\n" + top +
                              ": it is a folder the scan started from"}));
        QVERIFY(QFileInfo::exists(top + "/old/inner/a.bin"));
        QCOMPARE(folderRows(w).size(), 3);
        QCOMPARE(rowsOf(w, 1).size(), 2);
        return;
    }
    QCOMPARE(asked, QStringList({"Move 1 folder, 30 bytes, with everything in it to the trash?"}));
    QCOMPARE(warned, QStringList());
    QVERIFY(!QFileInfo::exists(top + "/old"));
    QVERIFY(QFileInfo::exists(sandbox + "/data/Trash/files/old/inner/a.bin"));
    QCOMPARE(folderRows(w), QStringList({top}));
    QCOMPARE(w.findChild<FoldersPage *>()->model()->folders().first().files, 1);
    QCOMPARE(rowsOf(w, 1), QStringList({top + "/kept.bin"}));
    QCOMPARE(status(w)->text(),
             QString("Moved 1 folder, 30 bytes, to the trash; the space comes "
                     "back when the trash is emptied"));
}

// The "Folders" view fills while the walk is held half-way, and is exact
// once it ends.
void tst_WidgetResults::foldersFollowTheScan()
{
    const QString root = tree->path();
    makeTree(root, 2, 3);
    Widget w;
    w.show();
    w.setArgDirList({root});
    testsupport::WalkGate gate(w.scanSession());
    // Six files in two folders: with five let through, the walk has listed
    // one of the folders whole, whichever threads took which files.
    gate.openFor(5);
    QSignalSpy finished(w.scanSession(), &ScanSession::finished);
    button(w, "scanb")->click();
    const FolderModel *folders = w.findChild<FoldersPage *>()->model();
    const auto counted = [&] {
        return !folders->folders().isEmpty() && folders->folders().first().files >= 3;
    };
    QTRY_VERIFY_WITH_TIMEOUT(counted(), 10000);
    QVERIFY(w.scanSession()->isRunning());
    QVERIFY(w.findChild<ResultsArea *>()->isViewShown(ResultsArea::FoldersView));
    gate.open();
    QVERIFY(finished.wait(20000));
    QCOMPARE(folders->folders().first().path, root);
    QCOMPARE(folders->folders().first().files, 6);
}

int main(int argc, char *argv[])
{
    return WidgetTest::run<tst_WidgetResults>(argc, argv);
}

#include "tst_widgetresults.moc"
