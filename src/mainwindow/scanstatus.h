#pragma once

#include <QLocale>
#include <QString>

// The texts and numbers the main window shows about a scan: the running
// figures while it walks, the summary when it ends, and the bounds of the
// result count. Plain functions, so the rules can be checked without a window.
namespace scanstatus {

// What a scan has counted so far.
struct Figures
{
    qint64 files = 0;
    qint64 bytes = 0;
    qint64 elapsedMs = 0;
    // Folders that could not be read.
    qint64 unreadable = 0;
};

// The fewest and most result rows the window lists.
constexpr int minResultCount = 1;
constexpr int maxResultCount = 10000;

// A result count from the settings file or the configuration window, brought
// into minResultCount..maxResultCount.
int clampResultCount(qint64 count);

// The locale numbers are written in: the user's, or English where the
// system names none (the C locale writes 145909 without a separator).
QLocale numberLocale();

// "12.3 GB", "512 bytes": binary units, as the table's megabytes are.
QString bytesText(qint64 bytes, const QLocale &locale);
// "0.4 s", "2.1 s", "3 min 5 s".
QString elapsedText(qint64 ms, const QLocale &locale);
// "145,909 files, 12.3 GB", plus "; 3 folders could not be read" when some were.
QString figuresText(const Figures &figures, const QLocale &locale);

// Shown beside the button while a scan runs: "12,345 files, 1.2 GB, 3.4 s".
QString progress(const Figures &figures, const QLocale &locale);
// The status line when a scan has ended: "Scan Complete! 145,909 files, 12.3 GB
// in 2.1 s; 3 folders could not be read", or "Scan Stopped. ..." after Stop.
QString summary(const Figures &figures, bool stopped, const QLocale &locale);

} // namespace scanstatus
