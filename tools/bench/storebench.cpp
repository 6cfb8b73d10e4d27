// vastrel-storebench [FILE]: times the scan history on a scan the size of
// the 2-million-file tree (133,333 folders, 10,000 listed files). The scans
// are synthetic records, not walks: folder names of 9 to 17 characters in a
// tree of 8 children per folder, sizes from a fixed pseudo-random sequence.
// It stores three such scans in a fresh file (FILE, default a temporary
// one), loads one back and compares two, and prints each figure with its
// ratio to the bar it must stay under: storing ≤ 1 s, ≤ 8 MB of file per
// scan, comparing ≤ 0.5 s. The figures are for this machine as it is now;
// run it on an idle one for numbers to quote.

#include "store/scancomparison.h"
#include "store/scanstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int folderCount = 133333;
constexpr int listedCount = 10000;

quint64 nextRandom(quint64 &state)
{
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return state >> 17;
}

// The same tree each time for the same seed; a higher generation changes a
// tenth of the folder totals and a few hundred listed files.
ScanRecord syntheticScan(int generation)
{
    static const char *const words[] = {
        "documents", "src",  "build",  "photos", "cache", "projects", "lib",  "music",
        "downloads", "node", "backup", "tmp",    "share", "videos",   "data", "config"};
    ScanRecord scan;
    scan.target = ScanTarget::of({QStringLiteral("/bench/root")}, defaultScanOptions());
    scan.summary.started = QDateTime::currentDateTimeUtc().addSecs(generation);
    scan.summary.durationMs = 11000;
    scan.summary.fileCount = 2000000;
    scan.summary.listing.count = listedCount;

    quint64 state = 42;
    scan.folders.reserve(folderCount);
    scan.folders.append({QStringLiteral("/bench/root"), 0, 0, 0});
    for (int i = 1; i < folderCount; ++i) {
        const QString &parent = scan.folders.at((i - 1) / 8).path;
        const quint64 r = nextRandom(state);
        const QString name =
            QStringLiteral("%1-%2").arg(QLatin1String(words[r % 16])).arg(r % 100000);
        qint64 bytes = qint64(nextRandom(state) % 4000000000ULL);
        if (generation > 0 && i % 10 == 0)
            bytes += qint64(nextRandom(state) % 100000000) * generation;
        scan.folders.append({parent + QLatin1Char('/') + name, bytes, bytes + 4096,
                             qint64(nextRandom(state) % 50)});
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

void report(const char *what, double value, const char *unit, double bar)
{
    std::printf("%-34s %9.3f %-3s  bar %6.2f %-3s  ratio %.2f%s\n", what, value, unit, bar, unit,
                value / bar, value <= bar ? "" : "  OVER");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : dir.filePath(QStringLiteral("bench-history.sqlite"));
    QFile::remove(path);

    const ScanRecord first = syntheticScan(0);
    const ScanRecord second = syntheticScan(1);
    const ScanRecord third = syntheticScan(2);

    ScanStore store(path);
    if (!store.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(store.status().message));
        return 1;
    }
    QElapsedTimer clock;
    qint64 sizes[3] = {0, 0, 0};
    double storeSeconds[3] = {0, 0, 0};
    qint64 ids[3] = {0, 0, 0};
    const ScanRecord *scans[3] = {&first, &second, &third};
    for (int i = 0; i < 3; ++i) {
        clock.start();
        ids[i] = store.save(*scans[i]);
        storeSeconds[i] = clock.nsecsElapsed() / 1e9;
        if (ids[i] == 0) {
            std::fprintf(stderr, "%s\n", qPrintable(store.status().message));
            return 1;
        }
        sizes[i] = QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
    }

    clock.start();
    const std::optional<ScanRecord> before = store.load(ids[1]);
    const double loadSeconds = clock.nsecsElapsed() / 1e9;
    const std::optional<ScanRecord> after = store.load(ids[2]);
    if (!before || !after || before->folders.size() != folderCount ||
        after->files.size() != listedCount) {
        std::fprintf(stderr, "the stored scans did not read back whole\n");
        return 1;
    }
    clock.start();
    const ScanComparison comparison = compareScans(*before, *after);
    const double compareSeconds = clock.nsecsElapsed() / 1e9;

    std::printf("synthetic scans: %d folders, %d listed files each; file %s\n", folderCount,
                listedCount, qPrintable(path));
    report("store the first scan", storeSeconds[0], "s", 1.0);
    report("store the second scan", storeSeconds[1], "s", 1.0);
    report("store the third scan", storeSeconds[2], "s", 1.0);
    report("file growth, first scan", sizes[0] / 1048576.0, "MB", 8.0);
    report("file growth, third scan", (sizes[2] - sizes[1]) / 1048576.0, "MB", 8.0);
    std::printf("%-34s %9.3f s\n", "load one stored scan", loadSeconds);
    report("compare two loaded scans", compareSeconds, "s", 0.5);
    std::printf("compared: %lld file changes, %lld folder changes\n",
                qint64(comparison.files.size()), qint64(comparison.folders.size()));
    return 0;
}
