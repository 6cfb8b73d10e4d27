#include "settingsdir.h"

#include "settings/settings.h"

#include <QSettings>

namespace testsupport {

namespace {
// The folder in force; a new one may be made before the last one is
// destroyed (unique_ptr assignment), which must not undo the new one.
const SettingsDir *current = nullptr;
} // namespace

SettingsDir::SettingsDir()
{
    if (!dir.isValid())
        return;
    settings::setApplicationDirOverride(dir.path());
    current = this;
}

SettingsDir::~SettingsDir()
{
    if (current != this)
        return;
    settings::setApplicationDirOverride(QString());
    current = nullptr;
}

QVariant SettingsDir::value(const QString &key) const
{
    return QSettings(iniPath(), QSettings::IniFormat).value(key);
}

} // namespace testsupport
