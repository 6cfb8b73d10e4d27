#pragma once

// Linux only: FUSE.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace testsupport {

// A vastrel-testfuse file system (see testfuse.cpp) mounted on an empty
// directory for one test. Its calls can be made to hang until release() or
// to fail. Destroyed, it lets every call through, unmounts (lazily, if the
// helper does not) and makes sure the helper has ended: a test never leaves
// a mount or a process behind, and every wait is bounded.
class FuseMount
{
    Q_DISABLE_COPY(FuseMount)

public:
    // arguments: the helper's options (--subtype, --block, --fail-getattr).
    FuseMount(const QString &mountPoint, const QStringList &arguments = {});
    ~FuseMount();

    // True once the file system answers; otherwise whyNot() says why (no
    // usable /dev/fuse, no libfuse3 at build time, the mount was refused).
    bool isMounted() const { return mounted; }
    QString whyNot() const { return reason; }

    // Waits up to timeoutMs for the helper to print line; true when it did.
    bool waitFor(const QByteArray &line, int timeoutMs = 10000);
    // Lets every blocked call through, now and from now on.
    void release();
    // Ends the helper at once from any thread: the kernel then fails every
    // call still waiting on the file system.
    void kill();

private:
    QString point;
    QProcess helper;
    QByteArray output;
    qint64 pid = 0;
    bool mounted = false;
    QString reason;
};

} // namespace testsupport
