#include "top/topcommand.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// vastrel-top: its rules as functions, then the program run as a process on
// temporary trees. Below T:
//   big.bin 123456789     huge.bin 5 GiB       sub/mid.bin 1048576
//   small.bin 10          .hidden/giant.bin 6 GiB
//   link-to-huge -> huge.bin                   empty/ (no files)
// below W two files of equal size, a/twin.bin and b/twin.bin 2 MiB, and below
// O names a terminal must not take as commands.
class tst_TopCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tree;
    QTemporaryDir twins;
    QTemporaryDir odd;

    struct Run
    {
        int exitCode;
        QByteArray out;
        QString err;
    };

    Run runTop(const QStringList &arguments, bool debug = false)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_LOGGING_RULES"));
        // The system's messages in English, whatever the machine's language.
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        if (debug)
            environment.insert(QStringLiteral("VASTREL_DEBUG"), QStringLiteral("1"));
        else
            environment.remove(QStringLiteral("VASTREL_DEBUG"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VASTREL_TOP_PATH), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {-1, QByteArray(), process.errorString()};
        return {process.exitCode(), process.readAllStandardOutput(),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QStringList fill(QStringList list) const
    {
        for (QString &text : list)
            text.replace(QLatin1String("%T"), tree.path())
                .replace(QLatin1String("%W"), twins.path())
                .replace(QLatin1String("%O"), odd.path());
        return list;
    }

    static void makeFile(const QString &path, qint64 size)
    {
        QFile file(path);
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
    }

    // The options in one line, for comparing whole parses.
    static QString describe(const topcommand::Options &options)
    {
        using O = topcommand::Options;
        switch (options.action) {
        case O::Help:
            return QStringLiteral("help");
        case O::Version:
            return QStringLiteral("version");
        case O::Invalid:
            return QStringLiteral("invalid");
        case O::Scan:
            break;
        }
        const ScanOptions &scan = options.scan;
        QString text = QStringLiteral("scan n=%1").arg(options.count);
        if (scan.includeHidden)
            text += " all";
        if (scan.oneFileSystem)
            text += " xdev";
        if (!scan.skipNetwork)
            text += " network";
        if (options.nullTerminated)
            text += " null";
        if (options.exactBytes)
            text += " bytes";
        if (scan.minSize != 0)
            text += QStringLiteral(" min=%1").arg(scan.minSize);
        if (!scan.types.isEmpty())
            text += " types=" + scan.types.join(',');
        if (scan.olderThanDays != 0)
            text += QStringLiteral(" older=%1").arg(scan.olderThanDays);
        if (!scan.excludes.isEmpty())
            text += " exclude=" + scan.excludes.join('|');
        if (!options.dirs.isEmpty())
            text += " dirs=" + options.dirs.join('|');
        return text;
    }

private Q_SLOTS:
    void initTestCase();
    void parseArguments_data();
    void parseArguments();
    void parseSize_data();
    void parseSize();
    void formatResults_data();
    void formatResults();
    void progressLine_data();
    void progressLine();
    void program_data();
    void program();
    void nullRecordsKeepEveryByte();
    void debugLinesOnRequest();
};

void tst_TopCommand::initTestCase()
{
    QVERIFY(tree.isValid());
    QVERIFY(twins.isValid());
    QVERIFY(odd.isValid());
    makeFile(tree.path() + "/big.bin", 123456789);
    makeFile(tree.path() + "/huge.bin", qint64(5) << 30);
    makeFile(tree.path() + "/sub/mid.bin", 1048576);
    makeFile(tree.path() + "/small.bin", 10);
    makeFile(tree.path() + "/.hidden/giant.bin", qint64(6) << 30);
    makeFile(twins.path() + "/a/twin.bin", 2097152);
    makeFile(twins.path() + "/b/twin.bin", 2097152);
    QVERIFY(QFile::link(tree.path() + "/huge.bin", tree.path() + "/link-to-huge"));
    QVERIFY(QDir().mkpath(tree.path() + "/empty"));
    makeFile(odd.path() + "/evil\x1b]2;pwned\a\x1b[2Jname\nline2", 3145728);
    makeFile(odd.path() + "/back\\slash\tand tab", 2097152);
}

void tst_TopCommand::parseArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("parsed");

    const QString here = QDir::currentPath();
    QTest::newRow("nothing") << QStringList {} << "scan n=10";
    QTest::newRow("dirs") << QStringList {"/a", "b"} << "scan n=10 dirs=/a|b";
    QTest::newRow("-n N") << QStringList {"-n", "3", "/a"} << "scan n=3 dirs=/a";
    QTest::newRow("-nN after a dir") << QStringList {"/a", "-n25"} << "scan n=25 dirs=/a";
    QTest::newRow("largest count") << QStringList {"-n", "2147483547"} << "scan n=2147483547";
    QTest::newRow("-- ends options")
        << QStringList {"--", "-n", "--help"} << "scan n=10 dirs=-n|--help";
    QTest::newRow("lone dash is a dir") << QStringList {"-"} << "scan n=10 dirs=-";
    QTest::newRow("switches") << QStringList {"-a", "-x", "-0", "--bytes", "--network"}
                              << "scan n=10 all xdev network null bytes";
    QTest::newRow("long switches")
        << QStringList {"--all", "--one-file-system", "--null"} << "scan n=10 all xdev null";
    QTest::newRow("switches together, then a count")
        << QStringList {"-ax0n", "4", "/a"} << "scan n=4 all xdev null dirs=/a";
    QTest::newRow("count glued to switches") << QStringList {"-0n7"} << "scan n=7 null";
    QTest::newRow("excludes made absolute and clean, repeated once")
        << QStringList {"--exclude", "/m/./backup/", "--exclude=rel/x/..", "--exclude", "/m/backup"}
        << "scan n=10 exclude=/m/backup|" + here + "/rel";
    QTest::newRow("sizes") << QStringList {"--min-size", "1.5G"} << "scan n=10 min=1610612736";
    QTest::newRow("size with =") << QStringList {"--min-size=10k"} << "scan n=10 min=10240";
    QTest::newRow("types in any case, with or without dot, repeated")
        << QStringList {"--type", "MKV,.mp4", "--type=iso,mkv"} << "scan n=10 types=mkv,mp4,iso";
    QTest::newRow("older than") << QStringList {"--older-than", "30"} << "scan n=10 older=30";
    QTest::newRow("--help wins") << QStringList {"/a", "--help", "-q"} << "help";
    QTest::newRow("-h among switches") << QStringList {"-ah"} << "help";
    QTest::newRow("--version") << QStringList {"--version"} << "version";
    QTest::newRow("an error before --help") << QStringList {"-n", "0", "--help"} << "invalid";
    QTest::newRow("count 0") << QStringList {"-n", "0"} << "invalid";
    QTest::newRow("negative count") << QStringList {"-n", "-4"} << "invalid";
    QTest::newRow("count past capacity range") << QStringList {"-n", "2147483548"} << "invalid";
    QTest::newRow("count not a number") << QStringList {"-n", "ten"} << "invalid";
    QTest::newRow("count with junk") << QStringList {"-n5x"} << "invalid";
    QTest::newRow("missing count") << QStringList {"/a", "-n"} << "invalid";
    QTest::newRow("unknown option") << QStringList {"--top=5"} << "invalid";
    QTest::newRow("unknown letter among switches") << QStringList {"-aq"} << "invalid";
    QTest::newRow("value for a switch") << QStringList {"--all=yes"} << "invalid";
    QTest::newRow("missing exclude") << QStringList {"--exclude"} << "invalid";
    QTest::newRow("empty exclude") << QStringList {"--exclude="} << "invalid";
    QTest::newRow("bad size") << QStringList {"--min-size", "10X"} << "invalid";
    QTest::newRow("negative size") << QStringList {"--min-size=-1"} << "invalid";
    QTest::newRow("empty type") << QStringList {"--type", "mkv,,iso"} << "invalid";
    QTest::newRow("negative age") << QStringList {"--older-than", "-2"} << "invalid";
    QTest::newRow("fractional age") << QStringList {"--older-than", "1.5"} << "invalid";
}

void tst_TopCommand::parseArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, parsed);

    const topcommand::Options options = topcommand::parseArguments(arguments);
    QCOMPARE(describe(options), parsed);
    // A complaint is one line, and only a bad command line has one.
    QCOMPARE(options.error.isEmpty(), parsed != "invalid");
    QVERIFY(!options.error.contains('\n'));
}

void tst_TopCommand::parseSize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("size"); // -1: not a size

    QTest::newRow("zero") << "0" << qint64(0);
    QTest::newRow("bytes") << "123456789" << qint64(123456789);
    QTest::newRow("K") << "1K" << qint64(1024);
    QTest::newRow("lower case") << "3m" << qint64(3145728);
    QTest::newRow("G") << "2G" << qint64(2147483648);
    QTest::newRow("T") << "1T" << qint64(1099511627776);
    QTest::newRow("fraction") << "1.5G" << qint64(1610612736);
    QTest::newRow("fraction rounded up") << "0.1K" << qint64(103);
    QTest::newRow("largest") << "9223372036854775807" << qint64(9223372036854775807);
    QTest::newRow("largest in T") << "8388607T" << (qint64(8388607) << 40);
    QTest::newRow("past 63 bits") << "9223372036854775808" << qint64(-1);
    QTest::newRow("past 63 bits in T") << "8388608T" << qint64(-1);
    QTest::newRow("fraction past 63 bits") << "8388607.99999999999999T" << qint64(-1);
    QTest::newRow("fraction of a byte") << "1.5" << qint64(-1);
    QTest::newRow("empty") << "" << qint64(-1);
    QTest::newRow("suffix alone") << "K" << qint64(-1);
    QTest::newRow("negative") << "-1" << qint64(-1);
    QTest::newRow("plus sign") << "+1" << qint64(-1);
    QTest::newRow("blank") << " 1K" << qint64(-1);
    QTest::newRow("two letters") << "1KB" << qint64(-1);
    QTest::newRow("other unit") << "1P" << qint64(-1);
    QTest::newRow("dot without digits") << "1.K" << qint64(-1);
}

void tst_TopCommand::parseSize()
{
    QFETCH(QString, text);
    QFETCH(qint64, size);
    QCOMPARE(topcommand::parseSize(text).value_or(-1), size);
}

void tst_TopCommand::formatResults_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("nullTerminated");
    QTest::addColumn<bool>("exactBytes");
    QTest::addColumn<QByteArray>("record");

    // A name that would retitle the window and clear the screen, and split
    // its record over two lines, if it reached the terminal raw.
    const QString evil = "/d/evil\x1b]2;pwned\a\x1b[2Jname\nline2";
    // bad\xffx on disk: the undecodable byte as the path codec holds it.
    const QString undecodable = "/d/bad" + QString(QChar(0xdcff)) + "x";
    QTest::newRow("plain") << "/d/a.bin" << false << false << QByteArray("117.738\t/d/a.bin\n");
    QTest::newRow("bytes") << "/d/a.bin" << false << true << QByteArray("123456789\t/d/a.bin\n");
    QTest::newRow("control characters escaped")
        << evil << false << false
        << QByteArray("117.738\t/d/evil\\x1b]2;pwned\\x07\\x1b[2Jname\\nline2\n");
    QTest::newRow("backslash and tab escaped")
        << "/d/a\\b\tc" << false << false << QByteArray("117.738\t/d/a\\\\b\\tc\n");
    QTest::newRow("undecodable byte escaped")
        << undecodable << false << true << QByteArray("123456789\t/d/bad\\xffx\n");
    QTest::newRow("UTF-8 kept") << "/d/Grüße €" << false << false
                                << QByteArray("117.738\t/d/Gr\xc3\xbc\xc3\x9f"
                                              "e \xe2\x82\xac\n");
    QTest::newRow("null: exact bytes")
        << evil << true << false
        << QByteArray("117.738\t/d/evil\x1b]2;pwned\a\x1b[2Jname\nline2") + '\0';
    QTest::newRow("null: undecodable byte exact")
        << undecodable << true << true << QByteArray("123456789\t/d/bad\xffx") + '\0';
}

void tst_TopCommand::formatResults()
{
    QFETCH(QString, path);
    QFETCH(bool, nullTerminated);
    QFETCH(bool, exactBytes);
    QFETCH(QByteArray, record);

    const QList<FoundFile> files {{123456789, path}, {10, "/z"}};
    const QByteArray second = (exactBytes ? "10" : "9.53674e-06") + QByteArray("\t/z") +
        (nullTerminated ? QByteArray(1, '\0') : QByteArray("\n"));
    QCOMPARE(topcommand::formatResults(files, nullTerminated, exactBytes), record + second);
    QCOMPARE(topcommand::formatResults({}, nullTerminated, exactBytes), QByteArray());
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
    QTest::newRow("escaped") << qint64(3) << "/x\x1b[2J\ny" << 80 << "3 files  /x\\x1b[2J\\ny";
    QTest::newRow("cut never halves a character")
        << qint64(1) << "/abc\U0001F600def" << 17 << "1 files  ...def";
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
    QTest::newRow("root made absolute and clean")
        << QStringList {"-n1", "%T/sub/./../."} << 0 << all.mid(0, 1) << "";
    QTest::newRow("--bytes") << QStringList {"--bytes", "-n", "3", "%T"} << 0
                             << QStringList {"5368709120\t%T/huge.bin", "123456789\t%T/big.bin",
                                             "1048576\t%T/sub/mid.bin"}
                             << "";
    QTest::newRow("names escaped, one line each")
        << QStringList {"%O"} << 0
        << QStringList {"3\t%O/evil\\x1b]2;pwned\\x07\\x1b[2Jname\\nline2",
                        "2\t%O/back\\\\slash\\tand tab"}
        << "";
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
    QTest::newRow("missing dir named escaped")
        << QStringList {"%T/mis\nsing\x1b[2J"} << 1 << QStringList {}
        << "vastrel-top: %T/mis\\nsing\\x1b[2J: No such file or directory\n";
    QTest::newRow("a file as dir") << QStringList {"%T/big.bin"} << 1 << QStringList {}
                                   << "vastrel-top: %T/big.bin: Not a directory\n";
    QTest::newRow("empty dir argument")
        << QStringList {""} << 1 << QStringList {} << "vastrel-top: : No such file or directory\n";
    QTest::newRow("count 0") << QStringList {"-n", "0", "%T"} << 2 << QStringList {}
                             << "vastrel-top: invalid count '0': a whole number from 1 to "
                                "2147483547 is needed\n\nUsage: vastrel-top [OPTION...] [DIR...]\n";
    QTest::newRow("unknown option") << QStringList {"-q", "%T"} << 2 << QStringList {}
                                    << "vastrel-top: unknown option '-q'\n\nUsage: ";
    QTest::newRow("bad size") << QStringList {"--min-size", "5Q", "%T"} << 2 << QStringList {}
                              << "vastrel-top: invalid size '5Q': ";
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
    QCOMPARE(QString::fromUtf8(run.out),
             expected.isEmpty() ? QString() : expected.join(QLatin1Char('\n')) + '\n');
    errStart = fill({errStart}).constFirst();
    if (errStart.isEmpty())
        QCOMPARE(run.err, QString());
    else
        QVERIFY2(run.err.startsWith(errStart), qPrintable(run.err));
    if (exitCode == 2)
        QVERIFY(run.err.endsWith(topcommand::usage()));
}

// -0 writes each path's bytes as they are on disk, ready for xargs -0.
void tst_TopCommand::nullRecordsKeepEveryByte()
{
    const Run run = runTop({"-0", "--bytes", odd.path()});
    QCOMPARE(run.exitCode, 0);
    const QByteArray dir = QFile::encodeName(odd.path());
    QCOMPARE(run.out,
             "3145728\t" + dir + "/evil\x1b]2;pwned\a\x1b[2Jname\nline2" + '\0' + "2097152\t" +
                 dir + "/back\\slash\tand tab" + '\0');
}

void tst_TopCommand::debugLinesOnRequest()
{
    const Run help = runTop({"--help"});
    QCOMPARE(help.exitCode, 0);
    QCOMPARE(QString::fromUtf8(help.out), topcommand::usage());

    const Run run = runTop({"-n", "1", tree.path() + "/sub"}, true);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out), "1\t" + tree.path() + "/sub/mid.bin\n");
    QVERIFY2(run.err.contains("walk! " + tree.path() + "/sub\n"), qPrintable(run.err));
    QVERIFY2(run.err.contains("1 : \"" + tree.path() + "/sub/mid.bin\"\n"), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(tst_TopCommand)
#include "tst_topcommand.moc"
