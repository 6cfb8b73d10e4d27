#include "scan/filesystemkind.h"
#include "scan/mountinfo.h"

// Systems without Linux's statfs magic numbers: every directory holds files.
FileSystemKind fileSystemKindOf(int)
{
    return FileSystemKind::Local;
}

// No mount table to read: a mount point is met as a change of device.
MountsBelow currentMountsBelow(const QString &)
{
    return {};
}
