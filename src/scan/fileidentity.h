#pragma once

#include <QHashFunctions>
#include <QtGlobal>

// A file's identity on this computer: device and inode on POSIX systems,
// volume serial and file ID on Windows. Names of one file share it.
struct FileIdentity
{
    quint64 device;
    quint64 inode;
    friend bool operator==(const FileIdentity &a, const FileIdentity &b)
    {
        return a.device == b.device && a.inode == b.inode;
    }
    friend size_t qHash(const FileIdentity &key, size_t seed = 0)
    {
        return qHashMulti(seed, key.device, key.inode);
    }
};
