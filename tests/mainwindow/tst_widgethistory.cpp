#include "widgettest.h"

#include "mainwindow/compareview.h"
#include "mainwindow/historydialog.h"
#include "mainwindow/resultsarea.h"
#include "mainwindow/scanhistory.h"
#include "settings/scansettings.h"
#include "settings/settings.h"
#include "store/scanstore.h"

#include <QAction>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTreeWidget>

// The scan history as the window uses it: scans stored when they end, the
// last one shown again at the next start, compared with the one before, and
// the store's faults leaving the results on screen.
class TestWidgetHistory : public WidgetTest
{
    Q_OBJECT

public:
    using WidgetTest::WidgetTest;

private Q_SLOTS:
    void storedScanShownAtNextStart();
    void keepOffStoresNothing();
    void comparesWithPreviousScan();
    void listingShownBeforeFolderTotals();
    void historyOpensAndDeletes();
    void faultLeavesResults_data();
    void faultLeavesResults();

private:
    void setKeep(int keep)
    {
        QSettings ini(iniPath(), QSettings::IniFormat);
        settings::setKeepScanHistory(ini, keep);
    }
    static QList<ScanSummary> storedScans(const QString &root)
    {
        ScanStore store(ScanStore::defaultPath());
        if (!store.open())
            return {};
        return store.history(ScanTarget::of({root}, scansettings::load()));
    }
};

void TestWidgetHistory::storedScanShownAtNextStart()
{
    makeTree(tree->path(), 2, 3);
    QStringList scanned;
    {
        Widget w;
        QVERIFY(scanShown(w, tree->path()));
        scanned = rowsOf(w, 1);
        w.scanHistory()->waitForDone();
    }
    QCOMPARE(storedScans(tree->path()).size(), 1);

    Widget w;
    w.show();
    w.setArgDirList({tree->path()});
    QTRY_VERIFY(status(w)->text().startsWith("Results of "));
    QVERIFY2(status(w)->text().endsWith(": 6 files, 6 bytes"), qPrintable(status(w)->text()));
    QCOMPARE(rowsOf(w, 1), scanned);
    QVERIFY(table(w)->isVisible());

    // Scan replaces the past results.
    QVERIFY(scanToCompletion(w));
    w.scanHistory()->waitForDone();
    QCOMPARE(storedScans(tree->path()).size(), 2);
}

void TestWidgetHistory::keepOffStoresNothing()
{
    makeTree(tree->path(), 1, 3);
    setKeep(0);
    {
        Widget w;
        QVERIFY(scanShown(w, tree->path()));
        w.scanHistory()->waitForDone();
    }
    QVERIFY(storedScans(tree->path()).isEmpty());
    // Nor is an older stored scan shown while it is off.
    setKeep(20);
    {
        Widget w;
        QVERIFY(scanShown(w, tree->path()));
        w.scanHistory()->waitForDone();
    }
    setKeep(0);
    Widget w;
    w.show();
    w.setArgDirList({tree->path()});
    QTest::qWait(200);
    QVERIFY(!status(w)->text().startsWith("Results of "));
    QVERIFY(rowsOf(w, 1).isEmpty());
}

void TestWidgetHistory::comparesWithPreviousScan()
{
    const QString root = tree->path();
    widgettest::writeFile(root + "/grows", 100);
    widgettest::writeFile(root + "/shrinks", 300);
    widgettest::writeFile(root + "/goes", 200);
    Widget w;
    QVERIFY(scanShown(w, root));
    QVERIFY(!w.scanHistory()->comparison());

    widgettest::writeFile(root + "/grows", 1000);
    widgettest::writeFile(root + "/shrinks", 50);
    widgettest::writeFile(root + "/new", 400);
    QVERIFY(QFile::remove(root + "/goes"));
    QVERIFY(scanToCompletion(w));
    // Compared on the history's own thread.
    QTRY_VERIFY(w.scanHistory()->comparison());
    QStringList changes;
    for (const FileChange &change : w.scanHistory()->comparison()->files)
        changes << QString("%1 %2 %3")
                       .arg(fileChangeKindName(change.kind), QFileInfo(change.path).fileName())
                       .arg(change.change());
    QCOMPARE(
        changes,
        QStringList({"grew grows 900", "new new 400", "shrank shrinks -250", "gone goes -200"}));

    // The "Compare" view shows them, reached from the results' menu.
    auto *area = w.findChild<ResultsArea *>();
    auto *page = w.findChild<CompareView *>("compareView");
    QVERIFY(area && page);
    int compareIndex = -1;
    for (int i = 0; area->viewPage(i); ++i) {
        if (area->viewPage(i) == page)
            compareIndex = i;
    }
    QVERIFY(area->isViewShown(compareIndex));
    auto *compare = w.findChild<QAction *>("actionCompare");
    QVERIFY(compare && compare->isEnabled());
    compare->trigger();
    QCOMPARE(area->currentView(), compareIndex);
    auto *files = page->findChild<QTableView *>("compareFiles");
    QCOMPARE(files->model()->rowCount(), 4);
    QCOMPARE(files->model()->index(0, CompareModel::ChangeColumn).data().toString(), "grew");
    // The scans carry folder totals: the scanned folder grew by 850 bytes.
    QVERIFY(!page->findChild<QLabel *>("compareFoldersNote")->text().contains("no folder totals"));
    auto *folders = page->findChild<QTableView *>("compareFolders");
    QVERIFY(folders && folders->model()->rowCount() >= 1);
    QCOMPARE(folders->model()->index(0, CompareModel::PathColumn).data().toString(), root);

    QSignalSpy counted(page, &CompareView::shownCountChanged);
    page->setFilterText("SHRINK");
    QCOMPARE(counted.size(), 1);
    QCOMPARE(counted.first(), QVariantList({1, 5})); // four files and one folder
    QCOMPARE(files->model()->index(0, CompareModel::ChangeColumn).data().toString(), "shrank");
}

void TestWidgetHistory::listingShownBeforeFolderTotals()
{
    // Two stored scans of one target; in the second the file and the top
    // folder grew by 300 bytes.
    const QString root = tree->path();
    const QString db = root + "/history.sqlite";
    const ScanTarget target = ScanTarget::of({root}, scansettings::load());
    ScanRecord scan;
    scan.target = target;
    scan.summary.started = QDateTime::currentDateTimeUtc().addSecs(-60);
    scan.files = {{root + "/big", 500, 512, -1, 1, 2}};
    scan.folders = {{root, 500, 512, 1}, {root + "/sub", 0, 0, 0}};
    {
        ScanStore store(db);
        QVERIFY(store.open());
        QVERIFY(store.save(scan));
        scan.summary.started = scan.summary.started.addSecs(30);
        scan.files[0].size = 800;
        scan.folders[0].bytes = 800;
        QVERIFY(store.save(scan));
    }

    ScanHistory history(db);
    qsizetype filesWhenShown = -1, foldersWhenShown = -1;
    bool comparedWhenShown = true;
    connect(&history, &ScanHistory::pastScanLoaded, this, [&](const ScanRecord &shown) {
        filesWhenShown = shown.files.size();
        foldersWhenShown = shown.folders.size();
        comparedWhenShown = history.comparison().has_value();
    });
    history.showTarget(target);
    QTRY_VERIFY(history.comparison());
    // The rows came first, without the folder totals; the comparison of
    // files and folders followed.
    QCOMPARE(filesWhenShown, 1);
    QCOMPARE(foldersWhenShown, 0);
    QVERIFY(!comparedWhenShown);
    QCOMPARE(history.shownScan()->folders.size(), 2);
    QCOMPARE(history.comparison()->files.size(), 1);
    QCOMPARE(history.comparison()->files.first().change(), 300);
    QCOMPARE(history.comparison()->folders.size(), 1);
    QCOMPARE(history.comparison()->folders.first().change(), 300);

    // A scan started now is compared with the whole of the one shown.
    history.scanStarted(target);
    scan.summary.started = scan.summary.started.addSecs(30);
    scan.folders[0].bytes = 1000;
    history.scanEnded(scan);
    QTRY_VERIFY(history.comparison());
    QCOMPARE(history.comparison()->folders.size(), 1);
    QCOMPARE(history.comparison()->folders.first().change(), 200);
    history.waitForDone();
}

void TestWidgetHistory::historyOpensAndDeletes()
{
    const QString root = tree->path();
    widgettest::writeFile(root + "/first", 100);
    Widget w;
    QVERIFY(scanShown(w, root));
    const QStringList firstRows = rowsOf(w, 1);
    widgettest::writeFile(root + "/second", 200);
    QVERIFY(scanToCompletion(w));
    QCOMPARE(rowsOf(w, 1).size(), 2);
    w.scanHistory()->waitForDone();

    auto openDialog = [&w]() -> QTreeWidget * {
        w.findChild<QAction *>("actionHistory")->trigger();
        auto *dialog = w.findChild<HistoryDialog *>();
        return dialog ? dialog->findChild<QTreeWidget *>("scans") : nullptr;
    };
    QTreeWidget *scans = openDialog();
    QVERIFY(scans);
    QCOMPARE(scans->topLevelItemCount(), 2);
    QCOMPARE(scans->topLevelItem(1)->text(4), "complete");

    // Open the older scan: its one file fills the table, as a past scan.
    scans->setCurrentItem(scans->topLevelItem(1));
    QTest::mouseClick(scans->window()->findChild<QPushButton *>("openb"), Qt::LeftButton);
    QTRY_COMPARE(rowsOf(w, 1), firstRows);
    QVERIFY(status(w)->text().startsWith("Results of "));
    QTRY_VERIFY(!w.findChild<HistoryDialog *>());

    scans = openDialog();
    QVERIFY(scans);
    scans->setCurrentItem(scans->topLevelItem(0));
    QTest::mouseClick(scans->window()->findChild<QPushButton *>("deleteb"), Qt::LeftButton);
    QTRY_COMPARE(scans->topLevelItemCount(), 1);
    QCOMPARE(storedScans(root).size(), 1);
    QCOMPARE(rowsOf(w, 1), firstRows);
    scans->window()->close();
}

void TestWidgetHistory::faultLeavesResults_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("told");
    QTest::newRow("garbage") << "garbage"
                             << "was damaged: it was moved aside as ";
    QTest::newRow("newer schema") << "newer"
                                  << "Scan history off: ";
}

void TestWidgetHistory::faultLeavesResults()
{
    QFETCH(QString, kind);
    QFETCH(QString, told);
    const QString db = ScanStore::defaultPath();
    QVERIFY(QDir().mkpath(QFileInfo(db).path()));
    if (kind == "garbage") {
        QFile file(db);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, 'x'));
    } else {
        {
            QSqlDatabase sql = QSqlDatabase::addDatabase("QSQLITE", "newer");
            sql.setDatabaseName(db);
            QVERIFY(sql.open());
            QVERIFY(QSqlQuery(sql).exec("PRAGMA user_version = 99"));
        }
        QSqlDatabase::removeDatabase("newer");
    }
    makeTree(tree->path(), 1, 4);

    Widget w;
    QSignalSpy faults(w.scanHistory(), &ScanHistory::fault);
    // The fault's passing message may cover the figures at a scan's end, so
    // the scans are waited for by their signal alone.
    w.show();
    w.setArgDirList({tree->path()});
    QVERIFY(QTest::qWaitForWindowActive(&w));
    for (int scan = 0; scan < 2; ++scan) {
        QSignalSpy finished(w.scanSession(), &ScanSession::finished);
        button(w, "scanb")->click();
        QVERIFY(finished.wait(20000));
    }
    w.scanHistory()->waitForDone();
    QCOMPARE(rowsOf(w, 1).size(), 4);
    for (const QVariantList &fault : std::as_const(faults))
        qInfo() << "told:" << fault.first().toString();
    QCOMPARE(faults.size(), 1);
    QVERIFY2(faults.first().first().toString().contains(told),
             qPrintable(faults.first().first().toString()));
    // Once the message has passed, the figures are back.
    QTRY_VERIFY_WITH_TIMEOUT(status(w)->text().startsWith("Scan Complete! "), 12000);
}

int main(int argc, char *argv[])
{
    return WidgetTest::run<TestWidgetHistory>(argc, argv);
}

#include "tst_widgethistory.moc"
