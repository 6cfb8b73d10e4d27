#include "top/terminal.h"

#include <windows.h>

#include <io.h>
#include <stdio.h>

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
