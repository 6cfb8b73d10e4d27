#include "scan/filesystemkind.h"

#include "scan/mountinfo.h"

#include <QFile>

#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

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
