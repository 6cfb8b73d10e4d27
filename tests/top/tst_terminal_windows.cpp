#include "top/terminal.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstring>

// vastrel-top's output on Windows: a console gets the names themselves,
// whatever its code page; a pipe gets UTF-8; the progress line's clearing
// works on a console; a message keeps the user's backslashes. The console is
// a pseudo console the test makes, with this program started again in it to
// write and read back its screen.
class tst_TerminalWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pipeGetsUtf8();
    void console();
    void outputLine_data();
    void outputLine();
};

namespace {

// Outside the code page 1252 the console is set to: Chinese, and the
// Hungarian ő and ű.
const QString names = QStringLiteral("音乐 Főtanúsítvány űr");

// The text of the console's row, as the screen holds it.
QString screenRow(HANDLE console, SHORT row)
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(console, &info))
        return QString();
    std::wstring text(size_t(info.dwSize.X), L'\0');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(console, text.data(), DWORD(text.size()), COORD {0, row}, &read);
    text.resize(read);
    return QString::fromStdWString(text).trimmed();
}

// In the pseudo console: writes through writeOutput as vastrel-top does and
// saves what the screen then shows, one line per check, in resultFile.
int consoleChild(const char *resultFile)
{
    SetConsoleOutputCP(1252);
    // Standard output as a program started in a console window has it
    // (Wine hands on the parent's pipe instead).
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    FILE *stream = _fdopen(_open_osfhandle(intptr_t(console), 0), "wb");
    if (console == INVALID_HANDLE_VALUE || !stream)
        return 2;
    QStringList lines;
    CONSOLE_SCREEN_BUFFER_INFO info;
    GetConsoleScreenBufferInfo(console, &info);
    const SHORT row = info.dwCursorPosition.Y;
    writeOutput(stream, outputBytes(names));
    lines << screenRow(console, row);
    writeOutput(stream, outputBytes("\r12 files  C:/a/much/longer/folder"));
    writeOutput(stream, outputBytes("\r13 files  C:/b\x1b[K"));
    lines << screenRow(console, row);
    QFile out(QString::fromLocal8Bit(resultFile));
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    out.write(lines.join('\n').toUtf8());
    return 0;
}

} // namespace

void tst_TerminalWindows::pipeGetsUtf8()
{
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    QVERIFY(CreatePipe(&readEnd, &writeEnd, nullptr, 0));
    const int descriptor = _open_osfhandle(intptr_t(writeEnd), 0);
    FILE *stream = _fdopen(descriptor, "wb");
    QVERIFY(stream);
    writeOutput(stream, outputBytes(names + '\n'));
    fclose(stream);
    QByteArray bytes(256, '\0');
    DWORD read = 0;
    QVERIFY(ReadFile(readEnd, bytes.data(), DWORD(bytes.size()), &read, nullptr));
    CloseHandle(readEnd);
    bytes.resize(read);
    QCOMPARE(bytes, (names + '\n').toUtf8());
}

void tst_TerminalWindows::console()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString result = tmp.filePath("screen.txt");

    // The pseudo console's input and output ends; its output is drained
    // beside the child, which would otherwise block on a full pipe.
    HANDLE inRead, inWrite, outRead, outWrite;
    QVERIFY(CreatePipe(&inRead, &inWrite, nullptr, 0));
    QVERIFY(CreatePipe(&outRead, &outWrite, nullptr, 0));
    HPCON pseudo = nullptr;
    QCOMPARE(CreatePseudoConsole(COORD {120, 30}, inRead, outWrite, 0, &pseudo), S_OK);
    CloseHandle(inRead);
    CloseHandle(outWrite);
    HANDLE drain = CreateThread(
        nullptr, 0,
        [](void *pipe) -> DWORD {
            char buffer[4096];
            DWORD read = 0;
            while (ReadFile(HANDLE(pipe), buffer, sizeof buffer, &read, nullptr) && read) { }
            return 0;
        },
        outRead, 0, nullptr);

    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::vector<char> attributes(size);
    STARTUPINFOEXW startup = {};
    startup.StartupInfo.cb = sizeof startup;
    startup.lpAttributeList = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    QVERIFY(InitializeProcThreadAttributeList(startup.lpAttributeList, 1, 0, &size));
    QVERIFY(UpdateProcThreadAttribute(startup.lpAttributeList, 0,
                                      PROC_THREAD_ATTRIBUTE_PSEUDOCONSOLE, pseudo, sizeof pseudo,
                                      nullptr, nullptr));
    std::wstring command = L"\"" + QCoreApplication::applicationFilePath().toStdWString() +
        L"\" --console-child \"" + result.toStdWString() + L"\"";
    PROCESS_INFORMATION process = {};
    QVERIFY(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE,
                           EXTENDED_STARTUPINFO_PRESENT, nullptr, nullptr, &startup.StartupInfo,
                           &process));
    const DWORD waited = WaitForSingleObject(process.hProcess, 30000);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    DeleteProcThreadAttributeList(startup.lpAttributeList);
    ClosePseudoConsole(pseudo);
    CloseHandle(inWrite);
    WaitForSingleObject(drain, 5000);
    CloseHandle(drain);
    CloseHandle(outRead);
    QCOMPARE(waited, DWORD(WAIT_OBJECT_0));
    QCOMPARE(exitCode, DWORD(0));

    QFile file(result);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList screen = QString::fromUtf8(file.readAll()).split('\n');
    QCOMPARE(screen.size(), 2);
    // The names exactly, not "?? F?tan?s?tv?ny" nor look-alikes.
    QCOMPARE(screen.at(0), names);
    // The progress line redrawn, the longer line before it cleared, no
    // "[K" left on the screen.
    QCOMPARE(screen.at(1), QStringLiteral("13 files  C:/b"));
}

void tst_TerminalWindows::outputLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    QTest::newRow("backslashes as typed") << "Z:\\no\\such\\dir"
                                          << "Z:\\no\\such\\dir";
    QTest::newRow("names as they are") << names << names;
    QTest::newRow("control characters escaped") << "a\nb\x1b[2J"
                                                << "a\\nb\\x1b[2J";
    QTest::newRow("lone surrogate") << QString("a") + QChar(0xd800) + "z"
                                    << "a\\uD800z";
    QTest::newRow("pair kept") << QString::fromUcs4(U"\U0001F600")
                               << QString::fromUcs4(U"\U0001F600");
}

void tst_TerminalWindows::outputLine()
{
    QFETCH(QString, text);
    QTEST(::outputLine(text), "line");
}

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--console-child") == 0)
        return consoleChild(argv[2]);
    QCoreApplication app(argc, argv);
    tst_TerminalWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_terminal_windows.moc"
