#pragma once

#include <QMultiMap>
#include <QString>
#include <QStringList>

// vastrel-top: the terminal front end over the walker and the ranking. It
// scans the given directories (none: every drive root) and prints the N
// largest files, largest first, as "megabytes<TAB>path" lines. Exit status: 0,
// 1 when a directory could not be scanned (the others still are), 2 for bad
// options.
namespace topcommand {

// What the command line asks for.
struct Options
{
    enum Action { Scan, Help, Version, Invalid };
    Action action = Scan;
    int count = 10;
    QStringList dirs;
    QString error; // for Invalid: one line, without the program name
};

// The largest count accepted: the ranking's capacity (count + 100) must stay an int.
constexpr int maximumCount = 2147483647 - 100;

// Parses the arguments that follow the program name.
Options parseArguments(const QStringList &arguments);
QString usage();
// Why dir cannot be scanned ("No such file or directory", "Not a directory",
// "Permission denied"), or an empty string when it can.
QString rootProblem(const QString &dir);
// The result lines, largest first; equal sizes in the ranking's order.
QString formatResults(const QMultiMap<qint64, QString> &top);
// The progress line for a terminal of the given width: the files seen so far
// and the directory being walked, cut at its start to fit.
QString progressLine(qint64 files, const QString &directory, int columns);

// The whole program; arguments include the program name.
int run(const QStringList &arguments);

} // namespace topcommand
