#include "net/httpclient.h"
#include "net/httpresponse.h"

#include <QTest>

using State = HttpResponseParser::State;
using Failure = HttpResponseParser::Failure;

// The HTTP answer reader, fed whole and one byte at a time, and the request
// target the client writes, without a network.
class tst_HttpResponse : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void requestTarget_data();
    void requestTarget();
};

void tst_HttpResponse::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("closed"); // the connection ends after the bytes
    QTest::addColumn<int>("failure"); // Failure; None: complete
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");

    const int none = int(Failure::None);
    QTest::newRow("content length")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello") << false << none << 200
        << QByteArray("hello");
    QTest::newRow("until the connection ends")
        << QByteArray("HTTP/1.0 404 Not Found\r\n\r\n2.0.1##x") << true << none << 404
        << QByteArray("2.0.1##x");
    QTest::newRow("chunked with extension and trailer")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                      "3;x=y\r\n2.0\r\nA\r\n.1##http:/\r\n0\r\nX-Trailer: 1\r\n\r\n")
        << false << none << 200 << QByteArray("2.0.1##http:/");
    QTest::newRow("interim answer skipped")
        << QByteArray("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\nx")
        << false << none << 200 << QByteArray("x");
    QTest::newRow("204 has no body")
        << QByteArray("HTTP/1.1 204 No Content\r\n\r\n") << false << none << 204 << QByteArray();

    QTest::newRow("body past the limit")
        << QByteArray("HTTP/1.1 200 OK\r\n\r\n") + QByteArray(101, 'x') << false
        << int(Failure::BodyTooLarge) << 200 << QByteArray();
    QTest::newRow("length announced past the limit")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 536870912\r\n\r\n") << false
        << int(Failure::BodyTooLarge) << 200 << QByteArray();
    QTest::newRow("chunk past the limit")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n65\r\n") << false
        << int(Failure::BodyTooLarge) << 200 << QByteArray();
    QTest::newRow("headers past their limit")
        << QByteArray("HTTP/1.1 200 OK\r\n") + QByteArray("X: y\r\n").repeated(400) << false
        << int(Failure::HeadTooLarge) << 200 << QByteArray();

    QTest::newRow("not HTTP") << QByteArray("SSH-2.0-OpenSSH\r\n\r\n") << false
                              << int(Failure::NotHttp) << 0 << QByteArray();
    QTest::newRow("conflicting lengths")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nab")
        << false << int(Failure::NotHttp) << 200 << QByteArray();

    QTest::newRow("closed before any byte")
        << QByteArray() << true << int(Failure::NoAnswer) << 0 << QByteArray();
    QTest::newRow("closed inside a counted body")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nabc") << true
        << int(Failure::Truncated) << 200 << QByteArray();
    QTest::newRow("closed inside a chunk")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nab") << true
        << int(Failure::Truncated) << 200 << QByteArray();
}

// Every answer reads the same whether it arrives whole or a byte at a time.
void tst_HttpResponse::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, closed);
    QFETCH(int, failure);
    QFETCH(int, status);
    QFETCH(QByteArray, body);

    for (const qsizetype piece : {bytes.size() + 1, qsizetype(1)}) {
        HttpResponseParser parser(100, 1024);
        State state = State::Incomplete;
        for (qsizetype at = 0; at < bytes.size(); at += piece)
            state = parser.feed(bytes.mid(at, piece));
        if (closed)
            state = parser.close();
        const State expected = failure == int(Failure::None) ? State::Complete : State::Failed;
        QCOMPARE(state, expected);
        QCOMPARE(int(parser.failure()), failure);
        if (failure == int(Failure::None) || status != 0)
            QCOMPARE(parser.statusCode(), status);
        QCOMPARE(parser.takeBody(), body);
    }
}

void tst_HttpResponse::requestTarget_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("target");

    QTest::newRow("encoded query kept")
        << "/vastrel/fedback?msg=a%26b%0A&email=me%40x.org"
        << QByteArray("/vastrel/fedback?msg=a%26b%0A&email=me%40x.org");
    QTest::newRow("line breaks cannot end the line")
        << "/a\r\nHost: evil" << QByteArray("/a%0D%0AHost:%20evil");
    QTest::newRow("non-ASCII as UTF-8") << "/\u00e8" << QByteArray("/%C3%A8");
}

void tst_HttpResponse::requestTarget()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, target);
    QCOMPARE(HttpClient::requestTarget(path), target);
}

QTEST_GUILESS_MAIN(tst_HttpResponse)
#include "tst_httpresponse.moc"
