#include "settings/settings.h"
#include "support/messagecapture.h"
#include "support/sandbox.h"
#include "support/settingsdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

// The settings file: first-run defaults, later starts, how the update-check
// wish reads back, and where the file lives. Every case uses its own
// directory as the application directory; the per-user configuration
// directory lies in a temporary home set up by main().
class tst_Settings : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<testsupport::SettingsDir> app;
    QString appPath() const { return app->path(); }
    QString appFile(const QString &name) const { return app->filePath(name); }
    QString fallbackFile() const
    {
        return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
            .filePath(QStringLiteral("Vastrel.ini"));
    }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void firstRun();
    void laterStartChangesNothing_data();
    void laterStartChangesNothing();
    void autoUpdateCheck_data();
    void autoUpdateCheck();
    void location_data();
    void location();
};

void tst_Settings::initTestCase()
{
    // QStandardPaths' own sandbox on top: its writable places below ~/.qttest.
    QStandardPaths::setTestModeEnabled(true);
}

void tst_Settings::init()
{
    app = std::make_unique<testsupport::SettingsDir>();
    QVERIFY(app->isValid());
    QDir(QFileInfo(fallbackFile()).absolutePath()).removeRecursively();
}

void tst_Settings::cleanup()
{
    app.reset();
    QDir(QFileInfo(fallbackFile()).absolutePath()).removeRecursively();
}

void tst_Settings::firstRun()
{
    const QString beside = appFile(QStringLiteral("Vastrel.ini"));
    QStringList debugMessages;
    {
        testsupport::MessageCapture capture;
        settings::initSetting();
        debugMessages = capture.take();
    }

    QCOMPARE(debugMessages, QStringList {QLatin1Char('"') + appPath() + QLatin1Char('"')});
    QCOMPARE(settings::filePath(), beside);
    QSettings file(beside, QSettings::IniFormat);
    QCOMPARE(file.allKeys().size(), 3);
    QCOMPARE(file.value(QStringLiteral("init")).toString(), QStringLiteral("true"));
    QCOMPARE(file.value(QStringLiteral("autoupdatecheck")).toString(), QStringLiteral("true"));
    QCOMPARE(file.value(QStringLiteral("topnumber")).toString(), QStringLiteral("100"));
    QVERIFY(!QFile::exists(fallbackFile()));
}

void tst_Settings::laterStartChangesNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("autoUpdate");

    QTest::newRow("only init") << QByteArray("[General]\ninit=true\n") << true;
    QTest::newRow("user values") << QByteArray(
                                        "[General]\ninit=true\nautoupdatecheck=0\ntopnumber=7\n")
                                 << false;
}

// Once "init" is true, a start writes nothing, even where keys are missing.
void tst_Settings::laterStartChangesNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, autoUpdate);

    const QString beside = appFile(QStringLiteral("Vastrel.ini"));
    QVERIFY(writeFile(beside, content));
    settings::initSetting();
    QCOMPARE(readFile(beside), content);
    QCOMPARE(settings::autoUpdateCheck(), autoUpdate);

    // A file the program initialised itself stays as it is, too.
    QVERIFY(QFile::remove(beside));
    settings::initSetting();
    const QByteArray first = readFile(beside);
    QVERIFY(first.contains("topnumber=100"));
    settings::initSetting();
    QCOMPARE(readFile(beside), first);
}

void tst_Settings::autoUpdateCheck_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("expected");

    QTest::newRow("absent") << QByteArray("[General]\ninit=true\n") << true;
    QTest::newRow("no file") << QByteArray() << true;
    QTest::newRow("0 (unchecked box)") << QByteArray("[General]\nautoupdatecheck=0\n") << false;
    QTest::newRow("2 (checked box)") << QByteArray("[General]\nautoupdatecheck=2\n") << true;
    QTest::newRow("true") << QByteArray("[General]\nautoupdatecheck=true\n") << true;
    QTest::newRow("false") << QByteArray("[General]\nautoupdatecheck=false\n") << false;
}

void tst_Settings::autoUpdateCheck()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, expected);
    if (!content.isEmpty())
        QVERIFY(writeFile(appFile(QStringLiteral("Vastrel.ini")), content));
    QCOMPARE(settings::autoUpdateCheck(), expected);
}

void tst_Settings::location_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("beside");

    QTest::newRow("writable directory") << "writable" << true;
    QTest::newRow("file beside wins over the per-user file") << "both files" << true;
    QTest::newRow("directory that cannot take a file") << "unwritable" << false;
    QTest::newRow("existing file in a read-only directory") << "read-only with file" << true;
}

// The file lives beside the executable when it exists there or can be made
// there; otherwise values go to the per-user configuration directory and are
// read back from it.
void tst_Settings::location()
{
    QFETCH(QString, setup);
    QFETCH(bool, beside);

    QString dir = appPath();
    if (setup == QLatin1String("unwritable")) {
        // Below a regular file nothing can be created, not even by root.
        QVERIFY(writeFile(appFile(QStringLiteral("plainfile")), "x"));
        dir = appFile(QStringLiteral("plainfile/bin"));
    } else if (setup == QLatin1String("both files")) {
        QVERIFY(writeFile(fallbackFile(), "[General]\nautoupdatecheck=0\n"));
        QVERIFY(
            writeFile(appFile(QStringLiteral("Vastrel.ini")), "[General]\nautoupdatecheck=2\n"));
    } else if (setup == QLatin1String("read-only with file")) {
        QVERIFY(writeFile(appFile(QStringLiteral("Vastrel.ini")), "[General]\ninit=true\n"));
        QVERIFY(QFile::setPermissions(appPath(), QFile::ReadOwner | QFile::ExeOwner));
        QFile probe(appFile(QStringLiteral("probe")));
        const bool stillWritable = probe.open(QIODevice::WriteOnly);
        if (stillWritable)
            probe.remove();
        if (stillWritable) {
            QFile::setPermissions(appPath(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("permissions do not bind this user (root)");
        }
    }
    settings::setApplicationDirOverride(dir);

    const QString expected =
        beside ? QDir(dir).filePath(QStringLiteral("Vastrel.ini")) : fallbackFile();
#ifdef Q_OS_WIN
    // Windows has no variable that moves the per-user folder: it is Qt's
    // test-mode folder there, set aside for tests.
    QVERIFY2(expected.startsWith(QDir::tempPath()) || expected.contains(QLatin1String("/qttest/")),
             qPrintable(expected));
#else
    QVERIFY2(expected.startsWith(QDir::tempPath()), qPrintable(expected));
#endif
    QCOMPARE(settings::filePath(), expected);

    if (setup == QLatin1String("both files")) {
        QCOMPARE(settings::autoUpdateCheck(), true);
    } else if (setup == QLatin1String("read-only with file")) {
        settings::initSetting();
        QCOMPARE(readFile(expected), QByteArray("[General]\ninit=true\n"));
        QFile::setPermissions(appPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    } else {
        settings::initSetting();
        settings::open()->setValue(QStringLiteral("autoupdatecheck"), 0);
        QCOMPARE(settings::autoUpdateCheck(), false);
        QVERIFY(readFile(expected).contains("topnumber=100"));
        QCOMPARE(QFile::exists(fallbackFile()), !beside);
    }
}

// The per-user configuration directory must never be the real one: HOME and
// XDG_CONFIG_HOME point into a temporary directory before Qt starts.
VASTREL_SANDBOXED_TEST_GUILESS_MAIN(tst_Settings)

#include "tst_settings.moc"
