#include "removedcwd.h"

#include <QDir>

namespace testsupport {

RemovedCurrentDirectory::RemovedCurrentDirectory() : previous(QDir::currentPath())
{
    const QString gone = dir.path() + "/gone";
    valid = dir.isValid() && QDir().mkdir(gone) && QDir::setCurrent(gone) && QDir().rmdir(gone);
}

RemovedCurrentDirectory::~RemovedCurrentDirectory()
{
    QDir::setCurrent(previous);
}

} // namespace testsupport
