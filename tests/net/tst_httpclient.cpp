#include "fakeupdateserver.h"
#include "net/httpclient.h"
#include "net/updateprotocol.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using Hostile = FakeUpdateServer::Hostile;

// The sequential HTTP client against a scripted server on 127.0.0.1.
class tst_HttpClient : public QObject
{
    Q_OBJECT

private:
    // A port on 127.0.0.1 where nothing listens.
    static quint16 closedPort()
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0))
            return 0;
        const quint16 port = probe.serverPort();
        probe.close();
        return port;
    }

private Q_SLOTS:
    void answer_data();
    void answer();
    void failure_data();
    void failure();
    void queueOrder();
    void targetSentVerbatim();
    void redirectNotFollowed();
    void boundedAnswer_data();
    void boundedAnswer();
};

void tst_HttpClient::answer_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<int>("readyReads");

    QTest::newRow("200") << 200 << QList<QByteArray> {"2.0.1##http://example.org/"} << 1;
    QTest::newRow("pieces split inside ##")
        << 200 << QList<QByteArray> {"2.0.1#", "#http://exa", "mple.org/"} << 1;
    QTest::newRow("404 with body is an answer") << 404 << QList<QByteArray> {"2.0.1##x"} << 1;
    QTest::newRow("500 with body is an answer") << 500 << QList<QByteArray> {"down"} << 1;
    QTest::newRow("empty body") << 200 << QList<QByteArray> {""} << 0;
    QTest::newRow("404 without body") << 404 << QList<QByteArray> {""} << 0;
    QTest::newRow("NUL kept") << 200 << QList<QByteArray> {QByteArray("a\0b", 3)} << 1;
}

void tst_HttpClient::answer()
{
    QFETCH(int, status);
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(int, readyReads);

    FakeUpdateServer server;
    QVERIFY(server.start());
    server.setAnswer(status, pieces);

    HttpClient client;
    QSignalSpy answers(&client, &HttpClient::readyRead);
    QSignalSpy finished(&client, &HttpClient::requestFinished);
    QByteArray received;
    connect(&client, &HttpClient::readyRead, this, [&] { received += client.readAll(); });

    const int hostId = client.setHost(QStringLiteral("127.0.0.1"), server.port());
    const int getId = client.get(QStringLiteral("/vastrel/checkupdate"));
    QTRY_COMPARE(finished.size(), 2);

    QCOMPARE(finished.at(0), (QVariantList {hostId, false}));
    QCOMPARE(finished.at(1), (QVariantList {getId, false}));
    QCOMPARE(answers.size(), readyReads);
    QCOMPARE(received, pieces.join());
    if (readyReads)
        QCOMPARE(answers.first().first().value<HttpResponseHeader>().statusCode, status);
    QCOMPARE(client.readAll(), QByteArray()); // reading emptied it
    QCOMPARE(server.requests(), QStringList {QStringLiteral("/vastrel/checkupdate")});
}

void tst_HttpClient::failure_data()
{
    QTest::addColumn<bool>("refused");
    QTest::newRow("connection refused") << true;
    QTest::newRow("closed without an answer") << false;
}

void tst_HttpClient::failure()
{
    QFETCH(bool, refused);

    FakeUpdateServer server;
    QVERIFY(server.start());
    server.setCloseWithoutAnswer();
    const quint16 port = refused ? closedPort() : server.port();
    QVERIFY(port != 0);

    HttpClient client;
    QSignalSpy answers(&client, &HttpClient::readyRead);
    QSignalSpy finished(&client, &HttpClient::requestFinished);
    client.setHost(QStringLiteral("127.0.0.1"), port);
    const int getId = client.get(QStringLiteral("/vastrel/checkupdate"));
    QTRY_COMPARE(finished.size(), 2);

    QCOMPARE(finished.at(0).at(1).toBool(), false);
    QCOMPARE(finished.at(1), (QVariantList {getId, true}));
    QCOMPARE(answers.size(), 0);
    QVERIFY2(!client.errorString().isEmpty(), "an error needs a text to show");
    // Qt sends an idempotent GET once more when the connection closes before
    // any answer; it still ends as one failed request.
    if (refused)
        QCOMPARE(server.requests().size(), 0);
    else
        QVERIFY(!server.requests().isEmpty());
}

// Requests run one at a time in the order they were made, host changes
// included, and each reports its own end.
void tst_HttpClient::queueOrder()
{
    FakeUpdateServer first, second;
    QVERIFY(first.start());
    QVERIFY(second.start());
    first.setAnswer(200, QByteArray("one"));
    second.setAnswer(200, QByteArray("two"));

    HttpClient client;
    QSignalSpy finished(&client, &HttpClient::requestFinished);
    QByteArrayList bodies;
    connect(&client, &HttpClient::readyRead, this, [&] { bodies << client.readAll(); });

    QList<int> ids;
    ids << client.setHost(QStringLiteral("127.0.0.1"), first.port());
    ids << client.get(QStringLiteral("/a"));
    ids << client.setHost(QStringLiteral("127.0.0.1"), second.port());
    ids << client.get(QStringLiteral("/b"));
    ids << client.get(QStringLiteral("/c"));
    ids << client.setHost(QStringLiteral("127.0.0.1"), closedPort());
    ids << client.get(QStringLiteral("/d"));
    QTRY_COMPARE(finished.size(), ids.size());

    QList<int> finishedIds;
    QList<bool> errors;
    for (const QVariantList &args : std::as_const(finished)) {
        finishedIds << args.at(0).toInt();
        errors << args.at(1).toBool();
    }
    QCOMPARE(finishedIds, ids);
    QCOMPARE(errors, (QList<bool> {false, false, false, false, false, false, true}));
    QCOMPARE(bodies, (QByteArrayList {"one", "two", "two"}));
    QCOMPARE(first.requests(), QStringList {QStringLiteral("/a")});
    QCOMPARE(second.requests(), (QStringList {QStringLiteral("/b"), QStringLiteral("/c")}));
}

void tst_HttpClient::targetSentVerbatim()
{
    FakeUpdateServer server;
    QVERIFY(server.start());
    server.setAnswer(200, QByteArray("ok"));

    const QString path = updateprotocol::feedbackPath(QStringLiteral("a&b=c+d#e%f\n\u00e8 ~"),
                                                      QStringLiteral("me@example.org"));
    HttpClient client;
    QSignalSpy finished(&client, &HttpClient::requestFinished);
    client.setHost(QStringLiteral("127.0.0.1"), server.port());
    client.get(path);
    QTRY_COMPARE(finished.size(), 2);
    QCOMPARE(server.requests(), QStringList {path});
}

// A redirect is an answer of its own: its body is delivered and the address
// it points to is never asked.
void tst_HttpClient::redirectNotFollowed()
{
    FakeUpdateServer server;
    QVERIFY(server.start());
    server.setAnswer(302, QByteArray("moved"));
    server.setExtraHeaders("Location: http://127.0.0.1:" + QByteArray::number(server.port()) +
                           "/elsewhere\r\n");

    HttpClient client;
    QSignalSpy answers(&client, &HttpClient::readyRead);
    QSignalSpy finished(&client, &HttpClient::requestFinished);
    client.setHost(QStringLiteral("127.0.0.1"), server.port());
    client.get(QStringLiteral("/vastrel/checkupdate"));
    QTRY_COMPARE(finished.size(), 2);
    QCOMPARE(finished.at(1).at(1).toBool(), false);
    QCOMPARE(answers.size(), 1);
    QCOMPARE(answers.first().first().value<HttpResponseHeader>().statusCode, 302);
    QCOMPARE(client.readAll(), QByteArray("moved"));
    QCOMPARE(server.requests(), QStringList {QStringLiteral("/vastrel/checkupdate")});
}

// Whatever a server does, a GET ends within its size limit and its deadline
// with an error that says which was passed, the connection is dropped, and the
// request queued behind it goes out.
void tst_HttpClient::boundedAnswer_data()
{
    QTest::addColumn<Hostile>("hostile");
    QTest::addColumn<QByteArray>("body"); // the answer when not hostile
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<int>("deadline");
    QTest::addColumn<QString>("failure"); // the error text; empty for an answer

    const int never = 20000; // far beyond what a bounded row may take
    const qint64 kib64 = 64 * 1024;
    const QString tooLarge = HttpClient::tooLargeText(kib64);
    const QString timedOut = HttpClient::timedOutText(1000);
    QTest::newRow("endless body") << Hostile::EndlessBody << QByteArray() << kib64 << never
                                  << tooLarge;
    QTest::newRow("512 MiB body") << Hostile::HugeBody << QByteArray() << kib64 << never
                                  << tooLarge;
    QTest::newRow("endless headers") << Hostile::EndlessHeaders << QByteArray() << kib64 << never
                                     << HttpClient::tooLargeText(16 * 1024);
    QTest::newRow("body one past the limit")
        << Hostile::None << QByteArray(1001, 'x') << qint64(1000) << never
        << HttpClient::tooLargeText(1000);
    QTest::newRow("body at the limit")
        << Hostile::None << QByteArray(1000, 'x') << qint64(1000) << never << QString();
    QTest::newRow("drip one byte at a time")
        << Hostile::Drip << QByteArray() << kib64 << 1000 << timedOut;
    QTest::newRow("accept and never answer")
        << Hostile::Silent << QByteArray() << kib64 << 1000 << timedOut;
}

void tst_HttpClient::boundedAnswer()
{
    QFETCH(Hostile, hostile);
    QFETCH(QByteArray, body);
    QFETCH(qint64, limit);
    QFETCH(int, deadline);
    QFETCH(QString, failure);

    FakeUpdateServer server, next;
    QVERIFY(server.start());
    QVERIFY(next.start());
    server.setHostile(hostile);
    server.setAnswer(200, body);
    next.setAnswer(200, QByteArray("2.0.1##http://example.org/"));

    HttpClient client;
    client.setSizeLimit(limit);
    client.setDeadline(deadline);
    QSignalSpy finished(&client, &HttpClient::requestFinished);
    QByteArrayList bodies;
    connect(&client, &HttpClient::readyRead, this, [&] { bodies << client.readAll(); });
    QStringList errors;
    QElapsedTimer clock;
    qint64 firstGetTook = -1;
    connect(&client, &HttpClient::requestFinished, this, [&](int, bool error) {
        if (finished.size() == 2)
            firstGetTook = clock.elapsed();
        errors << (error ? client.errorString() : QString());
    });

    client.setHost(QStringLiteral("127.0.0.1"), server.port());
    client.get(QStringLiteral("/vastrel/checkupdate"));
    client.setHost(QStringLiteral("127.0.0.1"), next.port());
    client.get(QStringLiteral("/vastrel/checkupdate"));
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 4, deadline + 10000);

    QCOMPARE(errors, (QStringList {QString(), failure, QString(), QString()}));
    const QByteArray update("2.0.1##http://example.org/");
    QCOMPARE(bodies, failure.isEmpty() ? (QByteArrayList {body, update}) : QByteArrayList {update});
    // Cut off by size at once, by time at the deadline.
    const bool timedOut = failure.contains(QLatin1String("timed out"));
    QVERIFY2(timedOut ? firstGetTook >= deadline && firstGetTook < deadline + 5000
                      : firstGetTook < deadline,
             QByteArray::number(firstGetTook));
    // The client let go of the hostile connection.
    QTRY_COMPARE(server.openConnections(), 0);
}

QTEST_GUILESS_MAIN(tst_HttpClient)
#include "tst_httpclient.moc"
