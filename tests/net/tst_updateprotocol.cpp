#include "net/updateprotocol.h"

#include <QTest>

using updateprotocol::Verdict;

// The update answer's verdict, the request targets, the server address and
// the download address check, without a network.
class tst_UpdateProtocol : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constants();
    void judge_data();
    void judge();
    void feedbackPath_data();
    void feedbackPath();
    void feedbackRoundTrip_data();
    void feedbackRoundTrip();
    void downloadUrl_data();
    void downloadUrl();
    void server_data();
    void server();
    void debugExcerpt_data();
    void debugExcerpt();
};

void tst_UpdateProtocol::constants()
{
    QCOMPARE(updateprotocol::version(), QStringLiteral("2.0.0"));
    QCOMPARE(updateprotocol::checkUpdatePath(), QStringLiteral("/vastrel/checkupdate"));
}

void tst_UpdateProtocol::judge_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("url");

    QTest::newRow("exactly the version") << QByteArray("2.0.0") << int(Verdict::UpToDate) << ""
                                         << "";
    QTest::newRow("version anywhere wins over ##")
        << QByteArray("12.0.0##a") << int(Verdict::UpToDate) << ""
        << "";
    QTest::newRow("newer") << QByteArray("2.0.1##http://example.org/v") << int(Verdict::NewVersion)
                           << "2.0.1"
                           << "http://example.org/v";
    QTest::newRow("older is announced alike")
        << QByteArray("1.9##a") << int(Verdict::NewVersion) << "1.9"
        << "a";
    QTest::newRow("no version field") << QByteArray("##a") << int(Verdict::NewVersion) << ""
                                      << "a";
    QTest::newRow("no address") << QByteArray("2.1##") << int(Verdict::NewVersion) << "2.1"
                                << "";
    QTest::newRow("third field ignored")
        << QByteArray("2.1##a##b") << int(Verdict::NewVersion) << "2.1"
        << "a";
    QTest::newRow("NUL ends the text")
        << QByteArray("2.1##a\0002.0.0", 12) << int(Verdict::NewVersion) << "2.1"
        << "a";
    QTest::newRow("NUL hides the separator")
        << QByteArray("2.1#\000#a", 7) << int(Verdict::Maintenance) << ""
        << "";
    QTest::newRow("neither marker")
        << QByteArray("<html>503</html>") << int(Verdict::Maintenance) << ""
        << "";
    QTest::newRow("single #") << QByteArray("2.1#a") << int(Verdict::Maintenance) << ""
                              << "";
    QTest::newRow("empty") << QByteArray() << int(Verdict::Empty) << ""
                           << "";
    QTest::newRow("NUL first") << QByteArray("\0002.1##a", 7) << int(Verdict::Empty) << ""
                               << "";
    QTest::newRow("Latin-1 kept") << QByteArray("3.0-\xe9##http://x/") << int(Verdict::NewVersion)
                                  << QStringLiteral("3.0-\u00e9") << "http://x/";
}

void tst_UpdateProtocol::judge()
{
    QFETCH(QByteArray, body);
    QFETCH(int, kind);
    QFETCH(QString, version);
    QFETCH(QString, url);

    const Verdict verdict = updateprotocol::judge(body);
    QCOMPARE(int(verdict.kind), kind);
    QCOMPARE(verdict.version, version);
    QCOMPARE(verdict.url, url);
}

void tst_UpdateProtocol::feedbackPath_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("mail");
    QTest::addColumn<QString>("path");

    QTest::newRow("plain") << "hi"
                           << "me"
                           << "/vastrel/fedback?msg=hi&email=me";
    QTest::newRow("both empty") << ""
                                << ""
                                << "/vastrel/fedback?msg=&email=";
    QTest::newRow("unreserved stay") << "a-b.c_d~9"
                                     << "x"
                                     << "/vastrel/fedback?msg=a-b.c_d~9&email=x";
    QTest::newRow("delimiters encoded") << "a&b=c+d#e%f"
                                        << "u@h"
                                        << "/vastrel/fedback?msg=a%26b%3Dc%2Bd%23e%25f&email=u%40h";
    QTest::newRow("blank and line break") << "a b\nc"
                                          << ""
                                          << "/vastrel/fedback?msg=a%20b%0Ac&email=";
    QTest::newRow("UTF-8") << QStringLiteral("\u00e8") << ""
                           << "/vastrel/fedback?msg=%C3%A8&email=";
    // A message or address beyond its longest length is cut, and a character
    // made of two UTF-16 units is never cut in half.
    QTest::newRow("long message cut")
        << QString(200000, QLatin1Char('a')) << "me"
        << "/vastrel/fedback?msg=" + QString(2000, QLatin1Char('a')) + "&email=me";
    QTest::newRow("cut before a surrogate pair")
        << QString(1999, QLatin1Char('a')) + QStringLiteral("\U0001F600") << ""
        << "/vastrel/fedback?msg=" + QString(1999, QLatin1Char('a')) + "&email=";
    QTest::newRow("long address cut")
        << "" << QString(1000, QLatin1Char('m'))
        << "/vastrel/fedback?msg=&email=" + QString(254, QLatin1Char('m'));
}

void tst_UpdateProtocol::feedbackPath()
{
    QFETCH(QString, message);
    QFETCH(QString, mail);
    QFETCH(QString, path);
    QCOMPARE(updateprotocol::feedbackPath(message, mail), path);
}

void tst_UpdateProtocol::feedbackRoundTrip_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("mail");

    QTest::newRow("injection attempt") << "x&email=evil@x"
                                       << "me&msg=y";
    QTest::newRow("everything at once")
        << QStringLiteral("a&b=c+d#e%f\r\nzweite Zeile \u00e8 \u4e2d ?/") << "a+b@c.d";
}

// What a server reads back by splitting the query at "&" and "=" and
// percent-decoding each value is exactly what was typed.
void tst_UpdateProtocol::feedbackRoundTrip()
{
    QFETCH(QString, message);
    QFETCH(QString, mail);

    const QString path = updateprotocol::feedbackPath(message, mail);
    const QString prefix = QStringLiteral("/vastrel/fedback?");
    QVERIFY(path.startsWith(prefix));
    const QStringList fields = path.mid(prefix.size()).split(QLatin1Char('&'));
    QCOMPARE(fields.size(), 2);
    const auto value = [](const QString &field, const char *name) {
        const QStringList pair = field.split(QLatin1Char('='));
        return pair.size() == 2 && pair.at(0) == QLatin1String(name)
            ? QString::fromUtf8(QByteArray::fromPercentEncoding(pair.at(1).toLatin1()))
            : QStringLiteral("<malformed>");
    };
    QCOMPARE(value(fields.at(0), "msg"), message);
    QCOMPARE(value(fields.at(1), "email"), mail);
}

void tst_UpdateProtocol::downloadUrl_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("opened"); // "" when nothing may be opened

    QTest::newRow("http") << "http://example.org/get"
                          << "http://example.org/get";
    QTest::newRow("https") << "https://example.org/x?y=1"
                           << "https://example.org/x?y=1";
    QTest::newRow("blanks trimmed") << " \thttp://example.org/ \r\n"
                                    << "http://example.org/";
    QTest::newRow("scheme in capitals") << "HTTPS://example.org/"
                                        << "https://example.org/";
    QTest::newRow("local file") << "file:///etc/passwd"
                                << "";
    QTest::newRow("file in capitals") << "FILE:///etc/passwd"
                                      << "";
    QTest::newRow("other scheme") << "smb://host/share"
                                  << "";
    QTest::newRow("script") << "javascript:alert(1)"
                            << "";
    QTest::newRow("no scheme") << "example.org/get"
                               << "";
    QTest::newRow("absolute path") << "/usr/bin/xterm"
                                   << "";
    QTest::newRow("http without host") << "http:relative"
                                       << "";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_UpdateProtocol::downloadUrl()
{
    QFETCH(QString, address);
    QFETCH(QString, opened);
    const QUrl url = updateprotocol::downloadUrl(address);
    QCOMPARE(url.toString(), opened);
}

void tst_UpdateProtocol::server_data()
{
    QTest::addColumn<QByteArray>("env"); // "-" for unset
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");

    const QString builtIn = QStringLiteral(VASTREL_UPDATE_HOST);
    QTest::newRow("unset") << QByteArray("-") << builtIn << 80;
    QTest::newRow("empty") << QByteArray("") << builtIn << 80;
    QTest::newRow("host") << QByteArray("updates.example.org") << "updates.example.org" << 80;
    QTest::newRow("host and port") << QByteArray("127.0.0.1:8080") << "127.0.0.1" << 8080;
    QTest::newRow("blanks around") << QByteArray(" localhost:81 ") << "localhost" << 81;
    QTest::newRow("port 0") << QByteArray("h:0") << builtIn << 80;
    QTest::newRow("port too big") << QByteArray("h:65536") << builtIn << 80;
    QTest::newRow("port not a number") << QByteArray("h:http") << builtIn << 80;
    QTest::newRow("empty port") << QByteArray("h:") << builtIn << 80;
    QTest::newRow("no host") << QByteArray(":8080") << builtIn << 80;
    QTest::newRow("two colons") << QByteArray("a:1:2") << builtIn << 80;
    QTest::newRow("blank inside") << QByteArray("a b:80") << builtIn << 80;
}

void tst_UpdateProtocol::server()
{
    QFETCH(QByteArray, env);
    QFETCH(QString, host);
    QFETCH(int, port);

    if (env == "-")
        qunsetenv("VASTREL_UPDATE_HOST");
    else
        qputenv("VASTREL_UPDATE_HOST", env);
    const updateprotocol::Server server = updateprotocol::server();
    qunsetenv("VASTREL_UPDATE_HOST");
    QCOMPARE(server.host, host);
    QCOMPARE(int(server.port), port);
}

void tst_UpdateProtocol::debugExcerpt_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("excerpt");

    const QByteArray longest(200, 'a');
    QTest::newRow("short") << QByteArray("2.0.1##http://example.org/")
                           << "2.0.1##http://example.org/";
    QTest::newRow("200 characters") << longest << QString::fromLatin1(longest);
    QTest::newRow("201 characters")
        << longest + 'b' << QString::fromLatin1(longest) + "... (1 more characters)";
    QTest::newRow("64 KiB") << QByteArray(64 * 1024, 'a')
                            << QString::fromLatin1(longest) + "... (65336 more characters)";
    QTest::newRow("NUL ends the text") << QByteArray("ok\0", 3) + QByteArray(500, 'a') << "ok";
}

void tst_UpdateProtocol::debugExcerpt()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, excerpt);
    QCOMPARE(updateprotocol::debugExcerpt(body), excerpt);
    QCOMPARE(updateprotocol::debugExcerpt(updateprotocol::answerText(body)), excerpt);
}

QTEST_GUILESS_MAIN(tst_UpdateProtocol)
#include "tst_updateprotocol.moc"
