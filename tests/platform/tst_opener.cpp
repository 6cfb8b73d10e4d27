// Opening a URL with the desktop's handler, told when it fails. A fake
// xdg-open, first on PATH, records the URL and ends with the status the URL
// names ("status-3" in it: exit 3), as the real one does when no application
// is set up to open it. No real opener or file manager is ever started: the
// session bus does not exist and PATH holds only the fake.

#include "platform/platform.h"
#include "support/sandbox.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_Opener : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir bin;
    QByteArray savedPath;
    QObject receiver;
    QStringList reasons;
    platform::OpenFailed failed = [this](const QString &reason) {
        reasons << reason;
    };
    QByteArray lastUrl() const;

private Q_SLOTS:
    void initTestCase();
    void init() { reasons.clear(); }
    void cleanupTestCase() { qputenv("PATH", savedPath); }
    void failureIsTold_data();
    void failureIsTold();
    void revealWithoutAnyHandlerIsTold();
    void noOpenerAtAllIsTold();
};

QByteArray tst_Opener::lastUrl() const
{
    QFile record(bin.filePath("xdg-open.url"));
    return record.open(QIODevice::ReadOnly) ? record.readAll() : QByteArray();
}

void tst_Opener::initTestCase()
{
    QVERIFY(bin.isValid());
    QFile script(bin.filePath("xdg-open"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "printf '%s\\n' \"$1\" > \"$0.url\"\n"
                 "status=${1##*status-}\n"
                 "exit ${status%%[!0-9]*}\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    savedPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
}

void tst_Opener::failureIsTold_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no application") << 3 << "no application is set up to open it";
    QTest::newRow("missing file") << 2 << "it does not exist";
    QTest::newRow("application failed") << 4 << "the application for it could not open it";
    QTest::newRow("opened") << 0 << QString();
}

void tst_Opener::failureIsTold()
{
    QFETCH(int, status);
    QFETCH(QString, reason);
    const QByteArray url = "file:///data/a%20b/status-" + QByteArray::number(status) + ".iso";
    platform::openUrl(QUrl::fromEncoded(url), &receiver, failed);
    QTRY_COMPARE(lastUrl(), url + '\n');
    if (!reason.isEmpty()) {
        QTRY_COMPARE(reasons, QStringList {reason});
        return;
    }
    // A success tells nothing: the failure that follows is the only report.
    platform::openUrl(QUrl::fromEncoded("file:///data/status-3.iso"), &receiver, failed);
    QTRY_COMPARE(reasons, QStringList {"no application is set up to open it"});
}

// No file manager on the bus, and nothing can open the folder either.
void tst_Opener::revealWithoutAnyHandlerIsTold()
{
    platform::revealFile("/data/status-3/film.iso", &receiver, failed);
    QTRY_COMPARE(reasons, QStringList {"no application is set up to open it"});
    QCOMPARE(lastUrl(), QByteArray("file:///data/status-3\n"));
}

void tst_Opener::noOpenerAtAllIsTold()
{
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    qputenv("PATH", QFile::encodeName(empty.path()));
    platform::openUrl(QUrl("https://example.invalid/download"), &receiver, failed);
    qputenv("PATH", QFile::encodeName(bin.path()));
    QTRY_COMPARE(reasons, QStringList {"no application is set up to open it"});
}

VASTREL_SANDBOXED_TEST_MAIN(tst_Opener)

#include "tst_opener.moc"
