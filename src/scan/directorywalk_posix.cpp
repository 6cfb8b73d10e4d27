#include "scan/directorywalk.h"

#include "scan/directoryreader.h"
#include "scan/filesystemkind.h"

#include <QDir>
#include <QFile>

#include <dirent.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <vector>

// The POSIX walk reads directories itself instead of going through
// QDirIterator: that iterator follows symbolic links to files, leaves out
// names that are not valid UTF-8 and stats every entry. Here each directory is
// opened relative to its parent, the entry type from the directory saves a stat for
// everything but regular files, and the path of the current directory is kept
// in one buffer that each file's name is appended to.

namespace {

// One open directory on the way down.
struct Level
{
    dev_t device;
    qsizetype prefixLength; // where this directory's path, with its "/", ends
};

// Appends a file name as Qt decodes local file names (QFile::decodeName):
// plain ASCII names, nearly all of them, are copied without decoding.
void appendName(QString &path, const char *name)
{
    qsizetype length = 0;
    bool ascii = true;
    for (; name[length] != '\0'; ++length) {
        if (static_cast<unsigned char>(name[length]) >= 0x80)
            ascii = false;
    }
    if (ascii)
        path.append(QLatin1StringView(name, length));
    else
        path.append(QString::fromLocal8Bit(name, length));
}

// Opens reader on fd, unless fd is on a pseudo filesystem that the directory
// at parentDevice is not on. fd is closed whenever this returns false.
bool openLevel(DirectoryReader &reader, int fd, const dev_t *parentDevice, dev_t &device)
{
    struct stat st;
    if (::fstat(fd, &st) != 0 ||
        ((!parentDevice || *parentDevice != st.st_dev) && isPseudoFilesystem(fd))) {
        ::close(fd);
        return false;
    }
    device = st.st_dev;
    return reader.open(fd);
}

} // namespace

DirectoryWalk::DirectoryWalk(const QAtomicInt &stopRequested, Visitor visitor)
    : stopRequested(stopRequested), visitor(std::move(visitor))
{ }

void DirectoryWalk::walk(const QString &root)
{
    // QDir would take an empty path for the current directory.
    if (root.isEmpty())
        return;
    QString path = QDir(root).path();
    const int rootFd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (rootFd < 0)
        return;
    // One reader per depth, each reused for the directories met at its depth.
    std::vector<std::unique_ptr<DirectoryReader>> readers;
    readers.push_back(std::make_unique<DirectoryReader>());
    dev_t rootDevice;
    if (!openLevel(*readers[0], rootFd, nullptr, rootDevice))
        return;
    if (!path.endsWith(QLatin1Char('/')))
        path.append(QLatin1Char('/'));

    std::vector<Level> levels;
    levels.push_back({rootDevice, path.size()});
    while (!levels.empty() && stopRequested.loadRelaxed() == 0) {
        const Level level = levels.back();
        DirectoryReader &reader = *readers[levels.size() - 1];
        unsigned char type;
        const char *name = reader.next(type);
        if (!name) {
            reader.close();
            levels.pop_back();
            continue;
        }
        if (name[0] == '.')
            continue; // hidden, and "." and ".."

        const int dirFd = reader.fd();
        struct stat st;
        bool statted = false;
        if (type == DT_UNKNOWN) {
            // Some filesystems do not fill in the type.
            if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            statted = true;
            type = S_ISREG(st.st_mode) ? DT_REG : S_ISDIR(st.st_mode) ? DT_DIR : DT_UNKNOWN;
        }

        if (type == DT_REG) {
            if (!statted && ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (!S_ISREG(st.st_mode))
                continue;
            path.truncate(level.prefixLength);
            appendName(path, name);
            visitor(path, st.st_size);
        } else if (type == DT_DIR) {
            const int fd = ::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (fd < 0)
                continue;
            if (readers.size() == levels.size())
                readers.push_back(std::make_unique<DirectoryReader>());
            dev_t device;
            // The name lives in the parent's buffer: append it before the
            // child reader is opened.
            path.truncate(level.prefixLength);
            appendName(path, name);
            path.append(QLatin1Char('/'));
            if (!openLevel(*readers[levels.size()], fd, &level.device, device))
                continue;
            levels.push_back({device, path.size()});
        }
        // Symbolic links, fifos, sockets and devices are left out.
    }
    // The readers close what is still open when they are destroyed.
}
