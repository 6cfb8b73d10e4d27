// Windows implementation of the platform operations: Explorer shows a file
// selected, and the directory verb lives in the registry.

#include "platform/platform.h"

#include "platform/commands.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QProcess>
#include <QSettings>

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

} // namespace

QString revealCommand(const QString &path)
{
    return explorerCommandLine(path);
}

void revealFile(const QString &path)
{
    if (path.isEmpty())
        return;
    // Native arguments reach Explorer exactly as built: QProcess would otherwise
    // quote the whole "/select,<path>" argument, which Explorer does not accept.
    QProcess explorer;
    explorer.setProgram(QStringLiteral("explorer"));
    explorer.setNativeArguments(explorerSelectArguments(path));
    if (!explorer.startDetached())
        QDesktopServices::openUrl(containingDirectoryUrl(path));
}

void registerDirectoryVerb()
{
    const QString command = windowsVerbCommand(QCoreApplication::applicationDirPath());
    qDebug() << command;
    if (!writeDefaultValue(machineVerbKey, command))
        writeDefaultValue(userVerbKey, command);
}

} // namespace platform
