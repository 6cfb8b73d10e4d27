#include "top/topcommand.h"

#include "scan/pathcodec.h"
#include "scan/scansession.h"
#include "scan/sizetext.h"
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
     "only files with one of these extensions, without\n"
     "the dot, in any case (mkv,mp4,iso; repeatable)"},
    {Key::OlderThan, 0, "older-than", "DAYS", "only files not modified for DAYS days"},
    {Key::Null, '0', "null", nullptr,
     "end each record with NUL, not a newline, and write\n"
     "the path's exact bytes unescaped (for xargs -0)"},
    {Key::Bytes, 0, "bytes", nullptr, "sizes in bytes instead of megabytes"},
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
        for (QString type : value.split(QLatin1Char(','))) {
            type = type.trimmed();
            if (type.startsWith(QLatin1Char('.')))
                type.remove(0, 1);
            if (type.isEmpty() || type.contains(QLatin1Char('/'))) {
                return QStringLiteral("invalid type list '%1': extensions separated by commas are "
                                      "needed, such as mkv,mp4")
                    .arg(outputLine(value));
            }
            type = type.toLower();
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
                return invalid(QStringLiteral("unknown option '%1'")
                                   .arg(outputLine(argument.left(equals))));
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
                    return invalid(QStringLiteral("option '%1' needs a value (%2)")
                                       .arg(displayName(*option), QLatin1String(option->valueName)));
            }
            given.append({option, value});
        } else {
            for (qsizetype k = 1; k < argument.size(); ++k) {
                const OptionSpec *option = findShort(argument.at(k));
                if (!option) {
                    return invalid(QStringLiteral("unknown option '-%1'")
                                       .arg(outputLine(argument.mid(k, 1))));
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
    QString text = QStringLiteral(
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
        "\n"
        "Exit status: 0 when everything was scanned, 1 when a directory or a folder\n"
        "below one could not be read (the rest still is), 2 for a bad option.\n");
    return text;
}

QByteArray formatResults(const QList<FoundFile> &files, bool nullTerminated, bool exactBytes)
{
    QByteArray records;
    for (const FoundFile &file : files) {
        records += exactBytes ? QByteArray::number(file.size) : megabytesText(file.size).toLatin1();
        records += '\t';
        if (nullTerminated) {
            records += pathcodec::toNative(file.path);
            records += '\0';
        } else {
            records += toTerminal(outputLine(file.path));
            records += '\n';
        }
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

int run(const QStringList &arguments)
{
    if (qEnvironmentVariable("VASTREL_DEBUG") != QLatin1String("1"))
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

    const Options options = parseArguments(arguments.mid(1));
    switch (options.action) {
    case Options::Help:
        write(stdout, toTerminal(usage()));
        std::fflush(stdout);
        return 0;
    case Options::Version:
        write(stdout,
              toTerminal(programName + QLatin1Char(' ') + QLatin1String(VASTREL_VERSION) +
                         QLatin1Char('\n')));
        std::fflush(stdout);
        return 0;
    case Options::Invalid:
        write(stderr,
              toTerminal(programName + QLatin1String(": ") + options.error + QLatin1String("\n\n") +
                         usage()));
        return 2;
    case Options::Scan:
        break;
    }

    ErrorStream errors(stderrIsTerminal());
    QStringList roots;
    for (const QString &dir :
         options.dirs.isEmpty() ? ScanSession::allDriveRoots() : options.dirs) {
        const QString problem = directoryProblem(dir);
        if (problem.isEmpty())
            roots << dir;
        else
            errors.message(problemLine(dir, problem));
    }

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

    write(stdout, formatResults(session.results(), options.nullTerminated, options.exactBytes));
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        errors.message(programName + QLatin1String(": write error: ") + qt_error_string(errno) +
                       QLatin1Char('\n'));
        return 1;
    }
    return errors.messageCount() > 0 || session.unreadableCount() > 0 ? 1 : 0;
}

} // namespace topcommand
