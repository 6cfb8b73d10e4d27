#include "app/settings.h"
#include "config/config.h"
#include "customdir/customdir.h"
#include "customdir/directorychooser.h"
#include "fakeupdateserver.h"
#include "mainwindow/resultsmenu.h"
#include "mainwindow/widget.h"
#include "net/httpclient.h"
#include "mainwindow/resultmodel.h"
#include "scan/scansession.h"
#include "scan/walker.h"
#include "mainwindow/statusline.h"
#include "support/messagecapture.h"
#include "support/sandbox.h"
#include "support/urlcatcher.h"
#include "support/walkgate.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSemaphore>
#include <QTextDocument>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QHeaderView>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#ifdef Q_OS_WIN
#include "platform/platform.h"

#include <qt_windows.h>
#endif

namespace {

void writeFile(const QString &path, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(size));
}

#ifdef Q_OS_WIN
// Windows: the registry the window writes its Explorer verb to is a scratch
// key (the process's HKEY_CLASSES_ROOT and HKEY_CURRENT_USER mapped onto it),
// and Explorer is never started: the command is recorded and the start
// reported as failed, so the window falls back to the folder's URL.
QStringList startedCommands;

class WindowsSandbox
{
public:
    WindowsSandbox()
    {
        name = L"Software\\Vastrel test " + std::to_wstring(GetCurrentProcessId());
        RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        RegOverridePredefKey(HKEY_CLASSES_ROOT, key);
        RegOverridePredefKey(HKEY_CURRENT_USER, key);
        platform::setDetachedStartForTests([](const QString &program, const QString &arguments) {
            startedCommands << program + ' ' + arguments;
            return false;
        });
    }
    ~WindowsSandbox()
    {
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(key);
        RegDeleteTreeW(HKEY_CURRENT_USER, name.c_str());
    }
    HKEY key = nullptr;

private:
    std::wstring name;
};
WindowsSandbox *windowsSandbox = nullptr;
#endif

} // namespace

class tst_Widget : public QObject
{
    Q_OBJECT

public:
    explicit tst_Widget(const QString &sandbox) : sandbox(sandbox) { }

private:
    // A fresh settings file with the start-up update check off, so a window
    // built by a test sends nothing unless the test asks for it.
    void resetSettings(bool autoUpdateCheck = false)
    {
        QFile::remove(iniPath());
        QSettings ini(iniPath(), QSettings::IniFormat);
        ini.setValue("init", true);
        ini.setValue("autoupdatecheck", autoUpdateCheck);
        ini.setValue("topnumber", 100);
    }
    QString iniPath() const { return sandbox + "/app/Vastrel.ini"; }

    static QPushButton *button(Widget &w, const char *name)
    {
        return w.findChild<QPushButton *>(name);
    }
    static QLabel *status(Widget &w) { return w.findChild<QLabel *>("currentfile"); }
    static QComboBox *combo(Widget &w) { return w.findChild<QComboBox *>("dircombo"); }
    static QTableView *table(Widget &w) { return w.findChild<QTableView *>("tableView"); }

    // Starts a scan from the button and waits for its end.
    static bool scanToCompletion(Widget &w)
    {
        QSignalSpy finished(w.scanSession(), &ScanSession::finished);
        button(w, "scanb")->click();
        return finished.wait(20000) && status(w)->text().startsWith("Scan Complete! ");
    }
    // Shows the window, makes it active and scans root to its end.
    static bool scanShown(Widget &w, const QString &root)
    {
        w.show();
        w.setArgDirList({root});
        return QTest::qWaitForWindowActive(&w) && scanToCompletion(w);
    }
    // What a tool-tip shows: rich text as a reader sees it.
    static QString shownToolTip(const QString &tip)
    {
        if (!Qt::mightBeRichText(tip))
            return tip;
        QTextDocument document;
        document.setHtml(tip);
        return document.toPlainText();
    }
    static void makeTree(const QString &root, int dirs, int files)
    {
        for (int d = 0; d < dirs; ++d) {
            const QString dir = QString("%1/d%2").arg(root).arg(d);
            QVERIFY(QDir().mkpath(dir));
            for (int f = 0; f < files; ++f)
                writeFile(QString("%1/f%2").arg(dir).arg(f), f);
        }
    }

    QStringList walkLines() const
    {
        QStringList lines;
        const QStringList all = log->lines();
        for (const QString &line : all) {
            if (line.startsWith("walk! "))
                lines << line.mid(6);
        }
        return lines;
    }

    static QStringList rowsOf(Widget &w, int column)
    {
        QStringList rows;
        const QAbstractItemModel *model = table(w)->model();
        for (int row = 0; model && row < model->rowCount(); ++row)
            rows << model->index(row, column).data().toString();
        return rows;
    }

    template<class T> static QList<T *> topLevel()
    {
        QList<T *> found;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *t = qobject_cast<T *>(widget); t && t->isVisible())
                found << t;
        }
        return found;
    }

    QString sandbox;
    std::unique_ptr<QTemporaryDir> tree;
    // Debug lines written while the test runs.
    std::unique_ptr<testsupport::MessageCapture> log;

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void construction();
    void commandLineScan();
    void nextScanUsesTheChosenTarget();
    void resultCount_data();
    void resultCount();
    void emptyResult();
    void stopRightAfterScan_data();
    void stopRightAfterScan();
    void destroyDuringWalk();
    void customListsInTheCombo();
    void customDialogCancelAndEscape();
    void scanWalksTheChosenList();
    void trayMinimiseAndRestore_data();
    void trayMinimiseAndRestore();
    void minimiseWithoutTray();
    void resultsMenuOpensAtTheCursor();
    void showInFolder();
    void rowActionsNeedASelection();
    void savedMessagePasses();
    void unreadableFoldersAreNamed();
    void deleteMovesSelectedRowsToTheTrash();
    void configCountReachesTheWindow();
    void registersFileManagerEntries();
    void startUpUpdateCheck_data();
    void startUpUpdateCheck();
    void noStartUpCheckWhenSwitchedOff();
    void exitWhileHiddenEndsTheLoop();
    void resultsAreReadOnly();
    void longPathsOnOneLine();
    void sizesStayInSight();
    void textOnThePictureFollowsThePicture_data();
    void textOnThePictureFollowsThePicture();
    void maximisedContentFillsTheWindow();
    void keyboard();
    void enterAndDoubleClickShowInFolder_data();
    void enterAndDoubleClickShowInFolder();
    void trayRestoresWhereItWas();
    void liveResults();
    void sortByHeaders();
    void outsideTextShownLiterally_data();
    void outsideTextShownLiterally();
};

void tst_Widget::initTestCase()
{
    log = std::make_unique<testsupport::MessageCapture>();
    QVERIFY(QDir().mkpath(sandbox + "/app"));
    settings::setApplicationDirOverride(sandbox + "/app");
}

void tst_Widget::init()
{
    resetSettings();
    log->clear();
    tree = std::make_unique<QTemporaryDir>();
    QVERIFY(tree->isValid());
    Widget::systemTrayAvailable = [] {
        return true;
    };
}

void tst_Widget::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox *>(widget) || qobject_cast<CustomDir *>(widget))
            widget->close();
    }
    directorychooser::setChooser({});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_Widget::cleanupTestCase()
{
    log.reset();
}

void tst_Widget::construction()
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
void tst_Widget::commandLineScan()
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

// The command-line directory becomes the combo's current item; choosing
// another item scans that one.
void tst_Widget::nextScanUsesTheChosenTarget()
{
    QTemporaryDir chosen;
    writeFile(chosen.path() + "/chosen.bin", 10);
    writeFile(tree->path() + "/argument.bin", 10);

    Widget w;
    w.customdiraccepted(chosen.path());
    const int chosenIndex = combo(w)->currentIndex();
    QCOMPARE(combo(w)->currentText(), chosen.path());
    w.setArgDirList({tree->path()});
    QCOMPARE(combo(w)->currentText(), tree->path());
    QVERIFY(scanToCompletion(w));
    QCOMPARE(rowsOf(w, 1), QStringList {tree->path() + "/argument.bin"});
    QVERIFY(scanToCompletion(w)); // the combo still shows the directory
    QCOMPARE(rowsOf(w, 1), QStringList {tree->path() + "/argument.bin"});
    combo(w)->setCurrentIndex(combo(w)->findText(chosen.path()));
    QVERIFY(combo(w)->currentIndex() >= chosenIndex);
    QVERIFY(scanToCompletion(w));
    QCOMPARE(rowsOf(w, 1), QStringList {chosen.path() + "/chosen.bin"});
    QCOMPARE(walkLines(), QStringList({tree->path(), tree->path(), chosen.path()}));
}

// The count comes from "topnumber" at start, then from the configuration
// window (low 32 bits of what it announces); either way 1 to 10000 rows.
void tst_Widget::resultCount_data()
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

void tst_Widget::resultCount()
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

void tst_Widget::emptyResult()
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
void tst_Widget::stopRightAfterScan_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("two clicks") << "click";
    QTest::newRow("Escape") << "escape";
}

void tst_Widget::stopRightAfterScan()
{
    QFETCH(QString, how);
    makeTree(tree->path(), 40, 100);
    Widget w;
    // Every walk thread waits at its first file until the stop has been
    // given, so a busy machine cannot let the whole walk slip in before it.
    testsupport::WalkGate gate(w.scanSession()->walkerThread());
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

void tst_Widget::destroyDuringWalk()
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

// Accepted lists go right after "Custom Scan", newest first; choosing one
// sets the roots from its text.
void tst_Widget::customListsInTheCombo()
{
    Widget w;
    QComboBox *dircombo = combo(w);
    const int custom = dircombo->findText("Custom Scan");
    QVERIFY(custom > 0);

    // Absolute on every system: "/a" on Unix, "C:/a" on Windows.
    const QString r = QDir::rootPath();
    const QString ab = r + "a;" + r + "b", c = r + "c";
    for (const QString &list : {ab, c}) {
        dircombo->setCurrentIndex(custom);
        QTRY_COMPARE(topLevel<CustomDir>().size(), 1);
        CustomDir *dialog = topLevel<CustomDir>().first();
        Q_EMIT dialog->customdircomplete(list); // what its OK button sends
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVERIFY(log->lines().contains('"' + ab + '"'));
    QVERIFY(log->lines().contains('"' + c + '"'));
    QCOMPARE(dircombo->itemText(custom + 1), c);
    QCOMPARE(dircombo->itemText(custom + 2), ab);
    QCOMPARE(dircombo->currentIndex(), custom + 1);
    QCOMPARE(shownToolTip(dircombo->toolTip()), c);

    dircombo->setCurrentIndex(custom + 2);
    QCOMPARE(shownToolTip(dircombo->toolTip()), ab);
    log->clear();
    QVERIFY(scanToCompletion(w));
    QVERIFY(log->lines().contains("(\"" + r + "a\", \"" + r + "b\")"));
    QCOMPARE(walkLines(), QStringList({r + "a", r + "b"}));
}

// Cancel goes back to "All Disks"; Escape goes back to the target chosen
// before, and "Custom Scan" opens the dialog again when chosen again.
void tst_Widget::customDialogCancelAndEscape()
{
    Widget w;
    QComboBox *dircombo = combo(w);
    int custom = dircombo->findText("Custom Scan");

    dircombo->setCurrentIndex(custom);
    QTRY_COMPARE(topLevel<CustomDir>().size(), 1);
    QPointer<CustomDir> dialog = topLevel<CustomDir>().first();
    dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(dircombo->currentIndex(), 0);
    QTRY_VERIFY(!dialog);

    w.customdiraccepted(tree->path());
    const int previous = dircombo->currentIndex();
    writeFile(tree->path() + "/kept.bin", 1);
    custom = dircombo->findText("Custom Scan");
    for (int round = 0; round < 2; ++round) {
        dircombo->setCurrentIndex(custom);
        QTRY_COMPARE(topLevel<CustomDir>().size(), 1);
        dialog = topLevel<CustomDir>().first();
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(!dialog);
        QTRY_COMPARE(dircombo->currentIndex(), previous);
        QCOMPARE(dircombo->currentText(), tree->path());
    }
    QVERIFY(scanToCompletion(w));
    QCOMPARE(rowsOf(w, 1), QStringList {tree->path() + "/kept.bin"});
}

// Two directories added through the chooser, both ticked: the scan walks
// exactly those two roots.
void tst_Widget::scanWalksTheChosenList()
{
    const QString first = tree->path() + "/first", second = tree->path() + "/second";
    QVERIFY(QDir().mkpath(first));
    QVERIFY(QDir().mkpath(second));
    writeFile(second + "/s.bin", 5);
    QStringList answers = {first, second};
    directorychooser::setChooser(
        [&](QWidget *, const QString &, const QString &, QFileDialog::Options) {
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });

    Widget w;
    combo(w)->setCurrentIndex(combo(w)->findText("Custom Scan"));
    QTRY_COMPARE(topLevel<CustomDir>().size(), 1);
    CustomDir *dialog = topLevel<CustomDir>().first();
    auto *add = dialog->findChild<QPushButton *>("adddirb");
    add->click();
    add->click();
    auto *model =
        qobject_cast<QStandardItemModel *>(dialog->findChild<QListView *>("listView")->model());
    QVERIFY(model);
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString text = model->item(row)->text();
        if (text == first || text == second)
            model->item(row)->setCheckState(Qt::Checked);
    }
    dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(combo(w)->currentText(), first + ";" + second);

    log->clear();
    QVERIFY(scanToCompletion(w));
    QCOMPARE(walkLines(), QStringList({first, second}));
    QCOMPARE(rowsOf(w, 1), QStringList {second + "/s.bin"});
}

void tst_Widget::trayMinimiseAndRestore_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("restores");
    QTest::newRow("single click") << int(QSystemTrayIcon::Trigger) << true;
    QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << true;
    QTest::newRow("middle click") << int(QSystemTrayIcon::MiddleClick) << false;
    QTest::newRow("context") << int(QSystemTrayIcon::Context) << false;
    QTest::newRow("unknown") << int(QSystemTrayIcon::Unknown) << false;
}

void tst_Widget::trayMinimiseAndRestore()
{
    QFETCH(int, reason);
    QFETCH(bool, restores);
    Widget w;
    w.show();
    auto *tray = w.findChild<QSystemTrayIcon *>();
    QVERIFY(tray);
    QVERIFY(!tray->isVisible());
    button(w, "minb")->click();
    QVERIFY(!w.isVisible());
    QVERIFY(tray->isVisible());
    QVERIFY(tray->contextMenu());
    QCOMPARE(tray->contextMenu()->actions().size(), 2);
    QCOMPARE(tray->contextMenu()->actions().at(0)->text(), QString("Show"));
    QCOMPARE(tray->contextMenu()->actions().at(1)->text(), QString("Exit"));
    QMenu *menu = tray->contextMenu();

    Q_EMIT tray->activated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(w.isVisible(), restores);
    QCOMPARE(tray->isVisible(), !restores);

    // "Show" restores; hiding again reuses the same menu.
    if (!restores)
        tray->contextMenu()->actions().at(0)->trigger();
    QVERIFY(w.isVisible());
    button(w, "minb")->click();
    QCOMPARE(tray->contextMenu(), menu);
}

void tst_Widget::minimiseWithoutTray()
{
    Widget::systemTrayAvailable = [] {
        return false;
    };
    Widget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    button(w, "minb")->click();
    QTRY_VERIFY(w.isMinimized());
    QVERIFY(!w.findChild<QSystemTrayIcon *>()->isVisible());
}

void tst_Widget::exitWhileHiddenEndsTheLoop()
{
    Widget w;
    w.show();
    button(w, "config")->click();
    QPointer<Config> config = w.findChild<Config *>();
    if (!config)
        config = topLevel<Config>().value(0);
    QVERIFY(config);
    config->close();
    button(w, "minb")->click();
    QVERIFY(!w.isVisible());
    auto *tray = w.findChild<QSystemTrayIcon *>();
    QTimer::singleShot(0, tray->contextMenu()->actions().at(1), &QAction::trigger);
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!config);
    QVERIFY(!w.findChild<QSystemTrayIcon *>());
}

void tst_Widget::resultsMenuOpensAtTheCursor()
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
    QCOMPARE(entries, QStringList({"Show in folder", "Open", "Copy Path", "Move to Trash…", "",
                                   "Save List…"}));
    menu->close();
}

// Ctrl+C copies the selected paths; Delete asks, moves the selected files to
// the (sandboxed) trash, takes their rows out and says how much went; the
// next scan takes the saved scan options.
void tst_Widget::deleteMovesSelectedRowsToTheTrash()
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
    QCOMPARE(status(w)->text(), QString("Moved 2 files, 40 bytes, to the trash"));
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
void tst_Widget::showInFolder()
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
    QCOMPARE(startedCommands.takeLast(), QString::fromWCharArray(windows) + "\\explorer.exe /select,\"" +
                                             QDir::toNativeSeparators(name) + '"');
#endif
}

// A right click below the rows takes the selection away: the menu's row
// actions are disabled, and nothing acts on the row that keeps the focus.
void tst_Widget::rowActionsNeedASelection()
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
    const QPoint below(first.center().x(), view->visualRect(view->model()->index(1, 1)).bottom() + 20);
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
    QCOMPARE(enabled, QStringList {"Save List…"});

    log->clear();
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(log->lines(), QStringList {"\"\""});
}

// "Saved the list to …" is shown for a few seconds; then the scan's figures
// are back.
void tst_Widget::savedMessagePasses()
{
    writeFile(tree->path() + "/a.bin", 10);
    Widget w;
    QVERIFY(scanShown(w, tree->path()));
    const QString figures = status(w)->text();
    auto *actions = table(w)->findChild<ResultsMenu *>();
    QVERIFY(actions);
    QTemporaryDir out;
    const QString file = out.filePath("list.csv");
    actions->askSaveFile = [&] { return file; };
    actions->saveList();
    QVERIFY(QFile::exists(file));
    QCOMPARE(status(w)->text(), "Saved the list to " + QDir::toNativeSeparators(file));
    QTRY_COMPARE_WITH_TIMEOUT(status(w)->text(), figures, 3 * StatusLine::messageMs);
}

// The folders counted as unreadable are named: in the status line's
// tool-tip, and in the list a click on it opens, which Copy takes whole.
void tst_Widget::unreadableFoldersAreNamed()
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
    QTRY_VERIFY(w.findChild<QDialog *>("unreadablelist") && w.findChild<QDialog *>("unreadablelist")->isVisible());
    auto *list = w.findChild<QDialog *>("unreadablelist");
    QCOMPARE(list->findChild<QPlainTextEdit *>()->toPlainText(), entry);
    list->findChild<QPushButton *>("copyb")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), entry);
    list->close();
#endif
}

void tst_Widget::configCountReachesTheWindow()
{
    for (int i = 0; i < 5; ++i)
        writeFile(QString("%1/f%2").arg(tree->path()).arg(i), 10 + i);
    Widget w;
    w.show();
    button(w, "config")->click();
    button(w, "config")->click();
    QCOMPARE(topLevel<Config>().size(), 1);
    Config *config = topLevel<Config>().first();
    config->findChild<QLineEdit *>("customtopb")->setText("3");
    config->findChild<QPushButton *>("pushButton")->click();
    config->close();

    w.setArgDirList({tree->path()});
    QVERIFY(scanToCompletion(w));
    QCOMPARE(rowsOf(w, 0).size(), 3);
    QCOMPARE(QSettings(iniPath(), QSettings::IniFormat).value("topnumber").toInt(), 3);
}

void tst_Widget::registersFileManagerEntries()
{
    Widget w;
#ifdef Q_OS_WIN
    // The Explorer verb, in the scratch registry.
    wchar_t value[1024];
    DWORD size = sizeof(value);
    QCOMPARE(RegGetValueW(windowsSandbox->key, L"Directory\\shell\\Find Vastrel Here\\Command",
                          nullptr, RRF_RT_REG_SZ, nullptr, value, &size),
             LONG(ERROR_SUCCESS));
    QVERIFY(QString::fromWCharArray(value).endsWith("\\Vastrel.exe\" \"%1\""));
    QVERIFY(log->lines().filter("Vastrel.exe").size() >= 1);
#else
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    QVERIFY(data.startsWith(sandbox));
    QVERIFY(QFile::exists(data + "/nautilus/scripts/Find Vastrel Here"));
    const QString program = QCoreApplication::applicationFilePath();
    QVERIFY(log->lines().filter(program).size() >= 1);
#endif
}

// The update check at start: only an announced version opens the
// configuration window, on its Update tab, which then asks again itself.
void tst_Widget::startUpUpdateCheck_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<bool>("opensConfig");
    QTest::newRow("current") << QByteArray("2.0.0") << "Already The Latest Version!" << false;
    QTest::newRow("announced") << QByteArray("2.0.1##http://example.org/v")
                               << "\"2.0.1\" \"http://example.org/v\"" << true;
    QTest::newRow("maintenance") << QByteArray("down") << "Sorry.update server maintain." << false;
}

void tst_Widget::startUpUpdateCheck()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, logged);
    QFETCH(bool, opensConfig);
    FakeUpdateServer server;
    QVERIFY(server.start());
    server.setAnswer(200, answer);
    qputenv("VASTREL_UPDATE_HOST", server.hostAndPort());
    resetSettings(true);

    Widget w;
    QTRY_VERIFY(log->lines().contains(logged));
    QCOMPARE(server.requests().first(), QString("/vastrel/checkupdate"));
    if (opensConfig) {
        QTRY_COMPARE(topLevel<Config>().size(), 1);
        QCOMPARE(topLevel<Config>().first()->findChild<QTabWidget *>("configtab")->currentIndex(),
                 3);
        QTRY_COMPARE(server.requests().size(), 2);
        QCOMPARE(server.requests().at(1), QString("/vastrel/checkupdate"));
        topLevel<Config>().first()->close();
    } else {
        QCOMPARE(topLevel<Config>().size(), 0);
    }
    qputenv("VASTREL_UPDATE_HOST", "127.0.0.1:9");
}

void tst_Widget::noStartUpCheckWhenSwitchedOff()
{
    FakeUpdateServer server;
    QVERIFY(server.start());
    server.setAnswer(200, "2.0.0");
    qputenv("VASTREL_UPDATE_HOST", server.hostAndPort());
    QSettings(iniPath(), QSettings::IniFormat).setValue("autoupdatecheck", 0);

    Widget w;
    // A request of our own after the window's construction: once the server
    // has it, a request sent by the window would have arrived before it.
    HttpClient probe;
    probe.setHost("127.0.0.1", server.port());
    probe.get("/probe");
    QTRY_COMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().first(), QString("/probe"));
    qputenv("VASTREL_UPDATE_HOST", "127.0.0.1:9");
}


// Typing on a result or pressing its edit key changes nothing.
void tst_Widget::resultsAreReadOnly()
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
void tst_Widget::longPathsOnOneLine()
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
void tst_Widget::sizesStayInSight()
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
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 30, cell.center().y()));
    QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
    // Qt scrolls to a clicked cell once a double click can no longer follow.
    QTest::qWait(QApplication::doubleClickInterval() + 300);
    QCOMPARE(sideways->value(), 0);

    sideways->setValue(sideways->maximum());
    QVERIFY(scanToCompletion(w));
    QCOMPARE(sideways->value(), 0);
}

// Text drawn on the window's background picture keeps a readable contrast
// with the picture under a light and a dark desktop palette alike.
void tst_Widget::textOnThePictureFollowsThePicture_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light palette") << false;
    QTest::newRow("dark palette") << true;
}

void tst_Widget::textOnThePictureFollowsThePicture()
{
    QFETCH(bool, dark);
    const QPalette original = QApplication::palette();
    if (dark) {
        QPalette palette;
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, QColor(0x2a, 0x2a, 0x2e));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(palette);
    }
    const QImage picture(":/image/image/newback.png");
    {
        Widget w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (const char *name : {"label_3", "currentfile", "scanstats"}) {
            auto *label = w.findChild<QLabel *>(name);
            QVERIFY(label);
            const QPoint at = label->mapTo(&w, label->rect().center());
            const QColor under = picture.pixelColor(qBound(0, at.x(), picture.width() - 1),
                                                    qBound(0, at.y(), picture.height() - 1));
            const QColor text = label->palette().color(QPalette::WindowText);
            QVERIFY2(qAbs(text.lightnessF() - under.lightnessF()) >= 0.5, name);
        }
    }
    QApplication::setPalette(original);
}

// Maximised, the window's content (background, table) fills the screen.
void tst_Widget::maximisedContentFillsTheWindow()
{
    writeFile(tree->path() + "/a.bin", 10);
    Widget w;
    QVERIFY(scanShown(w, tree->path()));
    w.showMaximized();
    QTRY_VERIFY(w.width() > 600 && w.height() > 500);
    auto *container = w.findChild<QWidget *>("widget");
    QTRY_COMPARE(container->size(), w.size());
    QVERIFY(table(w)->width() > w.width() - 40);
    QVERIFY(table(w)->height() > w.height() - 250);
}

// Tab goes combo, Scan, table, the title buttons and round again, never to
// a control out of sight; Enter presses Scan; Escape stops a running scan.
void tst_Widget::keyboard()
{
    writeFile(tree->path() + "/a.bin", 10);
    Widget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), combo(w));
    auto order = [&] {
        QStringList names;
        for (int i = 0; i < 7; ++i) {
            names << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return names;
    };
    QCOMPARE(order(), QStringList({"dircombo", "scanb", "config", "minb", "exitb", "dircombo", "scanb"}));

    w.setArgDirList({tree->path()});
    combo(w)->setFocus();
    QSignalSpy finished(w.scanSession(), &ScanSession::finished);
    QTest::keyClick(combo(w), Qt::Key_Return);
    QVERIFY(finished.wait(20000));
    QVERIFY(status(w)->text().startsWith("Scan Complete! "));
    combo(w)->setFocus();
    QCOMPARE(order(),
             QStringList({"dircombo", "scanb", "tableView", "config", "minb", "exitb", "dircombo"}));
}

void tst_Widget::enterAndDoubleClickShowInFolder_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("Enter") << false;
    QTest::newRow("double click") << true;
}

void tst_Widget::enterAndDoubleClickShowInFolder()
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

// Back from the tray the window is where it was, even if it was moved
// meanwhile (as a window manager may place a window that is mapped again);
// a click on the balloon brings it back too.
void tst_Widget::trayRestoresWhereItWas()
{
    Widget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.move(123, 77);
    const QRect before = w.geometry();
    auto *tray = w.findChild<QSystemTrayIcon *>();
    button(w, "minb")->click();
    QVERIFY(!w.isVisible());
    w.move(0, 0);
    Q_EMIT tray->activated(QSystemTrayIcon::Trigger);
    QVERIFY(w.isVisible());
    QCOMPARE(w.geometry(), before);

    button(w, "minb")->click();
    QVERIFY(!w.isVisible());
    Q_EMIT tray->messageClicked();
    QVERIFY(w.isVisible());
    QVERIFY(!tray->isVisible());
}

// The table fills from the running scan, without debug lines, before the
// walk has ended.
void tst_Widget::liveResults()
{
    makeTree(tree->path(), 2, 10);
    Widget w;
    w.show();
    w.setArgDirList({tree->path()});
    // Hold the walk at its fifth file until the table has shown what came
    // before it.
    QSemaphore release;
    QAtomicInt seen = 0;
    connect(w.scanSession()->walkerThread(), &walker::walkfile, this,
            [&](const QString &) {
                if (seen.fetchAndAddOrdered(1) == 4)
                    release.acquire();
            },
            Qt::DirectConnection);
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
    release.release();
    QVERIFY(finished.wait(20000));
    QCOMPARE(rowsOf(w, 0).size(), 20);
    QCOMPARE(log->lines().filter(sizeLine).size(), 2 * 20);
}

// A click on a header sorts by it: sizes by their bytes, paths by their text.
void tst_Widget::sortByHeaders()
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

// File names and directory lists holding markup show as they are in the
// status line, the table's tool-tips and the combo's tool-tip, and a picture
// they name is never loaded.
void tst_Widget::outsideTextShownLiterally_data()
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

void tst_Widget::outsideTextShownLiterally()
{
    QFETCH(QString, name);
    const QString path = tree->path() + "/" + name;
    writeFile(path, 10);
    Widget w;
    w.show();
    w.customdiraccepted(path + ";" + tree->path());
    QCOMPARE(shownToolTip(combo(w)->toolTip()), path + ";" + tree->path());
    QVERIFY(scanToCompletion(w));
    QCOMPARE(shownToolTip(table(w)->model()->index(0, 1).data(Qt::ToolTipRole).toString()),
             path);
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

int main(int argc, char *argv[])
{
    // Everything the window writes (settings, file manager entries) stays in
    // a sandbox, and nothing reaches a real session bus or update server.
    testsupport::Sandbox sandbox;
    if (!sandbox.isValid())
        return 1;
    qputenv("VASTREL_UPDATE_HOST", "127.0.0.1:9");
#ifdef Q_OS_WIN
    WindowsSandbox windows;
    windowsSandbox = &windows;
#endif

    QApplication app(argc, argv);
    // Figures are written in English whatever the machine's locale.
    QLocale::setDefault(QLocale::c());
    tst_Widget test(sandbox.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_widget.moc"
