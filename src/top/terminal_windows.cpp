#include "top/terminal.h"

#include "scan/pathcodec.h"

#include <QFileInfo>

#include <windows.h>

#include <io.h>

namespace {

// The console behind stream, or null when it is a file, a pipe or the NUL
// device (which the C runtime also takes for a terminal).
HANDLE consoleOf(FILE *stream)
{
    const int descriptor = ::_fileno(stream);
    if (descriptor < 0)
        return nullptr;
    const HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(descriptor));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !::GetConsoleMode(handle, &mode))
        return nullptr;
    return handle;
}

void writeConsole(HANDLE console, QStringView text)
{
    while (!text.isEmpty()) {
        // WriteConsoleW takes a bounded amount at a time.
        const DWORD chunk = DWORD(qMin<qsizetype>(text.size(), 8192));
        DWORD written = 0;
        if (!::WriteConsoleW(console, text.utf16(), chunk, &written, nullptr) || written == 0)
            return;
        text = text.mid(written);
    }
}

// Clears from the cursor to the end of its line, leaving the cursor there.
void clearToEndOfLine(HANDLE console)
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!::GetConsoleScreenBufferInfo(console, &info))
        return;
    const DWORD length = DWORD(info.dwSize.X - info.dwCursorPosition.X);
    DWORD done = 0;
    ::FillConsoleOutputCharacterW(console, L' ', length, info.dwCursorPosition, &done);
    ::FillConsoleOutputAttribute(console, info.wAttributes, length, info.dwCursorPosition, &done);
}

} // namespace

QString directoryProblem(const QString &dir)
{
    const QFileInfo info(dir);
    if (dir.isEmpty() || !info.exists())
        return QStringLiteral("No such file or directory");
    if (!info.isDir())
        return QStringLiteral("Not a directory");
    if (!info.isReadable())
        return QStringLiteral("Permission denied");
    return QString();
}

bool stderrIsTerminal()
{
    return consoleOf(stderr) != nullptr;
}

int terminalColumns()
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (::GetConsoleScreenBufferInfo(::GetStdHandle(STD_ERROR_HANDLE), &info))
        return info.srWindow.Right - info.srWindow.Left + 1;
    return 80;
}

QByteArray outputBytes(const QString &text)
{
    return text.toUtf8();
}

void writeOutput(FILE *stream, const QByteArray &bytes)
{
    const HANDLE console = consoleOf(stream);
    if (!console) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
        return;
    }
    // What the C runtime still holds must come first.
    std::fflush(stream);
    const QString text = QString::fromUtf8(bytes);
    // The one escape sequence the program writes, "clear to the end of the
    // line", is done with the console's own calls: not every console that
    // accepts the virtual-terminal mode acts on it (Wine's shows "[K").
    static const QString clearLine = QStringLiteral("\x1b[K");
    qsizetype start = 0;
    for (qsizetype at; (at = text.indexOf(clearLine, start)) != -1; start = at + clearLine.size()) {
        writeConsole(console, QStringView(text).mid(start, at - start));
        clearToEndOfLine(console);
    }
    writeConsole(console, QStringView(text).mid(start));
}

QString outputLine(const QString &text)
{
    const QString shown = pathcodec::displayText(text);
    QString line;
    line.reserve(shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QChar c = shown.at(i);
        const bool paired =
            (c.isHighSurrogate() && i + 1 < shown.size() && shown.at(i + 1).isLowSurrogate()) ||
            (c.isLowSurrogate() && i > 0 && shown.at(i - 1).isHighSurrogate());
        if (c.isSurrogate() && !paired)
            line += QStringLiteral("\\u") + QString::number(c.unicode(), 16).toUpper();
        else
            line += c;
    }
    return line;
}
