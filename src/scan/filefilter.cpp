#include "scan/filefilter.h"

#include "scan/filetypes.h"

#include <limits>

FileFilter::FileFilter(const ScanOptions &options, qint64 nowMilliseconds)
    : minSize(options.minSize),
      modifiedBefore(options.olderThanDays > 0
                         ? nowMilliseconds - qint64(options.olderThanDays) * 24 * 3600 * 1000
                         : std::numeric_limits<qint64>::max())
{
    for (const QString &type : filetypes::extensions(options.types))
        suffixes << QLatin1Char('.') + type;
    active = minSize > 0 || !suffixes.isEmpty() || options.olderThanDays > 0;
}

bool FileFilter::accepts(QStringView name, qint64 size, qint64 modifiedMilliseconds) const
{
    if (size < minSize || modifiedMilliseconds > modifiedBefore)
        return false;
    if (suffixes.isEmpty())
        return true;
    for (const QString &suffix : suffixes) {
        if (name.size() > suffix.size() && name.endsWith(suffix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
