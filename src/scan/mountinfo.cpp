#include "scan/mountinfo.h"

#include "scan/filesystemkind.h"
#include "scan/localpaths.h"
#include "scan/pathcodec.h"

#include <QList>

#include <cstring>

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
    "sshfs",    "rclone",    "s3fs",      "gcsfuse",  "goofys",    "curlftpfs", "davfs",
    "davfs2",   "glusterfs", "ceph-fuse", "smbnetfs", "afpfs",     "httpfs",    "httpdirfs",
    "webdavfs", "juicefs",   "seaweedfs", "blobfuse", "blobfuse2", "onedriver", "gvfsd-fuse",
};

// The same file systems by the names the mount table gives them.
const char *const pseudoTypes[] = {
    "proc",       "sysfs",     "devpts",  "cgroup",   "cgroup2",  "debugfs",     "tracefs",
    "securityfs", "pstore",    "bpf",     "configfs", "mqueue",   "binfmt_misc", "fusectl",
    "efivarfs",   "selinuxfs", "smackfs", "nsfs",     "devtmpfs",
};
const char *const networkTypes[] = {
    "nfs", "nfs4", "smbfs", "smb",   "cifs", "smb2",   "smb3", "9p",     "ceph",
    "afs", "kafs", "coda",  "ncpfs", "ncp",  "lustre", "gpfs", "beegfs",
};

template<std::size_t N> bool listed(const unsigned long (&list)[N], unsigned long magic)
{
    for (const unsigned long value : list) {
        if (value == magic)
            return true;
    }
    return false;
}

template<std::size_t N> bool named(const char *const (&list)[N], const QByteArray &name)
{
    for (const char *value : list) {
        if (name == value)
            return true;
    }
    return false;
}

bool isNetworkFuse(const QByteArray &mountType)
{
    const qsizetype dot = mountType.indexOf('.');
    return dot >= 0 && named(networkFuse, mountType.mid(dot + 1));
}

// The kernel writes a blank, tab, newline and backslash in a mount point as
// \040, \011, \012 and \134.
QByteArray unescape(const QByteArray &field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool ok = false;
            const int value = digits.toInt(&ok, 8);
            if (ok && digits.size() == 3 && value < 256) {
                bytes.append(char(value));
                i += 3;
                continue;
            }
        }
        bytes.append(c);
    }
    return bytes;
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
    if (magic == fuseMagic && isNetworkFuse(mountType))
        return FileSystemKind::Network;
    return FileSystemKind::Local;
}

FileSystemKind classifyMountType(const QByteArray &type)
{
    if (named(pseudoTypes, type))
        return FileSystemKind::Pseudo;
    if (named(networkTypes, type) ||
        ((type.startsWith("fuse.") || type.startsWith("fuseblk.")) && isNetworkFuse(type)))
        return FileSystemKind::Network;
    return FileSystemKind::Local;
}

QList<Mount> parseMountTable(const QByteArray &mountInfo)
{
    QList<Mount> mounts;
    for (const QByteArray &line : mountInfo.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf(QByteArrayLiteral("-"), 6);
        if (fields.size() < 5 || separator < 0 || separator + 1 >= fields.size())
            continue;
        const QByteArray point = unescape(fields.at(4));
        if (!point.startsWith('/'))
            continue;
        mounts.append({pathcodec::fromNative(point), fields.at(2),
                       classifyMountType(fields.at(separator + 1))});
    }
    return mounts;
}

MountsBelow mountsBelow(const QList<Mount> &table, const QString &root,
                        const QString &canonicalRoot)
{
    MountsBelow result;
    QString prefix = root;
    if (!prefix.endsWith(QLatin1Char('/')))
        prefix.append(QLatin1Char('/'));
    const qsizetype skip =
        canonicalRoot.endsWith(QLatin1Char('/')) ? canonicalRoot.size() : canonicalRoot.size() + 1;
    qsizetype longest = -1;
    for (const Mount &mount : table) {
        // The longest mount point holding the root (of equal ones the later).
        if (localpaths::isInside(canonicalRoot, mount.path) && mount.path.size() >= longest) {
            longest = mount.path.size();
            result.root = mount;
        }
        if (mount.path.size() > canonicalRoot.size() &&
            localpaths::isInside(mount.path, canonicalRoot)) {
            Mount below = mount;
            below.path = QString(prefix).append(QStringView(mount.path).mid(skip));
            result.below.insert(below.path, below);
        }
    }
    return result;
}
