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
};
