// Windows implementation of the platform operations: Explorer shows a file
// selected, and the directory verb lives in the registry.

#include "platform/platform.h"

#include "platform/commands.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QSettings>

#include <qt_windows.h>

namespace platform {

namespace {

// The verb for every user, which needs administrative rights, and the same verb
// for the current user only, which Explorer merges into the same menu.
const QString machineVerbKey =
    QStringLiteral("HKEY_CLASSES_ROOT\\Directory\\shell\\Find Vastrel Here\\Command");
const QString userVerbKey = QStringLiteral(
    "HKEY_CURRENT_USER\\Software\\Classes\\Directory\\shell\\Find Vastrel Here\\Command");

// Sets the default value ("." in QSettings' registry form) of key, creating
// missing keys; true when the registry took it.
bool writeDefaultValue(const QString &key, const QString &value)
{
    QSettings registry(key, QSettings::NativeFormat);
    registry.setValue(QStringLiteral("."), value);
    registry.sync();
    return registry.status() == QSettings::NoError;
}

// The Windows directory as the system reports it (not from the environment,
// which the caller controls); empty if it cannot be had.
QString windowsDirectory()
{
    wchar_t buffer[MAX_PATH + 1];
    const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH)
        return QString();
    return QString::fromWCharArray(buffer, int(length));
}

DetachedStart &detachedStart()
{
    static DetachedStart start;
    return start;
}

} // namespace

void setDetachedStartForTests(DetachedStart start)
{
    detachedStart() = std::move(start);
}

QString revealCommand(const QString &path)
{
    return explorerCommandLine(windowsDirectory(), path);
}

void revealFile(const QString &path)
{
    if (path.isEmpty())
        return;
    // Explorer by its full path, never by bare name, which Windows would look
    // up in the program's folder and the current folder first. Native
    // arguments reach it exactly as built: QProcess would otherwise quote the
    // whole "/select,<path>" argument, which Explorer does not accept.
    const QString program = explorerProgram(windowsDirectory());
    const QString arguments = explorerSelectArguments(path);
    bool started = false;
    if (!program.isEmpty() && detachedStart()) {
        started = detachedStart()(program, arguments);
    } else if (!program.isEmpty()) {
        QProcess explorer;
        explorer.setProgram(program);
        explorer.setNativeArguments(arguments);
        started = explorer.startDetached();
    }
    if (!started)
        QDesktopServices::openUrl(windowsContainingDirectoryUrl(path));
}

void registerDirectoryVerb()
{
    const QString dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty()) {
        qDebug() << "Explorer verb left as it is: the program's own folder is unknown";
        return;
    }
    const QString command = windowsVerbCommand(dir);
    qDebug() << command;
    if (!writeDefaultValue(machineVerbKey, command))
        writeDefaultValue(userVerbKey, command);
}

} // namespace platform
