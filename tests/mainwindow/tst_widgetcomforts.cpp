#include "mainwindow/folderdrop.h"
#include "mainwindow/resultmodel.h"
#include "widgettest.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

using widgettest::writeFile;

// Dropping folders on the window, the search field over the results, and
// the title bar's double click.
class tst_WidgetComforts : public WidgetTest
{
    Q_OBJECT

public:
    using WidgetTest::WidgetTest;

private Q_SLOTS:
    void drop_data();
    void drop();
    void dropWhileScanning();
    void filterNarrowsRows();
    void filterKeys();
    void titleDoubleClickMaximises();

private:
    static QLineEdit *filter(Widget &w) { return w.findChild<QLineEdit *>("filterEdit"); }
    // Drops urls on the window's middle, as a file manager would.
    static void dropUrls(Widget &w, const QList<QUrl> &urls)
    {
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint at(w.width() / 2, 20);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &drop);
    }
    void makeFiles()
    {
        QVERIFY(QDir().mkpath(tree->path() + "/music"));
        QVERIFY(QDir().mkpath(tree->path() + "/Films"));
        writeFile(tree->path() + "/music/a.ogg", 30);
        writeFile(tree->path() + "/music/b.ogg", 20);
        writeFile(tree->path() + "/Films/MUSICAL.mkv", 40);
        writeFile(tree->path() + "/Films/other.mkv", 10);
        writeFile(tree->path() + "/notes.txt", 5);
    }
};

void tst_WidgetComforts::drop_data()
{
    QTest::addColumn<QStringList>("dropped"); // relative to the tree; "http:" as it is
    QTest::addColumn<QStringList>("scanned"); // rows found, relative to the tree
    QTest::addColumn<bool>("saysWhy");
    QTest::newRow("one folder") << QStringList {"music"}
                                << QStringList {"music/a.ogg", "music/b.ogg"} << false;
    QTest::newRow("two folders, a file beside")
        << QStringList {"music/", "Films", "notes.txt"}
        << QStringList {"Films/MUSICAL.mkv", "music/a.ogg", "music/b.ogg", "Films/other.mkv"}
        << false;
    QTest::newRow("a file") << QStringList {"notes.txt"} << QStringList {} << true;
    QTest::newRow("a remote folder")
        << QStringList {"http://127.0.0.1/music/"} << QStringList {} << true;
    QTest::newRow("a missing folder") << QStringList {"gone"} << QStringList {} << true;
}

void tst_WidgetComforts::drop()
{
    QFETCH(QStringList, dropped);
    QFETCH(QStringList, scanned);
    QFETCH(bool, saysWhy);
    makeFiles();
    QList<QUrl> urls;
    for (const QString &item : dropped)
        urls << (item.startsWith("http:") ? QUrl(item)
                                          : QUrl::fromLocalFile(tree->path() + '/' + item));
    Widget w;
    w.show();
    QSignalSpy finished(w.scanSession(), &ScanSession::finished);
    const int items = combo(w)->count();
    dropUrls(w, urls);
    if (saysWhy) {
        QCOMPARE(status(w)->text(),
                 QString("Nothing to scan: only folders on this computer can be dropped"));
        QVERIFY(!w.scanSession()->isRunning());
        QCOMPARE(combo(w)->count(), items);
        return;
    }
    QVERIFY(finished.wait(20000));
    QStringList expected;
    for (const QString &path : scanned)
        expected << tree->path() + '/' + path;
    QCOMPARE(rowsOf(w, ResultModel::PathColumn), expected);
    // The folders became the combo's target, as a command-line folder does.
    QCOMPARE(combo(w)->count(), items + 1);
    QVERIFY(combo(w)->currentText().contains(tree->path() + "/music"));
}

void tst_WidgetComforts::dropWhileScanning()
{
    makeFiles();
    Widget w;
    w.show();
    w.setArgDirList({tree->path()});
    QSignalSpy finished(w.scanSession(), &ScanSession::finished);
    button(w, "scanb")->click();
    if (!w.scanSession()->isRunning())
        QSKIP("The scan ended before the drop");
    dropUrls(w, {QUrl::fromLocalFile(tree->path() + "/music")});
    QCOMPARE(status(w)->text(), QString("A scan is running: stop it before dropping a folder"));
    QVERIFY(finished.wait(20000));
    QCOMPARE(rowsOf(w, ResultModel::PathColumn).size(), 5);
}

void tst_WidgetComforts::filterNarrowsRows()
{
    makeFiles();
    Widget w;
    QVERIFY(scanShown(w, tree->path()));
    QLineEdit *field = filter(w);
    QVERIFY(field);
    QVERIFY(!field->placeholderText().isEmpty());
    QTest::keyClicks(field, "mUsic");
    const QStringList music = {tree->path() + "/Films/MUSICAL.mkv", tree->path() + "/music/a.ogg",
                               tree->path() + "/music/b.ogg"};
    QCOMPARE(rowsOf(w, ResultModel::PathColumn), music);
    QVERIFY(status(w)->text().endsWith(" · 3 of 5 shown"));

    // Actions see the shown rows only: select all, copy, save.
    table(w)->setFocus();
    QTest::keyClick(table(w), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(table(w), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), music.join('\n'));

    // A new scan keeps the filter.
    QVERIFY(scanToCompletion(w));
    QCOMPARE(rowsOf(w, ResultModel::PathColumn), music);

    field->clear();
    QCOMPARE(rowsOf(w, ResultModel::PathColumn).size(), 5);
    QVERIFY(!status(w)->text().contains("shown"));
}

void tst_WidgetComforts::filterKeys()
{
    makeFiles();
    Widget w;
    QVERIFY(scanShown(w, tree->path()));
    QLineEdit *field = filter(w);
    table(w)->setFocus();
    QTest::keyClick(table(w), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(field->hasFocus());
    QTest::keyClicks(field, "ogg");
    QCOMPARE(rowsOf(w, ResultModel::PathColumn).size(), 2);
    QTest::keyClick(field, Qt::Key_Escape);
    QCOMPARE(field->text(), QString());
    QCOMPARE(rowsOf(w, ResultModel::PathColumn).size(), 5);

    // Escape in the empty field still stops a running scan.
    w.setArgDirList({tree->path()});
    QSignalSpy finished(w.scanSession(), &ScanSession::finished);
    button(w, "scanb")->click();
    if (!w.scanSession()->isRunning())
        QSKIP("The scan ended before Escape");
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(w.scanSession()->wasStopped());
    QVERIFY(finished.wait(20000));
}

void tst_WidgetComforts::titleDoubleClickMaximises()
{
    Widget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget *title = w.findChild<QWidget *>("label_3");
    QTest::mouseDClick(title, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_VERIFY(w.isMaximized());
    QTest::mouseDClick(title, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_VERIFY(!w.isMaximized());
    // Below the title bar a double click is not about the window.
    QTest::mouseDClick(status(w), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!w.isMaximized());
}

int main(int argc, char *argv[])
{
    return WidgetTest::run<tst_WidgetComforts>(argc, argv);
}

#include "tst_widgetcomforts.moc"
