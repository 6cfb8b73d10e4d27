#include "scan/directorywalk.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

// The walk for systems without POSIX directory functions, on Qt's iterator:
// the default filter leaves out hidden and system entries, and links to
// directories are not followed. Links to files are left out here, so a file is
// never counted twice.

DirectoryWalk::DirectoryWalk(const QAtomicInt &stopRequested, Visitor visitor)
    : stopRequested(stopRequested), visitor(std::move(visitor))
{ }

void DirectoryWalk::walk(const QString &root)
{
    // QDir would take an empty path for the current directory.
    if (root.isEmpty())
        return;
    QDirIterator it(QDir(root), QDirIterator::Subdirectories);
    while (it.hasNext() && stopRequested.loadRelaxed() == 0) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.fileName() == QLatin1String(".") || info.fileName() == QLatin1String(".."))
            continue;
        if (info.isFile() && !info.isSymbolicLink())
            visitor(info.filePath(), info.size());
    }
}
