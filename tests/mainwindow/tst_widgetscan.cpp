#include "app/commandline.h"
#include "config/config.h"
#include "customdir/customdir.h"
#include "fakeupdateserver.h"
#include "mainwindow/resultmodel.h"
#include "mainwindow/resultsmenu.h"
#include "mainwindow/statusline.h"
#include "mainwindow/widget.h"
#include "net/httpclient.h"
#include "scan/localpaths.h"
#include "scan/scansession.h"
#include "scan/walker.h"
#include "settings/settings.h"
#include "support/messagecapture.h"
#include "support/removedcwd.h"
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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSemaphore>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
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

// A scan from the window: the button, the count, stopping, the live table and the status line.
class tst_WidgetScan : public WidgetTest
{
    Q_OBJECT

public:
    using WidgetTest::WidgetTest;

private Q_SLOTS:
    void construction();
    void commandLineScan();
    void resultCount_data();
    void resultCount();
    void emptyResult();
    void removedCurrentDirectory();
    void stopRightAfterScan_data();
    void stopRightAfterScan();
    void destroyDuringWalk();
    void savedMessagePasses();
    void unreadableFoldersAreNamed();
    void liveResults();
};

void tst_WidgetScan::construction()
{
    Widget w;
    QCOMPARE(w.windowTitle(), QString("Vastrel"));
    QCOMPARE(button(w, "scanb")->text(), QString("Scan"));
    QVERIFY(status(w)->text().isEmpty());
    QVERIFY(!table(w)->isVisibleTo(&w));
    QStringList items;
    for (int i = 0; i < combo(w)->count(); ++i)
        items << combo(w)->itemText(i);
    QCOMPARE(items.first(), QString("All Disks"));
    QCOMPARE(items.last(), QString("Custom Scan"));
    QVERIFY(items.contains(QDir::rootPath())); // "/", or the system drive on Windows
    QCOMPARE(shownToolTip(combo(w)->toolTip()), QString("All Disks"));
    QVERIFY(!log->lines().contains("set ture"));
}

// A directory handed over on the command line is scanned at once; the table
// lists the largest files first with their sizes in MB, and the status line
// sums the scan up.
void tst_WidgetScan::commandLineScan()
{
    const QString root = tree->path();
    QVERIFY(QDir(root).mkpath("sub/deeper"));
    writeFile(root + "/small.bin", 1536);
    writeFile(root + "/sub/mid.bin", 1572864);
    writeFile(root + "/sub/deeper/big.bin", 123456789);
    writeFile(root + "/exact.bin", 1048576);
    writeFile(root + "/empty.bin", 0);

    Widget w;
    QSignalSpy finished(w.scanSession(), &ScanSession::finished);
    w.setArgDirList({root});
    w.on_scanb_clicked();
    QCOMPARE(button(w, "scanb")->text(), QString("Stop"));
    QVERIFY(finished.wait(20000));

    QVERIFY(table(w)->isVisibleTo(&w));
    QCOMPARE(button(w, "scanb")->text(), QString("Scan"));
    QVERIFY2(QRegularExpression(R"(^Scan Complete! 5 files, 120\.2 MB in \d+\.\d s$)")
                 .match(status(w)->text())
                 .hasMatch(),
             qPrintable(status(w)->text()));
    QCOMPARE(rowsOf(w, 0), QStringList({"117.738", "1.5", "1", "0.00146484", "0"}));
    QCOMPARE(rowsOf(w, 1),
             QStringList({root + "/sub/deeper/big.bin", root + "/sub/mid.bin", root + "/exact.bin",
                          root + "/small.bin", root + "/empty.bin"}));
    QCOMPARE(table(w)->model()->headerData(0, Qt::Horizontal).toString(), QString("Size(Mb)"));
    QCOMPARE(table(w)->model()->headerData(1, Qt::Horizontal).toString(), QString("Path"));

    QCOMPARE(log->lines().count("set ture"), 1);
    QVERIFY(log->lines().contains(QString("(\"%1\")").arg(root)));
    QCOMPARE(walkLines(), QStringList {root});
    // One size line per row while the ranking hands out its entries, one
    // while the table is filled.
    const QRegularExpression sizeLine(R"(^[0-9.e+-]+ : ".*"$)");
    QCOMPARE(log->lines().filter(sizeLine).size(), 2 * 5);
    QVERIFY(log->lines().contains(QString("117.738 : \"%1/sub/deeper/big.bin\"").arg(root)));
}

// The count comes from "topnumber" at start, then from the configuration
// window (low 32 bits of what it announces); either way 1 to 10000 rows.
void tst_WidgetScan::resultCount_data()
{
    QTest::addColumn<QString>("topnumber");
    QTest::addColumn<qulonglong>("announced"); // 0: nothing announced
    QTest::addColumn<int>("count");
    const qulonglong none = 0;
    QTest::newRow("file 3") << "3" << none << 3;
    QTest::newRow("file 0") << "0" << none << 1;
    QTest::newRow("file negative") << "-7" << none << 1;
    QTest::newRow("file above 10000") << "50000" << none << 10000;
    QTest::newRow("file not a number") << "lots" << none << 100;
    QTest::newRow("announced 3") << "100" << qulonglong(3) << 3;
    QTest::newRow("low 32 bits of 2^32 + 5") << "100" << ((qulonglong(1) << 32) + 5) << 5;
    QTest::newRow("2^31 wraps negative") << "100" << (qulonglong(1) << 31) << 1;
    QTest::newRow("largest int") << "100" << qulonglong(2147483647) << 10000;
}

void tst_WidgetScan::resultCount()
{
    QFETCH(QString, topnumber);
    QFETCH(qulonglong, announced);
    QFETCH(int, count);
    for (int i = 0; i < 12; ++i)
        writeFile(QString("%1/f%2").arg(tree->path()).arg(i), 100 + i);
    QSettings(iniPath(), QSettings::IniFormat).setValue("topnumber", topnumber);
    Widget w;
    if (announced)
        w.topNumberChanged(ulong(announced));
    w.setArgDirList({tree->path()});
    QVERIFY(scanToCompletion(w));
    QCOMPARE(w.scanSession()->resultCount(), count);
    QCOMPARE(rowsOf(w, 0).size(), qMin(count, 12));
}

void tst_WidgetScan::emptyResult()
{
    Widget w;
    w.setArgDirList({tree->path()}); // nothing below it
    QVERIFY(scanToCompletion(w));
    QTRY_COMPARE(topLevel<QMessageBox>().size(), 1);
    QMessageBox *box = topLevel<QMessageBox>().first();
    QCOMPARE(box->text(), QString("There is NO file in your selected Dir!"));
    QCOMPARE(table(w)->model()->rowCount(), 0);
    QCOMPARE(table(w)->model()->headerData(1, Qt::Horizontal).toString(), QString("Path"));

    // Closing the box while the window is in the tray keeps the program running.
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    w.findChild<QPushButton *>("minb")->click();
    QVERIFY(!w.isVisible());
    box->close();
    QCoreApplication::processEvents();
    QCOMPARE(lastClosed.size(), 0);
}

// A stop that comes at once after the start (a second click, a double
// click, Escape) is never lost: the walk ends early, the status says it was
// stopped, and the button waits, disabled, for the walk's end.
void tst_WidgetScan::stopRightAfterScan_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("two clicks") << "click";
    QTest::newRow("Escape") << "escape";
}

void tst_WidgetScan::stopRightAfterScan()
{
    QFETCH(QString, how);
    makeTree(tree->path(), 40, 100);
    Widget w;
    // Every walk thread waits at its first file until the stop has been
    // given, so a busy machine cannot let the whole walk slip in before it.
    testsupport::WalkGate gate(w.scanSession());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.setArgDirList({tree->path()});
    QPushButton *scanb = button(w, "scanb");
    QSignalSpy finished(w.scanSession(), &ScanSession::finished);
    QTest::mouseClick(scanb, Qt::LeftButton);
    if (how == "click")
        QTest::mouseClick(scanb, Qt::LeftButton);
    else
        QTest::keyClick(&w, Qt::Key_Escape);
    QCOMPARE(scanb->text(), QString("Scan"));
    QVERIFY(!scanb->isEnabled());
    gate.open();
    QVERIFY(finished.wait(20000));
    QVERIFY(scanb->isEnabled());
    QVERIFY(w.scanSession()->wasStopped());
    QVERIFY2(status(w)->text().startsWith("Scan Stopped. "), qPrintable(status(w)->text()));
    QVERIFY(w.scanSession()->fileCount() < 4000);
    // The partial results stay listed: what the walk ranked before the stop.
    const ScanSession *session = w.scanSession();
    QCOMPARE(rowsOf(w, 0).size(),
             qMin(session->results().size(), qsizetype(session->resultCount())));
}

void tst_WidgetScan::destroyDuringWalk()
{
    for (int d = 0; d < 20; ++d) {
        const QString dir = QString("%1/d%2").arg(tree->path()).arg(d);
        QVERIFY(QDir().mkpath(dir));
        for (int f = 0; f < 50; ++f)
            writeFile(QString("%1/f%2").arg(dir).arg(f), f);
    }
    auto w = std::make_unique<Widget>();
    w->setArgDirList({tree->path()});
    w->on_scanb_clicked();
    w.reset(); // must stop and wait for the walk, not crash
    QCoreApplication::processEvents();
    QVERIFY(QFile::exists(tree->path() + "/d0/f0"));
}

// "Saved the list to …" is shown for a few seconds; then the scan's figures
// are back.
void tst_WidgetScan::savedMessagePasses()
{
    writeFile(tree->path() + "/a.bin", 10);
    Widget w;
    QVERIFY(scanShown(w, tree->path()));
    const QString figures = status(w)->text();
    auto *actions = table(w)->findChild<ResultsMenu *>();
    QVERIFY(actions);
    QTemporaryDir out;
    const QString file = out.filePath("list.csv");
    actions->askSaveFile = [&] {
        return file;
    };
    actions->saveList();
    QVERIFY(QFile::exists(file));
    QCOMPARE(status(w)->text(), "Saved the list to " + QDir::toNativeSeparators(file));
    QTRY_COMPARE_WITH_TIMEOUT(status(w)->text(), figures, 3 * StatusLine::messageMs);
}

// The folders counted as unreadable are named: in the status line's
// tool-tip, and in the list a click on it opens, which Copy takes whole.
void tst_WidgetScan::unreadableFoldersAreNamed()
{
#ifndef Q_OS_LINUX
    QSKIP("the locked tree is made on Linux");
#else
    testsupport::LockedTree dir;
    QVERIFY(dir.isValid());
    Widget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.setArgDirList({dir.path()});
    {
        // The walk threads start inside the scan and inherit this.
        testsupport::WithoutOverride permissions;
        if (!permissions.applies()) {
            QVERIFY(dir.unlock());
            QSKIP("cannot give up root's permission checks here");
        }
        QVERIFY(scanToCompletion(w));
    }
    QVERIFY(dir.unlock());
    QLabel *line = status(w);
    QVERIFY2(line->text().endsWith("; 1 folder could not be read"), qPrintable(line->text()));
    const QString entry = dir.path() + "/locked: " + QString::fromLocal8Bit(std::strerror(EACCES));
    QVERIFY2(shownToolTip(line->toolTip()).contains(entry), qPrintable(line->toolTip()));

    QTest::mouseClick(line, Qt::LeftButton);
    QTRY_VERIFY(w.findChild<QDialog *>("unreadablelist") &&
                w.findChild<QDialog *>("unreadablelist")->isVisible());
    auto *list = w.findChild<QDialog *>("unreadablelist");
    QCOMPARE(list->findChild<QPlainTextEdit *>()->toPlainText(), entry);
    list->findChild<QPushButton *>("copyb")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), entry);
    list->close();
#endif
}

// "." given on the command line in a directory that was removed is scanned
// as a folder that is not there, not as "/".
void tst_WidgetScan::removedCurrentDirectory()
{
#ifdef Q_OS_UNIX
    const testsupport::RemovedCurrentDirectory removed;
    QVERIFY(removed.isValid());

    Widget w;
    w.setArgDirList({commandline::directoryArgument(".", localpaths::currentDirectory())});
    QVERIFY(scanToCompletion(w));
    QCOMPARE(w.scanSession()->fileCount(), 0);
    QCOMPARE(w.scanSession()->unreadableCount(), 1);
    QVERIFY2(status(w)->text().endsWith("1 folder could not be read"),
             qPrintable(status(w)->text()));
    QTRY_COMPARE(topLevel<QMessageBox>().size(), 1);
    QCOMPARE(topLevel<QMessageBox>().first()->text(),
             QString("There is NO file in your selected Dir!"));
#else
    QSKIP("a directory in use cannot be removed on Windows");
#endif
}

// The table fills from the running scan, without debug lines, before the
// walk has ended.
void tst_WidgetScan::liveResults()
{
    makeTree(tree->path(), 2, 10);
    Widget w;
    w.show();
    w.setArgDirList({tree->path()});
    // Hold the walk at its fifth file until the table has shown what came
    // before it.
    testsupport::WalkGate gate(w.scanSession());
    gate.openFor(4);
    QSignalSpy finished(w.scanSession(), &ScanSession::finished);
    log->clear();
    button(w, "scanb")->click();
    QTRY_VERIFY_WITH_TIMEOUT(table(w)->model()->rowCount() >= 1, 10000);
    QVERIFY(table(w)->isVisibleTo(&w));
    QVERIFY(w.scanSession()->isRunning());
    QVERIFY(w.findChild<QLabel *>("scanstats")->text().contains(" files, "));
    // The status line follows the walk.
    QTRY_VERIFY(status(w)->text().startsWith(tree->path() + "/"));
    const QRegularExpression sizeLine(R"(^[0-9.e+-]+ : ".*"$)");
    QCOMPARE(log->lines().filter(sizeLine).size(), 0);
    gate.open();
    QVERIFY(finished.wait(20000));
    QCOMPARE(rowsOf(w, 0).size(), 20);
    QCOMPARE(log->lines().filter(sizeLine).size(), 2 * 20);
}

int main(int argc, char *argv[])
{
    return WidgetTest::run<tst_WidgetScan>(argc, argv);
}

#include "tst_widgetscan.moc"
