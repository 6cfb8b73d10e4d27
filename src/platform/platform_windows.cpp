// Windows implementation of the platform operations: Explorer shows a file
// selected, and the directory verb lives in the registry.

#include "platform/platform.h"

#include "platform/commands.h"
#include "platform/recyclebin.h"
#include "platform/shellpath.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

#include <qt_windows.h>

namespace platform {

namespace {

// Where Explorer offers the verb: on a folder, on a drive, and on the
// background of an open folder, each with what Explorer puts in the command
// for it. A folder's path comes as %1; a drive's root as %1 and the folder
// shown as %V. A backslash and a dot after a drive's root keep its own
// backslash from escaping the closing quote (C: and a quote would reach the
// program); the program cleans that to C:/, and a folder's D:/a likewise.
struct VerbPlace
{
    const char *classKey;
    const char *argument;
};
constexpr VerbPlace verbPlaces[] = {
    {"Directory\\shell", "\"%1\""},
    {"Drive\\shell", "\"%1\\.\""},
    {"Directory\\Background\\shell", "\"%V\\.\""},
};

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
    if (path.isEmpty())
        return QString();
    const QString shell = shellpath::forShell(path);
    return explorerCommandLine(windowsDirectory(), shell.isEmpty() ? path : shell);
}

void revealFile(const QString &path, QObject *receiver, OpenFailed failed)
{
    if (path.isEmpty())
        return;
    // Explorer by its full path, never by bare name, which Windows would look
    // up in the program's folder and the current folder first.
    const QString program = explorerProgram(windowsDirectory());
    // Explorer takes no path of MAX_PATH characters or more (Wine's crashes
    // on one): such a file is selected by its short name, and where even that
    // is too long its folder is shown instead.
    const QString shell = shellpath::forShell(path);
    QString arguments;
    if (!shell.isEmpty()) {
        arguments = explorerSelectArguments(shell);
    } else {
        const QString folder = shellpath::forShell(QFileInfo(path).absolutePath());
        qDebug() << "Explorer cannot select a file with a path this long; showing its folder";
        if (!folder.isEmpty())
            arguments = QLatin1Char('"') + folder + QLatin1Char('"');
    }
    const bool started =
        !program.isEmpty() && !arguments.isEmpty() && detachedStart()(program, arguments);
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
    // For every user, which needs administrative rights, else for the
    // current user only, which Explorer merges into the same menu.
    for (const VerbPlace &place : verbPlaces) {
        const QString key = QLatin1String(place.classKey) + QLatin1Char('\\') + verbName() +
            QStringLiteral("\\Command");
        QString placeCommand = command;
        placeCommand.replace(QStringLiteral("\"%1\""), QLatin1String(place.argument));
        if (!writeDefaultValue(QStringLiteral("HKEY_CLASSES_ROOT\\") + key, placeCommand))
            writeDefaultValue(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes\\") + key,
                              placeCommand);
    }
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
    // Never QFile::moveToTrash here: Windows deletes outright what its
    // Recycle Bin will not take.
    QString reason;
    if (!recyclebin::moveToRecycleBin(file.path, &reason))
        return {TrashResult::Refused, reason};
    return {TrashResult::Trashed, QString()};
}

TrashOutcome moveFolderToTrash(const QString &path, const QDateTime &scanStarted)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymbolicLink())
        return {TrashResult::Vanished,
                QCoreApplication::translate("Platform", "it is no longer there")};
    // A junction or a link put in its place would be recycled instead of
    // the folder the scan went through.
    if (info.isSymbolicLink() || info.isJunction() || !info.isDir())
        return {TrashResult::Changed,
                QCoreApplication::translate("Platform", "it is no longer a folder")};
    if (info.lastModified() > scanStarted)
        return {
            TrashResult::Changed,
            QCoreApplication::translate("Platform", "its entries changed after the scan started")};
    // The Recycle Bin takes a folder whole, as it takes a file.
    QString reason;
    if (!recyclebin::moveToRecycleBin(path, &reason))
        return {TrashResult::Refused, reason};
    return {TrashResult::Trashed, QString()};
}

} // namespace platform
