#pragma once

#include "scan/foundfile.h"

#include <QAtomicInt>
#include <QList>

// What removing files would give back to the file system now. A file frees
// nothing while another name keeps it (a hard link outside the files being
// removed); otherwise it frees the space on disk that no other file shares:
// on btrfs and on XFS with reflink a copy made with cp --reflink, or a file
// a snapshot still holds, shares some or all of its extents. Where the
// system cannot tell what is shared, the whole space on disk counts.
namespace freespace {

// What removing the file alone frees, from what is known of it: 0 with other
// names, else its unshared space (its space on disk where not measured).
qint64 freesAlone(const FoundFile &file);

// Measures each file's unshared space with one pass over its extent map,
// where the system has one, and fills unshared and frees; a file whose
// number of names the walk did not tell (Windows) is asked for it first. A
// file is opened
// only after its path is seen to name the same regular file the walk met
// (never a fifo or a file put in its place); one that cannot be examined
// keeps its space on disk. Runs on a few threads of its own and returns when
// every file is done, or soon after stop becomes non-zero (the rest then
// stay unmeasured). Never call it from the GUI thread.
void measure(QList<FoundFile> &files, const QAtomicInt *stop = nullptr);

// What removing all of removing at once would free, file by file, in their
// order: a file whose every name is among them frees its unshared space, one
// with names left elsewhere frees nothing. Names of one file are told by
// device and inode; only the first of them is credited with the space.
QList<qint64> freesTogether(const QList<FoundFile> &removing);

} // namespace freespace
