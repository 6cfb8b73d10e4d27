#include "store/scancomparison.h"

#include "scan/pathcodec.h"

#include <QHash>

#include <algorithm>
#include <cstdlib>

namespace {

template<typename Change> void sortByChange(QList<Change> &changes)
{
    std::sort(changes.begin(), changes.end(), [](const Change &a, const Change &b) {
        const qint64 left = std::llabs(a.change());
        const qint64 right = std::llabs(b.change());
        if (left != right)
            return left > right;
        return pathcodec::nativeLess(a.path, b.path);
    });
}

} // namespace

double FolderChange::percent() const
{
    if (bytesBefore <= 0)
        return 0;
    return 100.0 * double(change()) / double(bytesBefore);
}

const char *fileChangeKindName(FileChange::Kind kind)
{
    switch (kind) {
    case FileChange::New:
        return "new";
    case FileChange::Grew:
        return "grew";
    case FileChange::Shrank:
        return "shrank";
    case FileChange::Gone:
        return "gone";
    }
    return "";
}

ScanComparison compareScans(const ScanRecord &before, const ScanRecord &after)
{
    ScanComparison comparison;
    comparison.partial = before.summary.partial || after.summary.partial;

    QHash<QString, qint64> sizeThen;
    sizeThen.reserve(before.files.size());
    for (const StoredFile &file : before.files)
        sizeThen.insert(file.path, file.size);
    for (const StoredFile &file : after.files) {
        const auto then = sizeThen.constFind(file.path);
        if (then == sizeThen.constEnd()) {
            comparison.files.append({FileChange::New, file.path, -1, file.size});
            continue;
        }
        if (*then != file.size) {
            comparison.files.append({*then < file.size ? FileChange::Grew : FileChange::Shrank,
                                     file.path, *then, file.size});
        }
        sizeThen.erase(then);
    }
    // What is left was listed then only. The same path listed twice (two
    // roots that overlap) is matched once.
    for (const StoredFile &file : before.files) {
        if (sizeThen.remove(file.path))
            comparison.files.append({FileChange::Gone, file.path, file.size, -1});
    }

    QHash<QString, qint64> bytesThen;
    bytesThen.reserve(before.folders.size());
    for (const FolderTotal &folder : before.folders)
        bytesThen.insert(folder.path, folder.bytes);
    for (const FolderTotal &folder : after.folders) {
        const auto then = bytesThen.constFind(folder.path);
        if (then == bytesThen.constEnd()) {
            comparison.folders.append({folder.path, -1, folder.bytes});
            continue;
        }
        if (*then != folder.bytes)
            comparison.folders.append({folder.path, *then, folder.bytes});
        bytesThen.erase(then);
    }
    for (const FolderTotal &folder : before.folders) {
        if (bytesThen.remove(folder.path))
            comparison.folders.append({folder.path, folder.bytes, -1});
    }

    sortByChange(comparison.files);
    sortByChange(comparison.folders);
    return comparison;
}
