#include "scan/filetypes.h"

#include <QTest>

// How a list of file types is read, the same for every front end.
class tst_FileTypes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void extensions_data();
    void extensions();
};

void tst_FileTypes::extensions_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QStringList>("rejected");

    QTest::newRow("plain") << "mkv" << QStringList {"mkv"} << QStringList {};
    QTest::newRow("dot, star-dot, case")
        << "*.MKV .Iso mp4" << QStringList {"mkv", "iso", "mp4"} << QStringList {};
    QTest::newRow("commas, semicolons, runs of them")
        << "bin,txt;; ,gz" << QStringList {"bin", "txt", "gz"} << QStringList {};
    QTest::newRow("each once") << "mkv .MKV *.mkv" << QStringList {"mkv"} << QStringList {};
    QTest::newRow("inner dots kept") << "tar.gz" << QStringList {"tar.gz"} << QStringList {};
    QTest::newRow("no extensions") << "a/b, *, ?.x, .., c\\d" << QStringList {}
                                   << QStringList {"a/b", "*", "?.x", "..", "c\\d"};
    QTest::newRow("nothing") << " ;, " << QStringList {} << QStringList {};
}

void tst_FileTypes::extensions()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, rejected);
    QCOMPARE(filetypes::extensions({entry}), kept);
    QCOMPARE(filetypes::rejectedWords(entry), rejected);
}

QTEST_APPLESS_MAIN(tst_FileTypes)
#include "tst_filetypes.moc"
