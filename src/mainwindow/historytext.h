#pragma once

#include "store/scanrecord.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

// The texts the main window shows about stored scans, as plain functions a
// test can call without a window.
namespace historytext {

// "2 hours ago", "just now", "3 days ago": how long before now a moment was.
QString agoText(const QDateTime &then, const QDateTime &now);
// "8 Dec 14:03" in local time; the year is added when it is not now's.
QString whenText(const QDateTime &then, const QDateTime &now);
// The status line while a stored scan is shown: "Results of 8 Dec 14:03,
// 2 hours ago: 447,050 files, 12.9 TB", with "(stopped before its end)"
// after the time for a partial scan.
QString pastScanText(const ScanSummary &scan, const QDateTime &now, const QLocale &locale);

} // namespace historytext
