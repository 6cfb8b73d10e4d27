#include "lockedtree.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace testsupport {

LockedTree::LockedTree()
{
    if (!m_dir.isValid())
        return;
    const QDir dir(m_dir.path());
    if (!dir.mkpath(QStringLiteral("locked/inner")) || !dir.mkpath(QStringLiteral("open")))
        return;
    for (const char *name : {"/locked/secret.bin", "/locked/inner/deeper.bin", "/open/seen.bin"}) {
        QFile file(m_dir.path() + QLatin1String(name));
        if (!file.open(QIODevice::WriteOnly) || !file.resize(10))
            return;
    }
    m_locked = QFile::encodeName(m_dir.path() + QStringLiteral("/locked"));
    m_valid = ::chmod(m_locked.constData(), 0) == 0;
}

LockedTree::~LockedTree()
{
    if (m_valid)
        unlock();
}

bool LockedTree::unlock()
{
    return ::chmod(m_locked.constData(), 0755) == 0;
}

} // namespace testsupport
