#include "scan/fileprobe.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

// Systems without stat()'s identity fields or an extent map: QFileInfo's
// size and time, identity unknown, space never known to be shared.

namespace {

FileStamp stampOfInfo(const QFileInfo &info)
{
    FileStamp stamp;
    if (!info.exists() && !info.isSymLink()) {
        stamp.error = QStringLiteral("No such file or directory");
        return stamp;
    }
    stamp.valid = true;
    stamp.regular = info.isFile() && !info.isSymLink();
    stamp.size = info.size();
    stamp.modified = info.lastModified().toMSecsSinceEpoch() * 1000000;
    return stamp;
}

} // namespace

FileStamp stampOfPath(const QString &path)
{
    return stampOfInfo(QFileInfo(path));
}

FileStamp stampOfFile(QFile &file)
{
    return stampOfInfo(QFileInfo(file.fileName()));
}

SpaceLayout spaceLayoutOf(QFile &)
{
    return {};
}
