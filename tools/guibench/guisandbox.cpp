#include "guisandbox.h"

#include "settings/settings.h"

#include <QSettings>

GuiSandbox::GuiSandbox(bool wholeSession)
{
    if (!dir.isValid())
        return;
    const QByteArray path = dir.path().toLocal8Bit();
    qputenv("XDG_DATA_HOME", path);
    if (wholeSession) {
        qputenv("HOME", path);
        qputenv("XDG_CONFIG_HOME", path);
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    }
}

void GuiSandbox::writeSettings(int rows) const
{
    settings::setApplicationDirOverride(dir.path());
    QSettings ini(dir.path() + "/Vastrel.ini", QSettings::IniFormat);
    ini.setValue("init", true);
    ini.setValue("autoupdatecheck", false);
    ini.setValue("topnumber", rows);
}
