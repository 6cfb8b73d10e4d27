#include "scan/posixopen.h"

#include <QString>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

void releaseDirectoryHandle(DirectoryHandle handle)
{
    if (handle.isValid())
        ::close(int(handle.value));
}

QString DirectoryReader::errorText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

namespace {

// The descriptors open now: listed in /proc/self/fd (or /dev/fd) where the
// system has it, else probed one by one below the limit.
int openDescriptors(rlim_t limit)
{
    for (const char *folder : {"/proc/self/fd", "/dev/fd"}) {
        if (DIR *dir = ::opendir(folder)) {
            int count = -1; // the listing's own descriptor
            while (const dirent *entry = ::readdir(dir)) {
                if (entry->d_name[0] != '.')
                    ++count;
            }
            ::closedir(dir);
            if (count >= 0)
                return count;
        }
    }
    int count = 0;
    const int probed = int(qMin<rlim_t>(limit, 65536));
    for (int fd = 0; fd < probed; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1)
            ++count;
    }
    return count;
}

} // namespace

int availableDescriptors()
{
    struct rlimit limit;
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
        limit.rlim_cur > rlim_t(INT_MAX))
        return -1;
    return qMax(int(limit.rlim_cur) - openDescriptors(limit.rlim_cur), 0);
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
