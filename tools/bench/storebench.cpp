// vastrel-storebench [FILE]: times the scan history on a scan the size of
// the 2-million-file tree (133,333 folders, 10,000 listed files). The scans
// are synthetic records (syntheticscan.h), not walks. It stores three such
// scans in a fresh file (FILE, default a temporary one), loads one back and
// compares two, and prints each figure with its ratio to the bar it must
// stay under: storing ≤ 1 s, ≤ 8 MB of file per scan, comparing ≤ 0.5 s.
// The figures are for this machine as it is now; run it on an idle one for
// numbers to quote.

#include "syntheticscan.h"

#include "store/scancomparison.h"
#include "store/scanstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using syntheticscan::folderCount;
using syntheticscan::listedCount;

ScanRecord syntheticScan(int generation)
{
    return syntheticscan::make(
        ScanTarget::of({QStringLiteral("/bench/root")}, defaultScanOptions()),
        QStringLiteral("/bench/root"), generation);
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
    const std::optional<ScanRecord> listing = store.loadListing(ids[1]);
    const double listingSeconds = clock.nsecsElapsed() / 1e9;
    clock.start();
    const std::optional<ScanRecord> before = store.load(ids[1]);
    const double loadSeconds = clock.nsecsElapsed() / 1e9;
    const std::optional<ScanRecord> after = store.load(ids[2]);
    if (!listing || listing->files.size() != listedCount || !before || !after ||
        before->folders.size() != folderCount || after->files.size() != listedCount) {
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
    std::printf("%-34s %9.3f s\n", "load one stored scan's listing", listingSeconds);
    std::printf("%-34s %9.3f s\n", "load one stored scan", loadSeconds);
    report("compare two loaded scans", compareSeconds, "s", 0.5);
    std::printf("compared: %lld file changes, %lld folder changes\n",
                qint64(comparison.files.size()), qint64(comparison.folders.size()));
    return 0;
}
