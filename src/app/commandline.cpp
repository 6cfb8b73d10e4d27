#include "app/commandline.h"

#include <QDir>

namespace commandline {

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

QString directoryArgument(const QString &argument, const QString &currentDir)
{
    if (argument.isEmpty())
        return QString();
    QString path =
        QDir::cleanPath(QDir(currentDir).absoluteFilePath(QDir::fromNativeSeparators(argument)));
    // cleanPath() keeps a ".." that climbs above the root ("/.." or "C:/.."),
    // where the system stays at the root.
    const qsizetype root = rootLength(path);
    while (root > 0 && path.mid(root, 2) == QLatin1String("..") &&
           (path.size() == root + 2 || path.at(root + 2) == QLatin1Char('/')))
        path.remove(root, path.size() == root + 2 ? 2 : 3);
    return path;
}

} // namespace commandline
