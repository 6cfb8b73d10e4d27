#include "platform/shellpath.h"

#include "scan/directoryreader_windows.h"

#include <QDir>
#include <QFileInfo>

#include <qt_windows.h>

namespace shellpath {

QString forShell(const QString &path)
{
    const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (native.size() < MAX_PATH)
        return native;
    const std::wstring extended = windowslisting::extendedPath(path);
    const DWORD needed = GetShortPathNameW(extended.c_str(), nullptr, 0);
    if (needed == 0)
        return QString();
    std::wstring shortPath(needed, L'\0');
    const DWORD written = GetShortPathNameW(extended.c_str(), shortPath.data(), needed);
    if (written == 0 || written >= needed)
        return QString();
    shortPath.resize(written);
    // Back from \\?\C:\... and \\?\UNC\server\... to the shell's forms.
    QString shell = QString::fromStdWString(shortPath);
    if (shell.startsWith(QLatin1String("\\\\?\\UNC\\")))
        shell.replace(0, 8, QStringLiteral("\\\\"));
    else if (shell.startsWith(QLatin1String("\\\\?\\")))
        shell.remove(0, 4);
    return shell.size() < MAX_PATH ? shell : QString();
}

} // namespace shellpath
