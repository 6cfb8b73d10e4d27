#pragma once

#include "scan/directoryreader.h"

#include <QByteArray>

// Tells what kind of file system an open directory lies on (see
// FileSystemKind). Linux asks statfs() and, where the magic number is
// ambiguous (tmpfs hides devtmpfs, FUSE hides sshfs), the mount table; other
// systems take every directory for a local one.
FileSystemKind fileSystemKindOf(int directoryFd);

// The rule itself, from statfs()'s magic number and the type the mount table
// gives (empty when not looked up): plain code a test can call anywhere.
FileSystemKind classifyFileSystem(unsigned long magic, const QByteArray &mountType);
// Whether classifyFileSystem needs the mount table's type for this magic.
bool needsMountType(unsigned long magic);
