#pragma once

// Linux only: a file system of a chosen type in an image file, mounted
// through a loop device inside a temporary directory.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

// Makes a file system of the given type (mkfs.TYPE with mkfsArguments) in
// an image of sizeMiB in a temporary directory and mounts it there; the
// destructor unmounts it. Needs root and the type's mkfs program: without
// them skipReason() says why, and a test skips with it.
class LoopMount
{
    Q_DISABLE_COPY(LoopMount)

public:
    LoopMount(const QString &type, int sizeMiB, const QStringList &mkfsArguments = {});
    ~LoopMount();

    bool isMounted() const { return m_mounted; }
    QString skipReason() const { return m_skipReason; }
    QString path() const { return m_dir.path() + QLatin1String("/mnt"); }

    // Runs a program quietly; its exit code, or -1 when it did not end
    // within a minute or crashed.
    static int run(const QString &program, const QStringList &arguments);

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_skipReason;
};

} // namespace testsupport
