#include "top/topcommand.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <sddl.h>
#endif

// vastrel-top: its rules as functions, then the program run as a process on
// temporary trees. Below T:
//   big.bin 123456789     huge.bin 5 GiB       sub/mid.bin 1048576
//   small.bin 10          .hidden/giant.bin 6 GiB
//   link-to-huge -> huge.bin                   empty/ (no files)
// below W two files of equal size, a/twin.bin and b/twin.bin 2 MiB; below O
// names a terminal must not take as commands; below F, for the filters
// (MiB, days since modified): x.bin 7, backup/old.iso 6 400, backup/deep/y.bin
// 5, disk.iso 4 40, movie.MKV 3 100, keep/backup/z.gz 2, .cache/blob.bin 8,
// .hidden.mkv 9.
class tst_TopCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tree;
    QTemporaryDir twins;
    QTemporaryDir odd;
    QTemporaryDir filtered;

    struct Run
    {
        int exitCode;
        QByteArray out;
        QString err;
    };

    // Runs vastrel-top, or runs wrapper with vastrel-top's path and the
    // arguments after its own.
    Run runTop(const QStringList &arguments, bool debug = false, QStringList wrapper = {})
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
        wrapper << QStringLiteral(VASTREL_TOP_PATH);
        const QString program = wrapper.takeFirst();
        process.start(program, wrapper + arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {-1, QByteArray(), process.errorString()};
        Run run {process.exitCode(), process.readAllStandardOutput(),
                 QString::fromUtf8(process.readAllStandardError())};
#ifdef Q_OS_WIN
        // A Windows console program ends its lines with CR LF.
        run.out.replace("\r\n", "\n");
        run.err.replace(QLatin1String("\r\n"), QLatin1String("\n"));
#endif
        return run;
    }

    QStringList fill(QStringList list) const
    {
        for (QString &text : list)
            text.replace(QLatin1String("%T"), tree.path())
                .replace(QLatin1String("%W"), twins.path())
                .replace(QLatin1String("%O"), odd.path())
                .replace(QLatin1String("%F"), filtered.path());
        return list;
    }

    static void makeFile(const QString &path, qint64 size, int ageDays = 0)
    {
        QFile file(path);
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-ageDays),
                                 QFileDevice::FileModificationTime));
    }

    // The options in one line, for comparing whole parses.
    static QString describe(const topcommand::Options &o)
    {
        if (o.action != topcommand::Options::Scan)
            return QStringList {"scan", "help", "version", "invalid"}.at(o.action);
        const ScanOptions &s = o.scan;
        QString text = QStringLiteral("n=%1").arg(o.count);
        const std::pair<bool, const char *> flags[] = {{s.includeHidden, " all"},
                                                       {s.oneFileSystem, " xdev"},
                                                       {!s.skipNetwork, " network"},
                                                       {o.nullTerminated, " null"},
                                                       {o.exactBytes, " bytes"}};
        for (const auto &[on, name] : flags)
            text += on ? name : "";
        if (s.minSize != 0)
            text += QStringLiteral(" min=%1").arg(s.minSize);
        if (s.olderThanDays != 0)
            text += QStringLiteral(" older=%1").arg(s.olderThanDays);
        const std::pair<const char *, QStringList> lists[] = {
            {" types=", s.types}, {" exclude=", s.excludes}, {" dirs=", o.dirs}};
        for (const auto &[key, list] : lists)
            text += list.isEmpty() ? QString() : key + list.join('|');
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
    void filters_data();
    void filters();
    void unreadableFolderNamed();
    void undecodableNames();
    void byteOrderMarkKept();
    void removedCurrentDirectory();
    void closedStandardOutput_data();
    void closedStandardOutput();
    void debugLinesOnRequest();

    // The scan history: --save, --compare, --history, --db.
    void historyOptions();
    void formatChanges_data();
    void formatChanges();
    void savedThenCompared();
    void copies_data();
    void copies();
    void spaceOnDisk_data();
    void spaceOnDisk();
};

void tst_TopCommand::initTestCase()
{
    QVERIFY(tree.isValid() && twins.isValid() && odd.isValid() && filtered.isValid());
    makeFile(tree.path() + "/big.bin", 123456789);
    makeFile(tree.path() + "/huge.bin", qint64(5) << 30);
    makeFile(tree.path() + "/sub/mid.bin", 1048576);
    makeFile(tree.path() + "/small.bin", 10);
    makeFile(tree.path() + "/.hidden/giant.bin", qint64(6) << 30);
    makeFile(twins.path() + "/a/twin.bin", 2097152);
    makeFile(twins.path() + "/b/twin.bin", 2097152);
    QVERIFY(QDir().mkpath(tree.path() + "/empty"));
#ifndef Q_OS_WIN
    // On Windows QFile::link makes a shortcut, a plain file; and control
    // characters and backslashes cannot be part of a name.
    QVERIFY(QFile::link(tree.path() + "/huge.bin", tree.path() + "/link-to-huge"));
    makeFile(odd.path() + "/evil\x1b]2;pwned\a\x1b[2Jname\nline2", 3145728);
    makeFile(odd.path() + "/back\\slash\tand tab", 2097152);
#endif
    const QString f = filtered.path();
    const std::tuple<const char *, int, int> files[] = {
        {"x.bin", 7, 0},           {"backup/old.iso", 6, 400}, {"backup/deep/y.bin", 5, 0},
        {"disk.iso", 4, 40},       {"movie.MKV", 3, 100},      {"keep/backup/z.gz", 2, 0},
        {".cache/blob.bin", 8, 0}, {".hidden.mkv", 9, 0}};
    for (const auto &[name, mebibytes, age] : files)
        makeFile(f + '/' + name, qint64(mebibytes) << 20, age);
#ifdef Q_OS_WIN
    // Hidden is an attribute on Windows, not a leading dot.
    for (const QString &hidden : {tree.path() + "/.hidden", f + "/.cache", f + "/.hidden.mkv"}) {
        QVERIFY(SetFileAttributesW(QDir::toNativeSeparators(hidden).toStdWString().c_str(),
                                   FILE_ATTRIBUTE_HIDDEN));
    }
#endif
}

void tst_TopCommand::parseArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("parsed");

    QTest::newRow("nothing") << QStringList {} << "n=10";
    QTest::newRow("-n N, -nN, dirs")
        << QStringList {"-n", "3", "/a", "-n25", "b"} << "n=25 dirs=/a|b";
    QTest::newRow("largest count") << QStringList {"-n", "2147483547"} << "n=2147483547";
    QTest::newRow("-- ends options") << QStringList {"--", "-n", "--help"} << "n=10 dirs=-n|--help";
    QTest::newRow("lone dash is a dir") << QStringList {"-"} << "n=10 dirs=-";
    QTest::newRow("switches") << QStringList {"--all", "--one-file-system", "--null", "--bytes",
                                              "--network"}
                              << "n=10 all xdev network null bytes";
    QTest::newRow("short switches together, then a count")
        << QStringList {"-ax0n", "4"} << "n=4 all xdev null";
    QTest::newRow("excludes made absolute and clean, each once")
        << QStringList {"--exclude", "/m/./b/", "--exclude=rel/x/..", "--exclude", "/m/b"}
        << "n=10 exclude=" + QDir::current().absoluteFilePath("/m/b") + '|' + QDir::currentPath() +
            "/rel";
    QTest::newRow("sizes, types, age")
        << QStringList {"--min-size=1.5G", "--type",       "MKV,.mp4",
                        "--type=iso,mkv",  "--older-than", "30"}
        << "n=10 min=1610612736 older=30 types=mkv|mp4|iso";
    QTest::newRow("types as the window takes them")
        << QStringList {"--type", "*.bin", "--type=bin txt", "--type", ".BIN;.txt,;*.Iso"}
        << "n=10 types=bin|txt|iso";
    QTest::newRow("--help wins") << QStringList {"/a", "--help", "-q"} << "help";
    QTest::newRow("-h among switches") << QStringList {"-ah"} << "help";
    QTest::newRow("--version") << QStringList {"--version"} << "version";
    QTest::newRow("an error before --help") << QStringList {"-n", "0", "--help"} << "invalid";
    for (const char *bad : {"-n 0", "-n -4", "-n 2147483548", "-n ten", "-n5x", "/a -n", "--top=5",
                            "-aq", "--all=yes", "--exclude", "--exclude=", "--min-size 10X",
                            "--type mkv,a/b", "--type=,;", "--type *", "--older-than -2"})
        QTest::newRow(bad) << QString(bad).split(' ') << "invalid";
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

    const std::pair<const char *, qint64> sizes[] = {{"0", 0},
                                                     {"123456789", 123456789},
                                                     {"1K", 1024},
                                                     {"3m", 3145728},
                                                     {"2G", 2147483648},
                                                     {"1T", 1099511627776},
                                                     {"1.5G", 1610612736},
                                                     {"0.1K", 103} /* rounded up */,
                                                     {"9223372036854775807", 9223372036854775807},
                                                     {"8388607T", qint64(8388607) << 40},
                                                     {"9223372036854775808", -1},
                                                     {"8388608T", -1},
                                                     {"8388607.99999999999999T", -1},
                                                     {"1.5", -1},
                                                     {"", -1},
                                                     {"K", -1},
                                                     {"-1", -1},
                                                     {"+1", -1},
                                                     {" 1K", -1},
                                                     {"1KB", -1},
                                                     {"1P", -1},
                                                     {"1.K", -1}};
    for (const auto &[text, size] : sizes)
        QTest::newRow(*text ? text : "empty") << QString(text) << size;
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
    // In the locale's encoding on Unix, UTF-8 on Windows whatever its code page.
#ifdef Q_OS_WIN
    QTest::newRow("plain") << "/d/a€音乐" << false << false
                           << QStringLiteral("117.738\t/d/a€音乐\n").toUtf8();
#else
    QTest::newRow("plain") << "/d/a€" << false << false
                           << QStringLiteral("117.738\t/d/a€\n").toLocal8Bit();
#endif
    QTest::newRow("bytes") << "/d/a" << false << true << QByteArray("123456789\t/d/a\n");
    QTest::newRow("control characters escaped")
        << evil << false << false
        << QByteArray("117.738\t/d/evil\\x1b]2;pwned\\x07\\x1b[2Jname\\nline2\n");
#ifdef Q_OS_WIN
    // The separator: escaping it would double every backslash of a message.
    QTest::newRow("backslash as it is, tab escaped")
        << "/d/a\\b\tc" << false << false << QByteArray("117.738\t/d/a\\b\\tc\n");
#else
    QTest::newRow("backslash and tab escaped")
        << "/d/a\\b\tc" << false << false << QByteArray("117.738\t/d/a\\\\b\\tc\n");
#endif
    QTest::newRow("undecodable byte escaped")
        << undecodable << false << true << QByteArray("123456789\t/d/bad\\xffx\n");
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
    QTest::newRow("equal sizes in path order, whatever the root order")
        << QStringList {"%W/b", "%W/a"} << 0 << QStringList {"2\t%W/a/twin.bin", "2\t%W/b/twin.bin"}
        << "";
    QTest::newRow("equal size cut by -n")
        << QStringList {"-n", "1", "%W/b", "%W/a"} << 0 << QStringList {"2\t%W/a/twin.bin"} << "";
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
#ifdef Q_OS_WIN
    if (arguments.contains(QLatin1String("%O")))
        QSKIP("names with control characters or backslashes cannot exist on Windows");
#endif

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

void tst_TopCommand::filters_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("files"); // below F, largest first

    const QString visible = "x.bin old.iso y.bin disk.iso movie.MKV z.gz";
    QTest::newRow("defaults") << QStringList {} << visible;
    QTest::newRow("-a") << QStringList {"-a"} << ".hidden.mkv blob.bin " + visible;
    QTest::newRow("--exclude: that folder, not one of the same name")
        << QStringList {"--exclude", "%F/backup/"} << "x.bin disk.iso movie.MKV z.gz";
    QTest::newRow("two excludes") << QStringList {"--exclude=%F/backup/deep", "--exclude",
                                                  "%F/keep"}
                                  << "x.bin old.iso disk.iso movie.MKV";
    QTest::newRow("--min-size: at least")
        << QStringList {"--min-size", "4M"} << "x.bin old.iso y.bin disk.iso";
    QTest::newRow("--type in any case, -a")
        << QStringList {"--type", "mkv,ISO", "-a"} << ".hidden.mkv old.iso disk.iso movie.MKV";
    QTest::newRow("--type with \"*.\", semicolons and blanks")
        << QStringList {"--type", "*.MKV; .iso"} << "old.iso disk.iso movie.MKV";
    QTest::newRow("--older-than") << QStringList {"--older-than", "30"}
                                  << "old.iso disk.iso movie.MKV";
    QTest::newRow("together") << QStringList {"--older-than=50", "--type=iso,mkv",
                                              "--min-size=3.5M"}
                              << "old.iso";
}

// Each filter and exclusion on a real tree, through the program.
void tst_TopCommand::filters()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, files);

    const Run run = runTop(fill(arguments) + QStringList {"-n", "20", filtered.path()});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QStringList names;
    for (const QByteArray &line : run.out.split('\n'))
        names << QString::fromUtf8(line.mid(line.lastIndexOf('/') + 1));
    QCOMPARE(names.join(' ').trimmed(), files);
}

// A folder that cannot be read is named on standard error, the rest is still
// listed, and the exit status says something was missed.
void tst_TopCommand::unreadableFolderNamed()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    makeFile(dir.path() + "/locked/inside.bin", 2 << 20);
    makeFile(dir.path() + "/open/seen.bin", 1 << 20);
    const QString locked = dir.path() + "/locked";
#ifdef Q_OS_WIN
    // Windows keeps a folder from its readers with an entry denying access.
    const auto setAccess = [&](const wchar_t *sddl) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1,
                                                                  &descriptor, nullptr))
            return false;
        const bool ok = SetFileSecurityW(QDir::toNativeSeparators(locked).toStdWString().c_str(),
                                         DACL_SECURITY_INFORMATION, descriptor);
        LocalFree(descriptor);
        return ok;
    };
    QVERIFY(setAccess(L"D:P(D;;FA;;;WD)"));
    const auto restore = qScopeGuard([&] { setAccess(L"D:P(A;OICI;FA;;;WD)"); });
    if (!QDir(locked).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty())
        QSKIP("folder permissions are not enforced here (Wine)");
    const QString denied = QStringLiteral("Access is denied");
#else
    const QFile::Permissions permissions = QFile::permissions(locked);
    QVERIFY(QFile::setPermissions(locked, {}));
    const auto restore = qScopeGuard([&] { QFile::setPermissions(locked, permissions); });
    const QString denied = QStringLiteral("Permission denied");
#endif

    QStringList wrapper;
    if (!QDir(locked).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty()) {
        // Root reads every folder: run the program without that power.
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty())
            QSKIP("running with the power to read every folder, and no setpriv to drop it");
        wrapper = QStringList {setpriv, "--bounding-set", "-dac_override,-dac_read_search",
                               "--inh-caps", "-dac_override,-dac_read_search"};
    }
    const Run run = runTop({"--bytes", dir.path()}, false, wrapper);
    QCOMPARE(run.err, "vastrel-top: " + locked + ": " + denied + '\n');
    QCOMPARE(run.out, QFile::encodeName("1048576\t" + dir.path() + "/open/seen.bin\n"));
    QCOMPARE(run.exitCode, 1);
}

// A folder whose name is not UTF-8, given on the command line as raw bytes:
// found, listed with the byte escaped, and with -0 written byte for byte.
void tst_TopCommand::undecodableNames()
{
#ifdef Q_OS_UNIX
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray base = QFile::encodeName(dir.path());
    QCOMPARE(::mkdir(base + "/bad\xffx", 0700), 0);
    // QTemporaryDir cannot remove names that are not UTF-8.
    const auto cleanUp = qScopeGuard([&] {
        ::unlink(base + "/bad\xffx/f\xfe.bin");
        ::rmdir(base + "/bad\xffx");
    });
    const int fd = ::open(base + "/bad\xffx/f\xfe.bin", O_WRONLY | O_CREAT, 0600);
    QVERIFY(fd >= 0);
    QCOMPARE(::ftruncate(fd, 1 << 20), 0);
    ::close(fd);

    // QProcess would pass the directory as text; the shell passes its bytes.
    const QStringList shell {"/bin/sh", "-c", R"sh(exec "$0" "$1" "$2/$(printf 'bad\377x')")sh"};
    Run run = runTop({"--bytes", dir.path()}, false, shell);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, "1048576\t" + base + "/bad\\xffx/f\\xfe.bin\n");
    run = runTop({"-0", dir.path()}, false, shell);
    QCOMPARE(run.out, "1\t" + base + "/bad\xffx/f\xfe.bin" + '\0');
    QCOMPARE(run.exitCode, 0);
#else
    QSKIP("file names are bytes on Unix only");
#endif
}

// Two names that differ by a U+FEFF alone are two files, each written with
// its own bytes.
void tst_TopCommand::byteOrderMarkKept()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString marked = dir.path() + "/thesis" + QChar(0xfeff) + ".pdf";
    makeFile(dir.path() + "/thesis.pdf", 1 << 20);
    makeFile(marked, 1 << 20);
    const Run run = runTop({"-0", dir.path()});
    QCOMPARE(run.exitCode, 0);
    const QByteArray base = QFile::encodeName(dir.path());
    QCOMPARE(run.out,
             "1\t" + base + "/thesis.pdf" + '\0' + "1\t" + base + "/thesis\xef\xbb\xbf.pdf" + '\0');
}

// Started in a directory that was removed, "." and ".." name nothing: they
// are reported as not found, never walked as "/".
void tst_TopCommand::removedCurrentDirectory()
{
#ifdef Q_OS_UNIX
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString gone = dir.path() + "/gone";
    QVERIFY(QDir().mkdir(gone));
    const QStringList shell {"/bin/sh", "-c",
                             R"sh(cd "$1" && rmdir "$1" && shift && exec "$0" "$@")sh"};
    for (const QString &relative : {QStringLiteral("."), QStringLiteral("..")}) {
        QVERIFY(QDir().mkpath(gone));
        const Run run = runTop({gone, "-n1", relative, tree.path() + "/sub"}, false, shell);
        QCOMPARE(run.err, "vastrel-top: " + relative + ": No such file or directory\n");
        QCOMPARE(run.out, QFile::encodeName("1\t" + tree.path() + "/sub/mid.bin\n"));
        QCOMPARE(run.exitCode, 1);
    }
#else
    QSKIP("a directory in use cannot be removed on Windows");
#endif
}

void tst_TopCommand::closedStandardOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");

    const QString badDescriptor = "vastrel-top: write error: Bad file descriptor\n";
    QTest::newRow("records") << QStringList {"%T"} << 1 << badDescriptor;
    QTest::newRow("one record") << QStringList {"-n1", "%T/sub"} << 1 << badDescriptor;
    QTest::newRow("--version") << QStringList {"--version"} << 1 << badDescriptor;
    QTest::newRow("nothing to write") << QStringList {"%T/empty"} << 0 << QString();
}

// Started with standard output closed, the program writes its records into
// nothing else and says so, as coreutils do.
void tst_TopCommand::closedStandardOutput()
{
#ifdef Q_OS_UNIX
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, err);

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.remove(QStringLiteral("VASTREL_DEBUG"));
    process.setProcessEnvironment(environment);
    process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
    process.start(QStringLiteral(VASTREL_TOP_PATH), fill(arguments));
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), err);
    QCOMPARE(process.exitCode(), exitCode);
#else
    QSKIP("descriptors are handed out this way on Unix only");
#endif
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

void tst_TopCommand::historyOptions()
{
    const topcommand::Options options =
        topcommand::parseArguments({"--save", "--compare", "--history", "--db", "h.sqlite", "/a"});
    QCOMPARE(options.action, topcommand::Options::Scan);
    QVERIFY(options.save && options.compare && options.history);
    QCOMPARE(options.database, "h.sqlite");
    QCOMPARE(topcommand::parseArguments({"--db="}).action, topcommand::Options::Invalid);
    QCOMPARE(topcommand::parseArguments({"--db"}).action, topcommand::Options::Invalid);
    QCOMPARE(topcommand::parseArguments({"--save=yes"}).action, topcommand::Options::Invalid);
}

void tst_TopCommand::formatChanges_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("before");
    QTest::addColumn<qint64>("after");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("nullTerminated");
    QTest::addColumn<bool>("exactBytes");
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("grew") << int(FileChange::Grew) << qint64(1048576) << qint64(2621440) << "/d/a"
                          << false << false << QByteArray("grew\t2.5\t+1.5\t/d/a\n");
    QTest::newRow("shrank, in bytes")
        << int(FileChange::Shrank) << qint64(1000) << qint64(10) << "/d/a" << false << true
        << QByteArray("shrank\t10\t-990\t/d/a\n");
    QTest::newRow("new") << int(FileChange::New) << qint64(-1) << qint64(262144) << "/d/n" << false
                         << false << QByteArray("new\t0.25\t+0.25\t/d/n\n");
    QTest::newRow("gone: the size then")
        << int(FileChange::Gone) << qint64(262144) << qint64(-1) << "/d/g" << false << false
        << QByteArray("gone\t0.25\t-0.25\t/d/g\n");
    QTest::newRow("escaped") << int(FileChange::New) << qint64(-1) << qint64(5) << "/d/a\tb\n"
                             << false << true << QByteArray("new\t5\t+5\t/d/a\\tb\\n\n");
    QTest::newRow("null: exact bytes")
        << int(FileChange::New) << qint64(-1) << qint64(5) << "/d/a\tb\n"
        << true << true << QByteArray("new\t5\t+5\t/d/a\tb\n", 16) + '\0';
}

void tst_TopCommand::formatChanges()
{
    QFETCH(int, kind);
    QFETCH(qint64, before);
    QFETCH(qint64, after);
    QFETCH(QString, path);
    QFETCH(bool, nullTerminated);
    QFETCH(bool, exactBytes);
    QFETCH(QByteArray, record);
    const FileChange change {FileChange::Kind(kind), path, before, after};
    QCOMPARE(topcommand::formatChanges({change}, nullTerminated, exactBytes), record);
}

// A tree stored with --save, changed, then compared with the stored scan;
// --history lists what is stored.
void tst_TopCommand::savedThenCompared()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = dir.filePath("t");
    const QString db = dir.filePath("history.sqlite");
    makeFile(root + "/grows.bin", 3 << 20);
    makeFile(root + "/shrinks.bin", 2 << 20);
    makeFile(root + "/goes.bin", 1 << 20);

    Run run = runTop({"--db", db, "--compare", root});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("no stored scan"), qPrintable(run.err));
    QCOMPARE(run.out, QByteArray());

    run = runTop({"--db", db, "--save", "--bytes", root});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count('\n'), 3);

    makeFile(root + "/grows.bin", 5 << 20);
    makeFile(root + "/shrinks.bin", 1 << 19);
    QVERIFY(QFile::remove(root + "/goes.bin"));
    makeFile(root + "/sub/new.bin", 1 << 18);
    // Another listing is another comparison: nothing stored to match.
    run = runTop({"--db", db, "--compare", "-n", "5", root});
    QCOMPARE(run.exitCode, 1);

    run = runTop({"--db", db, "--compare", "--save", root});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out),
             QString("grew\t5\t+2\t%1/grows.bin\n"
                     "shrank\t0.5\t-1.5\t%1/shrinks.bin\n"
                     "gone\t1\t-1\t%1/goes.bin\n"
                     "new\t0.25\t+0.25\t%1/sub/new.bin\n")
                 .arg(root));

    // Compared with the scan just stored: nothing changed.
    run = runTop({"--db", db, "--compare", "-0", root});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());

    run = runTop({"--db", db, "--history", "--bytes", root});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY2(
        lines.at(0).endsWith(QByteArray::number((5 << 20) + (1 << 19) + (1 << 18)) + "\tcomplete"),
        lines.at(0).constData());
    QVERIFY2(lines.at(1).endsWith("\t3\t" + QByteArray::number(6 << 20) + "\tcomplete"),
             lines.at(1).constData());

    // A history that cannot be opened is said so, and nothing is stored.
    QVERIFY(QDir().mkpath(dir.filePath("a-folder.sqlite")));
    run = runTop({"--db", dir.filePath("a-folder.sqlite"), "--save", root});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("vastrel-top: scan not stored: "), qPrintable(run.err));
    QCOMPARE(run.out.count('\n'), 3);
}

void tst_TopCommand::copies_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("out");

    // In keeping order: the shortest path, then the oldest.
    const QByteArray lines =
        "3145728\t%D/a/x.bin\n3145728\t%D/c/xx.bin\n3145728\t%D/long-name/x.bin\n"
        "\n"
        "1048576\t%D/p\n1048576\t%D/q\n";
    QTest::newRow("lines") << QStringList {"--bytes"} << lines;
    QByteArray records = lines;
    records.replace('\n', '\0');
    QTest::newRow("NUL-ended records") << QStringList {"--bytes", "-0"} << records;
    QTest::newRow("among the largest only")
        << QStringList {"--bytes", "-n", "3"} << lines.left(lines.indexOf("\n\n") + 1);
    QTest::newRow("none among the largest") << QStringList {"-n", "1"} << QByteArray();
}

// Below D: three copies of 3 MiB, two of 1 MiB, a third 1 MiB file of other
// content, and a file of a size of its own.
void tst_TopCommand::copies()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, out);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto write = [&](const QString &name, char byte, qint64 size, int ageDays) {
        QFile file(dir.path() + '/' + name);
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(QByteArray(size, byte)), size);
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-ageDays),
                                 QFileDevice::FileModificationTime));
    };
    write("long-name/x.bin", 'x', 3 << 20, 9);
    write("c/xx.bin", 'x', 3 << 20, 2);
    write("a/x.bin", 'x', 3 << 20, 1);
    write("p", 'p', 1 << 20, 0);
    write("q", 'p', 1 << 20, 0);
    write("r", 'r', 1 << 20, 0);
    write("u", 'u', 1000, 0);

    const Run run = runTop(QStringList {"--copies"} + options + QStringList {dir.path()});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, out.replace("%D", QFile::encodeName(dir.path())));
    QCOMPARE(run.exitCode, 0);
}

#ifdef Q_OS_LINUX
// A tree of its own with data written: d/real, d/sparse (long, no blocks),
// e/linked with a second name d/two. {s:NAME} in the expected records is
// the file's length, {b:NAME} its blocks in bytes, and + adds them.
void tst_TopCommand::spaceOnDisk_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("out");
    QTest::newRow("--disk-usage") << QStringList {"--disk-usage", "--bytes", "-n", "2"}
                                  << QStringList {"{b:d/real}\t%D/d/real", "{b:d/two}\t%D/d/two"};
    QTest::newRow("--frees") << QStringList {"--frees", "--bytes"}
                             << QStringList {"{s:d/sparse}\t{b:d/sparse}\t%D/d/sparse",
                                             "{s:d/real}\t{b:d/real}\t%D/d/real",
                                             "{s:d/two}\t0\t%D/d/two"};
    QTest::newRow("--frees --disk-usage")
        << QStringList {"--frees", "--disk-usage", "--bytes", "-n", "1"}
        << QStringList {"{b:d/real}\t{b:d/real}\t%D/d/real"};
    QTest::newRow("--folders") << QStringList {"--folders", "--bytes"}
                               << QStringList {"{s:d/sparse+s:d/real+s:d/two}\t%D",
                                               "{s:d/sparse+s:d/real+s:d/two}\t%D/d", "0\t%D/e"};
    QTest::newRow("--folders --disk-usage")
        << QStringList {"--folders", "--disk-usage", "--bytes", "-n", "3"}
        << QStringList {"{b:d/sparse+b:d/real+b:d/two}\t%D", "{b:d/sparse+b:d/real+b:d/two}\t%D/d",
                        "0\t%D/e"};
    QTest::newRow("--folders -0") << QStringList {"--folders", "--bytes", "-0", "-n", "1"}
                                  << QStringList {"{s:d/sparse+s:d/real+s:d/two}\t%D\\0"};
}

void tst_TopCommand::spaceOnDisk()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, out);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString d = dir.path();
    QVERIFY(QDir().mkpath(d + "/d") && QDir().mkpath(d + "/e"));
    for (const auto &[name, bytes] : {std::pair<const char *, int> {"/d/real", 300000},
                                      std::pair<const char *, int> {"/e/linked", 90000}}) {
        QFile file(d + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(QByteArray(bytes, 'v')), bytes);
        QVERIFY(file.flush() && ::fsync(file.handle()) == 0);
    }
    {
        QFile sparse(d + "/d/sparse");
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(32) << 20));
    }
    QCOMPARE(::link(QFile::encodeName(d + "/e/linked").constData(),
                    QFile::encodeName(d + "/d/two").constData()),
             0);

    const QRegularExpression sum(QStringLiteral("\\{([^}]*)\\}"));
    QByteArray expected;
    for (QString line : out) {
        for (auto match = sum.match(line); match.hasMatch(); match = sum.match(line)) {
            qint64 total = 0;
            for (const QString &term : match.captured(1).split('+')) {
                struct stat st;
                QVERIFY(::stat(QFile::encodeName(d + "/" + term.mid(2)).constData(), &st) == 0);
                total += term.startsWith('s') ? qint64(st.st_size) : qint64(st.st_blocks) * 512;
            }
            line.replace(match.capturedStart(), match.capturedLength(), QString::number(total));
        }
        line.replace("%D", d).replace("\\t", "\t");
        if (line.endsWith("\\0"))
            expected += QFile::encodeName(line.chopped(2)) + '\0';
        else
            expected += QFile::encodeName(line) + '\n';
    }
    const Run run = runTop(arguments + QStringList {d});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, expected);
}
#else
void tst_TopCommand::spaceOnDisk_data() { }
void tst_TopCommand::spaceOnDisk()
{
    QSKIP("sizes on disk are compared with stat()'s blocks");
}
#endif

QTEST_GUILESS_MAIN(tst_TopCommand)
#include "tst_topcommand.moc"
