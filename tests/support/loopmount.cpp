#include "support/loopmount.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

namespace testsupport {

int LoopMount::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

LoopMount::LoopMount(const QString &type, int sizeMiB, const QStringList &mkfsArguments)
{
    if (::geteuid() != 0) {
        m_skipReason = QStringLiteral("mounting a %1 image needs root").arg(type);
        return;
    }
    const QString mkfs =
        QStandardPaths::findExecutable(QLatin1String("mkfs.") + type, {"/usr/sbin", "/sbin"});
    if (mkfs.isEmpty()) {
        m_skipReason = QStringLiteral("no mkfs.%1 installed").arg(type);
        return;
    }
    if (!m_dir.isValid() || !QDir().mkdir(path())) {
        m_skipReason = QStringLiteral("no temporary directory");
        return;
    }
    const QString image = m_dir.path() + QLatin1String("/image");
    {
        QFile file(image);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(qint64(sizeMiB) << 20)) {
            m_skipReason = QStringLiteral("cannot make the image file");
            return;
        }
    }
    if (run(mkfs, mkfsArguments + QStringList {image}) != 0) {
        m_skipReason = QStringLiteral("mkfs.%1 failed").arg(type);
        return;
    }
    if (run(QStringLiteral("mount"), {"-o", "loop", image, path()}) != 0) {
        m_skipReason = QStringLiteral("cannot mount a loop device here");
        return;
    }
    m_mounted = true;
}

LoopMount::~LoopMount()
{
    if (m_mounted)
        run(QStringLiteral("umount"), {path()});
}

} // namespace testsupport
