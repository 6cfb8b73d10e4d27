#include "app/commandline.h"

#include <QTest>

// The command-line directory becomes an absolute, clean path against the
// caller's directory; nothing else about it changes.
class tst_CommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void directoryArgument_data();
    void directoryArgument();
};

void tst_CommandLine::directoryArgument_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("currentDir");
    QTest::addColumn<QString>("directory");

#ifdef Q_OS_WIN
    // Windows: drive letters, and the backslash is a separator.
    const QString here = QStringLiteral("C:/Users/u/work");
    QTest::newRow("parent's sibling") << "..\\stuff" << here << "C:/Users/u/stuff";
    QTest::newRow("absolute with a trailing dot") << "D:\\data\\." << here << "D:/data";
    QTest::newRow("doubled and trailing separators") << "a//b\\" << here << "C:/Users/u/work/a/b";
    QTest::newRow("above the root stays at the root") << "../../../.." << here << "C:/";
    QTest::newRow("rooted on the current drive") << "\\data" << here << "C:/data";
    QTest::newRow("empty names nothing") << "" << here << "";
#else
    const QString here = QStringLiteral("/home/u/work");
    QTest::newRow("parent's sibling") << "../stuff" << here << "/home/u/stuff";
    QTest::newRow("absolute with a trailing dot") << "/etc/." << here << "/etc";
    QTest::newRow("doubled and trailing separators") << "a//b/" << here << "/home/u/work/a/b";
    QTest::newRow("above the root stays at the root") << "../../../.." << here << "/";
    QTest::newRow("backslash is part of a name") << "a\\b" << here << "/home/u/work/a\\b";
    QTest::newRow("empty names nothing") << "" << here << "";
    // The current directory was removed: a relative argument stays as given
    // (the scan reports it not found), never the root or another folder.
    QTest::newRow("no current directory: . kept") << "." << QString() << ".";
    QTest::newRow("no current directory: .. kept") << ".." << QString() << "..";
    QTest::newRow("no current directory: absolute still cleaned")
        << "/etc/./x/" << QString() << "/etc/x";
#endif
}

void tst_CommandLine::directoryArgument()
{
    QFETCH(QString, argument);
    QFETCH(QString, currentDir);
    QFETCH(QString, directory);
    QCOMPARE(commandline::directoryArgument(argument, currentDir), directory);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
