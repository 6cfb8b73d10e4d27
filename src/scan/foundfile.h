#pragma once

#include <QString>

// One file of a scan's results: its size in bytes and its path.
struct FoundFile
{
    qint64 size = 0;
    QString path;
    // The file's identity when the scan met it (device and inode on POSIX
    // systems, volume serial and file ID on Windows; 0 where unknown), so an
    // action can tell the scanned file from another one put at its path since.
    quint64 device = 0;
    quint64 inode = 0;
    // Bytes the file takes on disk (blocks allocated; less than size for a
    // sparse or compressed file, 0 for a cloud placeholder); -1 unknown.
    qint64 allocated = -1;
    // Last modification, milliseconds since 1970-01-01 UTC; -1 unknown.
    qint64 modified = -1;
    // The file's number of names (hard links); 0 unknown.
    quint32 links = 0;
    // Bytes that removing the file would free now (0 while other names keep
    // it, only its unshared extents where blocks are shared); -1 not yet
    // known. Filled for the results by freesOf() (see freespace.h).
    qint64 frees = -1;
    // Bytes on disk that no other file or snapshot shares: what removing
    // every name of the file would free; -1 not yet known.
    qint64 unshared = -1;

    // The space on disk where known, else the length.
    qint64 onDisk() const { return allocated < 0 ? size : allocated; }
};

// Which size a ranking or a list of folders goes by.
enum class SizeKind {
    // The file's length, as a listing shows it.
    Apparent,
    // The space it takes on disk, as du counts it.
    OnDisk,
};

inline qint64 sizeOf(const FoundFile &file, SizeKind kind)
{
    return kind == SizeKind::OnDisk ? file.onDisk() : file.size;
}
