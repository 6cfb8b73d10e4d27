#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// What the copy finder asks the system about one file, behind one interface:
// Linux answers with stat() and the FIEMAP ioctl, Windows with a handle's
// file information (volume serial and file ID, no extent map), other systems
// with what QFileInfo knows (no identity, no extent map).

// A file's size, modification time and identity at one moment; two stamps
// that differ mean the file was changed or replaced in between.
struct FileStamp
{
    bool valid = false;
    // Why there is no stamp: the system's message.
    QString error;
    bool regular = false;
    qint64 size = 0;
    // Nanoseconds since the epoch (milliseconds' precision where the system
    // gives no finer).
    qint64 modified = 0;
    // Device and inode (volume serial and file ID on Windows); 0 where the
    // system does not tell.
    quint64 device = 0;
    quint64 inode = 0;
    // The file's number of names (hard links); 0 where the system does not
    // tell. Not part of the comparison: a name added elsewhere changes
    // nothing in the file.
    quint32 links = 0;

    bool sameAs(const FileStamp &other) const
    {
        return valid && other.valid && size == other.size && modified == other.modified &&
            device == other.device && inode == other.inode;
    }
};

// The stamp of the path itself; a symbolic link is not followed.
FileStamp stampOfPath(const QString &path);
// The stamp of an open file.
FileStamp stampOfFile(QFile &file);

// Where a file's data lies, for files whose every extent the file system
// marks as shared with other files (btrfs and XFS reflinks, deduplicated
// data): two such files with the same placement take the space of one.
struct SpaceLayout
{
    bool shared = false;
    // A digest of the extents' offsets in the file and on the device; equal
    // placements hold the same blocks.
    QByteArray placement;
};

// The open file's layout; not shared where the system cannot tell, where
// some extent is the file's alone, or where the data is not yet placed.
SpaceLayout spaceLayoutOf(QFile &file);

// How many bytes of the open file's extents the file system marks as shared
// with another file or a snapshot (btrfs, XFS with reflink): 0 where nothing
// is shared (ext4 shares nothing), -1 where the system gives no extent map.
qint64 sharedBytesOf(QFile &file);
// The same for the file at path, opened only when it is a regular file and
// still the one with this device and inode (never a fifo put in its place);
// -1 where it is not, cannot be opened, or has no extent map.
qint64 sharedBytesOfFile(const QString &path, quint64 device, quint64 inode);
