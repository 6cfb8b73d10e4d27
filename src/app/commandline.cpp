#include "app/commandline.h"

#include "scan/localpaths.h"

#include <QDir>

namespace commandline {

QString directoryArgument(const QString &argument, const QString &currentDir)
{
    if (argument.isEmpty())
        return QString();
    return localpaths::absoluteClean(QDir::fromNativeSeparators(argument), currentDir);
}

} // namespace commandline
