#include "mainwindow/resultmodel.h"
#include "mainwindow/resultsmenu.h"
#include "scan/copyfinder.h"
#include "widgettest.h"

#include <QAction>
#include <QHeaderView>
#include <QSemaphore>

#include <atomic>

// Identical copies among the results: the Copies column, Select Extra
// Copies, stopping the search and its account on the status line.
class tst_WidgetCopies : public WidgetTest
{
    Q_OBJECT

public:
    using WidgetTest::WidgetTest;

private Q_SLOTS:
    void copiesMarkedAndSelected();
    void stopGivesUpTheSearch_data();
    void stopGivesUpTheSearch();
    void changedFileLeftOutAndNamed();

private:
    static void writeContent(const QString &path, const QByteArray &bytes,
                             const QDateTime &modified = {})
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
        if (modified.isValid())
            QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    static QByteArray content(char seed, int size)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            bytes[i] = char(seed + i * 7 % 251);
        return bytes;
    }
    static QAction *action(Widget &w, const char *name) { return w.findChild<QAction *>(name); }
    // The table's paths below root with their place texts, "/a.bin 1 of 2".
    static QStringList placesOf(Widget &w, const QString &root)
    {
        QStringList places;
        const QStringList paths = rowsOf(w, ResultModel::PathColumn);
        const QStringList texts = rowsOf(w, ResultModel::CopiesColumn);
        for (int row = 0; row < paths.size(); ++row)
            places << paths.at(row).mid(root.size()) + " " + texts.at(row);
        return places;
    }
};

// Two sets: the shortest path is kept, and of equally long ones the oldest;
// a file that differs only in its last byte is in neither.
void tst_WidgetCopies::copiesMarkedAndSelected()
{
    const QString root = tree->path();
    const QByteArray a = content('a', 200000), b = content('b', 100000);
    QByteArray notB = b;
    notB[notB.size() - 1] = 'x';
    const QDateTime now = QDateTime::currentDateTime();
    writeContent(root + "/x/one-copy.bin", a);
    writeContent(root + "/x/one.bin", a);
    writeContent(root + "/xx/one.bin", a);
    writeContent(root + "/p/b1.bin", b, now.addDays(-1));
    writeContent(root + "/p/b2.bin", b, now.addDays(-2));
    writeContent(root + "/p/b3.bin", notB, now.addDays(-3));
    writeContent(root + "/u.bin", content('u', 50000));
    Widget w;
    QVERIFY(scanShown(w, root));
    const QString summary = "2 sets of copies; 488.3 kB could be freed by keeping one of each";
    QTRY_VERIFY2_WITH_TIMEOUT(status(w)->text().endsWith("\n" + summary),
                              qPrintable(status(w)->text()), 10000);
    QCOMPARE(button(w, "scanb")->text(), QString("Scan"));

    // Sorted by its header, the sets come together, each in keeping order.
    QHeaderView *header = table(w)->horizontalHeader();
    const int x = header->sectionViewportPosition(ResultModel::CopiesColumn) + 5;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    QCOMPARE(placesOf(w, root),
             QStringList({"/x/one.bin 1 of 3", "/xx/one.bin 2 of 3", "/x/one-copy.bin 3 of 3",
                          "/p/b2.bin 1 of 2", "/p/b1.bin 2 of 2", "/p/b3.bin ", "/u.bin "}));
    const QString tip = shownToolTip(
        table(w)->model()->index(1, ResultModel::CopiesColumn).data(Qt::ToolTipRole).toString());
    QVERIFY2(tip.contains(root + "/x/one.bin\n" + root + "/x/one-copy.bin"), qPrintable(tip));

    QAction *selectExtra = action(w, "actionSelect_Extra_Copies");
    QVERIFY(selectExtra && selectExtra->isEnabled());
    QVERIFY(selectExtra->toolTip().contains("shortest path"));
    selectExtra->trigger();
    QStringList selected;
    for (const QModelIndex &index :
         table(w)->selectionModel()->selectedRows(ResultModel::PathColumn))
        selected << index.data().toString().mid(root.size());
    selected.sort();
    QCOMPARE(selected, QStringList({"/p/b1.bin", "/x/one-copy.bin", "/xx/one.bin"}));

#ifndef Q_OS_WIN
    // A copy that goes to the trash leaves its set; a set of one is none.
    auto *actions = table(w)->findChild<ResultsMenu *>();
    actions->confirm = [](const resultactions::TrashConfirmation &) {
        return true;
    };
    table(w)->selectRow(1);
    QTest::keyClick(table(w), Qt::Key_Delete);
    table(w)->selectRow(3);
    QTest::keyClick(table(w), Qt::Key_Delete);
    QCOMPARE(placesOf(w, root),
             QStringList({"/x/one.bin 1 of 2", "/x/one-copy.bin 2 of 2", "/p/b2.bin ", "/p/b3.bin ",
                          "/u.bin "}));
#endif
}

void tst_WidgetCopies::stopGivesUpTheSearch_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Stop") << false;
    QTest::newRow("Escape") << true;
}

// The search is held in its first read; Stop or Escape gives it up at once,
// and what it finds later is dropped. Find Copies then runs it again.
void tst_WidgetCopies::stopGivesUpTheSearch()
{
    QFETCH(bool, escape);
    const QByteArray a = content('a', 300000);
    writeContent(tree->path() + "/a1.bin", a);
    writeContent(tree->path() + "/a2.bin", a);
    Widget w;
    auto *search = w.findChild<CopySearch *>();
    QVERIFY(search);
    QSemaphore entered, gate;
    std::atomic<bool> held {false};
    search->setReadHook([&](const QString &) {
        if (!held.exchange(true)) {
            entered.release();
            gate.acquire();
        }
    });
    QVERIFY(scanShown(w, tree->path()));
    QVERIFY(entered.tryAcquire(1, 10000));
    QCOMPARE(button(w, "scanb")->text(), QString("Stop"));
    QVERIFY2(status(w)->text().contains("\nLooking for copies: "), qPrintable(status(w)->text()));
    QVERIFY(!action(w, "actionFind_Copies")->isEnabled());

    if (escape)
        QTest::keyClick(table(w), Qt::Key_Escape);
    else
        button(w, "scanb")->click();
    QCOMPARE(button(w, "scanb")->text(), QString("Scan"));
    QVERIFY(status(w)->text().endsWith("\nLooking for copies stopped."));
    QVERIFY(search->isRunning());
    gate.release();
    QTRY_VERIFY_WITH_TIMEOUT(!search->isRunning(), 5000);
    QCoreApplication::processEvents();
    QCOMPARE(rowsOf(w, ResultModel::CopiesColumn), QStringList({"", ""}));
    QVERIFY(status(w)->text().endsWith("\nLooking for copies stopped."));

    QAction *find = action(w, "actionFind_Copies");
    QVERIFY(find->isEnabled());
    find->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(rowsOf(w, ResultModel::CopiesColumn),
                              QStringList({"1 of 2", "2 of 2"}), 10000);
    QVERIFY(!find->isEnabled());
}

// A file that changes while it is read is no copy; the status line says so
// and names it in its tool-tip.
void tst_WidgetCopies::changedFileLeftOutAndNamed()
{
    const QByteArray a = content('a', 5000);
    const QString changed = tree->path() + "/a2.bin";
    writeContent(tree->path() + "/a1.bin", a);
    writeContent(changed, a);
    Widget w;
    w.findChild<CopySearch *>()->setReadHook([&](const QString &path) {
        if (path == changed) {
            QFile file(path);
            if (file.open(QIODevice::Append))
                file.write("more");
        }
    });
    QVERIFY(scanShown(w, tree->path()));
    QTRY_VERIFY2_WITH_TIMEOUT(
        status(w)->text().endsWith(
            "\nNo copies among the listed files; 1 file left out of the comparison"),
        qPrintable(status(w)->text()), 10000);
    QVERIFY2(shownToolTip(status(w)->toolTip()).startsWith(changed + ": "),
             qPrintable(status(w)->toolTip()));
    QCOMPARE(rowsOf(w, ResultModel::CopiesColumn), QStringList({"", ""}));
    QVERIFY(!action(w, "actionSelect_Extra_Copies")->isEnabled());
}

int main(int argc, char *argv[])
{
    return WidgetTest::run<tst_WidgetCopies>(argc, argv);
}

#include "tst_widgetcopies.moc"
