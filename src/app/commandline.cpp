#include "app/commandline.h"

#include "scan/localpaths.h"

#include <QDir>

namespace commandline {

QString directoryArgument(const QString &argument, const QString &currentDir)
{
    if (argument.isEmpty())
        return QString();
    const QString path = QDir::fromNativeSeparators(argument);
    const QString absolute = localpaths::absoluteClean(path, currentDir);
    return absolute.isEmpty() ? path : absolute;
}

} // namespace commandline
