#include "scan/filesystemkind.h"

// Systems without Linux's pseudo filesystems: every directory holds files.
bool isPseudoFilesystem(int)
{
    return false;
}
