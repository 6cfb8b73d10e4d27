#include "platform/commands.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

// A copy of the program installed in a directory whose name Qt can or cannot
// read: where its settings go and what becomes of the file manager entries.
// The copy is a small probe that runs the program's own start-up steps.
class tst_InstallDir : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startFrom_data();
    void startFrom();
};

void tst_InstallDir::startFrom_data()
{
    QTest::addColumn<QByteArray>("dirName"); // raw bytes of the directory's name
    QTest::addColumn<bool>("readable");
    QTest::newRow("plain name") << QByteArray("program dir") << true;
    QTest::newRow("name not valid UTF-8") << QByteArray("bad\xff"
                                                        "dir")
                                          << false;
}

void tst_InstallDir::startFrom()
{
    QFETCH(QByteArray, dirName);
    QFETCH(bool, readable);

    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QDir root(tmp.path());
    for (const char *dir : {"home", "config", "cwd", "staging"})
        QVERIFY(root.mkpath(QLatin1String(dir)));

    // The probe is copied under a plain name, then its directory is renamed
    // byte for byte; a link with a plain name starts it, and Qt reads the
    // program's real place from the system, not from the link.
    QVERIFY(QFile::copy(QStringLiteral(INSTALLPROBE),
                        root.filePath(QStringLiteral("staging/vastrel"))));
    const QByteArray staging = QFile::encodeName(root.filePath(QStringLiteral("staging")));
    const QByteArray rawDir = QFile::encodeName(tmp.path()) + '/' + dirName;
    QCOMPARE(::rename(staging.constData(), rawDir.constData()), 0);
    // QTemporaryDir cannot name the directory to remove it.
    const auto renameBack = qScopeGuard([&] { ::rename(rawDir.constData(), staging.constData()); });
    const QString link = root.filePath(QStringLiteral("start-vastrel"));
    QCOMPARE(::symlink((rawDir + "/vastrel").constData(), QFile::encodeName(link).constData()), 0);

    // Entries written by an earlier start.
    const QDir data(root.filePath(QStringLiteral("data")));
    const QString nautilus = data.filePath(platform::nautilusScriptPath());
    QVERIFY(data.mkpath(QFileInfo(nautilus).path()));
    QFile earlier(nautilus);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier\n") == 8);
    earlier.close();

    QProcessEnvironment env;
    env.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.setWorkingDirectory(root.filePath(QStringLiteral("cwd")));
    probe.start(link, {});
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitCode(), 0);
    const QString settingsFile = QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
    const QString log = QString::fromUtf8(probe.readAllStandardError());

    // Never a settings file in whatever the current directory is.
    QVERIFY(QDir(root.filePath(QStringLiteral("cwd")))
                .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    const QByteArray entry = earlier.readAll();
    QCOMPARE(log.contains(QLatin1String("left as they are")), !readable);
    if (readable) {
        const QString dir = QString::fromUtf8(rawDir);
        QCOMPARE(settingsFile, dir + QStringLiteral("/Vastrel.ini"));
        QCOMPARE(entry, platform::nautilusScript(dir + QStringLiteral("/vastrel")).toUtf8());
    } else {
        QCOMPARE(settingsFile, root.filePath(QStringLiteral("config/Vastrel/Vastrel.ini")));
        QCOMPARE(entry, QByteArray("earlier\n"));
    }
    QFile settings(settingsFile);
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY(settings.readAll().contains("topnumber=100"));
}

QTEST_GUILESS_MAIN(tst_InstallDir)
#include "tst_installdir.moc"
