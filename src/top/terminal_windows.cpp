#include "top/terminal.h"

#include <QFileInfo>

#include <windows.h>

#include <io.h>
#include <stdio.h>

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
    return ::_isatty(::_fileno(stderr)) != 0;
}

int terminalColumns()
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (::GetConsoleScreenBufferInfo(::GetStdHandle(STD_ERROR_HANDLE), &info))
        return info.srWindow.Right - info.srWindow.Left + 1;
    return 80;
}
