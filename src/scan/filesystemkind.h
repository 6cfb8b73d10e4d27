#pragma once

// Tells whether an open directory lies on one of the kernel's pseudo
// filesystems: process and kernel tables, device nodes, control groups,
// tracing and security control files. They hold nothing that takes disk space
// (and /proc/kcore alone claims about 128 TiB), so a walk never enters them.
// Filesystems that hold files, tmpfs included, answer false.
bool isPseudoFilesystem(int directoryFd);
