#pragma once

#include "scan/copyfinder.h"
#include "scan/foldertree.h"
#include "scan/foundfile.h"
#include "scan/scanoptions.h"
#include "store/scancomparison.h"
#include "store/scanrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// vastrel-top: the terminal front end over the scan session. It scans the
// given directories (none: every drive root) and prints the N largest files,
// largest first, one record each: the size, a tab, the path. Exit status: 0,
// 1 when a directory or a folder below one could not be read (the rest still
// is), 2 for bad options.
namespace topcommand {

// What the command line asks for.
struct Options
{
    enum Action { Scan, Help, Version, Invalid };
    Action action = Scan;
    int count = 10;
    QStringList dirs;
    // Records end with NUL and carry the path's exact bytes (-0).
    bool nullTerminated = false;
    // Sizes in bytes rather than megabytes (--bytes).
    bool exactBytes = false;
    // The sets of identical copies among the results instead of the
    // results (--copies).
    bool copies = false;
    // Sizes are also what removing each file would free (--frees).
    bool frees = false;
    // The largest folders instead of files (--folders).
    bool folders = false;
    // The window's defaults, so scripts and the window agree (--network
    // walks network file systems).
    ScanOptions scan = defaultScanOptions();

    // The scan history, shared with the window: store this scan (--save),
    // print what changed since the last stored scan of the same roots and
    // options instead of the listing (--compare), list the stored scans
    // instead of scanning (--history); in another file than the user's
    // (--db FILE).
    bool save = false;
    bool compare = false;
    bool history = false;
    QString database;
    QString error; // for Invalid: one line, without the program name
};

// The largest count accepted: the ranking's capacity (count + 100) must stay an int.
constexpr int maximumCount = 2147483647 - 100;

// Parses the arguments that follow the program name.
Options parseArguments(const QStringList &arguments);
// A size: a whole number of bytes, or a number (a fraction allowed) with a
// K, M, G or T suffix in either case, powers of 1024; none when it is not
// one or does not fit in 63 bits.
std::optional<qint64> parseSize(const QString &text);
QString usage();

// The result records, largest first. Lines: the size, a tab and the path as
// outputLine writes it (control characters and undecodable bytes escaped,
// and backslashes on Unix), then a newline, in outputBytes' encoding. With
// nullTerminated the path's exact bytes and a NUL instead.
QByteArray formatResults(const QList<FoundFile> &files, bool nullTerminated, bool exactBytes);
// How records are written: as above, by the length or the space on disk,
// with what removing each file would free between size and path (SIZE, a
// tab, FREES, a tab, PATH).
struct RecordFormat
{
    bool nullTerminated = false;
    bool exactBytes = false;
    SizeKind by = SizeKind::Apparent;
    bool frees = false;
};
QByteArray formatResults(const QList<FoundFile> &files, const RecordFormat &format);
// The largest folders, as records of their size by format.by and their path.
QByteArray formatFolders(const QList<FolderSize> &folders, const RecordFormat &format);
// The sets of copies, each set's files in the order they are kept, as
// formatResults writes records, with an empty record between two sets.
QByteArray formatCopies(const QList<CopySet> &sets, bool nullTerminated, bool exactBytes);
// The line that tells why path could not be read, as du and find write it:
// "vastrel-top: PATH: reason" with the path escaped, and a newline.
QString problemLine(const QString &path, const QString &reason);
// The progress line for a terminal of the given width: the files seen so far
// and the directory being walked, escaped and cut at its start to fit.
QString progressLine(qint64 files, const QString &directory, int columns);

// The --compare records, largest change first: the kind ("grew", "shrank",
// "new" or "gone"), a tab, the size now (then, for a file gone), a tab, the
// signed change, a tab and the path, escaped or exact as in the listing.
QByteArray formatChanges(const QList<FileChange> &changes, bool nullTerminated, bool exactBytes);
// The --history lines, newest first: the local date and time, the duration
// in seconds, the files, the bytes and "complete" or "partial", tab-separated.
QByteArray formatHistory(const QList<ScanSummary> &scans, bool exactBytes);

// The whole program; arguments include the program name.
int run(const QStringList &arguments);

} // namespace topcommand
