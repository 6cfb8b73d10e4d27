#pragma once

#include "scan/scanoptions.h"

class QSettings;

// What a scan counts (ScanOptions), kept in the settings file beside the
// older keys, in a group of its own:
//
//   [scan]
//   includehidden=false
//   onefilesystem=false
//   skipnetwork=true
//   exclude=/mnt/backup, /home/ann/.cache
//   minsize=0            (bytes)
//   types=mkv, mp4, iso  (extensions, lower case, without the dot)
//   olderthandays=0
//
// A missing key or a value that does not read as its kind gives the default,
// so files from versions without these keys keep working, and versions that
// do not know the group leave it alone.
namespace scansettings {

// A key missing from the file takes its value from defaultScanOptions():
// hidden names left out, file systems crossed, network file systems
// skipped, no filter.
ScanOptions load(const QSettings &file);
void save(QSettings &file, const ScanOptions &options);

// The same on the program's settings file, opened and closed within the call.
ScanOptions load();
void save(const ScanOptions &options);

} // namespace scansettings
