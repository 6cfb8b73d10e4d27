#include "syntheticscan.h"

namespace syntheticscan {

namespace {

quint64 nextRandom(quint64 &state)
{
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return state >> 17;
}

} // namespace

ScanRecord make(const ScanTarget &target, const QString &root, int generation)
{
    static const char *const words[] = {
        "documents", "src",  "build",  "photos", "cache", "projects", "lib",  "music",
        "downloads", "node", "backup", "tmp",    "share", "videos",   "data", "config"};
    ScanRecord scan;
    scan.target = target;
    scan.summary.started = QDateTime::currentDateTimeUtc().addSecs(generation);
    scan.summary.durationMs = 11000;
    scan.summary.fileCount = 2000000;
    scan.summary.listing.count = listedCount;

    quint64 state = 42;
    scan.folders.reserve(folderCount);
    scan.folders.append({root, 0, 0, 0});
    for (int i = 1; i < folderCount; ++i) {
        const QString &parent = scan.folders.at((i - 1) / 8).path;
        const quint64 r = nextRandom(state);
        const QString name =
            QStringLiteral("%1-%2").arg(QLatin1String(words[r % 16])).arg(r % 100000);
        qint64 bytes = qint64(nextRandom(state) % 4000000000ULL);
        if (generation > 0 && i % 10 == 0)
            bytes += qint64(nextRandom(state) % 100000000) * generation;
        const QString path =
            parent.endsWith(QLatin1Char('/')) ? parent + name : parent + QLatin1Char('/') + name;
        scan.folders.append({path, bytes, bytes + 4096, qint64(nextRandom(state) % 50)});
    }
    scan.files.reserve(listedCount);
    for (int i = 0; i < listedCount; ++i) {
        const int folder = int(nextRandom(state) % folderCount);
        // Later generations: 300 files grown, 300 replaced by others.
        const bool replaced = generation > 0 && i % 33 == 1;
        const QString path = scan.folders.at(folder).path +
            QStringLiteral("/file-%1.bin").arg(replaced ? i + 1000000 * generation : i);
        qint64 size = qint64(100000000000LL - qint64(i) * 5000000);
        if (generation > 0 && i % 33 == 2)
            size += 1000000;
        scan.files.append({path, size, size, 1700000000000 + i, 2049, quint64(i)});
    }
    scan.summary.listedCount = listedCount;
    scan.summary.folderCount = folderCount;
    return scan;
}

} // namespace syntheticscan
