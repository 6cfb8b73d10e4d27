#include "settings/scansettings.h"
#include "settings/settings.h"
#include "support/sandbox.h"
#include "support/settingsdir.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>

#include <memory>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The options as one comparable value.
QVariantMap fields(const ScanOptions &options)
{
    return {{"includeHidden", options.includeHidden},
            {"oneFileSystem", options.oneFileSystem},
            {"skipNetwork", options.skipNetwork},
            {"excludes", options.excludes},
            {"minSize", options.minSize},
            {"types", options.types},
            {"olderThanDays", options.olderThanDays},
            {"rankBy", int(options.rankBy)}};
}

// A settings file as the version without scan options writes it.
const QByteArray todaysFile = "[General]\ninit=true\nautoupdatecheck=0\ntopnumber=7\n";

} // namespace

// The scan options in the settings file: read from files of older versions,
// written so that older versions still read theirs, and bad values.
class tst_ScanSettings : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<testsupport::SettingsDir> app;
    QString iniPath() const { return app->iniPath(); }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void roundTripBesideOlderKeys();
    void badValuesGiveDefaults_data();
    void badValuesGiveDefaults();
};

void tst_ScanSettings::initTestCase()
{
    // QStandardPaths' own sandbox on top: its writable places below ~/.qttest.
    QStandardPaths::setTestModeEnabled(true);
}

void tst_ScanSettings::init()
{
    app = std::make_unique<testsupport::SettingsDir>();
    QVERIFY(app->isValid());
    QCOMPARE(settings::filePath(), iniPath());
}

void tst_ScanSettings::cleanup()
{
    app.reset();
}

void tst_ScanSettings::roundTripBesideOlderKeys()
{
    // A file from the older version gives the defaults, and reading it
    // writes nothing.
    QVERIFY(writeFile(iniPath(), todaysFile));
    ScanOptions options;
    options.skipNetwork = true; // "All Disks" must not crawl a network share
    QCOMPARE(fields(scansettings::load()), fields(options));
    QCOMPARE(readFile(iniPath()), todaysFile);

    options.includeHidden = true;
    options.oneFileSystem = true;
    options.skipNetwork = false;
    options.excludes = {"/mnt/backup", "/home/ann/a, b \"c\"", "/home/ann/caf\u00e9"};
    options.minSize = qint64(3) << 40;
    options.types = {"mkv", "mp4", "iso"};
    options.olderThanDays = 400;
    options.rankBy = SizeKind::OnDisk;
    scansettings::save(options);

    QCOMPARE(fields(scansettings::load()), fields(options));

    // A version that knows only the old keys reads the same values as before,
    // and its own writes leave the new group alone.
    {
        QSettings older(iniPath(), QSettings::IniFormat);
        QCOMPARE(older.value("init").toBool(), true);
        QCOMPARE(older.value("autoupdatecheck").toBool(), false);
        QCOMPARE(older.value("topnumber").toInt(), 7);
        older.setValue("topnumber", 50);
    }
    // The older keys first, in General; their order and line ends are Qt's
    // (sorted with LF on Unix, as written with CR LF on Windows).
    const QByteArray text = readFile(iniPath()).replace("\r\n", "\n");
    QVERIFY(text.startsWith("[General]\n"));
    QByteArrayList general = text.mid(10, text.indexOf("\n\n") - 10).split('\n');
    std::sort(general.begin(), general.end());
    QCOMPARE(general, QByteArrayList({"autoupdatecheck=0", "init=true", "topnumber=50"}));
    QCOMPARE(fields(scansettings::load()), fields(options));
}

void tst_ScanSettings::badValuesGiveDefaults_data()
{
    QTest::addColumn<QByteArray>("scanGroup");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("hidden: not a boolean")
        << QByteArray("includehidden=banana") << "includeHidden" << QVariant(false);
    QTest::newRow("network: not a boolean")
        << QByteArray("skipnetwork=maybe") << "skipNetwork" << QVariant(true);
    QTest::newRow("size: negative") << QByteArray("minsize=-5") << "minSize" << QVariant(0);
    QTest::newRow("days: more than a century")
        << QByteArray("olderthandays=999999") << "olderThanDays" << QVariant(0);
    QTest::newRow("rank by: unknown")
        << QByteArray("rankby=colour") << "rankBy" << QVariant(int(SizeKind::Apparent));
    QTest::newRow("rank by: disk, any case")
        << QByteArray("rankby=Disk") << "rankBy" << QVariant(int(SizeKind::OnDisk));
    QTest::newRow("types: written by hand") << QByteArray("types=\"*.MKV, .Mp4, a/b, mkv, ?\"")
                                            << "types" << QVariant(QStringList({"mkv", "mp4"}));
    QTest::newRow("exclude: relative and unclean")
        << QByteArray("exclude=relative/dir, /mnt//backup/, /mnt/backup") << "excludes"
        << QVariant(QStringList({"/mnt/backup"}));
}

void tst_ScanSettings::badValuesGiveDefaults()
{
    QFETCH(QByteArray, scanGroup);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);
    QVERIFY(writeFile(iniPath(), todaysFile + "\n[scan]\n" + scanGroup + "\n"));
    QCOMPARE(fields(scansettings::load()).value(field), expected);
}

// The per-user configuration directory must never be the real one.
VASTREL_SANDBOXED_TEST_GUILESS_MAIN(tst_ScanSettings)

#include "tst_scansettings.moc"
