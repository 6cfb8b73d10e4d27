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

// The scan target combo: the command-line directory, custom lists and the custom directory dialog.
class tst_WidgetTargets : public WidgetTest
{
    Q_OBJECT

public:
    using WidgetTest::WidgetTest;

private Q_SLOTS:
    void nextScanUsesTheChosenTarget();
    void customListsInTheCombo();
    void customDialogCancelAndEscape();
    void scanWalksTheChosenList();
};

// The command-line directory becomes the combo's current item; choosing
// another item scans that one.
void tst_WidgetTargets::nextScanUsesTheChosenTarget()
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

// Accepted lists go right after "Custom Scan", newest first; choosing one
// sets the roots from its text.
void tst_WidgetTargets::customListsInTheCombo()
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
void tst_WidgetTargets::customDialogCancelAndEscape()
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
void tst_WidgetTargets::scanWalksTheChosenList()
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

int main(int argc, char *argv[])
{
    return WidgetTest::run<tst_WidgetTargets>(argc, argv);
}

#include "tst_widgettargets.moc"
