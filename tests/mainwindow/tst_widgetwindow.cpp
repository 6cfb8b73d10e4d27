#include "config/config.h"
#include "customdir/customdir.h"
#include "fakeupdateserver.h"
#include "mainwindow/resultmodel.h"
#include "mainwindow/resultsmenu.h"
#include "mainwindow/statusline.h"
#include "mainwindow/widget.h"
#include "net/httpclient.h"
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

#include <algorithm>
#include <memory>

#ifdef Q_OS_WIN
#include "platform/platform.h"

#include <qt_windows.h>
#endif

using widgettest::writeFile;

// The window itself: the tray, exit, the configuration window, the update check at start, the file
// manager entries, colours, maximising and the keyboard.
class tst_WidgetWindow : public WidgetTest
{
    Q_OBJECT

public:
    using WidgetTest::WidgetTest;

private Q_SLOTS:
    void trayMinimiseAndRestore_data();
    void trayMinimiseAndRestore();
    void minimiseWithoutTray();
    void exitWhileHiddenEndsTheLoop();
    void configCountReachesTheWindow();
    void registersFileManagerEntries();
    void startUpUpdateCheck_data();
    void startUpUpdateCheck();
    void noStartUpCheckWhenSwitchedOff();
    void textOnThePictureFollowsThePicture_data();
    void textOnThePictureFollowsThePicture();
    void maximisedContentFillsTheWindow();
    void keyboard();
    void trayRestoresWhereItWas();
    void remembersTheWindow();
    void startsMaximisedWhenLeftSo();
};

void tst_WidgetWindow::trayMinimiseAndRestore_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("restores");
    QTest::newRow("single click") << int(QSystemTrayIcon::Trigger) << true;
    QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << true;
    QTest::newRow("middle click") << int(QSystemTrayIcon::MiddleClick) << false;
    QTest::newRow("context") << int(QSystemTrayIcon::Context) << false;
    QTest::newRow("unknown") << int(QSystemTrayIcon::Unknown) << false;
}

void tst_WidgetWindow::trayMinimiseAndRestore()
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

void tst_WidgetWindow::minimiseWithoutTray()
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

void tst_WidgetWindow::exitWhileHiddenEndsTheLoop()
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

void tst_WidgetWindow::configCountReachesTheWindow()
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

void tst_WidgetWindow::registersFileManagerEntries()
{
    Widget w;
#ifdef Q_OS_WIN
    // The Explorer verb, in the scratch registry.
    wchar_t value[1024];
    DWORD size = sizeof(value);
    QCOMPARE(RegGetValueW(widgettest::sandboxKey(), L"Directory\\shell\\Find Vastrel Here\\Command",
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
void tst_WidgetWindow::startUpUpdateCheck_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<bool>("opensConfig");
    QTest::newRow("current") << QByteArray("2.0.0") << "Already The Latest Version!" << false;
    QTest::newRow("announced") << QByteArray("2.0.1##http://example.org/v")
                               << "\"2.0.1\" \"http://example.org/v\"" << true;
    QTest::newRow("maintenance") << QByteArray("down") << "Sorry.update server maintain." << false;
}

void tst_WidgetWindow::startUpUpdateCheck()
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

void tst_WidgetWindow::noStartUpCheckWhenSwitchedOff()
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

// Text drawn on the window's background picture keeps a readable contrast
// with the picture under a light and a dark desktop palette alike.
void tst_WidgetWindow::textOnThePictureFollowsThePicture_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light palette") << false;
    QTest::newRow("dark palette") << true;
}

void tst_WidgetWindow::textOnThePictureFollowsThePicture()
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
void tst_WidgetWindow::maximisedContentFillsTheWindow()
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

// Tab goes combo, Scan, search field, table, the title buttons and round again, never to
// a control out of sight; Enter presses Scan; Escape stops a running scan.
void tst_WidgetWindow::keyboard()
{
    writeFile(tree->path() + "/a.bin", 10);
    Widget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), combo(w));
    auto order = [&](int count) {
        QStringList names;
        for (int i = 0; i < count; ++i) {
            names << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return names;
    };
    QCOMPARE(order(7),
             QStringList({"dircombo", "scanb", "config", "minb", "exitb", "dircombo", "scanb"}));

    w.setArgDirList({tree->path()});
    combo(w)->setFocus();
    QSignalSpy finished(w.scanSession(), &ScanSession::finished);
    QTest::keyClick(combo(w), Qt::Key_Return);
    QVERIFY(finished.wait(20000));
    QVERIFY(status(w)->text().startsWith("Scan Complete! "));
    combo(w)->setFocus();
    QCOMPARE(order(8),
             QStringList({"dircombo", "scanb", "filterEdit", "tableView", "config", "minb", "exitb",
                          "viewTabs"}));
}

// Back from the tray the window is where it was, even if it was moved
// meanwhile (as a window manager may place a window that is mapped again);
// a click on the balloon brings it back too.
void tst_WidgetWindow::trayRestoresWhereItWas()
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

// What the user made of the window comes back at the next start: the size it
// had with its results and its place, the view, the column widths dragged and
// the sort order of both tables. Nothing saved, it starts as it always has.
void tst_WidgetWindow::remembersTheWindow()
{
    makeTree(tree->path(), 3, 3);
    auto dragEdge = [](QTableView *view, int column, int by) {
        QHeaderView *header = view->horizontalHeader();
        const int edge = header->sectionViewportPosition(column) + header->sectionSize(column) - 1;
        const int y = header->height() / 2;
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(edge, y));
        QTest::mouseMove(header->viewport(), QPoint(edge + by, y));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(edge + by, y));
        return header->sectionSize(column);
    };
    auto foldersTable = [](Widget &w) {
        return w.findChild<QTableView *>("folderTable");
    };
    int filesWidth = 0, sharesWidth = 0;
    {
        Widget w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const int compactHeight = w.height();
        QVERIFY(compactHeight < 300);
        QVERIFY(scanShown(w, tree->path()));
        QCOMPARE(w.height(), qMax(400, w.minimumSizeHint().height()));

        w.move(60, 40);
        w.resize(620, 470);
        QTRY_COMPARE(w.pos(), QPoint(60, 40));
        const int fitted = table(w)->columnWidth(ResultModel::SizeColumn);
        filesWidth = dragEdge(table(w), ResultModel::SizeColumn, 50);
        QCOMPARE(filesWidth, fitted + 50);
        table(w)->sortByColumn(ResultModel::PathColumn, Qt::AscendingOrder);
        auto *tabs = w.findChild<QTabBar *>("viewTabs");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(tabs->currentIndex(), 1);
        sharesWidth = dragEdge(foldersTable(w), 1, 40);
        foldersTable(w)->sortByColumn(2, Qt::AscendingOrder);
        // A new scan fits the columns again, but not those the user sized.
        // (The search for copies after a scan holds the button until it ends.)
        QTRY_COMPARE(button(w, "scanb")->text(), QString("Scan"));
        w.setArgDirList({tree->path()});
        QVERIFY(scanToCompletion(w));
        QTRY_COMPARE(table(w)->columnWidth(ResultModel::SizeColumn), filesWidth);
        button(w, "exitb")->click();
    }
    QVERIFY(settingsDir->value("init").toBool());
    QCOMPARE(settingsDir->value("topnumber").toInt(), 100);

    Widget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Compact until there are results, at the saved place and width.
    QCOMPARE(w.pos(), QPoint(60, 40));
    QCOMPARE(w.width(), 620);
    QVERIFY(w.height() < 300);
    QVERIFY(scanShown(w, tree->path()));
    QCOMPARE(w.pos(), QPoint(60, 40));
    QCOMPARE(w.size(), QSize(620, 470));
    QCOMPARE(w.findChild<QTabBar *>("viewTabs")->currentIndex(), 1);
    QTRY_COMPARE(table(w)->columnWidth(ResultModel::SizeColumn), filesWidth);
    QCOMPARE(table(w)->horizontalHeader()->sortIndicatorSection(), int(ResultModel::PathColumn));
    QCOMPARE(table(w)->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    QStringList paths = rowsOf(w, ResultModel::PathColumn);
    QVERIFY(paths.size() > 1);
    QVERIFY(std::is_sorted(paths.cbegin(), paths.cend()));
    QTRY_COMPARE(foldersTable(w)->columnWidth(1), sharesWidth);
    QCOMPARE(foldersTable(w)->horizontalHeader()->sortIndicatorSection(), 2);
    QCOMPARE(foldersTable(w)->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
}

// Left maximised, the window starts maximised, border-less as the program
// shows it, and keeps the place it returns to.
void tst_WidgetWindow::startsMaximisedWhenLeftSo()
{
    {
        QSettings ini(iniPath(), QSettings::IniFormat);
        ini.setValue("window/maximized", true);
        ini.setValue("window/position", QPoint(30, 20));
        ini.setValue("window/size", QSize(600, 450));
    }
    {
        Widget w;
        w.setWindowFlags(Qt::FramelessWindowHint);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(w.isMaximized());
        w.close();
    }
    QCOMPARE(settingsDir->value("window/maximized").toBool(), true);
    QCOMPARE(settingsDir->value("window/position").toPoint(), QPoint(30, 20));
    QCOMPARE(settingsDir->value("window/size").toSize(), QSize(600, 450));
}

int main(int argc, char *argv[])
{
    return WidgetTest::run<tst_WidgetWindow>(argc, argv);
}

#include "tst_widgetwindow.moc"
