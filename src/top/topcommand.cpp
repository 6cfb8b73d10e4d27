#include "top/topcommand.h"

#include "scan/filetypes.h"
#include "scan/freespace.h"
#include "scan/pathcodec.h"
#include "scan/scansession.h"
#include "scan/sizetext.h"
#include "scan/standardstreams.h"
#include "store/scansaver.h"
#include "store/scanstore.h"
#include "top/terminal.h"

#include <QEventLoop>
#include <QLoggingCategory>
#include <QMutex>
#include <QRegularExpression>
#include <QTimer>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <limits>

namespace topcommand {

namespace {

const QString programName = QStringLiteral("vastrel-top");

enum class Key {
    Count,
    All,
    OneFileSystem,
    Network,
    Exclude,
    MinSize,
    Type,
    OlderThan,
    Null,
    Bytes,
    Save,
    Compare,
    History,
    Database,
    Copies,
    DiskUsage,
    Frees,
    Folders,
    Help,
    Version
};

// One command-line option. The table below is both what the parser accepts
// and what --help lists, so the two cannot drift apart.
struct OptionSpec
{
    Key key;
    char shortName; // 0: none
    const char *longName; // nullptr: none
    const char *valueName; // nullptr: a switch
    const char *help;
};

// Help texts: lines of at most 54 characters, so --help fits 80 columns.
const OptionSpec optionTable[] = {
    {Key::Count, 'n', nullptr, "N", "how many files to list (default 10)"},
    {Key::All, 'a', "all", nullptr, "hidden files and folders too"},
    {Key::OneFileSystem, 'x', "one-file-system", nullptr, "stay on the file system of each DIR"},
    {Key::Network, 0, "network", nullptr,
     "also walk network file systems (NFS, SMB/CIFS,\n"
     "sshfs...) met below a DIR; without it they are left\n"
     "out, as in the window (a DIR itself is always walked)"},
    {Key::Exclude, 0, "exclude", "DIR", "do not enter the folder DIR (repeatable)"},
    {Key::MinSize, 0, "min-size", "SIZE",
     "only files of at least SIZE bytes; a K, M, G or T\n"
     "suffix counts in KiB, MiB, GiB or TiB (10M, 1.5G)"},
    {Key::Type, 0, "type", "EXT[,EXT...]",
     "only files with one of these extensions, in any\n"
     "case, with or without \".\" or \"*.\", separated by\n"
     "commas, semicolons or blanks (mkv,.mp4,*.iso;\n"
     "repeatable)"},
    {Key::OlderThan, 0, "older-than", "DAYS", "only files not modified for DAYS days"},
    {Key::Null, '0', "null", nullptr,
     "end each record with NUL, not a newline, and write\n"
     "the path's exact bytes unescaped (for xargs -0)"},
    {Key::Bytes, 0, "bytes", nullptr, "sizes in bytes instead of megabytes"},
    {Key::Save, 0, "save", nullptr, "store this scan in the scan history"},
    {Key::Compare, 0, "compare", nullptr,
     "instead of the listing, print what changed among\n"
     "the listed files since the last stored scan of the\n"
     "same DIRs and options (see below)"},
    {Key::History, 0, "history", nullptr,
     "list the stored scans of the DIRs and options\n"
     "instead of scanning"},
    {Key::Database, 0, "db", "FILE", "keep the scan history in FILE"},
    {Key::Copies, 0, "copies", nullptr,
     "instead of the files, the sets of identical copies\n"
     "among them, largest set first, the copy to keep\n"
     "first (shortest path, then oldest); an empty record\n"
     "between sets"},
    {Key::DiskUsage, 0, "disk-usage", nullptr,
     "rank and print by the space on disk (as du does\n"
     "without --apparent-size) instead of the length"},
    {Key::Frees, 0, "frees", nullptr,
     "records SIZE, a tab, what removing the file would\n"
     "free now (0 while it has other names; less where\n"
     "reflinks or snapshots share its blocks), a tab, PATH"},
    {Key::Folders, 0, "folders", nullptr,
     "the N largest folders instead of files, by all the\n"
     "files below each (a file with several names once)"},
    {Key::Help, 'h', "help", nullptr, "show this help and exit"},
    {Key::Version, 0, "version", nullptr, "show the version and exit"},
};

const OptionSpec *findShort(QChar letter)
{
    for (const OptionSpec &option : optionTable) {
        if (option.shortName != 0 && letter == QLatin1Char(option.shortName))
            return &option;
    }
    return nullptr;
}

const OptionSpec *findLong(QStringView name)
{
    for (const OptionSpec &option : optionTable) {
        if (option.longName && name == QLatin1String(option.longName))
            return &option;
    }
    return nullptr;
}

QString displayName(const OptionSpec &option)
{
    return option.longName ? QLatin1String("--") + QLatin1String(option.longName)
                           : QString(QLatin1Char('-')) + QLatin1Char(option.shortName);
}

// The values an option takes, each checked; an empty string when the value is
// good, else the one-line complaint.
QString applyOption(const OptionSpec &option, const QString &value, Options &options)
{
    ScanOptions &scan = options.scan;
    switch (option.key) {
    case Key::Count: {
        bool ok = false;
        const int count = value.toInt(&ok);
        if (!ok || count < 1 || count > maximumCount) {
            return QStringLiteral("invalid count '%1': a whole number from 1 to %2 is needed")
                .arg(outputLine(value))
                .arg(maximumCount);
        }
        options.count = count;
        return QString();
    }
    case Key::All:
        scan.includeHidden = true;
        return QString();
    case Key::OneFileSystem:
        scan.oneFileSystem = true;
        return QString();
    case Key::Network:
        scan.skipNetwork = false;
        return QString();
    case Key::Exclude: {
        if (value.isEmpty())
            return QStringLiteral("option '--exclude' needs a directory");
        const QString dir = ScanSession::cleanRoot(value);
        if (!scan.excludes.contains(dir))
            scan.excludes << dir;
        return QString();
    }
    case Key::MinSize: {
        const std::optional<qint64> size = parseSize(value);
        if (!size) {
            return QStringLiteral("invalid size '%1': a number of bytes, or a number with a K, M, "
                                  "G or T suffix, is needed")
                .arg(outputLine(value));
        }
        scan.minSize = *size;
        return QString();
    }
    case Key::Type: {
        // Read as the window reads its field, but a word that is no
        // extension is refused rather than left out.
        if (filetypes::words(value).isEmpty() || !filetypes::rejectedWords(value).isEmpty()) {
            return QStringLiteral("invalid type list '%1': extensions separated by commas, "
                                  "semicolons or blanks are needed, such as mkv,mp4")
                .arg(outputLine(value));
        }
        for (const QString &type : filetypes::extensions({value})) {
            if (!scan.types.contains(type))
                scan.types << type;
        }
        return QString();
    }
    case Key::OlderThan: {
        bool ok = false;
        const int days = value.toInt(&ok);
        if (!ok || days < 0) {
            return QStringLiteral("invalid age '%1': a whole number of days is needed")
                .arg(outputLine(value));
        }
        scan.olderThanDays = days;
        return QString();
    }
    case Key::Null:
        options.nullTerminated = true;
        return QString();
    case Key::Bytes:
        options.exactBytes = true;
        return QString();
    case Key::Save:
        options.save = true;
        return QString();
    case Key::Compare:
        options.compare = true;
        return QString();
    case Key::History:
        options.history = true;
        return QString();
    case Key::Database:
        if (value.isEmpty())
            return QStringLiteral("option '--db' needs a file name");
        options.database = value;
        return QString();
    case Key::Copies:
        options.copies = true;
        return QString();
    case Key::DiskUsage:
        scan.rankBy = SizeKind::OnDisk;
        return QString();
    case Key::Frees:
        options.frees = true;
        return QString();
    case Key::Folders:
        options.folders = true;
        return QString();
    case Key::Help:
        options.action = Options::Help;
        return QString();
    case Key::Version:
        options.action = Options::Version;
        return QString();
    }
    return QString();
}

Options invalid(const QString &error)
{
    Options options;
    options.action = Options::Invalid;
    options.error = error;
    return options;
}

QByteArray toTerminal(const QString &text)
{
    return outputBytes(text);
}

void write(FILE *stream, const QByteArray &bytes)
{
    writeOutput(stream, bytes);
}

// Writes bytes to standard output; 0, or the reason it failed. Output to a
// standard output that was closed at start fails as coreutils report it,
// "Bad file descriptor"; with nothing to write there is no failure.
int writeOutput(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return 0;
    if (standardstreams::wasClosed(standardstreams::Output))
        return EBADF;
    errno = 0;
    write(stdout, bytes);
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return errno != 0 ? errno : EIO;
    return 0;
}

QString writeError(int error)
{
    return programName + QLatin1String(": write error: ") + qt_error_string(error) +
        QLatin1Char('\n');
}

// Standard error, written by the progress line (the main thread) and by the
// messages about unreadable folders (the walk threads): one writer at a time,
// and a message first erases the progress line, so the two never share a line.
class ErrorStream
{
public:
    explicit ErrorStream(bool terminal) : terminal(terminal) { }

    void message(const QString &line)
    {
        QMutexLocker lock(&mutex);
        if (progressShown)
            write(stderr, "\r\x1b[K");
        progressShown = false;
        write(stderr, toTerminal(line));
        std::fflush(stderr);
        ++messages;
    }

    void progress(const QString &line)
    {
        QMutexLocker lock(&mutex);
        write(stderr, '\r' + toTerminal(line) + "\x1b[K");
        std::fflush(stderr);
        progressShown = true;
    }

    void endProgress()
    {
        QMutexLocker lock(&mutex);
        if (progressShown) {
            write(stderr, "\r\x1b[K");
            std::fflush(stderr);
        }
        progressShown = false;
    }

    qint64 messageCount()
    {
        QMutexLocker lock(&mutex);
        return messages;
    }

    bool isTerminal() const { return terminal; }

private:
    const bool terminal;
    QMutex mutex;
    bool progressShown = false;
    qint64 messages = 0;
};

// --copies: compares the scan's results on the copy finder's threads while
// the main thread shows progress on a terminal, then prints the sets and names
// the files left out. The comparison itself never makes the exit status 1.
int printCopies(const QList<FoundFile> &results, const Options &options, ErrorStream &errors)
{
    CopySearch search;
    QEventLoop loop;
    QObject::connect(&search, &CopySearch::finished, &loop, &QEventLoop::quit);
    QTimer ticker;
    if (errors.isTerminal()) {
        QObject::connect(&ticker, &QTimer::timeout, &ticker, [&] {
            errors.progress(
                QStringLiteral("comparing %1 of %2 MB")
                    .arg(megabytesText(search.bytesHashed()), megabytesText(search.bytesToHash())));
        });
        ticker.start(100);
    }
    search.start(results);
    loop.exec();
    ticker.stop();
    errors.endProgress();

    const CopyReport report = search.report();
    for (const LeftOutFile &file : report.leftOut)
        errors.message(problemLine(file.path, file.reason));
    // Sets whose files all share one place on the disk waste nothing.
    QList<CopySet> wasting;
    for (const CopySet &set : report.sets) {
        if (copies::freeableBytes(set) > 0)
            wasting << set;
    }
    if (const int error =
            writeOutput(formatCopies(wasting, options.nullTerminated, options.exactBytes))) {
        errors.message(writeError(error));
        return 1;
    }
    return 0;
}

} // namespace

// The scan history: --save, --compare, --history and --db.
namespace {

QString historyUsage()
{
    return QStringLiteral(
        "\n"
        "The scan history is the window's: a file in the user's data folder (on\n"
        "Linux ~/.local/share/Vastrel/scan-history.sqlite), or FILE with --db. It\n"
        "keeps the last 20 scans of each set of DIRs and walk options (-a, -x,\n"
        "--network, --exclude): their time, counts and listed files.\n"
        "--compare matches the last stored scan of the same DIRs, options and -n\n"
        "and prints one record per listed file that changed, largest change first:\n"
        "KIND, a tab, SIZE, a tab, CHANGE, a tab, PATH. KIND is grew, shrank, new\n"
        "(listed now, not then) or gone (listed then, not now); SIZE the size now\n"
        "(then, for gone); CHANGE signed (+1.5, -0.25; in bytes with --bytes).\n"
        "Paths are written as in the listing, exactly with -0. Add --save to store\n"
        "the new scan too. With these options the exit status is also 1 when the\n"
        "history cannot be read or written or holds no scan to compare with.\n");
}

QString databasePath(const Options &options)
{
    return options.database.isEmpty() ? ScanStore::defaultPath() : options.database;
}

// The roots a stored scan is looked up by: those given, or every drive root.
QStringList historyRoots(const Options &options)
{
    return options.dirs.isEmpty() ? ScanSession::allDriveRoots() : options.dirs;
}

QString historyLine(const QString &what, const QString &message)
{
    return programName + QLatin1String(": ") + what + QLatin1String(": ") + outputLine(message) +
        QLatin1Char('\n');
}

// Opens the history for reading; says why not on standard error.
bool openHistory(ScanStore &store, ErrorStream &errors)
{
    const bool opened = store.open();
    if (!store.notice().isEmpty())
        errors.message(historyLine(QStringLiteral("scan history"), store.notice()));
    if (!opened)
        errors.message(historyLine(QStringLiteral("scan history"), store.status().message));
    return opened;
}

// --history: the stored scans of the DIRs and options, newest first.
int showHistory(const Options &options, ErrorStream &errors)
{
    ScanStore store(databasePath(options));
    if (!openHistory(store, errors))
        return 1;
    const QList<ScanSummary> scans =
        store.history(ScanTarget::of(historyRoots(options), options.scan));
    if (!store.status().ok()) {
        errors.message(historyLine(QStringLiteral("scan history"), store.status().message));
        return 1;
    }
    if (scans.isEmpty()) {
        errors.message(programName +
                       QLatin1String(": no stored scan of these directories and options\n"));
    }
    if (const int error = writeOutput(formatHistory(scans, options.exactBytes))) {
        errors.message(writeError(error));
        return 1;
    }
    return errors.messageCount() > 0 ? 1 : 0;
}

// --compare: the last stored scan of the same roots, walk options and
// listing. False when the history cannot be read; an empty result when it
// holds no such scan (said on standard error).
bool previousScan(const Options &options, const QStringList &roots, ErrorStream &errors,
                  std::optional<ScanRecord> &previous)
{
    ScanStore store(databasePath(options));
    if (!openHistory(store, errors))
        return false;
    const ListingRule listing = ListingRule::of(options.count, options.scan);
    for (const ScanSummary &scan : store.history(ScanTarget::of(roots, options.scan))) {
        if (scan.listing == listing) {
            previous = store.load(scan.id);
            break;
        }
    }
    if (!store.status().ok()) {
        errors.message(historyLine(QStringLiteral("scan history"), store.status().message));
        return false;
    }
    if (!previous) {
        errors.message(programName +
                       QLatin1String(": no stored scan of these directories and options to "
                                     "compare with (--save stores one)\n"));
    } else if (previous->summary.partial) {
        errors.message(programName +
                       QLatin1String(": the stored scan compared with was stopped before its "
                                     "end: files it did not reach show as new\n"));
    }
    return true;
}

// --save: stores the scan on the saver's thread and waits for the outcome.
void saveScan(const Options &options, const ScanRecord &scan, ErrorStream &errors)
{
    ScanSaver saver(databasePath(options));
    QEventLoop loop;
    QObject::connect(&saver, &ScanSaver::notice, &loop, [&errors](const QString &message) {
        errors.message(historyLine(QStringLiteral("scan history"), message));
    });
    QObject::connect(&saver, &ScanSaver::saved, &loop, &QEventLoop::quit);
    QObject::connect(&saver, &ScanSaver::failed, &loop, [&](const QString &message) {
        errors.message(historyLine(QStringLiteral("scan not stored"), message));
        loop.quit();
    });
    if (saver.save(scan))
        loop.exec();
}

} // namespace

Options parseArguments(const QStringList &arguments)
{
    Options options;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (optionsEnded || argument == QLatin1String("-") ||
            !argument.startsWith(QLatin1Char('-'))) {
            options.dirs << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }

        // Collect (option, value) pairs: "--name", "--name=value" and
        // "--name value"; "-ax0" (switches together), "-n5" and "-n 5".
        QList<std::pair<const OptionSpec *, QString>> given;
        if (argument.startsWith(QLatin1String("--"))) {
            const qsizetype equals = argument.indexOf(QLatin1Char('='));
            const QStringView name = QStringView(argument).mid(2, equals < 0 ? -1 : equals - 2);
            const OptionSpec *option = findLong(name);
            if (!option) {
                return invalid(
                    QStringLiteral("unknown option '%1'").arg(outputLine(argument.left(equals))));
            }
            QString value;
            if (!option->valueName && equals >= 0)
                return invalid(
                    QStringLiteral("option '%1' takes no value").arg(displayName(*option)));
            if (option->valueName) {
                if (equals >= 0)
                    value = argument.mid(equals + 1);
                else if (++i < arguments.size())
                    value = arguments.at(i);
                else
                    return invalid(
                        QStringLiteral("option '%1' needs a value (%2)")
                            .arg(displayName(*option), QLatin1String(option->valueName)));
            }
            given.append({option, value});
        } else {
            for (qsizetype k = 1; k < argument.size(); ++k) {
                const OptionSpec *option = findShort(argument.at(k));
                if (!option) {
                    return invalid(
                        QStringLiteral("unknown option '-%1'").arg(outputLine(argument.mid(k, 1))));
                }
                if (!option->valueName) {
                    given.append({option, QString()});
                    continue;
                }
                QString value = argument.mid(k + 1);
                if (value.isEmpty()) {
                    if (++i == arguments.size())
                        return invalid(QStringLiteral("option '-%1' needs a value (%2)")
                                           .arg(QLatin1Char(option->shortName))
                                           .arg(QLatin1String(option->valueName)));
                    value = arguments.at(i);
                }
                given.append({option, value});
                break;
            }
        }

        for (const auto &[option, value] : given) {
            const QString error = applyOption(*option, value, options);
            if (!error.isEmpty())
                return invalid(error);
            if (options.action != Options::Scan)
                return options;
        }
    }
    if (options.folders && (options.frees || options.copies || options.compare))
        return invalid(QStringLiteral("option '--folders' lists folders: it does not go with "
                                      "'--frees', '--copies' or '--compare'"));
    // Measured only where printed or kept: each costs the walk something.
    options.scan.measureFrees = options.frees;
    options.scan.folderTotals = options.folders || options.save || options.compare;
    return options;
}

std::optional<qint64> parseSize(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]+)(?:\\.([0-9]+))?([KMGTkmgt])?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString suffix = match.captured(3);
    const QString fraction = match.captured(2);
    bool ok = false;
    const qint64 whole = match.captured(1).toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    if (suffix.isEmpty())
        return fraction.isEmpty() ? std::optional<qint64>(whole) : std::nullopt;

    const int shift = 10 * int(QStringLiteral("KMGT").indexOf(suffix.toUpper()) + 1);
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    if (whole > (largest >> shift))
        return std::nullopt;
    qint64 size = whole << shift;
    if (!fraction.isEmpty()) {
        // The fraction of a unit, rounded up: "at least 0.1K" is at least 103 bytes.
        const double part = std::ceil(QString(QLatin1String("0.") + fraction).toDouble() *
                                      double(qint64(1) << shift));
        if (double(largest - size) < part)
            return std::nullopt;
        size += qint64(part);
    }
    return size;
}

// How lines are written, which differs by system.
#ifdef Q_OS_WIN
constexpr char lineFormHelp[] =
    "On a console names are written as they are, whatever the code page; to a\n"
    "file or a pipe, as UTF-8 (as -0 writes them). In lines, a newline is written\n"
    "as \\n, a tab as \\t, other control characters as \\xHH (U+0080 to U+009F as\n"
    "\\u0080 to \\u009f), a lone surrogate as \\uD800; backslashes as they are.\n";
#else
constexpr char lineFormHelp[] =
    "In lines, a backslash in a path is written as \\\\, a newline as \\n, a tab as\n"
    "\\t, other control characters and bytes that are not UTF-8 as \\xHH (U+0080 to\n"
    "U+009F as \\u0080 to \\u009f).\n";
#endif

QString usage()
{
    QString text =
        QStringLiteral(
            "Usage: vastrel-top [OPTION...] [DIR...]\n"
            "Lists the N largest files below the given directories (none: every drive\n"
            "root), largest first, one per line: the size in megabytes, a tab, the path.\n"
            "Hidden files and folders and symbolic links are left out.\n") +
        QLatin1String(lineFormHelp) + QStringLiteral("\nOptions:\n");
    for (const OptionSpec &option : optionTable) {
        QString names;
        if (option.shortName)
            names = QString(QLatin1Char('-')) + QLatin1Char(option.shortName);
        if (option.shortName && option.longName)
            names += QLatin1String(", ");
        if (option.longName)
            names += QLatin1String("--") + QLatin1String(option.longName);
        if (option.valueName)
            names += QLatin1Char(' ') + QLatin1String(option.valueName);
        const QStringList help = QString::fromLatin1(option.help).split(QLatin1Char('\n'));
        text += QStringLiteral("  %1").arg(names, -24);
        if (names.size() > 24)
            text += QLatin1Char('\n') + QString(26, QLatin1Char(' '));
        text += help.join(QLatin1Char('\n') + QString(26, QLatin1Char(' '))) + QLatin1Char('\n');
    }
    text += QStringLiteral(
        "\n"
        "A folder that cannot be read is named on standard error\n"
        "(\"vastrel-top: PATH: Permission denied\") and the scan goes on.\n"
        "With --copies, so is a file left out of the comparison because it changed\n"
        "while it was read, went or could not be read; finding no copies is no error.\n");
    text += historyUsage();
    text += QStringLiteral(
        "\n"
        "Exit status: 0 when everything was scanned, 1 when a directory or a folder\n"
        "below one could not be read (the rest still is), 2 for a bad option.\n");
    return text;
}

QByteArray formatResults(const QList<FoundFile> &files, bool nullTerminated, bool exactBytes)
{
    RecordFormat format;
    format.nullTerminated = nullTerminated;
    format.exactBytes = exactBytes;
    return formatResults(files, format);
}

namespace {

void appendSize(QByteArray &records, qint64 bytes, const RecordFormat &format)
{
    records += format.exactBytes ? QByteArray::number(bytes) : megabytesText(bytes).toLatin1();
    records += '\t';
}

void appendPath(QByteArray &records, const QString &path, const RecordFormat &format)
{
    if (format.nullTerminated) {
        records += pathcodec::toNative(path);
        records += '\0';
    } else {
        records += toTerminal(outputLine(path));
        records += '\n';
    }
}

} // namespace

QByteArray formatResults(const QList<FoundFile> &files, const RecordFormat &format)
{
    QByteArray records;
    for (const FoundFile &file : files) {
        appendSize(records, sizeOf(file, format.by), format);
        if (format.frees)
            appendSize(records, file.frees >= 0 ? file.frees : freespace::freesAlone(file), format);
        appendPath(records, file.path, format);
    }
    return records;
}

QByteArray formatFolders(const QList<FolderSize> &folders, const RecordFormat &format)
{
    QByteArray records;
    for (const FolderSize &folder : folders) {
        appendSize(records, format.by == SizeKind::OnDisk ? folder.allocated : folder.size, format);
        appendPath(records, folder.path, format);
    }
    return records;
}

QByteArray formatCopies(const QList<CopySet> &sets, bool nullTerminated, bool exactBytes)
{
    QByteArray records;
    for (const CopySet &set : sets) {
        if (!records.isEmpty())
            records += nullTerminated ? QByteArray(1, '\0') : QByteArray("\n");
        QList<FoundFile> files;
        for (const CopyEntry &file : set.files)
            files.append({set.size, file.path});
        records += formatResults(files, nullTerminated, exactBytes);
    }
    return records;
}

QString problemLine(const QString &path, const QString &reason)
{
    return programName + QLatin1String(": ") + outputLine(path) + QLatin1String(": ") +
        outputLine(reason) + QLatin1Char('\n');
}

QString progressLine(qint64 files, const QString &directory, int columns)
{
    const QString head = QStringLiteral("%1 files  ").arg(files);
    const QString shown = outputLine(directory);
    // The last column stays free: writing into it wraps some terminals.
    const qsizetype room = qMax(columns - 1, 0) - head.size();
    if (room < 0)
        return head.left(qMax(columns - 1, 0));
    if (shown.size() <= room)
        return head + shown;
    if (room < 4)
        return head.trimmed();
    QString tail = shown.right(room - 3);
    // Never start with the second half of a character outside the BMP.
    if (tail.front().isLowSurrogate())
        tail.remove(0, 1);
    return head + QLatin1String("...") + tail;
}

QByteArray formatChanges(const QList<FileChange> &changes, bool nullTerminated, bool exactBytes)
{
    const auto sizeText = [exactBytes](qint64 bytes) {
        return exactBytes ? QByteArray::number(bytes) : megabytesText(bytes).toLatin1();
    };
    QByteArray records;
    for (const FileChange &change : changes) {
        records += fileChangeKindName(change.kind);
        records += '\t';
        records += sizeText(change.size());
        records += '\t';
        records += change.change() < 0 ? '-' : '+';
        records += sizeText(qAbs(change.change()));
        records += '\t';
        if (nullTerminated) {
            records += pathcodec::toNative(change.path);
            records += '\0';
        } else {
            records += toTerminal(outputLine(change.path));
            records += '\n';
        }
    }
    return records;
}

QByteArray formatHistory(const QList<ScanSummary> &scans, bool exactBytes)
{
    QByteArray lines;
    for (const ScanSummary &scan : scans) {
        lines +=
            scan.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1();
        lines += '\t';
        lines += QByteArray::number(double(scan.durationMs) / 1000.0, 'f', 1);
        lines += '\t';
        lines += QByteArray::number(scan.fileCount);
        lines += '\t';
        lines += exactBytes ? QByteArray::number(scan.byteCount)
                            : megabytesText(scan.byteCount).toLatin1();
        lines += '\t';
        lines += scan.partial ? "partial" : "complete";
        lines += '\n';
    }
    return lines;
}

int run(const QStringList &arguments)
{
    if (qEnvironmentVariable("VASTREL_DEBUG") != QLatin1String("1"))
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

    const Options options = parseArguments(arguments.mid(1));
    switch (options.action) {
    case Options::Help:
    case Options::Version: {
        const QString text = options.action == Options::Help
            ? usage()
            : programName + QLatin1Char(' ') + QLatin1String(VASTREL_VERSION) + QLatin1Char('\n');
        if (const int error = writeOutput(toTerminal(text))) {
            write(stderr, toTerminal(writeError(error)));
            return 1;
        }
        return 0;
    }
    case Options::Invalid:
        write(stderr,
              toTerminal(programName + QLatin1String(": ") + options.error + QLatin1String("\n\n") +
                         usage()));
        return 2;
    case Options::Scan:
        break;
    }

    ErrorStream errors(stderrIsTerminal());
    if (options.history)
        return showHistory(options, errors);

    QStringList roots;
    for (const QString &dir :
         options.dirs.isEmpty() ? ScanSession::allDriveRoots() : options.dirs) {
        // "." in a removed directory would otherwise stand for "/".
        const bool unfound = !dir.isEmpty() && ScanSession::cleanRoot(dir).isEmpty();
        const QString problem = unfound ? qt_error_string(ENOENT) : directoryProblem(dir);
        if (problem.isEmpty())
            roots << dir;
        else
            errors.message(problemLine(dir, problem));
    }

    std::optional<ScanRecord> previous;
    if (options.compare && !previousScan(options, roots, errors, previous))
        return 1;
    if (options.compare && !previous && !options.save)
        return 1;

    ScanSession session;
    session.setRoots(roots);
    session.setResultCount(options.count);
    session.setOptions(options.scan);
    QObject::connect(
        &session, &ScanSession::folderUnreadable, &session,
        [&errors](const QString &path, const QString &reason) {
            errors.message(problemLine(path, reason));
        },
        Qt::DirectConnection);
    QEventLoop loop;
    QObject::connect(&session, &ScanSession::finished, &loop, &QEventLoop::quit);

    // Progress on a terminal only: files seen and the current directory, ten
    // times a second at most, erased at the end.
    QTimer ticker;
    QString directory;
    if (errors.isTerminal()) {
        QObject::connect(&ticker, &QTimer::timeout, &ticker, [&] {
            const QString path = session.takeRecentPath();
            if (!path.isEmpty())
                directory = path.left(path.lastIndexOf(QLatin1Char('/')));
            errors.progress(progressLine(session.fileCount(), directory, terminalColumns()));
        });
        ticker.start(100);
    }

    session.start();
    loop.exec();
    ticker.stop();
    errors.endProgress();
    // What was found before memory ran out is still listed.
    if (session.outOfMemory())
        errors.message(programName + QLatin1String(": out of memory\n"));

    const QList<FoundFile> results = session.results();
    QByteArray output;
    if (options.compare || options.save) {
        const ScanRecord scan = scanRecordOf(session, roots, results);
        if (options.save)
            saveScan(options, scan, errors);
        if (previous) {
            output = formatChanges(compareScans(*previous, scan).files, options.nullTerminated,
                                   options.exactBytes);
        }
    }
    if (options.copies) {
        const bool scanProblems = errors.messageCount() > 0 || session.unreadableCount() > 0;
        return qMax(printCopies(results, options, errors), scanProblems ? 1 : 0);
    }
    RecordFormat format;
    format.nullTerminated = options.nullTerminated;
    format.exactBytes = options.exactBytes;
    format.by = options.scan.rankBy;
    format.frees = options.frees;
    if (options.folders)
        output = formatFolders(session.largestFolders(options.count, format.by), format);
    else if (!options.compare)
        output = formatResults(results, format);
    if (const int error = writeOutput(output)) {
        errors.message(writeError(error));
        return 1;
    }
    return errors.messageCount() > 0 || session.unreadableCount() > 0 ? 1 : 0;
}

} // namespace topcommand
