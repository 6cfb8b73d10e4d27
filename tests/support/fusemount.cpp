#include "fusemount.h"

#include <QDeadlineTimer>
#include <QFile>

#include <csignal>
#include <sys/mount.h>
#include <unistd.h>

namespace testsupport {

FuseMount::FuseMount(const QString &mountPoint, const QStringList &arguments) : point(mountPoint)
{
#ifndef VASTREL_TESTFUSE
    reason = QStringLiteral("vastrel-testfuse was not built (no libfuse3 at configure time)");
    Q_UNUSED(arguments);
#else
    if (::access("/dev/fuse", R_OK | W_OK) != 0) {
        reason = QStringLiteral("/dev/fuse cannot be used here");
        return;
    }
    helper.setProgram(QStringLiteral(VASTREL_TESTFUSE));
    helper.setArguments(QStringList {mountPoint} + arguments);
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.start();
    if (!helper.waitForStarted(5000)) {
        reason = QStringLiteral("vastrel-testfuse did not start: ") + helper.errorString();
        return;
    }
    pid = helper.processId();
    mounted = waitFor("mounted");
    if (!mounted)
        reason = QStringLiteral("the FUSE mount was refused (see vastrel-testfuse's message)");
#endif
}

FuseMount::~FuseMount()
{
    if (helper.state() != QProcess::NotRunning) {
        release();
        helper.closeWriteChannel(); // the helper unmounts and exits
        if (!helper.waitForFinished(5000)) {
            helper.kill();
            helper.waitForFinished(5000);
        }
    }
    // Whatever happened to the helper, no mount stays behind.
    if (mounted)
        ::umount2(QFile::encodeName(point).constData(), MNT_DETACH);
}

bool FuseMount::waitFor(const QByteArray &line, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        output += helper.readAllStandardOutput();
        const qsizetype at = output.indexOf(line + '\n');
        if (at >= 0 && (at == 0 || output.at(at - 1) == '\n')) {
            output.remove(0, at + line.size() + 1);
            return true;
        }
        if (helper.state() == QProcess::NotRunning || deadline.hasExpired())
            return false;
        helper.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 1)));
    }
}

void FuseMount::release()
{
    if (helper.state() == QProcess::Running)
        helper.write("release\n");
    helper.waitForBytesWritten(1000);
}

void FuseMount::kill()
{
    if (pid > 0)
        ::kill(pid_t(pid), SIGKILL);
}

} // namespace testsupport
