#include "scan/linkedfiles.h"

#include "scan/pathcodec.h"
#include "scan/topfilemap.h"

LinkedFiles::LinkedFiles(TopFileMap *ranking) : ranking(ranking) { }

// The lock is held while the ranking changes, so that a name and the one
// that replaces it never pass each other.
void LinkedFiles::offer(qint64 size, const QString &path, quint64 device, quint64 inode)
{
    // The ranking's floor only rises: a file below it can never get in.
    if (size < ranking->floor())
        return;
    QMutexLocker lock(&mutex);
    const auto found = seen.find(Key {device, inode});
    if (found == seen.end()) {
        seen.insert(Key {device, inode}, Seen {size, path});
        ranking->insert(size, path, device, inode);
    } else if (path == found->path) {
        // The same name again, through a root below another root: offered
        // again, as a file with one name is.
        ranking->insert(size, path, device, inode);
    } else if (pathcodec::nativeLess(path, found->path)) {
        ranking->replace(size, found->path, path, device, inode);
        found->path = path;
    }
    if (seen.size() >= pruneAt) {
        const qint64 floor = ranking->floor();
        for (auto it = seen.begin(); it != seen.end();) {
            if (it->size < floor)
                it = seen.erase(it);
            else
                ++it;
        }
        pruneAt = qMax<qsizetype>(1024, 2 * seen.size());
    }
}
