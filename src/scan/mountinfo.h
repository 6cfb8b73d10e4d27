#pragma once

#include "scan/directoryreader.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// The filesystem type that the kernel's mount table (the text of
// /proc/self/mountinfo) gives for the device major:minor, or an empty array
// when no mount of that device is listed. Needed where the filesystem's magic
// number is ambiguous: devtmpfs reports itself as tmpfs.
QByteArray mountTypeOfDevice(const QByteArray &mountInfo, unsigned int major, unsigned int minor);

// One line of the mount table: a file system mounted on a directory.
struct Mount
{
    // The mount point, absolute and in the program's form (pathcodec).
    QString path;
    // The device as the table gives it, "major:minor".
    QByteArray device;
    FileSystemKind kind = FileSystemKind::Local;
};

// Every mount the text of /proc/self/mountinfo lists, in its order (a mount
// on top of another one at the same place comes later). Mount points are
// unescaped (the kernel writes a blank as \040).
QList<Mount> parseMountTable(const QByteArray &mountInfo);

// The kind of file system a mount table type names ("ext4", "nfs4",
// "fuse.sshfs", "devtmpfs"...): the same rule as classifyFileSystem.
FileSystemKind classifyMountType(const QByteArray &type);

// What the walk of one root knows about mounts without touching any of them.
struct MountsBelow
{
    // The mount the root lies on; device empty when the table was not read.
    Mount root;
    // Every mount point strictly below the root, keyed by its path as the
    // walk names it (below the root as given, which may be a symbolic link).
    QHash<QString, Mount> below;
};

// The mounts below root, where canonicalRoot is the root with every link
// resolved (the form the table uses). Of mounts stacked on one place the
// last one counts.
MountsBelow mountsBelow(const QList<Mount> &table, const QString &root,
                        const QString &canonicalRoot);

// The same from the system's mount table: on Linux /proc/self/mountinfo,
// elsewhere nothing (then every mount point is met as a change of device).
// Resolves the root's links, so call it once the root has been opened.
MountsBelow currentMountsBelow(const QString &root);
