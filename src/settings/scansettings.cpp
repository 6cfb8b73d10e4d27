#include "settings/scansettings.h"

#include "scan/filetypes.h"
#include "settings/settings.h"

#include <QDir>
#include <QSettings>

#include <limits>

namespace scansettings {

namespace {

const QString includeHiddenKey = QStringLiteral("scan/includehidden");
const QString oneFileSystemKey = QStringLiteral("scan/onefilesystem");
const QString skipNetworkKey = QStringLiteral("scan/skipnetwork");
const QString excludeKey = QStringLiteral("scan/exclude");
const QString minSizeKey = QStringLiteral("scan/minsize");
const QString typesKey = QStringLiteral("scan/types");
const QString olderThanDaysKey = QStringLiteral("scan/olderthandays");
const QString rankByKey = QStringLiteral("scan/rankby");
const QString rankBySize = QStringLiteral("size");
const QString rankByDisk = QStringLiteral("disk");

// The longest age filter kept: a century.
constexpr int maxDays = 36500;

// A boolean as the settings file spells it; anything else is the default.
bool readBool(const QSettings &file, const QString &key, bool fallback)
{
    const QString text = file.value(key).toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return fallback;
}

// A whole number in [0, max]; anything else is the default.
qint64 readCount(const QSettings &file, const QString &key, qint64 max, qint64 fallback)
{
    bool ok = false;
    const qint64 value = file.value(key).toString().trimmed().toLongLong(&ok);
    return ok && value >= 0 && value <= max ? value : fallback;
}

// A list written by QSettings reads back as a list; a single value (one
// entry, or text written by hand) as a string.
QStringList readList(const QSettings &file, const QString &key)
{
    const QVariant value = file.value(key);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList();
    const QString text = value.toString();
    return text.isEmpty() ? QStringList() : QStringList(text);
}

} // namespace

ScanOptions load(const QSettings &file)
{
    const ScanOptions fallback = defaultScanOptions();
    ScanOptions options;
    options.includeHidden = readBool(file, includeHiddenKey, fallback.includeHidden);
    options.oneFileSystem = readBool(file, oneFileSystemKey, fallback.oneFileSystem);
    options.skipNetwork = readBool(file, skipNetworkKey, fallback.skipNetwork);
    for (const QString &dir : readList(file, excludeKey)) {
        // Only absolute folders can be excluded; a relative entry would
        // depend on the directory the program was started in.
        if (!dir.isEmpty() && QDir::isAbsolutePath(dir)) {
            const QString clean = QDir::cleanPath(dir);
            if (!options.excludes.contains(clean))
                options.excludes << clean;
        }
    }
    options.minSize = readCount(file, minSizeKey, std::numeric_limits<qint64>::max(), 0);
    options.types = filetypes::extensions(readList(file, typesKey));
    options.olderThanDays = int(readCount(file, olderThanDaysKey, maxDays, 0));
    // Anything but "disk" ranks by length, as before the key existed.
    const QString rankBy = file.value(rankByKey).toString().trimmed().toLower();
    options.rankBy = rankBy == rankByDisk ? SizeKind::OnDisk : SizeKind::Apparent;
    return options;
}

void save(QSettings &file, const ScanOptions &options)
{
    file.setValue(includeHiddenKey, options.includeHidden);
    file.setValue(oneFileSystemKey, options.oneFileSystem);
    file.setValue(skipNetworkKey, options.skipNetwork);
    file.setValue(excludeKey, options.excludes);
    file.setValue(minSizeKey, qMax<qint64>(options.minSize, 0));
    file.setValue(typesKey, filetypes::extensions(options.types));
    file.setValue(olderThanDaysKey, qBound(0, options.olderThanDays, maxDays));
    file.setValue(rankByKey, options.rankBy == SizeKind::OnDisk ? rankByDisk : rankBySize);
}

ScanOptions load()
{
    return load(*settings::open());
}

void save(const ScanOptions &options)
{
    save(*settings::open(), options);
}

} // namespace scansettings
