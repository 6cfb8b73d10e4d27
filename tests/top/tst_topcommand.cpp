#include "top/topcommand.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// vastrel-top: its rules as functions, then the program run as a process on a
// temporary tree, below T:
//   big.bin 123456789     huge.bin 5 GiB       sub/mid.bin 1048576
//   small.bin 10          .hidden/giant.bin 6 GiB
//   link-to-huge -> huge.bin                   empty/ (no files)
// and below W two files of equal size, a/twin.bin and b/twin.bin 2 MiB.
class tst_TopCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tree;
    QTemporaryDir twins;

    struct Run
    {
        int exitCode;
        QString out;
        QString err;
    };

    Run runTop(const QStringList &arguments, bool debug = false)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_LOGGING_RULES"));
        if (debug)
            environment.insert(QStringLiteral("VASTREL_DEBUG"), QStringLiteral("1"));
        else
            environment.remove(QStringLiteral("VASTREL_DEBUG"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VASTREL_TOP_PATH), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {-1, QString(), process.errorString()};
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QStringList fill(QStringList list) const
    {
        for (QString &text : list)
            text.replace(QLatin1String("%T"), tree.path())
                .replace(QLatin1String("%W"), twins.path());
        return list;
    }

    static void makeFile(const QString &path, qint64 size)
    {
        QFile file(path);
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
    }

private Q_SLOTS:
    void initTestCase();
    void parseArguments_data();
    void parseArguments();
    void progressLine_data();
    void progressLine();
    void program_data();
    void program();
    void debugLinesOnRequest();
};

void tst_TopCommand::initTestCase()
{
    QVERIFY(tree.isValid());
    QVERIFY(twins.isValid());
    makeFile(tree.path() + "/big.bin", 123456789);
    makeFile(tree.path() + "/huge.bin", qint64(5) << 30);
    makeFile(tree.path() + "/sub/mid.bin", 1048576);
    makeFile(tree.path() + "/small.bin", 10);
    makeFile(tree.path() + "/.hidden/giant.bin", qint64(6) << 30);
    makeFile(twins.path() + "/a/twin.bin", 2097152);
    makeFile(twins.path() + "/b/twin.bin", 2097152);
    QVERIFY(QFile::link(tree.path() + "/huge.bin", tree.path() + "/link-to-huge"));
    QVERIFY(QDir().mkpath(tree.path() + "/empty"));
}

void tst_TopCommand::parseArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("dirs");

    using O = topcommand::Options;
    QTest::newRow("nothing") << QStringList {} << int(O::Scan) << 10 << QStringList {};
    QTest::newRow("dirs") << QStringList {"/a", "b"} << int(O::Scan) << 10
                          << QStringList {"/a", "b"};
    QTest::newRow("-n N") << QStringList {"-n", "3", "/a"} << int(O::Scan) << 3
                          << QStringList {"/a"};
    QTest::newRow("-nN after a dir")
        << QStringList {"/a", "-n25"} << int(O::Scan) << 25 << QStringList {"/a"};
    QTest::newRow("largest count")
        << QStringList {"-n", "2147483547"} << int(O::Scan) << 2147483547 << QStringList {};
    QTest::newRow("-- ends options")
        << QStringList {"--", "-n", "--help"} << int(O::Scan) << 10 << QStringList {"-n", "--help"};
    QTest::newRow("lone dash is a dir")
        << QStringList {"-"} << int(O::Scan) << 10 << QStringList {"-"};
    QTest::newRow("--help wins") << QStringList {"/a", "--help", "-x"} << int(O::Help) << 10
                                 << QStringList {"/a"};
    QTest::newRow("-h") << QStringList {"-h"} << int(O::Help) << 10 << QStringList {};
    QTest::newRow("--version") << QStringList {"--version"} << int(O::Version) << 10
                               << QStringList {};
    QTest::newRow("count 0") << QStringList {"-n", "0"} << int(O::Invalid) << 10 << QStringList {};
    QTest::newRow("negative count")
        << QStringList {"-n", "-4"} << int(O::Invalid) << 10 << QStringList {};
    QTest::newRow("count past capacity range")
        << QStringList {"-n", "2147483548"} << int(O::Invalid) << 10 << QStringList {};
    QTest::newRow("count not a number")
        << QStringList {"-n", "ten"} << int(O::Invalid) << 10 << QStringList {};
    QTest::newRow("count with junk")
        << QStringList {"-n5x"} << int(O::Invalid) << 10 << QStringList {};
    QTest::newRow("missing count")
        << QStringList {"/a", "-n"} << int(O::Invalid) << 10 << QStringList {"/a"};
    QTest::newRow("unknown option")
        << QStringList {"--top=5"} << int(O::Invalid) << 10 << QStringList {};
}

void tst_TopCommand::parseArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(int, count);
    QFETCH(QStringList, dirs);

    const topcommand::Options options = topcommand::parseArguments(arguments);
    QCOMPARE(int(options.action), action);
    QCOMPARE(options.error.isEmpty(), action != topcommand::Options::Invalid);
    if (action == topcommand::Options::Invalid)
        return;
    QCOMPARE(options.count, count);
    QCOMPARE(options.dirs, dirs);
}

void tst_TopCommand::progressLine_data()
{
    QTest::addColumn<qint64>("files");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("line");

    QTest::newRow("fits") << qint64(12) << "/home/me" << 80 << "12 files  /home/me";
    QTest::newRow("fills all but the last column")
        << qint64(1) << "/abcdefghij" << 21 << "1 files  /abcdefghij";
    QTest::newRow("cut at the start")
        << qint64(1) << "/abcdefghijk" << 21 << "1 files  ...defghijk";
    QTest::newRow("room for the dots only") << qint64(1) << "/abcdef" << 12 << "1 files";
    QTest::newRow("narrower than the count") << qint64(123456) << "/a" << 6 << "12345";
    QTest::newRow("no width") << qint64(5) << "/a" << 0 << "";
    QTest::newRow("no directory yet") << qint64(0) << "" << 80 << "0 files  ";
}

void tst_TopCommand::progressLine()
{
    QFETCH(qint64, files);
    QFETCH(QString, directory);
    QFETCH(int, columns);
    QFETCH(QString, line);
    QCOMPARE(topcommand::progressLine(files, directory, columns), line);
    QVERIFY(line.size() < qMax(columns, 1));
}

void tst_TopCommand::program_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("out");
    QTest::addColumn<QString>("errStart");

    const QStringList all {"5120\t%T/huge.bin", "117.738\t%T/big.bin", "1\t%T/sub/mid.bin",
                           "9.53674e-06\t%T/small.bin"};
    QTest::newRow("default count") << QStringList {"%T"} << 0 << all << "";
    QTest::newRow("-n 2") << QStringList {"-n", "2", "%T"} << 0 << all.mid(0, 2) << "";
    QTest::newRow("-n1") << QStringList {"-n1", "%T/"} << 0 << all.mid(0, 1) << "";
    QTest::newRow("nested roots list a file twice")
        << QStringList {"-n", "4", "%T/sub", "%T"} << 0
        << QStringList {"5120\t%T/huge.bin", "117.738\t%T/big.bin", "1\t%T/sub/mid.bin",
                        "1\t%T/sub/mid.bin"}
        << "";
    QTest::newRow("equal sizes in the order met")
        << QStringList {"%W/b", "%W/a"} << 0 << QStringList {"2\t%W/b/twin.bin", "2\t%W/a/twin.bin"}
        << "";
    QTest::newRow("equal sizes, other root order")
        << QStringList {"%W/a", "%W/b"} << 0 << QStringList {"2\t%W/a/twin.bin", "2\t%W/b/twin.bin"}
        << "";
    QTest::newRow("equal size cut by -n")
        << QStringList {"-n", "1", "%W/b", "%W/a"} << 0 << QStringList {"2\t%W/b/twin.bin"} << "";
    QTest::newRow("no files") << QStringList {"%T/empty"} << 0 << QStringList {} << "";
    QTest::newRow("missing dir, the other still scanned")
        << QStringList {"-n", "1", "%T/missing", "%T"} << 1 << all.mid(0, 1)
        << "vastrel-top: %T/missing: No such file or directory\n";
    QTest::newRow("a file as dir") << QStringList {"%T/big.bin"} << 1 << QStringList {}
                                   << "vastrel-top: %T/big.bin: Not a directory\n";
    QTest::newRow("empty dir argument")
        << QStringList {""} << 1 << QStringList {} << "vastrel-top: : No such file or directory\n";
    QTest::newRow("count 0") << QStringList {"-n", "0", "%T"} << 2 << QStringList {}
                             << "vastrel-top: invalid count '0': a whole number from 1 to "
                                "2147483547 is needed\n\nUsage: vastrel-top [-n N] [DIR...]\n";
    QTest::newRow("unknown option") << QStringList {"-x", "%T"} << 2 << QStringList {}
                                    << "vastrel-top: unknown option '-x'\n\nUsage: ";
    QTest::newRow("--version") << QStringList {"--version"} << 0
                               << QStringList {"vastrel-top 2.0.0"} << "";
}

// Output lines, their order and form, the exit status and what reaches
// standard error (nothing on success: no debug lines, no progress off a terminal).
void tst_TopCommand::program()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, out);
    QFETCH(QString, errStart);

    const Run run = runTop(fill(arguments));
    QCOMPARE(run.exitCode, exitCode);
    const QStringList expected = fill(out);
    QCOMPARE(run.out, expected.isEmpty() ? QString() : expected.join(QLatin1Char('\n')) + '\n');
    errStart = fill({errStart}).constFirst();
    if (errStart.isEmpty())
        QCOMPARE(run.err, QString());
    else
        QVERIFY2(run.err.startsWith(errStart), qPrintable(run.err));
    if (exitCode == 2)
        QVERIFY(run.err.endsWith(topcommand::usage()));
}

void tst_TopCommand::debugLinesOnRequest()
{
    const Run help = runTop({"--help"});
    QCOMPARE(help.exitCode, 0);
    QCOMPARE(help.out, topcommand::usage());

    const Run run = runTop({"-n", "1", tree.path() + "/sub"}, true);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, "1\t" + tree.path() + "/sub/mid.bin\n");
    QVERIFY2(run.err.contains("walk! " + tree.path() + "/sub\n"), qPrintable(run.err));
    QVERIFY2(run.err.contains("1 : \"" + tree.path() + "/sub/mid.bin\"\n"), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(tst_TopCommand)
#include "tst_topcommand.moc"
