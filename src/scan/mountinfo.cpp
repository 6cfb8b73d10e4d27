#include "scan/mountinfo.h"

#include "scan/filesystemkind.h"

#include <QList>

// Each line reads "id parent major:minor root mount-point options
// [optional fields...] - type source super-options".
QByteArray mountTypeOfDevice(const QByteArray &mountInfo, unsigned int major, unsigned int minor)
{
    const QByteArray device = QByteArray::number(major) + ':' + QByteArray::number(minor);
    for (const QByteArray &line : mountInfo.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3 || fields.at(2) != device)
            continue;
        const qsizetype separator = fields.indexOf(QByteArrayLiteral("-"), 6);
        if (separator >= 0 && separator + 1 < fields.size())
            return fields.at(separator + 1);
    }
    return QByteArray();
}

namespace {

// statfs magic numbers (see linux/magic.h and the file systems' sources).
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
constexpr unsigned long networkMagics[] = {
    0x6969, // nfs
    0x517b, // smb
    0xff534d42, // cifs
    0xfe534d42, // smb2
    0x01021997, // 9p
    0x00c36400, // ceph
    0x5346414f, // afs
    0x6b414653, // kafs
    0x73757245, // coda
    0x564c, // ncp
    0x0bd00bd0, // lustre
    0x47504653, // gpfs
    0x19830326, // beegfs
};
constexpr unsigned long tmpfsMagic = 0x01021994;
constexpr unsigned long ramfsMagic = 0x858458f6;
constexpr unsigned long fuseMagic = 0x65735546;

// FUSE file systems whose files live on another machine; the mount table
// names them "fuse.<name>" (or "fuseblk.<name>").
const char *const networkFuse[] = {
    "sshfs", "rclone", "s3fs", "gcsfuse", "goofys", "curlftpfs", "davfs", "davfs2",
    "glusterfs", "ceph-fuse", "smbnetfs", "afpfs", "httpfs", "httpdirfs", "webdavfs",
    "juicefs", "seaweedfs", "blobfuse", "blobfuse2", "onedriver", "gvfsd-fuse",
};

template<std::size_t N>
bool listed(const unsigned long (&list)[N], unsigned long magic)
{
    for (const unsigned long value : list) {
        if (value == magic)
            return true;
    }
    return false;
}

} // namespace

bool needsMountType(unsigned long magic)
{
    return magic == tmpfsMagic || magic == ramfsMagic || magic == fuseMagic;
}

FileSystemKind classifyFileSystem(unsigned long magic, const QByteArray &mountType)
{
    if (listed(pseudoMagics, magic))
        return FileSystemKind::Pseudo;
    if (listed(networkMagics, magic))
        return FileSystemKind::Network;
    // devtmpfs is a tmpfs (or ramfs) inside; only the mount table names it.
    if ((magic == tmpfsMagic || magic == ramfsMagic) && mountType == "devtmpfs")
        return FileSystemKind::Pseudo;
    if (magic == fuseMagic) {
        const qsizetype dot = mountType.indexOf('.');
        const QByteArray name = dot < 0 ? QByteArray() : mountType.mid(dot + 1);
        for (const char *network : networkFuse) {
            if (name == network)
                return FileSystemKind::Network;
        }
    }
    return FileSystemKind::Local;
}
