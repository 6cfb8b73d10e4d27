#include "scan/directoryreader.h"

#include "scan/filesystemkind.h"
#include "scan/namebatch.h"
#include "scan/pathcodec.h"
#include "scan/posixopen.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

// POSIX systems other than Linux list with readdir() on the open directory
// and stat regular files with fstatat(). They cannot tell a mount root, so
// every directory is checked against its ancestors.

struct DirectoryReader::Private
{
    DIR *dir = nullptr;
    bool skipHidden = false;
    int error = 0;
    DirectoryInfo info;
    NameBatch names;
    std::vector<std::string> rawNames; // readdir() may reuse its entry
};

namespace {

constexpr qsizetype longPath = 1024;
constexpr std::size_t batchSize = 256;

} // namespace

DirectoryReader::DirectoryReader() : d(std::make_unique<Private>()) { }

DirectoryReader::~DirectoryReader()
{
    close();
}

void DirectoryReader::setSkipHidden(bool skip)
{
    d->skipHidden = skip;
}

bool DirectoryReader::open(const QString &path, DirectoryHandle handle)
{
    close();
    d->error = 0;
    const int fd = handle.isValid()
        ? int(handle.value)
        : openDirectoryPath(pathcodec::toNative(path), longPath, O_RDONLY);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0 || !(d->dir = ::fdopendir(fd))) {
        d->error = errno;
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    d->info.device = quint64(st.st_dev);
    d->info.inode = quint64(st.st_ino);
    d->info.mayRepeatAncestor = true;
    return true;
}

const DirectoryInfo &DirectoryReader::info() const
{
    return d->info;
}

FileSystemKind DirectoryReader::fileSystemKind() const
{
    return d->dir ? fileSystemKindOf(::dirfd(d->dir)) : FileSystemKind::Local;
}

bool DirectoryReader::read(std::vector<DirectoryEntry> &entries)
{
    entries.clear();
    d->names.clear();
    d->rawNames.clear();
    if (!d->dir)
        return false;
    const int fd = ::dirfd(d->dir);
    while (entries.size() < batchSize) {
        errno = 0;
        const dirent *raw = ::readdir(d->dir);
        if (!raw) {
            d->error = errno;
            break;
        }
        const char *name = raw->d_name;
        if (isDotOrDotDot(name))
            continue;
        DirectoryEntry entry;
        entry.hidden = name[0] == '.';
        if (entry.hidden && d->skipHidden)
            continue;
        struct stat st;
        if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT)
                continue; // vanished since the listing
            entry.kind = DirectoryEntry::Kind::Failed;
            entry.error = errno;
        } else if (S_ISREG(st.st_mode)) {
            setFileEntry(entry, st, qint64(st.st_mtime) * 1000);
        } else if (S_ISDIR(st.st_mode)) {
            entry.kind = DirectoryEntry::Kind::Directory;
        } else {
            continue;
        }
        entry.position = quint32(entries.size());
        const std::size_t length = std::strlen(name);
        d->names.add([name, length](QString &names) {
            pathcodec::appendNative(names, name, qsizetype(length));
        });
        d->rawNames.emplace_back(name, length);
        entries.push_back(entry);
    }
    d->names.attach(entries);
    return !entries.empty();
}

DirectoryHandle DirectoryReader::openChild(const DirectoryEntry &entry)
{
    if (!d->dir || entry.position >= d->rawNames.size())
        return {};
    const int fd = openDirectoryAt(::dirfd(d->dir), d->rawNames[entry.position].c_str(),
                                   O_RDONLY | O_NOFOLLOW);
    return fd < 0 ? DirectoryHandle() : DirectoryHandle {fd};
}

void DirectoryReader::close()
{
    if (d->dir)
        ::closedir(d->dir); // closes the descriptor too
    d->dir = nullptr;
    d->info = DirectoryInfo();
}

QString DirectoryReader::errorString() const
{
    return d->error == 0 ? QString() : errorText(d->error);
}

bool DirectoryReader::outOfDescriptors() const
{
    return d->error == EMFILE || d->error == ENFILE;
}
