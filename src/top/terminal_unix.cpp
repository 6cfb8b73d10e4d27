#include "top/terminal.h"

#include "scan/pathcodec.h"

#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

QString directoryProblem(const QString &dir)
{
    if (dir.isEmpty())
        return qt_error_string(ENOENT);
    const QByteArray path = pathcodec::toNative(dir);
    struct stat status
    {
    };
    if (::stat(path.constData(), &status) != 0)
        return qt_error_string(errno);
    if (!S_ISDIR(status.st_mode))
        return qt_error_string(ENOTDIR);
    // A directory is walked by listing it (read) and entering it (search).
    if (::access(path.constData(), R_OK | X_OK) != 0)
        return qt_error_string(errno);
    return QString();
}

bool stderrIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

int terminalColumns()
{
    struct winsize size
    {
    };
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

QByteArray outputBytes(const QString &text)
{
    return text.toLocal8Bit();
}

void writeOutput(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

QString outputLine(const QString &text)
{
    return pathcodec::escapedLine(text);
}
