#include "app/translations.h"
#include "mainwindow/widget.h"
#include "widgettest.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QScopeGuard>
#include <QTabBar>
#include <QTranslator>

using widgettest::writeFile;

// The window in the user's language: the catalogue chosen from the locale at
// start, and English where none fits.
class tst_WidgetLanguage : public WidgetTest
{
    Q_OBJECT

public:
    using WidgetTest::WidgetTest;

private Q_SLOTS:
    void chosenCatalogue_data();
    void chosenCatalogue();
    void germanScan();
    void englishScan();
    void controlsHaveAccessibleNames();
};

namespace {

// Takes the installed catalogues out again when the case ends: deleting a
// translator removes it from the application.
auto englishAfterwards()
{
    return qScopeGuard([] { qDeleteAll(qApp->findChildren<QTranslator *>()); });
}

} // namespace

void tst_WidgetLanguage::chosenCatalogue_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("scanText");
    QTest::newRow("German") << "de_DE"
                            << "de"
                            << "Suchen";
    QTest::newRow("Austrian German") << "de_AT"
                                     << "de"
                                     << "Suchen";
    QTest::newRow("French") << "fr_FR"
                            << "fr"
                            << "Analyser";
    QTest::newRow("Spanish") << "es_MX"
                             << "es"
                             << "Analizar";
    QTest::newRow("Simplified Chinese") << "zh_CN"
                                        << "zh_CN"
                                        << "扫描";
    QTest::newRow("Traditional Chinese") << "zh_TW"
                                         << ""
                                         << "Scan";
    QTest::newRow("C") << "C"
                       << ""
                       << "Scan";
    QTest::newRow("English") << "en_GB"
                             << ""
                             << "Scan";
    QTest::newRow("no catalogue") << "fi_FI"
                                  << ""
                                  << "Scan";
}

void tst_WidgetLanguage::chosenCatalogue()
{
    const auto restore = englishAfterwards();
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QString, scanText);
    QCOMPARE(translations::install(qApp, QLocale(locale)), language);
    Widget w;
    QCOMPARE(button(w, "scanb")->text(), scanText);
}

void tst_WidgetLanguage::germanScan()
{
    const auto restore = englishAfterwards();
    QVERIFY(!translations::install(qApp, QLocale("de_DE")).isEmpty());
    writeFile(tree->path() + "/a.bin", 2048);
    writeFile(tree->path() + "/b.bin", 4096);
    Widget w;
    QCOMPARE(combo(w)->itemText(0), QString("Alle Laufwerke"));
    QSignalSpy finished(w.scanSession(), &ScanSession::finished);
    w.setArgDirList({tree->path()});
    button(w, "scanb")->click();
    QCOMPARE(button(w, "scanb")->text(), QString("Anhalten"));
    QVERIFY(finished.wait(20000));
    QVERIFY2(status(w)->text().startsWith("Suche abgeschlossen! 2 Dateien, "),
             qPrintable(status(w)->text()));
    // After the scan the button reads as it did before it.
    QCOMPARE(button(w, "scanb")->text(), QString("Suchen"));
}

void tst_WidgetLanguage::englishScan()
{
    const auto restore = englishAfterwards();
    QVERIFY(translations::install(qApp, QLocale::c()).isEmpty());
    writeFile(tree->path() + "/a.bin", 1048576);
    Widget w;
    QCOMPARE(combo(w)->itemText(0), QString("All Disks"));
    QCOMPARE(combo(w)->itemText(combo(w)->count() - 1), QString("Custom Scan"));
    QSignalSpy finished(w.scanSession(), &ScanSession::finished);
    w.setArgDirList({tree->path()});
    button(w, "scanb")->click();
    QCOMPARE(button(w, "scanb")->text(), QString("Stop"));
    QVERIFY(finished.wait(20000));
    QVERIFY2(status(w)->text().startsWith("Scan Complete! 1 file, 1.0 MB in "),
             qPrintable(status(w)->text()));
    QCOMPARE(button(w, "scanb")->text(), QString("Scan"));
}

// Every control the keyboard reaches in the main window tells a screen
// reader its name and purpose, and the table's size cells speak their unit.
void tst_WidgetLanguage::controlsHaveAccessibleNames()
{
    writeFile(tree->path() + "/a.bin", 1048576);
    Widget w;
    QVERIFY(scanShown(w, tree->path()));
    QWidget *control = &w;
    QStringList unnamed;
    do {
        control = control->nextInFocusChain();
        if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(&w))
            continue;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
        // A tab bar says what it is through its tabs.
        QAccessibleInterface *described = face;
        if (auto *tabs = qobject_cast<QTabBar *>(control); tabs && face)
            described = face->child(tabs->currentIndex());
        if (!face || !described || face->text(QAccessible::Name).isEmpty() ||
            described->text(QAccessible::Description).isEmpty())
            unnamed << control->objectName();
    } while (control != &w);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(' ')));

    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(table(w));
    QVERIFY(view && view->tableInterface());
    QAccessibleInterface *size = view->tableInterface()->cellAt(0, 0);
    QVERIFY(size);
    QCOMPARE(size->text(QAccessible::Name), QString("1.0 MB"));
}

int main(int argc, char *argv[])
{
    return WidgetTest::run<tst_WidgetLanguage>(argc, argv);
}

#include "tst_widgetlanguage.moc"
