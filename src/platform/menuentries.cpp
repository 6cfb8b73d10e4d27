#include "platform/menuentries.h"

#include "platform/commands.h"
#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace menuentries {

namespace {

// Dolphin lists only executable service menus from a user's directory, and
// Nautilus runs only executable scripts.
constexpr QFileDevice::Permissions executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
    QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::ExeOther;
constexpr QFileDevice::Permissions plain = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
    QFileDevice::ReadGroup | QFileDevice::ReadOther;

// Replaces the file at path with content in one step, so a reader never sees a
// half-written entry. Empty content removes an entry that can no longer work.
bool writeEntry(const QString &path, const QString &content, QFileDevice::Permissions permissions)
{
    if (content.isEmpty())
        return !QFileInfo::exists(path) || QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    if (!savefile::save(path, content.toUtf8(), nullptr))
        return false;
    return QFile::setPermissions(path, permissions);
}

} // namespace

bool write(const QString &dataHome, const QString &program)
{
    if (program.isEmpty())
        return false;
    const QDir home(dataHome);
    bool ok = writeEntry(home.filePath(platform::dolphinServiceMenuPath()),
                         platform::dolphinServiceMenu(program), executable);
    ok = writeEntry(home.filePath(platform::nautilusScriptPath()),
                    platform::nautilusScript(program), executable) &&
        ok;
    ok = writeEntry(home.filePath(platform::nemoActionPath()), platform::nemoAction(program),
                    plain) &&
        ok;
    return ok;
}

} // namespace menuentries
