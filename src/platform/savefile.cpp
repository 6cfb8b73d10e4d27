#include "platform/savefile.h"

#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace savefile {

namespace {

bool fail(QSaveFile &file, const QString &reason, QString *errorText)
{
    if (errorText)
        *errorText = reason;
    file.cancelWriting();
    return false;
}

} // namespace

bool save(const QString &fileName, const QByteArray &bytes, QString *errorText)
{
    QSaveFile file(fileName);
    // Unbuffered, so that each write reaches the system at once and a full
    // disk fails the write itself: QSaveFile::commit() does not report a
    // failure of the final flush of its buffer, and would then put an empty
    // or cut-off file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file, file.errorString(), errorText);
    // A short write is followed by another one, which then tells why.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return fail(file, file.errorString(), errorText);
        done += written;
    }
    if (!file.flush())
        return fail(file, file.errorString(), errorText);
#ifdef Q_OS_UNIX
    // commit() syncs but ignores the answer; some file systems (NFS, and
    // delayed allocation on a nearly full disk) report lost data only here.
    // File systems that cannot sync at all answer EINVAL or EROFS.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return fail(file, QString::fromLocal8Bit(std::strerror(errno)), errorText);
#endif
    if (!file.commit()) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    return true;
}

} // namespace savefile
