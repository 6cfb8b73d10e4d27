// The pure rules of the platform layer: Windows command texts, URLs, the XDG
// data home, the quoting of each file format, and the menu entries' contents.
// The Nautilus script and the shell quoting are also run through /bin/sh.

#include "platform/commands.h"
#include "scan/pathcodec.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;

namespace {

// Group -> key -> value of a key file, as written (no unescaping).
QHash<QString, QHash<QString, QString>> keyFileEntries(const QString &content)
{
    QHash<QString, QHash<QString, QString>> entries;
    QString group;
    for (const QString &line : content.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('#')) || line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        entries[group].insert(line.left(equals), line.mid(equals + 1));
    }
    return entries;
}

bool haveShell()
{
    return QFile::exists(QStringLiteral("/bin/sh"));
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void windowsVerbCommand_data();
    void windowsVerbCommand();
    void explorerCommandLine_data();
    void explorerCommandLine();
    void showItemsUri_data();
    void showItemsUri();
    void revealDescription();
    void containingDirectoryUrl_data();
    void containingDirectoryUrl();
    void windowsContainingDirectoryUrl_data();
    void windowsContainingDirectoryUrl();
    void xdgDataHome_data();
    void xdgDataHome();
    void desktopExecArgument_data();
    void desktopExecArgument();
    void keyFileValue_data();
    void keyFileValue();
    void shellQuoteSurvivesShell_data();
    void shellQuoteSurvivesShell();
    void dolphinServiceMenu_data();
    void dolphinServiceMenu();
    void nemoAction_data();
    void nemoAction();
    void nemoActionRefusesPercent();
    void nautilusScriptPassesDirectory_data();
    void nautilusScriptPassesDirectory();
};

void TestCommands::windowsVerbCommand_data()
{
    QTest::addColumn<QString>("applicationDir");
    QTest::addColumn<QString>("command");
    QTest::newRow("blanks") << "D:/Program Files/Vastrel"
                            << R"("D:\Program Files\Vastrel\Vastrel.exe" "%1")";
    QTest::newRow("native separators") << R"(C:\Tools\Vastrel)"
                                       << R"("C:\Tools\Vastrel\Vastrel.exe" "%1")";
    QTest::newRow("drive root") << "E:/"
                                << R"("E:\Vastrel.exe" "%1")";
}

void TestCommands::windowsVerbCommand()
{
    QFETCH(QString, applicationDir);
    QFETCH(QString, command);
    QCOMPARE(platform::windowsVerbCommand(applicationDir), command);
}

// Explorer is started by its full path in the Windows directory, never by a
// bare name that the program's folder or the current folder could answer.
void TestCommands::explorerCommandLine_data()
{
    QTest::addColumn<QString>("windowsDirectory");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("commandLine");
    QTest::newRow("plain") << R"(C:\Windows)"
                           << "D:/data/big.iso"
                           << R"(C:\Windows\explorer.exe)"
                           << R"("C:\Windows\explorer.exe" /select,"D:\data\big.iso")";
    QTest::newRow("blanks and commas")
        << R"(C:\Windows)"
        << "C:/my files/a, b.iso"
        << R"(C:\Windows\explorer.exe)"
        << R"("C:\Windows\explorer.exe" /select,"C:\my files\a, b.iso")";
    QTest::newRow("empty path") << R"(C:\Windows)"
                                << ""
                                << R"(C:\Windows\explorer.exe)"
                                << "";
    QTest::newRow("unknown Windows directory") << ""
                                               << "D:/a.iso"
                                               << ""
                                               << "";
    QTest::newRow("relative Windows directory") << "Windows"
                                                << "D:/a.iso"
                                                << ""
                                                << "";
}

void TestCommands::explorerCommandLine()
{
    QFETCH(QString, windowsDirectory);
    QFETCH(QString, path);
    QFETCH(QString, program);
    QFETCH(QString, commandLine);
    QCOMPARE(platform::explorerProgram(windowsDirectory), program);
    QCOMPARE(platform::explorerCommandLine(windowsDirectory, path), commandLine);
}

void TestCommands::showItemsUri_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("uri");
    QTest::newRow("blanks") << "/home/u/a b.iso"
                            << "file:///home/u/a%20b.iso";
    QTest::newRow("hash") << "/data/disc #2.iso"
                          << "file:///data/disc%20%232.iso";
    QTest::newRow("percent") << "/data/%41.iso"
                             << "file:///data/%2541.iso";
    QTest::newRow("commas") << "/data/a,b,c.iso"
                            << "file:///data/a,b,c.iso";
    QTest::newRow("non-ASCII") << QString::fromUtf8("/data/\xC3\xBC.iso")
                               << "file:///data/%C3%BC.iso";
    QTest::newRow("brackets, query and controls") << "/d/[1]?\t\x7f\n"
                                                  << "file:///d/%5B1%5D%3F%09%7F%0A";
    QTest::newRow("byte not valid UTF-8")
        << pathcodec::fromNative("/data/bad\xffx") << "file:///data/bad%FFx";
}

void TestCommands::showItemsUri()
{
    QFETCH(QString, path);
    QFETCH(QString, uri);
    QCOMPARE(platform::showItemsUri(path), uri);
    // The file manager turns the URI back into exactly this file's bytes.
    const QUrl url(uri, QUrl::StrictMode);
    QVERIFY(url.isValid());
    QCOMPARE(url.toEncoded(), uri.toLatin1());
    QCOMPARE(pathcodec::fromNative(
                 QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1())),
             path);
}

void TestCommands::revealDescription()
{
    QCOMPARE(showItemsDescription(QStringLiteral("/home/u/a b.iso")),
             QStringLiteral("org.freedesktop.FileManager1.ShowItems file:///home/u/a%20b.iso"));
    QVERIFY(showItemsDescription(QString()).isEmpty());
}

void TestCommands::containingDirectoryUrl_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("url");
    QTest::newRow("blanks") << "/home/u/big files/a.iso"
                            << QByteArray("file:///home/u/big%20files");
    QTest::newRow("hash and percent")
        << "/data/#1 %41/a.iso" << QByteArray("file:///data/%231%20%2541");
    QTest::newRow("top level") << "/a.iso" << QByteArray("file:///");
    QTest::newRow("directory not valid UTF-8")
        << pathcodec::fromNative("/data/bad\xffx/a.iso") << QByteArray("file:///data/bad%FFx");
}

void TestCommands::containingDirectoryUrl()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, url);
    const QUrl directory = platform::containingDirectoryUrl(path);
    QVERIFY(directory.isValid());
    QCOMPARE(directory.toEncoded(), url);
}

void TestCommands::windowsContainingDirectoryUrl_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("url");
    QTest::newRow("folder") << "D:/data/big.iso" << QByteArray("file:///D:/data");
    QTest::newRow("drive root, backslash") << "D:\\a.iso" << QByteArray("file:///D:/");
}

void TestCommands::windowsContainingDirectoryUrl()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, url);
    QCOMPARE(platform::windowsContainingDirectoryUrl(path).toEncoded(), url);
}

void TestCommands::xdgDataHome_data()
{
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("result");
    QTest::newRow("set") << "/srv/data"
                         << "/home/u"
                         << "/srv/data";
    QTest::newRow("unset") << ""
                           << "/home/u"
                           << "/home/u/.local/share";
    QTest::newRow("relative is ignored") << "data"
                                         << "/home/u"
                                         << "/home/u/.local/share";
    QTest::newRow("no home") << ""
                             << ""
                             << "";
    QTest::newRow("relative home") << ""
                                   << "u"
                                   << "";
}

void TestCommands::xdgDataHome()
{
    QFETCH(QString, xdgDataHome);
    QFETCH(QString, home);
    QFETCH(QString, result);
    QCOMPARE(platform::xdgDataHome(xdgDataHome, home), result);
}

void TestCommands::desktopExecArgument_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("plain") << "/usr/bin/vastrel"
                           << "/usr/bin/vastrel";
    QTest::newRow("blanks") << "/opt/my apps/vastrel"
                            << R"("/opt/my apps/vastrel")";
    QTest::newRow("percent only") << "/opt/100%/vastrel"
                                  << "/opt/100%%/vastrel";
    QTest::newRow("percent and blank") << "/opt/a b%/v"
                                       << R"("/opt/a b%%/v")";
    QTest::newRow("double quote") << R"(/opt/a"b/v)"
                                  << R"("/opt/a\"b/v")";
    QTest::newRow("dollar and backtick") << "/opt/$x`y`/v"
                                         << R"("/opt/\$x\`y\`/v")";
    QTest::newRow("backslash") << R"(/opt/a\b/v)"
                               << R"("/opt/a\\b/v")";
    QTest::newRow("single quote") << "/opt/it's/v"
                                  << R"("/opt/it's/v")";
}

void TestCommands::desktopExecArgument()
{
    QFETCH(QString, argument);
    QFETCH(QString, quoted);
    QCOMPARE(platform::desktopExecArgument(argument), quoted);
}

void TestCommands::keyFileValue_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain") << "/usr/bin/vastrel %f"
                           << "/usr/bin/vastrel %f";
    // A literal backslash inside a quoted Exec argument takes four.
    QTest::newRow("quoted backslash") << R"("/opt/a\\b" %f)"
                                      << R"("/opt/a\\\\b" %f)";
    QTest::newRow("line break and tab") << "a\nb\tc\r"
                                        << R"(a\nb\tc\r)";
    QTest::newRow("leading blank") << " a b"
                                   << R"(\sa b)";
}

void TestCommands::keyFileValue()
{
    QFETCH(QString, value);
    QFETCH(QString, written);
    QCOMPARE(platform::keyFileValue(value), written);
}

void TestCommands::shellQuoteSurvivesShell_data()
{
    QTest::addColumn<QString>("argument");
    QTest::newRow("blanks") << "/opt/my apps/vastrel";
    QTest::newRow("single quotes") << "/opt/it's 'here'/v";
    QTest::newRow("expansions") << "/opt/$HOME/`id`/*/~";
    QTest::newRow("backslashes and double quotes") << R"(/opt/a\b"c\\)";
    QTest::newRow("line break") << "/opt/a\nb";
    QTest::newRow("non-ASCII") << QString::fromUtf8("/opt/\xC3\xBC");
}

void TestCommands::shellQuoteSurvivesShell()
{
    if (!haveShell())
        QSKIP("needs /bin/sh");
    QFETCH(QString, argument);
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("printf '%s' ") + shellQuote(argument)});
    QVERIFY(shell.waitForFinished(10000));
    QCOMPARE(shell.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()), argument);
}

void TestCommands::dolphinServiceMenu_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/usr/bin/vastrel"
                           << "/usr/bin/vastrel %f";
    QTest::newRow("blanks") << "/opt/my apps/vastrel"
                            << R"("/opt/my apps/vastrel" %f)";
    QTest::newRow("backslash") << R"(/opt/a\b c/vastrel)"
                               << R"("/opt/a\\\\b c/vastrel" %f)";
    QTest::newRow("percent") << "/opt/100% sure/vastrel"
                             << R"("/opt/100%% sure/vastrel" %f)";
}

void TestCommands::dolphinServiceMenu()
{
    QFETCH(QString, program);
    QFETCH(QString, exec);
    const auto entries = keyFileEntries(platform::dolphinServiceMenu(program));
    const auto entry = entries.value(QStringLiteral("Desktop Entry"));
    QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Service"));
    QCOMPARE(entry.value(QStringLiteral("X-KDE-ServiceTypes")),
             QStringLiteral("KonqPopupMenu/Plugin"));
    QCOMPARE(entry.value(QStringLiteral("MimeType")), QStringLiteral("inode/directory;"));
    QCOMPARE(entry.value(QStringLiteral("Actions")), QStringLiteral("findVastrelHere;"));
    const auto action = entries.value(QStringLiteral("Desktop Action findVastrelHere"));
    QCOMPARE(action.value(QStringLiteral("Name")), QStringLiteral("Find Vastrel Here"));
    QCOMPARE(action.value(QStringLiteral("Exec")), exec);
}

void TestCommands::nemoAction_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/usr/bin/vastrel"
                           << "'/usr/bin/vastrel' %F";
    QTest::newRow("blanks and quote") << "/opt/my apps/it's/vastrel"
                                      << R"('/opt/my apps/it'\\''s/vastrel' %F)";
}

void TestCommands::nemoAction()
{
    QFETCH(QString, program);
    QFETCH(QString, exec);
    const auto action = keyFileEntries(platform::nemoAction(program)).value("Nemo Action");
    QCOMPARE(action.value(QStringLiteral("Name")), QStringLiteral("Find Vastrel Here"));
    QCOMPARE(action.value(QStringLiteral("Selection")), QStringLiteral("s"));
    QCOMPARE(action.value(QStringLiteral("Extensions")), QStringLiteral("dir;"));
    QCOMPARE(action.value(QStringLiteral("Quote")), QStringLiteral("double"));
    QCOMPARE(action.value(QStringLiteral("Exec")), exec);
}

void TestCommands::nemoActionRefusesPercent()
{
    QVERIFY(platform::nemoAction(QStringLiteral("/opt/100%/vastrel")).isEmpty());
}

// The script is run by /bin/sh as Nautilus would run it, with a stand-in
// program that records its arguments. Names hold blanks, quotes, "%", "#",
// non-ASCII letters and line breaks; "a" exists beside "a<newline>b", so
// reading only the first line of a name would scan a different folder.
void TestCommands::nautilusScriptPassesDirectory_data()
{
    QTest::addColumn<QStringList>("selected"); // relative to the temporary dir
    QTest::addColumn<QString>("argument"); // relative, as Nautilus passes it
    QTest::addColumn<QString>("currentFolder"); // empty: a remote folder
    QTest::addColumn<QString>("expected"); // empty: the program must not run

    const QString odd = QString::fromUtf8("shown #1 %41 \xC3\xBC, it's");
    const QString file = odd + QStringLiteral("/file.txt");
    const QString lines = QStringLiteral("a\nb");
    QTest::newRow("selected directory")
        << QStringList {"chosen dir", "other dir"} << "chosen dir" << odd << "chosen dir";
    QTest::newRow("background click") << QStringList() << "" << odd << odd;
    QTest::newRow("selected file") << QStringList {file} << "file.txt" << odd << odd;
    QTest::newRow("arguments only") << QStringList() << "chosen dir" << odd << "chosen dir";
    QTest::newRow("remote folder") << QStringList() << ""
                                   << ""
                                   << "";
    QTest::newRow("line break in the selected name")
        << QStringList {lines} << lines << odd << lines;
    QTest::newRow("line break in a selection without arguments")
        << QStringList {lines} << "" << odd << odd;
    QTest::newRow("line break in the folder shown") << QStringList() << "" << lines << lines;
}

void TestCommands::nautilusScriptPassesDirectory()
{
    if (!haveShell())
        QSKIP("needs /bin/sh");
    QFETCH(QStringList, selected);
    QFETCH(QString, argument);
    QFETCH(QString, currentFolder);
    QFETCH(QString, expected);

    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QDir root(tmp.path());
    const QString odd = QString::fromUtf8("shown #1 %41 \xC3\xBC, it's");
    for (const QString &dir : {QStringLiteral("chosen dir"), QStringLiteral("other dir"), odd,
                               QStringLiteral("a"), QStringLiteral("a\nb")})
        QVERIFY(root.mkpath(dir));
    QFile plainFile(root.filePath(odd + QStringLiteral("/file.txt")));
    QVERIFY(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();

    // A program path that needs every kind of quoting.
    QVERIFY(root.mkpath(QStringLiteral("my 'tools' $HOME")));
    const QString program = root.filePath(QStringLiteral("my 'tools' $HOME/record args"));
    const QString record = root.filePath(QStringLiteral("arguments.txt"));
    QFile recorder(program);
    QVERIFY(recorder.open(QIODevice::WriteOnly));
    recorder.write("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > " + shellQuote(record).toUtf8() +
                   "\n");
    recorder.close();
    QVERIFY(recorder.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner));

    const QString scriptPath = root.filePath(QStringLiteral("Find Vastrel Here"));
    QFile script(scriptPath);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(nautilusScript(program).toUtf8());
    script.close();

    QString selectedPaths;
    for (const QString &path : std::as_const(selected))
        selectedPaths += root.filePath(path) + QLatin1Char('\n');
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NAUTILUS_SCRIPT_SELECTED_FILE_PATHS"), selectedPaths);
    env.insert(
        QStringLiteral("NAUTILUS_SCRIPT_CURRENT_URI"),
        currentFolder.isEmpty()
            ? QStringLiteral("sftp://host/srv")
            : QUrl::fromLocalFile(root.filePath(currentFolder)).toString(QUrl::FullyEncoded));

    QProcess shell;
    shell.setProcessEnvironment(env);
    shell.setWorkingDirectory(tmp.path());
    shell.start(QStringLiteral("/bin/sh"),
                argument.isEmpty() ? QStringList {scriptPath} : QStringList {scriptPath, argument});
    QVERIFY(shell.waitForFinished(10000));
    QCOMPARE(shell.exitCode(), 0);
    QCOMPARE(shell.readAllStandardError(), QByteArray());

    QFile recorded(record);
    if (expected.isEmpty()) {
        QVERIFY(!recorded.exists());
        return;
    }
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(recorded.readAll()),
             QStringLiteral("1\n") + root.filePath(expected) + QLatin1Char('\n'));
}

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
