#include "scan/filesystemkind.h"

#include "scan/mountinfo.h"

#include <QFile>

#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

namespace {

// statfs magic numbers of the pseudo filesystems (see linux/magic.h).
constexpr unsigned long pseudoMagics[] = {
    0x9fa0, // proc
    0x62656572, // sysfs
    0x1cd1, // devpts
    0x27e0eb, // cgroup
    0x63677270, // cgroup2
    0x64626720, // debugfs
    0x74726163, // tracefs
    0x73636673, // securityfs
    0x6165676c, // pstore
    0xcafe4a11, // bpf
    0x62656570, // configfs
    0x19800202, // mqueue
    0x42494e4d, // binfmt_misc
    0x65735543, // fusectl
    0xde5e81e4, // efivarfs
    0xf97cff8c, // selinuxfs
    0x43415d53, // smackfs
    0x6e736673, // nsfs
};
constexpr unsigned long tmpfsMagic = 0x01021994;
constexpr unsigned long ramfsMagic = 0x858458f6;

} // namespace

bool isPseudoFilesystem(int directoryFd)
{
    struct statfs fs;
    if (::fstatfs(directoryFd, &fs) != 0)
        return false;
    const auto magic = static_cast<unsigned long>(fs.f_type);
    for (const unsigned long pseudo : pseudoMagics) {
        if (magic == pseudo)
            return true;
    }
    if (magic != tmpfsMagic && magic != ramfsMagic)
        return false;

    // devtmpfs is a tmpfs (or ramfs) inside; only the mount table names it.
    struct stat st;
    if (::fstat(directoryFd, &st) != 0)
        return false;
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return false;
    return mountTypeOfDevice(table.readAll(), major(st.st_dev), minor(st.st_dev)) == "devtmpfs";
}
