#include "settings/windowstate.h"
#include "support/sandbox.h"
#include "support/settingsdir.h"

#include <QFile>
#include <QSettings>
#include <QTest>

Q_DECLARE_METATYPE(WindowState)

namespace {

bool writeIni(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

// The main window's saved state in the settings file's [window] group, and
// where a saved window goes on the screens there are at the next start.
class tst_WindowState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip();
    void readsWhatItCan_data();
    void readsWhatItCan();
};

// Everything saved reads back, beside the keys the file held before, which
// stay as they were; unset values leave no key behind.
void tst_WindowState::roundTrip()
{
    testsupport::SettingsDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeIni(dir.iniPath(), "[General]\ninit=true\nautoupdatecheck=0\ntopnumber=7\n"));

    WindowState state;
    state.size = QSize(900, 640);
    state.position = QPoint(-1200, 35);
    state.maximized = false;
    state.view = 1;
    state.files = {{0, 310, 0, 80}, 1, Qt::AscendingOrder};
    state.folders = {{95}, 2, Qt::DescendingOrder};
    state.save();
    QCOMPARE(WindowState::load(), state);
    QCOMPARE(dir.value("autoupdatecheck").toInt(), 0);
    QCOMPARE(dir.value("topnumber").toInt(), 7);
    QCOMPARE(dir.value("init").toBool(), true);

    WindowState::load().save();
    QCOMPARE(WindowState::load(), state);

    WindowState fewer;
    fewer.maximized = true;
    fewer.save();
    QCOMPARE(WindowState::load(), fewer);
    QSettings ini(dir.iniPath(), QSettings::IniFormat);
    QCOMPARE(ini.childGroups(), QStringList {"window"});
    ini.beginGroup("window");
    QCOMPARE(ini.childKeys(), QStringList {"maximized"});
}

// Each value that is missing, malformed or out of bounds is left unset on
// its own; the others are read.
void tst_WindowState::readsWhatItCan_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<WindowState>("expected");

    QTest::newRow("no group") << QByteArray() << WindowState();
    {
        WindowState state;
        state.position = QPoint(10, 20);
        QTest::newRow("size not a size")
            << QByteArray("[window]\nsize=big\nposition=@Point(10 20)\n") << state;
    }
    {
        WindowState state;
        state.maximized = true;
        QTest::newRow("huge size")
            << QByteArray("[window]\nsize=@Size(99999999 400)\nmaximized=true\n") << state;
    }
    {
        WindowState state;
        state.size = QSize(800, 500);
        QTest::newRow("far away position, unknown flag")
            << QByteArray("[window]\nsize=@Size(800 500)\nposition=@Point(40000 0)\n"
                          "maximized=perhaps\n")
            << state;
    }
    QTest::newRow("view out of range") << QByteArray("[window]\nview=99\n") << WindowState();
    QTest::newRow("view not a number") << QByteArray("[window]\nview=folders\n") << WindowState();
    {
        WindowState state;
        state.files.widths = {120, 0, 0, 75};
        state.folders.sortColumn = 3;
        state.folders.sortOrder = Qt::AscendingOrder;
        QTest::newRow("bad widths one by one")
            << QByteArray("[window]\nfilesColumns=120, -40, wide, 75\n"
                          "foldersColumns=0, 99999999\nfoldersSort=3, Ascending\n")
            << state;
    }
    QTest::newRow("sort malformed")
        << QByteArray("[window]\nfilesSort=1, sideways\nfoldersSort=-2, ascending\n")
        << WindowState();
    QTest::newRow("sort column too large")
        << QByteArray("[window]\nfilesSort=5000, descending\n") << WindowState();
    QTest::newRow("not a file at all")
        << QByteArray("\x00\xff\xfe[window\n=\n\x01", 14) << WindowState();
}

void tst_WindowState::readsWhatItCan()
{
    QFETCH(QByteArray, window);
    QFETCH(WindowState, expected);
    testsupport::SettingsDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeIni(dir.iniPath(), "[General]\ninit=true\n" + window));
    QCOMPARE(WindowState::load(), expected);
}

VASTREL_SANDBOXED_TEST_GUILESS_MAIN(tst_WindowState)

#include "tst_windowstate.moc"
