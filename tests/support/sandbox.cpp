#include "sandbox.h"

#include "store/scanstore.h"

#include <QFile>

namespace testsupport {

Sandbox::Sandbox()
{
    if (!m_home.isValid())
        return;
    const QByteArray home = QFile::encodeName(m_home.path());
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + home + "/no-bus");
    // Windows finds the per-user folders without the environment.
    ScanStore::setDefaultDirectory(m_home.filePath(QStringLiteral("data/Vastrel")));
}

} // namespace testsupport
