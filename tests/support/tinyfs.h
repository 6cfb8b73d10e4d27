#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A tmpfs of a few kilobytes mounted on a temporary directory while it lives,
// for what happens when a disk is full. Mounting needs root: elsewhere
// isMounted() is false and reason() says why, for QSKIP.
class TinyFileSystem
{
    Q_DISABLE_COPY(TinyFileSystem)

public:
    explicit TinyFileSystem(int kilobytes);
    ~TinyFileSystem();

    bool isMounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Takes every free block with a file of its own, so that the next write
    // of even one byte fails with "No space left on device".
    bool fill();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};

} // namespace testsupport
