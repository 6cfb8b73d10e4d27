#pragma once

#include <QAtomicInt>
#include <QString>

#include <functional>

// Walks the tree below one root and hands every regular file to a visitor,
// with its path in Qt's form (the root as QDir writes it, then "/" and the
// names below it) and its size in bytes. Plain code: the walker thread drives
// it, and so can a test without a thread.
//
// What a walk covers: names starting with "." are hidden (not reported, not
// entered); symbolic links are never reported nor followed, whatever they
// point to; fifos, sockets and devices are left out; directories that cannot
// be read are skipped silently; an empty root contributes nothing. On Linux
// the kernel's pseudo filesystems (/proc, sysfs, devtmpfs and the like) are not
// entered, neither below a root nor as the root itself, while real
// filesystems mounted below a root are walked. Names that are not valid UTF-8
// are decoded as Qt decodes local file names.
//
// The stop flag is read once per directory entry; any value but 0 ends the
// walk of the current root.
class DirectoryWalk
{
public:
    using Visitor = std::function<void(const QString &path, qint64 size)>;

    DirectoryWalk(const QAtomicInt &stopRequested, Visitor visitor);

    void walk(const QString &root);

private:
    const QAtomicInt &stopRequested;
    Visitor visitor;
};
