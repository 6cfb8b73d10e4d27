#include "platform/menuentries.h"

#include "platform/commands.h"
#include "platform/savefile.h"
#include "scan/pathcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

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

bool isTrustedLocation(const QString &program, QString *reason)
{
    const auto untrusted = [reason](const QByteArray &path, const QString &why) {
        *reason = pathcodec::displayText(pathcodec::fromNative(path)) + why;
        return false;
    };
    QByteArray path = pathcodec::toNative(program);
    if (!path.startsWith('/'))
        return untrusted(path, QStringLiteral(" is not an absolute path"));
    const uid_t user = ::geteuid();
    bool ownFolder = false; // the file itself first, then its folder, then the ones above
    for (;;) {
        struct stat st;
        if (::lstat(path.constData(), &st) != 0)
            return untrusted(path, QStringLiteral(" cannot be examined"));
        if (S_ISLNK(st.st_mode))
            return untrusted(path, QStringLiteral(" is a symbolic link"));
        if (st.st_uid != 0 && st.st_uid != user)
            return untrusted(path, QStringLiteral(" belongs to another user"));
        const bool othersWrite = (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
        const bool sticky = S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) != 0;
        if (othersWrite && (!sticky || ownFolder))
            return untrusted(path, QStringLiteral(" can be written by other users"));
        if (path == QByteArrayLiteral("/"))
            return true;
        ownFolder = !S_ISDIR(st.st_mode);
        const qsizetype slash = path.lastIndexOf('/');
        path.truncate(slash > 0 ? slash : 1);
    }
}

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
