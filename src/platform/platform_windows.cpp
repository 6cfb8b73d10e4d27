// Windows implementation of the platform operations: Explorer shows a file
// selected, and the directory verb lives in the registry.

#include "platform/platform.h"

#include "platform/commands.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// Starts program on its own with arguments exactly as given: QProcess would
// otherwise quote the whole "/select,<path>" argument, which Explorer does
// not accept.
bool startExplorer(const QString &program, const QString &arguments)
{
    QProcess explorer;
    explorer.setProgram(program);
    explorer.setNativeArguments(arguments);
    return explorer.startDetached();
}

DetachedStart &detachedStart()
{
    static DetachedStart start = startExplorer;
    return start;
}

} // namespace

void setDetachedStartForTests(DetachedStart start)
{
    detachedStart() = start ? std::move(start) : DetachedStart(startExplorer);
}

QString revealCommand(const QString &path)
{
    return explorerCommandLine(windowsDirectory(), path);
}

void revealFile(const QString &path, QObject *receiver, OpenFailed failed)
{
    if (path.isEmpty())
        return;
    // Explorer by its full path, never by bare name, which Windows would look
    // up in the program's folder and the current folder first.
    const QString program = explorerProgram(windowsDirectory());
    const bool started =
        !program.isEmpty() && detachedStart()(program, explorerSelectArguments(path));
    if (!started)
        openUrl(windowsContainingDirectoryUrl(path), receiver, failed);
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

TrashOutcome moveToTrash(const FoundFile &file, const QDateTime &scanStarted)
{
    const QFileInfo info(file.path);
    if (!info.exists() && !info.isSymbolicLink())
        return {TrashResult::Vanished,
                QCoreApplication::translate("Platform", "it is no longer there")};
    if (info.isSymbolicLink() || !info.isFile())
        return {TrashResult::Changed,
                QCoreApplication::translate("Platform", "it is no longer a regular file")};
    if (info.size() != file.size)
        return {TrashResult::Changed,
                QCoreApplication::translate("Platform", "its size changed since the scan")};
    if (info.lastModified() > scanStarted)
        return {TrashResult::Changed,
                QCoreApplication::translate("Platform", "it was modified after the scan started")};
    QFile trashed(file.path);
    if (!trashed.moveToTrash())
        return {TrashResult::Refused,
                QCoreApplication::translate("Platform", "the Recycle Bin would not take it (%1)")
                    .arg(trashed.errorString())};
    return {TrashResult::Trashed, QString()};
}

} // namespace platform
