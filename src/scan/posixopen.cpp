#include "scan/posixopen.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

void releaseDirectoryHandle(DirectoryHandle handle)
{
    if (handle.isValid())
        ::close(int(handle.value));
}

void setFileEntry(DirectoryEntry &entry, const struct stat &st, qint64 modified)
{
    entry.kind = DirectoryEntry::Kind::File;
    entry.size = st.st_size;
    entry.modified = modified;
    entry.device = quint64(st.st_dev);
    entry.inode = quint64(st.st_ino);
    entry.links = quint32(st.st_nlink);
}

int openDirectoryAt(int at, const char *path, int flags)
{
    int fd;
    do {
        fd = ::openat(at, path, flags | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int openDirectoryPath(const QByteArray &path, qsizetype pieceLength, int intermediateFlags)
{
    if (path.size() < pieceLength)
        return openDirectoryAt(AT_FDCWD, path.constData(), O_RDONLY);
    int at = AT_FDCWD;
    qsizetype start = 0;
    for (;;) {
        qsizetype end = path.size();
        const bool last = end - start < pieceLength;
        if (!last) {
            end = path.lastIndexOf('/', start + pieceLength);
            if (end <= start) {
                errno = ENAMETOOLONG; // one name longer than any system allows
                if (at != AT_FDCWD)
                    ::close(at);
                return -1;
            }
        }
        const QByteArray piece = path.mid(start, end - start);
        const int fd = openDirectoryAt(at, piece.constData(), last ? O_RDONLY : intermediateFlags);
        const int saved = errno;
        if (at != AT_FDCWD)
            ::close(at);
        errno = saved;
        if (fd < 0 || last)
            return fd;
        at = fd;
        start = end + 1;
    }
}
