#include "tinyfs.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace testsupport {

TinyFileSystem::TinyFileSystem(int kilobytes)
{
    if (!m_dir.isValid()) {
        m_reason = QStringLiteral("no temporary directory");
        return;
    }
    if (::geteuid() != 0) {
        m_reason = QStringLiteral("mounting a small tmpfs needs root");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
    if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                options.constData()) != 0) {
        m_reason =
            QStringLiteral("cannot mount a tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    m_mounted = true;
}

TinyFileSystem::~TinyFileSystem()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

bool TinyFileSystem::fill()
{
    const int fd = ::open(QFile::encodeName(filePath(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(512, 'f');
    // Blocks first, then single bytes for the last partial page.
    while (::write(fd, block.constData(), block.size()) > 0) { }
    while (::write(fd, "f", 1) > 0) { }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

} // namespace testsupport
