#include "scan/sizetext.h"

#include <QTest>

// The one rule for turning bytes into the megabytes the user reads.
class tst_SizeText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void megabytesText_data();
    void megabytesText();
};

void tst_SizeText::megabytesText_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<double>("megabytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << 0.0 << "0";
    QTest::newRow("one byte") << qint64(1) << 1.0 / 1048576 << "9.53674e-07";
    QTest::newRow("half a megabyte") << qint64(524288) << 0.5 << "0.5";
    QTest::newRow("six significant digits")
        << qint64(123456789) << 123456789.0 / 1048576 << "117.738";
    QTest::newRow("5 GiB") << (qint64(5) << 30) << 5120.0 << "5120";
    QTest::newRow("above 2^31 megabytes") << (qint64(3) << 50) << 3221225472.0 << "3.22123e+09";
}

void tst_SizeText::megabytesText()
{
    QFETCH(qint64, bytes);
    QFETCH(double, megabytes);
    QFETCH(QString, text);
    QCOMPARE(::megabytes(bytes), megabytes);
    QCOMPARE(::megabytesText(bytes), text);
}

QTEST_GUILESS_MAIN(tst_SizeText)
#include "tst_sizetext.moc"
