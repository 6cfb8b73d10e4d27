// The Linux platform layer against a private D-Bus session bus with a fake
// org.freedesktop.FileManager1, and the file managers' menu entries in a
// temporary XDG data home. HOME and XDG_DATA_HOME point into temporary
// directories before anything runs, so nothing reaches the real home.

#include "platform/commands.h"
#include "platform/menuentries.h"
#include "platform/platform.h"
#include "scan/localpaths.h"
#include "scan/pathcodec.h"
#include "support/messagecapture.h"
#include "support/tinyfs.h"
#include "support/urlcatcher.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// Stands in for a file manager: records every ShowItems call and answers it,
// fails it, or never answers, as the test asks.
class FakeFileManager : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    enum class Answer { Reply, Fail, Never };
    Answer answer = Answer::Reply;
    QList<QStringList> calls;

public slots:
    void ShowItems(const QStringList &uris, const QString &startupId)
    {
        Q_UNUSED(startupId);
        calls << uris;
        if (answer == Answer::Fail)
            sendErrorReply(QDBusError::Failed, QStringLiteral("cannot show"));
        else if (answer == Answer::Never)
            setDelayedReply(true);
        emit called();
    }

signals:
    void called();
};

namespace {

bool isExecutable(const QString &path)
{
    return QFileInfo(path).permissions().testFlag(QFileDevice::ExeOwner);
}

QString readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void showItemsGetsFileUrl_data();
    void showItemsGetsFileUrl();
    void emptyPathStartsNothing();
    void fallbackWithoutFileManager();
    void fallbackOnError();
    void fallbackOnTimeout();

    void registrationWritesEntries();
    void registrationDefaultsToHomeDataDirectory();
    void movedProgramRewritesEntries();
    void unwritableDataHomeIsSilent();
    void percentInProgramDropsNemoAction();
    void fullDiskKeepsEntries();
    void entriesOnlyForATrustedProgram_data();
    void entriesOnlyForATrustedProgram();

    void namesKeepTheirBytes_data();
    void namesKeepTheirBytes();

private:
    void waitForPendingCalls();

    QTemporaryDir tmp;
    QProcess bus;
    std::unique_ptr<QDBusConnection> fakeConnection;
    FakeFileManager fake;
    // What would be opened when no file manager answers.
    testsupport::UrlCatcher catcher;
};

void TestPlatform::initTestCase()
{
    QVERIFY(tmp.isValid());
    QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("home")));
    qputenv("HOME", QFile::encodeName(tmp.filePath(QStringLiteral("home"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(tmp.filePath(QStringLiteral("data"))));

    // A bus of our own, without service activation, so no real file manager can
    // be started or reached.
    QFile config(tmp.filePath(QStringLiteral("bus.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(
        "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
        " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
        "<busconfig><type>session</type><listen>unix:dir=" +
        QFile::encodeName(tmp.path()) +
        "</listen><auth>EXTERNAL</auth>"
        "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
        "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
    config.close();
    bus.setStandardErrorFile(QProcess::nullDevice());
    bus.start(QStringLiteral("dbus-daemon"),
              {QStringLiteral("--config-file=") + config.fileName(), QStringLiteral("--nofork"),
               QStringLiteral("--print-address")});
    QVERIFY2(bus.waitForStarted(), "dbus-daemon (Debian package dbus-daemon) is needed");
    while (!bus.canReadLine())
        QVERIFY2(bus.waitForReadyRead(10000), "dbus-daemon printed no address");
    const QByteArray address = bus.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);

    fakeConnection = std::make_unique<QDBusConnection>(
        QDBusConnection::connectToBus(QString::fromUtf8(address), QStringLiteral("fake")));
    QVERIFY(fakeConnection->isConnected());
    QVERIFY(fakeConnection->registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fake,
                                           QDBusConnection::ExportAllSlots));
}

void TestPlatform::init()
{
    QVERIFY(fakeConnection->registerService(QStringLiteral("org.freedesktop.FileManager1")));
    // The program's own bus connection must be the private bus, where the fake
    // service is the one owner.
    QDBusConnection session = QDBusConnection::sessionBus();
    QVERIFY(session.isConnected());
    QCOMPARE(
        session.interface()->serviceOwner(QStringLiteral("org.freedesktop.FileManager1")).value(),
        fakeConnection->baseService());
    fake.answer = FakeFileManager::Answer::Reply;
    fake.calls.clear();
    catcher.urls.clear();
}

void TestPlatform::cleanup()
{
    waitForPendingCalls();
    fakeConnection->unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
}

void TestPlatform::cleanupTestCase()
{
    fakeConnection.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("fake"));
    bus.terminate();
    QVERIFY(bus.waitForFinished(10000));
}

// A reveal is done once its reply watcher (owned by the application) is gone.
void TestPlatform::waitForPendingCalls()
{
    QTRY_VERIFY_WITH_TIMEOUT(
        QCoreApplication::instance()->findChildren<QDBusPendingCallWatcher *>().isEmpty(), 10000);
}

void TestPlatform::showItemsGetsFileUrl_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("uri");
    QTest::newRow("blanks") << "/data/big files/a b.iso"
                            << "file:///data/big%20files/a%20b.iso";
    QTest::newRow("hash") << "/data/disc #2/x.iso"
                          << "file:///data/disc%20%232/x.iso";
    QTest::newRow("percent") << "/data/%41.iso"
                             << "file:///data/%2541.iso";
    QTest::newRow("commas") << "/data/a,b/c,d.iso"
                            << "file:///data/a,b/c,d.iso";
    QTest::newRow("all at once") << QString::fromUtf8("/d/a b,#c%41\xC3\xBC.iso")
                                 << "file:///d/a%20b,%23c%2541%C3%BC.iso";
    QTest::newRow("byte not valid UTF-8")
        << pathcodec::fromNative("/data/bad\xffx/a.iso") << "file:///data/bad%FFx/a.iso";
}

void TestPlatform::showItemsGetsFileUrl()
{
    QFETCH(QString, path);
    QFETCH(QString, uri);
    platform::revealFile(path);
    QTRY_COMPARE(fake.calls.size(), 1);
    QCOMPARE(fake.calls.first(), QStringList {uri});
    waitForPendingCalls();
    QVERIFY(catcher.urls.isEmpty()); // the file manager answered: no fallback
}

void TestPlatform::emptyPathStartsNothing()
{
    QVERIFY(platform::revealCommand(QString()).isEmpty());
    platform::revealFile(QString());
    QVERIFY(QCoreApplication::instance()->findChildren<QDBusPendingCallWatcher *>().isEmpty());
    // Calls arrive in order: the first one the fake sees is the next real one.
    platform::revealFile(QStringLiteral("/data/next.iso"));
    QTRY_COMPARE(fake.calls.size(), 1);
    QCOMPARE(fake.calls.first(), QStringList {QStringLiteral("file:///data/next.iso")});
    waitForPendingCalls();
    QVERIFY(catcher.urls.isEmpty());
}

void TestPlatform::fallbackWithoutFileManager()
{
    fakeConnection->unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
    platform::revealFile(pathcodec::fromNative("/data/a b/#1 %41\xff/file.iso"));
    QTRY_COMPARE(catcher.urls.size(), 1);
    QCOMPARE(catcher.urls.first().toEncoded(), QByteArray("file:///data/a%20b/%231%20%2541%FF"));
    QVERIFY(fake.calls.isEmpty());
}

void TestPlatform::fallbackOnError()
{
    fake.answer = FakeFileManager::Answer::Fail;
    platform::revealFile(QStringLiteral("/data/x/y.iso"));
    QTRY_COMPARE(catcher.urls.size(), 1);
    QCOMPARE(catcher.urls.first(), QUrl::fromLocalFile(QStringLiteral("/data/x")));
    QCOMPARE(fake.calls.size(), 1);
}

void TestPlatform::fallbackOnTimeout()
{
    fake.answer = FakeFileManager::Answer::Never;
    platform::revealFile(QStringLiteral("/data/slow/y.iso"));
    QTRY_COMPARE(fake.calls.size(), 1);
    QVERIFY(catcher.urls.isEmpty()); // still waiting for the answer
    QTRY_COMPARE_WITH_TIMEOUT(catcher.urls.size(), 1, 10000);
    QCOMPARE(catcher.urls.first(), QUrl::fromLocalFile(QStringLiteral("/data/slow")));
}

void TestPlatform::registrationWritesEntries()
{
    const QString dataHome = tmp.filePath(QStringLiteral("data"));
    const QString program = QCoreApplication::applicationFilePath();
    QList<testsupport::CapturedMessage> messages;
    {
        testsupport::MessageCapture capture;
        platform::registerDirectoryVerb();
        messages = capture.takeAll();
    }
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().type, QtDebugMsg);
    QCOMPARE(messages.first().text, QLatin1Char('"') + program + QStringLiteral(" %f\""));

    const QDir home(dataHome);
    const QString dolphin = home.filePath(platform::dolphinServiceMenuPath());
    const QString nautilus = home.filePath(platform::nautilusScriptPath());
    const QString nemo = home.filePath(platform::nemoActionPath());
    QCOMPARE(readAll(dolphin), platform::dolphinServiceMenu(program));
    QCOMPARE(readAll(nautilus), platform::nautilusScript(program));
    QCOMPARE(readAll(nemo), platform::nemoAction(program));
    QVERIFY(
        readAll(dolphin).contains(QStringLiteral("\nExec=") + program + QStringLiteral(" %f\n")));
    QVERIFY(isExecutable(dolphin));
    QVERIFY(isExecutable(nautilus));
    QVERIFY(QFileInfo(dolphin).path().endsWith(QStringLiteral("/data/kio/servicemenus")));
    QVERIFY(QFileInfo(nautilus).path().endsWith(QStringLiteral("/data/nautilus/scripts")));
    QVERIFY(QFileInfo(nemo).path().endsWith(QStringLiteral("/data/nemo/actions")));
}

void TestPlatform::registrationDefaultsToHomeDataDirectory()
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qunsetenv("XDG_DATA_HOME");
    platform::registerDirectoryVerb();
    qputenv("XDG_DATA_HOME", saved);
    const QDir share(tmp.filePath(QStringLiteral("home/.local/share")));
    QVERIFY(QFileInfo::exists(share.filePath(platform::dolphinServiceMenuPath())));
    QVERIFY(QFileInfo::exists(share.filePath(platform::nautilusScriptPath())));
    QVERIFY(QFileInfo::exists(share.filePath(platform::nemoActionPath())));
}

void TestPlatform::movedProgramRewritesEntries()
{
    const QString dataHome = tmp.filePath(QStringLiteral("moved"));
    QVERIFY(menuentries::write(dataHome, QStringLiteral("/opt/old place/vastrel")));
    QVERIFY(menuentries::write(dataHome, QStringLiteral("/opt/new place/vastrel")));
    const QDir home(dataHome);
    for (const QString &entry : {platform::dolphinServiceMenuPath(), platform::nautilusScriptPath(),
                                 platform::nemoActionPath()}) {
        const QString content = readAll(home.filePath(entry));
        QVERIFY2(content.contains(QStringLiteral("/opt/new place/vastrel")), qPrintable(entry));
        QVERIFY2(!content.contains(QStringLiteral("old place")), qPrintable(entry));
    }
    QVERIFY(isExecutable(home.filePath(platform::dolphinServiceMenuPath())));
    QVERIFY(isExecutable(home.filePath(platform::nautilusScriptPath())));
}

void TestPlatform::unwritableDataHomeIsSilent()
{
    // A data home below a plain file cannot be created, whoever runs the test.
    QFile blocker(tmp.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString dataHome = blocker.fileName() + QStringLiteral("/share");

    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    QList<testsupport::CapturedMessage> messages;
    {
        testsupport::MessageCapture capture;
        QVERIFY(!menuentries::write(dataHome, QStringLiteral("/usr/bin/vastrel")));
        platform::registerDirectoryVerb();
        messages = capture.takeAll();
    }
    qputenv("XDG_DATA_HOME", saved);
    QCOMPARE(messages.size(), 1); // only the command
    QCOMPARE(messages.first().type, QtDebugMsg);
    QVERIFY(QFileInfo(blocker.fileName()).isFile());
}

void TestPlatform::percentInProgramDropsNemoAction()
{
    const QDir home(tmp.filePath(QStringLiteral("percent")));
    QVERIFY(menuentries::write(home.path(), QStringLiteral("/usr/bin/vastrel")));
    QVERIFY(QFileInfo::exists(home.filePath(platform::nemoActionPath())));
    QVERIFY(menuentries::write(home.path(), QStringLiteral("/opt/100%/vastrel")));
    QVERIFY(!QFileInfo::exists(home.filePath(platform::nemoActionPath())));
    QVERIFY(readAll(home.filePath(platform::dolphinServiceMenuPath()))
                .contains(QStringLiteral("Exec=/opt/100%%/vastrel %f")));
}

// Rewriting the entries on a full disk leaves each one as it was, not empty.
void TestPlatform::fullDiskKeepsEntries()
{
    testsupport::TinyFileSystem disk(64);
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.reason()));
    QVERIFY(menuentries::write(disk.path(), QStringLiteral("/usr/bin/vastrel")));
    const QDir home(disk.path());
    const QStringList entries = {platform::dolphinServiceMenuPath(), platform::nautilusScriptPath(),
                                 platform::nemoActionPath()};
    QStringList before;
    for (const QString &entry : entries)
        before << readAll(home.filePath(entry));
    QVERIFY(disk.fill());

    QVERIFY(!menuentries::write(disk.path(), QStringLiteral("/opt/vastrel/vastrel")));
    for (int i = 0; i < entries.size(); ++i)
        QCOMPARE(readAll(home.filePath(entries.at(i))), before.at(i));
    QVERIFY(isExecutable(home.filePath(platform::dolphinServiceMenuPath())));
}

void TestPlatform::entriesOnlyForATrustedProgram_data()
{
    QTest::addColumn<int>("parentMode");
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("programMode");
    QTest::addColumn<bool>("otherOwner"); // the folder belongs to another user
    QTest::addColumn<bool>("trusted");
    QTest::newRow("private folders") << 0755 << 0755 << 0755 << false << true;
    QTest::newRow("sticky folder above") << 01777 << 0755 << 0755 << false << true;
    QTest::newRow("world-writable folder") << 0755 << 0777 << 0755 << false << false;
    QTest::newRow("sticky folder holding it") << 0755 << 01777 << 0755 << false << false;
    QTest::newRow("group-writable folder above") << 0775 << 0755 << 0755 << false << false;
    QTest::newRow("program writable by others") << 0755 << 0755 << 0777 << false << false;
    QTest::newRow("folder of another user") << 0755 << 0755 << 0755 << true << false;
}

// A copy of the program run from a place where others can write gets no
// entries: they would run whatever someone else puts there next.
void TestPlatform::entriesOnlyForATrustedProgram()
{
    QFETCH(int, parentMode);
    QFETCH(int, folderMode);
    QFETCH(int, programMode);
    QFETCH(bool, otherOwner);
    QFETCH(bool, trusted);
    if (otherOwner && ::geteuid() != 0)
        QSKIP("giving a folder to another user needs root");
    QTemporaryDir base;
    QVERIFY(base.isValid());
    const QByteArray parent = QFile::encodeName(base.filePath(QStringLiteral("parent")));
    const QByteArray folder = parent + "/bin";
    const QByteArray program = folder + "/vastrel";
    QCOMPARE(::mkdir(parent.constData(), 0700), 0);
    QCOMPARE(::mkdir(folder.constData(), 0700), 0);
    QFile file(QFile::decodeName(program));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(::chmod(program.constData(), mode_t(programMode)), 0);
    QCOMPARE(::chmod(folder.constData(), mode_t(folderMode)), 0);
    QCOMPARE(::chmod(parent.constData(), mode_t(parentMode)), 0);
    if (otherOwner)
        QCOMPARE(::chown(folder.constData(), 65534, 65534), 0);

    QString reason;
    QCOMPARE(menuentries::isTrustedLocation(QFile::decodeName(program), &reason), trusted);
    QCOMPARE(reason.isEmpty(), trusted);
    // The program that runs the tests sits in a build tree only its owner
    // can write, so it does get its entries.
    QVERIFY2(menuentries::isTrustedLocation(QCoreApplication::applicationFilePath(), &reason),
             qPrintable(reason));
}

void TestPlatform::namesKeepTheirBytes_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("UTF-8 letter and blanks") << QByteArray("caf\xC3\xA9 au lait");
    QTest::newRow("byte not valid UTF-8") << QByteArray("bad\xFFx");
    QTest::newRow("Latin-1 name") << QByteArray("M\xFCller");
}

// A directory named on the command line, or the one the program starts in,
// arrives as text that gives back exactly its bytes, whatever they are.
void TestPlatform::namesKeepTheirBytes()
{
    QFETCH(QByteArray, name);
    const QByteArray dir = QFile::encodeName(tmp.path()) + '/' + name;
    QVERIFY(QDir().mkpath(tmp.path()));
    QCOMPARE(::mkdir(dir.constData(), 0700), 0);
    const QByteArray previous = QFile::encodeName(QDir::currentPath());
    QCOMPARE(::chdir(dir.constData()), 0);
    const QString current = localpaths::currentDirectory();
    QCOMPARE(::chdir(previous.constData()), 0);
    QCOMPARE(::rmdir(dir.constData()), 0);
    QCOMPARE(pathcodec::toNative(current), dir);

    QByteArray program("vastrel"), argument = name, extra("--ignored");
    char *argv[] = {program.data(), argument.data(), extra.data(), nullptr};
    const QStringList arguments = localpaths::commandLineArguments(3, argv);
    QCOMPARE(arguments.size(), 3);
    QCOMPARE(arguments.first(), QStringLiteral("vastrel"));
    QCOMPARE(pathcodec::toNative(arguments.at(1)), name);
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
