#include "app/settings.h"
#include "config/config.h"
#include "customdir/customdir.h"
#include "customdir/directorychooser.h"
#include "fakeupdateserver.h"
#include "mainwindow/widget.h"
#include "net/httpclient.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Debug lines written while a test runs.
QStringList capturedLines;
QtMessageHandler previousHandler = nullptr;

void captureMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg)
        capturedLines << message;
    else if (previousHandler)
        previousHandler(type, context, message);
}

// Receives every URL the program asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl &url) { urls << url; }
};

void writeFile(const QString &path, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(size));
}

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
        status(w)->clear(); // the previous scan's end must not count
        button(w, "scanb")->click();
        return QTest::qWaitFor([&] { return status(w)->text() == "Scan Complete!"; }, 20000);
    }

    static QStringList walkLines()
    {
        QStringList lines;
        for (const QString &line : std::as_const(capturedLines)) {
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

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void construction();
    void formMatchesDesign_data();
    void formMatchesDesign();
    void commandLineScan();
    void nextScanUsesTheChosenTarget();
    void resultCount_data();
    void resultCount();
    void emptyResult();
    void stopWaitsForTheWalkToEnd();
    void destroyDuringWalk();
    void customListsInTheCombo();
    void customDialogCancelAndEscape();
    void scanWalksTheChosenList();
    void trayMinimiseAndRestore_data();
    void trayMinimiseAndRestore();
    void minimiseWithoutTray();
    void resultsMenuOpensAtTheCursor();
    void showInFolder();
    void configCountReachesTheWindow();
    void registersFileManagerEntries();
    void startUpUpdateCheck_data();
    void startUpUpdateCheck();
    void noStartUpCheckWhenSwitchedOff();
    void exitWhileHiddenEndsTheLoop();
};

void tst_Widget::initTestCase()
{
    previousHandler = qInstallMessageHandler(captureMessage);
    QVERIFY(QDir().mkpath(sandbox + "/app"));
    settings::setApplicationDirOverride(sandbox + "/app");
}

void tst_Widget::init()
{
    resetSettings();
    capturedLines.clear();
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

void tst_Widget::construction()
{
    Widget w;
    QCOMPARE(w.size(), QSize(500, 150));
    QCOMPARE(w.windowTitle(), QString("Vastrel"));
    QCOMPARE(button(w, "scanb")->text(), QString("Scan"));
    QVERIFY(status(w)->text().isEmpty());
    QVERIFY(!table(w)->model());
    QVERIFY(table(w)->geometry().top() > w.height());
    QStringList items;
    for (int i = 0; i < combo(w)->count(); ++i)
        items << combo(w)->itemText(i);
    QCOMPARE(items.first(), QString("All Disks"));
    QCOMPARE(items.last(), QString("Custom Scan"));
    QVERIFY(items.contains("/"));
    QCOMPARE(combo(w)->toolTip(), QString("All Disks"));
    QVERIFY(!capturedLines.contains("set ture"));
}

// Every control of the form: its parent, geometry and style sheet, in
// creation order (which is also the keyboard focus order).
void tst_Widget::formMatchesDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("styleSheet");

    const QString s2 = "gridline-color: rgb(5, 5, 71);";
    auto round = [](const char *name, const char *color) {
        return QString(
                   "#%1{border-style: outset;\n     border-width: 2px;\n     border-radius: 10px;\n"
                   "     border-color: yellow;\n\t color:%2;}")
            .arg(name, color);
    };
    auto picture = [](const char *name, const char *image) {
        return QString("#%1{\n    border-image: url(:/image/image/%2.bmp) ;\n}\n#%1:hover{\n"
                       "    border-image: url(:/image/image/%2_hover.bmp) ;\n}\n#%1:pressed{\n"
                       "    border-image: url(:/image/image/%2_down.bmp) ;\n}")
            .arg(name, image);
    };
    const QString close =
        "#exitb{\n    border-image: url(:/image/image/close.bmp) 2;\n    border-width: 2;\n}\n"
        "#exitb:hover{\n    border-image: url(:/image/image/close_hover.bmp) 2;\n"
        "    border-width: 2;\n}\n#exitb:pressed{\n"
        "    border-image: url(:/image/image/close_down.bmp) 2;\n    border-width: 2;\n}";
    QTest::newRow("scanb") << "scanb" << QRect(200, 90, 91, 31) << "";
    QTest::newRow("tableView") << "tableView" << QRect(9, 161, 481, 231) << s2;
    QTest::newRow("exitb") << "exitb" << QRect(480, 0, 20, 16) << close;
    QTest::newRow("currentfile") << "currentfile" << QRect(10, 130, 481, 20) << "";
    QTest::newRow("dirlist") << "dirlist" << QRect(524, 25, 171, 70) << s2;
    QTest::newRow("add") << "add" << QRect(528, 97, 16, 16) << round("add", "green");
    QTest::newRow("deleteb") << "deleteb" << QRect(548, 97, 16, 16) << round("deleteb", "red");
    QTest::newRow("okb") << "okb" << QRect(672, 96, 21, 16) << round("okb", "yellow");
    QTest::newRow("config") << "config" << QRect(438, 0, 20, 16) << picture("config", "menu");
    QTest::newRow("minb") << "minb" << QRect(459, 0, 20, 16) << picture("minb", "min");
    QTest::newRow("label_3") << "label_3" << QRect(5, 4, 111, 16) << "";
    QTest::newRow("dircombo") << "dircombo" << QRect(120, 50, 261, 22) << "";
}

void tst_Widget::formMatchesDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, styleSheet);

    Widget w;
    auto *container = w.findChild<QWidget *>("widget");
    QVERIFY(container);
    QCOMPARE(container->styleSheet(),
             QString("#widget {background-image: url(:/image/image/newback.png);}\n"));
    auto *control = w.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), container);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->styleSheet(), styleSheet);

    const QStringList order = {"scanb",   "tableView", "exitb",   "currentfile",
                               "dirlist", "add",       "deleteb", "okb",
                               "config",  "minb",      "label_3", "dircombo"};
    QStringList created;
    for (QObject *child : container->children()) {
        if (order.contains(child->objectName()))
            created << child->objectName();
    }
    QCOMPARE(created, order);
}

// A directory handed over on the command line is scanned at once; the table
// lists the largest files first with their sizes in MB.
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
    w.setArgDirList({root});
    w.on_scanb_clicked();
    QCOMPARE(button(w, "scanb")->text(), QString("Stop"));
    QCOMPARE(w.size(), QSize(500, 150));
    QTRY_COMPARE_WITH_TIMEOUT(status(w)->text(), QString("Scan Complete!"), 20000);

    QCOMPARE(w.size(), QSize(500, 400));
    QCOMPARE(button(w, "scanb")->text(), QString("Scan"));
    QCOMPARE(rowsOf(w, 0), QStringList({"117.738", "1.5", "1", "0.00146484", "0"}));
    QCOMPARE(rowsOf(w, 1),
             QStringList({root + "/sub/deeper/big.bin", root + "/sub/mid.bin", root + "/exact.bin",
                          root + "/small.bin", root + "/empty.bin"}));
    QCOMPARE(table(w)->model()->headerData(0, Qt::Horizontal).toString(), QString("Size(Mb)"));
    QCOMPARE(table(w)->model()->headerData(1, Qt::Horizontal).toString(), QString("Path"));
    QCOMPARE(table(w)->textElideMode(), Qt::ElideNone);

    QCOMPARE(capturedLines.count("set ture"), 1);
    QVERIFY(capturedLines.contains(QString("(\"%1\")").arg(root)));
    QCOMPARE(walkLines(), QStringList {root});
    // One size line per row while the ranking hands out its entries, one
    // while the table is filled.
    const QRegularExpression sizeLine(R"(^[0-9.e+]+ : ".*"$)");
    QCOMPARE(capturedLines.filter(sizeLine).size(), 2 * 5);
    QVERIFY(capturedLines.contains(QString("117.738 : \"%1/sub/deeper/big.bin\"").arg(root)));
}

void tst_Widget::nextScanUsesTheChosenTarget()
{
    QTemporaryDir chosen;
    writeFile(chosen.path() + "/chosen.bin", 10);
    writeFile(tree->path() + "/argument.bin", 10);

    Widget w;
    w.customdiraccepted(chosen.path());
    QCOMPARE(combo(w)->currentText(), chosen.path());
    w.setArgDirList({tree->path()});
    QVERIFY(scanToCompletion(w));
    QCOMPARE(rowsOf(w, 1), QStringList {tree->path() + "/argument.bin"});
    QVERIFY(scanToCompletion(w));
    QCOMPARE(rowsOf(w, 1), QStringList {chosen.path() + "/chosen.bin"});
    QCOMPARE(walkLines(), QStringList({tree->path(), chosen.path()}));
}

// The count announced by the configuration window keeps its low 32 bits.
void tst_Widget::resultCount_data()
{
    QTest::addColumn<qulonglong>("announced");
    QTest::addColumn<int>("rows");
    QTest::newRow("3") << qulonglong(3) << 3;
    QTest::newRow("more than the files") << qulonglong(250) << 12;
    QTest::newRow("low 32 bits of 2^32 + 5") << ((qulonglong(1) << 32) + 5) << 5;
    QTest::newRow("2^31 wraps negative") << (qulonglong(1) << 31) << 0;
    QTest::newRow("largest int") << qulonglong(2147483647) << 12;
}

void tst_Widget::resultCount()
{
    QFETCH(qulonglong, announced);
    QFETCH(int, rows);
    for (int i = 0; i < 12; ++i)
        writeFile(QString("%1/f%2").arg(tree->path()).arg(i), 100 + i);

    Widget w;
    w.topNumberChanged(ulong(announced));
    w.setArgDirList({tree->path()});
    QVERIFY(scanToCompletion(w));
    QCOMPARE(rowsOf(w, 0).size(), rows);
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

// After "Stop" the button reads "Scan" but stays disabled until the walk has
// really ended; the table then shows what was found so far.
void tst_Widget::stopWaitsForTheWalkToEnd()
{
    for (int d = 0; d < 40; ++d) {
        const QString dir = QString("%1/d%2").arg(tree->path()).arg(d);
        QVERIFY(QDir().mkpath(dir));
        for (int f = 0; f < 100; ++f)
            writeFile(QString("%1/f%2").arg(dir).arg(f), f);
    }
    Widget w;
    w.setArgDirList({tree->path()});
    QPushButton *scanb = button(w, "scanb");
    scanb->click();
    scanb->click();
    QCOMPARE(scanb->text(), QString("Scan"));
    if (status(w)->text() != "Scan Complete!")
        QVERIFY(!scanb->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(status(w)->text(), QString("Scan Complete!"), 20000);
    QVERIFY(scanb->isEnabled());
    QVERIFY(rowsOf(w, 0).size() <= 10);
    QCOMPARE(capturedLines.filter(QRegularExpression("^\\d+$")).size(), 1); // the count line
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

    for (const QString &list : {QString("/a;/b"), QString("/c")}) {
        dircombo->setCurrentIndex(custom);
        QTRY_COMPARE(topLevel<CustomDir>().size(), 1);
        CustomDir *dialog = topLevel<CustomDir>().first();
        Q_EMIT dialog->customdircomplete(list); // what its OK button sends
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVERIFY(capturedLines.contains("\"/a;/b\""));
    QVERIFY(capturedLines.contains("\"/c\""));
    QCOMPARE(dircombo->itemText(custom + 1), QString("/c"));
    QCOMPARE(dircombo->itemText(custom + 2), QString("/a;/b"));
    QCOMPARE(dircombo->currentIndex(), custom + 1);
    QCOMPARE(dircombo->toolTip(), QString("/c"));

    dircombo->setCurrentIndex(custom + 2);
    QCOMPARE(dircombo->toolTip(), QString("/a;/b"));
    capturedLines.clear();
    w.findChild<QPushButton *>("scanb")->click();
    QTRY_COMPARE(status(w)->text(), QString("Scan Complete!"));
    QVERIFY(capturedLines.contains("(\"/a\", \"/b\")"));
    QCOMPARE(walkLines(), QStringList({"/a", "/b"}));
}

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

    // Escape answers nothing: the combo stays on "Custom Scan" and the roots
    // stay those of the previous choice.
    w.customdiraccepted(tree->path());
    writeFile(tree->path() + "/kept.bin", 1);
    custom = dircombo->findText("Custom Scan");
    dircombo->setCurrentIndex(custom);
    QTRY_COMPARE(topLevel<CustomDir>().size(), 1);
    dialog = topLevel<CustomDir>().first();
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(!dialog);
    QCOMPARE(dircombo->currentIndex(), custom);
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

    capturedLines.clear();
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
    w.show();
    w.setArgDirList({tree->path()});
    QVERIFY(scanToCompletion(w));
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
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().first()->text(), QString("Show in folder"));
    menu->close();
}

// Without a current row nothing is revealed; with one, the file's folder is
// opened when no file manager answers over D-Bus.
void tst_Widget::showInFolder()
{
    const QString name = tree->path() + "/with #hash %41, comma.bin";
    writeFile(name, 10);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");

    Widget w;
    w.setArgDirList({tree->path()});
    QVERIFY(scanToCompletion(w));
    QAction *showInFolder = w.findChild<QAction *>("actionOpen_in_Dir");
    capturedLines.clear();
    table(w)->setCurrentIndex(QModelIndex());
    showInFolder->trigger();
    QCOMPARE(capturedLines, QStringList {"\"\""});

    table(w)->setCurrentIndex(table(w)->model()->index(0, 0));
    showInFolder->trigger();
    QCOMPARE(capturedLines.size(), 3);
    QCOMPARE(capturedLines.at(1), QString("\"%1\"").arg(name));
    QTRY_COMPARE_WITH_TIMEOUT(catcher.urls.size(), 1, 10000);
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(catcher.urls.first(), QUrl::fromLocalFile(tree->path()));
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
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    QVERIFY(data.startsWith(sandbox));
    QVERIFY(QFile::exists(data + "/nautilus/scripts/Find Vastrel Here"));
    const QString program = QCoreApplication::applicationFilePath();
    QVERIFY(capturedLines.filter(program).size() >= 1);
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
    QTRY_VERIFY(capturedLines.contains(logged));
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

int main(int argc, char *argv[])
{
    // Everything the window writes (settings, file manager entries) stays in
    // a sandbox, and nothing reaches a real session bus or update server.
    QTemporaryDir sandbox;
    if (!sandbox.isValid())
        return 1;
    qputenv("HOME", sandbox.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (sandbox.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (sandbox.path() + "/data").toLocal8Bit());
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + sandbox.path().toLocal8Bit() + "/no-bus");
    qputenv("VASTREL_UPDATE_HOST", "127.0.0.1:9");

    QApplication app(argc, argv);
    tst_Widget test(sandbox.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_widget.moc"
