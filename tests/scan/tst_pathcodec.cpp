#include "scan/pathcodec.h"

#include <QTest>

#include <string>

class tst_PathCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void exactCharacters_data();
    void exactCharacters();
    void everySequenceRoundTrips();
    void escapes_data();
    void escapes();
    void compareAsBytes_data();
    void compareAsBytes();
};

void tst_PathCodec::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("undecodable");

    QTest::newRow("ascii") << QByteArray("/tmp/a b.bin") << QStringLiteral("/tmp/a b.bin") << false;
    QTest::newRow("utf8") << QByteArray("/tmp/\xc3\xa8t\xc3\xa9")
                          << QString::fromUtf8("/tmp/\xc3\xa8t\xc3\xa9") << false;
    QTest::newRow("astral") << QByteArray("\xf0\x9f\x98\x80")
                            << QString::fromUtf8("\xf0\x9f\x98\x80") << false;
    QTest::newRow("ff") << QByteArray("bad\xffx")
                        << QStringLiteral("bad") + QChar(0xdcff) + QStringLiteral("x") << true;
    QTest::newRow("fe") << QByteArray("bad\xfex")
                        << QStringLiteral("bad") + QChar(0xdcfe) + QStringLiteral("x") << true;
    QTest::newRow("truncated sequence")
        << QByteArray("a\xc3") << QStringLiteral("a") + QChar(0xdcc3) << true;
    QTest::newRow("overlong slash")
        << QByteArray("\xc0\xaf") << QString(QChar(0xdcc0)) + QChar(0xdcaf) << true;
    QTest::newRow("encoded surrogate")
        << QByteArray("\xed\xb3\xbf") << QString(QChar(0xdced)) + QChar(0xdcb3) + QChar(0xdcbf)
        << true;
    QTest::newRow("latin1 name") << QByteArray("caf\xe9.txt")
                                 << QStringLiteral("caf") + QChar(0xdce9) + QStringLiteral(".txt")
                                 << true;
}

void tst_PathCodec::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, undecodable);

    const QString decoded = pathcodec::fromNative(bytes);
    QCOMPARE(decoded, text);
    QCOMPARE(pathcodec::toNative(decoded), bytes);
    QCOMPARE(pathcodec::hasUndecodable(decoded), undecodable);
}

// Characters that a decoder could take for something else: each valid
// sequence stays its one character wherever it stands.
void tst_PathCodec::exactCharacters_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QString bom(QChar(0xfeff));
    QTest::newRow("U+FEFF in a name") << QByteArray("thesis\xef\xbb\xbf.pdf")
                                      << QStringLiteral("thesis") + bom + QStringLiteral(".pdf");
    QTest::newRow("U+FEFF after a non-ASCII character")
        << QByteArray("\xc3\xa9\xef\xbb\xbfx") << QString(QChar(0xe9)) + bom + QStringLiteral("x");
    QTest::newRow("U+FEFF first") << QByteArray("\xef\xbb\xbf") << bom;
    QTest::newRow("two U+FEFF") << QByteArray("\xef\xbb\xbf\xef\xbb\xbf") << bom + bom;
    QTest::newRow("U+FFFE") << QByteArray("\xef\xbf\xbe") << QString(QChar(0xfffe));
    QTest::newRow("U+FFFF") << QByteArray("a\xef\xbf\xbf") << QStringLiteral("a") + QChar(0xffff);
    QTest::newRow("U+FDD0") << QByteArray("\xef\xb7\x90") << QString(QChar(0xfdd0));
    QTest::newRow("U+1FFFE") << QByteArray("\xf0\x9f\xbf\xbe")
                             << QString::fromUcs4(U"\U0001fffe", 1);
    QTest::newRow("U+10FFFF") << QByteArray("\xf4\x8f\xbf\xbf")
                              << QString::fromUcs4(U"\U0010ffff", 1);
    QTest::newRow("U+1F480, its low half in the escape range")
        << QByteArray("\xf0\x9f\x92\x80") << QString::fromUcs4(U"\U0001f480", 1);
    QTest::newRow("U+FFFD") << QByteArray("\xef\xbf\xbd") << QString(QChar(0xfffd));
}

void tst_PathCodec::exactCharacters()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(pathcodec::fromNative(bytes), text);
    QCOMPARE(pathcodec::toNative(text), bytes);
    QVERIFY(!pathcodec::hasUndecodable(text));
    // Two names that differ only by such a character stay two names.
    QVERIFY(pathcodec::compareNative(pathcodec::fromNative("x" + bytes), QStringLiteral("x")) > 0);
}

// Every sequence of up to three bytes, every four-byte one that starts like a
// four-byte character (lone bytes, overlong forms, surrogates and values above
// U+10FFFF among them), and every character, comes back as the same bytes.
void tst_PathCodec::everySequenceRoundTrips()
{
    int failures = 0;
    const auto check = [&failures](const QByteArray &bytes) {
        const QString text = pathcodec::fromNative(bytes);
        if (pathcodec::toNative(text) != bytes && ++failures <= 5)
            qWarning() << "not kept:" << bytes.toHex(' ');
    };
    QByteArray bytes;
    for (int a = 0; a < 256; ++a) {
        check(QByteArray(1, char(a)));
        for (int b = 0; b < 256; ++b) {
            check(QByteArray("x") + char(a) + char(b));
            if (a < 0xc0)
                continue;
            for (int c = 0; c < 256; ++c)
                check(QByteArray() + char(a) + char(b) + char(c));
        }
    }
    const char edges[] = {'\x00', 'A', '\x7f', '\x80', '\x8f', '\x90', '\xbf', '\xc0', '\xff'};
    for (int a = 0xf0; a < 0x100; ++a) {
        for (int b = 0x80; b < 0xc0; ++b) {
            for (int c = 0x80; c < 0xc0; ++c) {
                for (const char d : edges)
                    check(QByteArray() + char(a) + char(b) + char(c) + d);
            }
        }
    }
    for (char32_t value = 0; value <= 0x10ffff; ++value) {
        if (value >= 0xd800 && value <= 0xdfff)
            continue;
        const QString text = QString::fromUcs4(&value, 1);
        const QByteArray encoded = pathcodec::toNative(text);
        if (pathcodec::fromNative(encoded) != text && ++failures <= 5)
            qWarning() << "character not kept:" << Qt::hex << quint32(value);
    }
    QCOMPARE(failures, 0);
}

void tst_PathCodec::escapes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("line");

    QTest::newRow("plain") << QByteArray("/a/b c") << QStringLiteral("/a/b c")
                           << QStringLiteral("/a/b c");
    QTest::newRow("undecodable") << QByteArray("bad\xffx") << QStringLiteral("bad\\xffx")
                                 << QStringLiteral("bad\\xffx");
    QTest::newRow("newline and tab")
        << QByteArray("a\nb\tc") << QStringLiteral("a\\nb\\tc") << QStringLiteral("a\\nb\\tc");
    QTest::newRow("terminal escape")
        << QByteArray("\x1b]2;x\a\x1b[2J") << QStringLiteral("\\x1b]2;x\\x07\\x1b[2J")
        << QStringLiteral("\\x1b]2;x\\x07\\x1b[2J");
    QTest::newRow("C1 control and the byte it resembles")
        << QByteArray("\xc2\x85\x85") << QStringLiteral("\\u0085\\x85")
        << QStringLiteral("\\u0085\\x85");
    QTest::newRow("backslash") << QByteArray("a\\xffb") << QStringLiteral("a\\xffb")
                               << QStringLiteral("a\\\\xffb");
}

void tst_PathCodec::escapes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, display);
    QFETCH(QString, line);

    const QString path = pathcodec::fromNative(bytes);
    QCOMPARE(pathcodec::displayText(path), display);
    QCOMPARE(pathcodec::escapedLine(path), line);
}

void tst_PathCodec::compareAsBytes_data()
{
    QTest::addColumn<QByteArray>("left");
    QTest::addColumn<QByteArray>("right");

    QTest::newRow("equal") << QByteArray("/a/b") << QByteArray("/a/b");
    QTest::newRow("prefix") << QByteArray("/a") << QByteArray("/a/b");
    QTest::newRow("case") << QByteArray("/a/B") << QByteArray("/a/a");
    QTest::newRow("BMP above surrogates against astral")
        << QByteArray("x\xef\xbd\x9e") << QByteArray("x\xf0\x9f\x98\x80");
    QTest::newRow("astral pairs differing in the low half")
        << QByteArray("\xf0\x9f\x98\x80") << QByteArray("\xf0\x9f\x98\x81");
    QTest::newRow("undecodable against astral")
        << QByteArray("\xff") << QByteArray("\xf0\x9f\x98\x80");
    QTest::newRow("undecodable lead byte against its character") << QByteArray("a\xc3"
                                                                               "b")
                                                                 << QByteArray("a\xc3\xa9");
    QTest::newRow("undecodable bytes") << QByteArray("bad\xffx") << QByteArray("bad\xfex");
    QTest::newRow("continuation byte against ASCII") << QByteArray("\x80") << QByteArray("~");
}

// Paths compare as their bytes do, in both directions.
void tst_PathCodec::compareAsBytes()
{
    QFETCH(QByteArray, left);
    QFETCH(QByteArray, right);
    const QString a = pathcodec::fromNative(left);
    const QString b = pathcodec::fromNative(right);
    const auto sign = [](int value) {
        return (value > 0) - (value < 0);
    };
    const auto bytes = [](const QByteArray &array) {
        return std::basic_string<unsigned char>(
            reinterpret_cast<const unsigned char *>(array.constData()), size_t(array.size()));
    };
    const int expected = sign(bytes(left).compare(bytes(right)));
    QCOMPARE(sign(pathcodec::compareNative(a, b)), expected);
    QCOMPARE(sign(pathcodec::compareNative(b, a)), -expected);
}

QTEST_APPLESS_MAIN(tst_PathCodec)
#include "tst_pathcodec.moc"
