#include "scan/filesystemkind.h"

#include "scan/mountinfo.h"
#include "scan/pathcodec.h"

#include <QFile>

#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

#include <cstdlib>

FileSystemKind fileSystemKindOf(int directoryFd)
{
    struct statfs fs;
    if (::fstatfs(directoryFd, &fs) != 0)
        return FileSystemKind::Local;
    const auto magic = static_cast<unsigned long>(fs.f_type);
    QByteArray type;
    if (needsMountType(magic)) {
        struct stat st;
        QFile table(QStringLiteral("/proc/self/mountinfo"));
        if (::fstat(directoryFd, &st) == 0 && table.open(QIODevice::ReadOnly))
            type = mountTypeOfDevice(table.readAll(), major(st.st_dev), minor(st.st_dev));
    }
    return classifyFileSystem(magic, type);
}

MountsBelow currentMountsBelow(const QString &root)
{
    // The table names mount points with every link resolved.
    char *resolved = ::realpath(pathcodec::toNative(root).constData(), nullptr);
    if (!resolved)
        return {};
    const QString canonical = pathcodec::fromNative(QByteArray(resolved));
    std::free(resolved);
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return {};
    // The kernel makes the text as it is read; a table of many thousand
    // mounts still reads in well under a second.
    return mountsBelow(parseMountTable(table.readAll()), root, canonical);
}
