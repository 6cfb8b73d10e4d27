#include "guisandbox.h"

#include "settings/settings.h"

#include <QSettings>

#include <cstdio>

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

void GuiSandbox::runOffscreenQuietly()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
}
