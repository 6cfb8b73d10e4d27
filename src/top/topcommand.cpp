#include "top/topcommand.h"

#include "scan/sizetext.h"
#include "scan/topfilemap.h"
#include "scan/walker.h"
#include "top/terminal.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutex>
#include <QTimer>

#include <cstdio>

namespace topcommand {

namespace {

const QString programName = QStringLiteral("vastrel-top");

void write(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// Carries progress from the walker's thread to the progress line. Every file
// costs one atomic add; its path is copied only when the line has asked for
// a new one, at most once per update.
class ProgressProbe
{
public:
    void fileSeen(const QString &path)
    {
        files.fetchAndAddRelaxed(1);
        if (wanted.loadRelaxed() == 1 && wanted.testAndSetAcquire(1, 0)) {
            QMutexLocker lock(&mutex);
            latest = path;
        }
    }

    qint64 fileCount() const { return files.loadRelaxed(); }

    // The directory of the last path handed over; asks for the next one.
    QString directory()
    {
        QString path;
        {
            QMutexLocker lock(&mutex);
            path = latest;
        }
        wanted.storeRelease(1);
        return path.left(path.lastIndexOf(QLatin1Char('/')));
    }

private:
    QAtomicInteger<qint64> files = 0;
    QAtomicInt wanted = 1;
    QMutex mutex;
    QString latest;
};

// The roots the window falls back to: every drive root, as absolute paths.
QStringList driveRoots()
{
    QStringList roots;
    for (const QFileInfo &drive : QDir::drives())
        roots << drive.absolutePath();
    return roots;
}

Options invalid(const QString &error)
{
    Options options;
    options.action = Options::Invalid;
    options.error = error;
    return options;
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
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.action = Options::Help;
            return options;
        } else if (argument == QLatin1String("--version")) {
            options.action = Options::Version;
            return options;
        } else if (argument.startsWith(QLatin1String("-n"))) {
            QString value = argument.mid(2);
            if (value.isEmpty()) {
                if (++i == arguments.size())
                    return invalid(QStringLiteral("option '-n' needs a number"));
                value = arguments.at(i);
            }
            bool ok = false;
            const int count = value.toInt(&ok);
            if (!ok || count < 1 || count > maximumCount) {
                return invalid(
                    QStringLiteral("invalid count '%1': a whole number from 1 to %2 is needed")
                        .arg(value)
                        .arg(maximumCount));
            }
            options.count = count;
        } else {
            return invalid(QStringLiteral("unknown option '%1'").arg(argument));
        }
    }
    return options;
}

QString usage()
{
    return QStringLiteral(
        "Usage: vastrel-top [-n N] [DIR...]\n"
        "Lists the N largest files below the given directories (none: every drive\n"
        "root), largest first: the size in megabytes, a tab, the path. Hidden files\n"
        "and directories and symbolic links are left out.\n"
        "\n"
        "Options:\n"
        "  -n N       how many files to list (default 10)\n"
        "  --help     show this help and exit\n"
        "  --version  show the version and exit\n"
        "\n"
        "Exit status: 0 on success, 1 if a directory could not be scanned (the\n"
        "others still are), 2 for a bad option.\n");
}

QString rootProblem(const QString &dir)
{
    const QFileInfo info(dir);
    if (dir.isEmpty() || !info.exists())
        return QStringLiteral("No such file or directory");
    if (!info.isDir())
        return QStringLiteral("Not a directory");
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("Permission denied");
    return QString();
}

QString formatResults(const QMultiMap<qint64, QString> &top)
{
    QString text;
    for (auto it = top.cend(); it != top.cbegin();) {
        --it;
        text += megabytesText(it.key()) + QLatin1Char('\t') + it.value() + QLatin1Char('\n');
    }
    return text;
}

QString progressLine(qint64 files, const QString &directory, int columns)
{
    const QString head = QStringLiteral("%1 files  ").arg(files);
    // The last column stays free: writing into it wraps some terminals.
    const qsizetype room = qMax(columns - 1, 0) - head.size();
    if (room < 0)
        return head.left(qMax(columns - 1, 0));
    if (directory.size() <= room)
        return head + directory;
    if (room < 4)
        return head.trimmed();
    return head + QLatin1String("...") + directory.right(room - 3);
}

int run(const QStringList &arguments)
{
    if (qEnvironmentVariable("VASTREL_DEBUG") != QLatin1String("1"))
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

    const Options options = parseArguments(arguments.mid(1));
    switch (options.action) {
    case Options::Help:
        write(stdout, usage());
        return 0;
    case Options::Version:
        write(stdout,
              programName + QLatin1Char(' ') + QLatin1String(VASTREL_VERSION) + QLatin1Char('\n'));
        return 0;
    case Options::Invalid:
        write(stderr,
              programName + QLatin1String(": ") + options.error + QLatin1String("\n\n") + usage());
        return 2;
    case Options::Scan:
        break;
    }

    int status = 0;
    QStringList roots;
    for (const QString &dir : options.dirs.isEmpty() ? driveRoots() : options.dirs) {
        const QString problem = rootProblem(dir);
        if (problem.isEmpty()) {
            roots << dir;
        } else {
            write(stderr, QStringLiteral("%1: %2: %3\n").arg(programName, dir, problem));
            status = 1;
        }
    }
    std::fflush(stderr);

    TopFileMap *ranking = TopFileMap::instance();
    ranking->clear();
    ranking->setCapacity(options.count + 100);

    walker scan;
    scan.setDirs(roots);
    QEventLoop loop;
    QObject::connect(&scan, &QThread::finished, &loop, &QEventLoop::quit);

    // Progress on a terminal only: files seen and the current directory, ten
    // times a second at most, erased at the end.
    ProgressProbe probe;
    QTimer ticker;
    bool progressShown = false;
    if (stderrIsTerminal()) {
        QObject::connect(
            &scan, &walker::walkfile, &scan,
            [&probe](const QString &path) { probe.fileSeen(path); }, Qt::DirectConnection);
        QObject::connect(&ticker, &QTimer::timeout, &ticker, [&] {
            write(stderr,
                  QLatin1Char('\r') +
                      progressLine(probe.fileCount(), probe.directory(), terminalColumns()) +
                      QLatin1String("\x1b[K"));
            std::fflush(stderr);
            progressShown = true;
        });
        ticker.start(100);
    }

    scan.start();
    loop.exec();
    ticker.stop();
    if (progressShown) {
        write(stderr, QStringLiteral("\r\x1b[K"));
        std::fflush(stderr);
    }

    write(stdout, formatResults(ranking->top(options.count)));
    std::fflush(stdout);
    return status;
}

} // namespace topcommand
