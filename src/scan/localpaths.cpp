#include "scan/localpaths.h"

#include <QDir>

#ifdef Q_OS_WIN
#include <QCoreApplication>
#else
#include "scan/pathcodec.h"

#include <unistd.h>

#include <cstdlib>
#include <memory>
#endif

namespace localpaths {

#ifdef Q_OS_WIN
QStringList commandLineArguments(int, char *[])
{
    return QCoreApplication::arguments();
}

QString currentDirectory()
{
    return QDir::currentPath();
}
#else
QStringList commandLineArguments(int argc, char *argv[])
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments << pathcodec::fromNative(QByteArray(argv[i]));
    return arguments;
}

QString currentDirectory()
{
    // glibc allocates a buffer of the size needed.
    const std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
    // Qt's own answer would be no better: it asks the same call.
    return cwd ? pathcodec::fromNative(QByteArray(cwd.get())) : QString();
}
#endif

namespace {

// Length of the root at the start of a clean absolute path: "/" or "C:/".
qsizetype rootLength(const QString &path)
{
    if (path.startsWith(QLatin1Char('/')))
        return 1;
    if (path.size() >= 3 && path.at(1) == QLatin1Char(':') && path.at(2) == QLatin1Char('/'))
        return 3;
    return 0;
}

} // namespace

QString absoluteClean(const QString &path, const QString &base)
{
    // QDir would resolve against an empty base by the current directory,
    // which it takes for "/" when that was removed.
    if (QDir::isRelativePath(path) && !QDir::isAbsolutePath(base))
        return QString();
    QString clean = QDir::cleanPath(QDir(base).absoluteFilePath(path));
    // cleanPath() keeps a ".." that climbs above the root.
    const qsizetype root = rootLength(clean);
    while (root > 0 && clean.mid(root, 2) == QLatin1String("..") &&
           (clean.size() == root + 2 || clean.at(root + 2) == QLatin1Char('/')))
        clean.remove(root, clean.size() == root + 2 ? 2 : 3);
    return clean;
}

bool isInside(const QString &path, const QString &folder)
{
    if (folder.isEmpty() || !path.startsWith(folder))
        return false;
    return path.size() == folder.size() || folder.endsWith(QLatin1Char('/')) ||
        path.at(folder.size()) == QLatin1Char('/');
}

} // namespace localpaths
