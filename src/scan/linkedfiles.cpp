#include "scan/linkedfiles.h"

#include "scan/pathcodec.h"
#include "scan/topfilemap.h"

LinkedFiles::LinkedFiles(TopFileMap *ranking) : ranking(ranking) { }

// The lock is held while the ranking changes, so that a name and the one
// that replaces it never pass each other.
void LinkedFiles::offer(qint64 size, const QString &path, quint64 device, quint64 inode)
{
    FoundFile file;
    file.size = size;
    file.path = path;
    file.device = device;
    file.inode = inode;
    offer(file);
}

void LinkedFiles::offer(const FoundFile &file)
{
    // The ranking's floor only rises: a file below it can never get in.
    const qint64 size = sizeOf(file, ranking->rankBy());
    if (size < ranking->floor())
        return;
    QMutexLocker lock(&mutex);
    const Key key {file.device, file.inode};
    const auto found = seen.find(key);
    if (found == seen.end()) {
        seen.insert(key, Seen {size, file.path});
        ranking->insert(file);
    } else if (file.path == found->path) {
        // The same name again, through a root below another root: offered
        // again, as a file with one name is.
        ranking->insert(file);
    } else if (pathcodec::nativeLess(file.path, found->path)) {
        ranking->replace(found->path, file);
        found->path = file.path;
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
