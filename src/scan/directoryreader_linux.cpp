#include "scan/directoryreader.h"

#include "scan/filesystemkind.h"
#include "scan/namebatch.h"
#include "scan/pathcodec.h"
#include "scan/posixopen.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

// Linux lists with getdents64() into the reader's own buffer (no
// fdopendir(): it costs an fstat and fcntl calls per directory), stats
// regular files with fstatat() relative to the open directory, and learns
// from statx() whether a directory is the root of a mount, the only place
// where a loop can start.

struct DirectoryReader::Private
{
    int fd = -1;
    bool skipHidden = false;
    int error = 0;
    DirectoryInfo info;
    // getdents64() fills it with linux_dirent64 records, which glibc declares
    // as struct dirent64: inode, offset, record length, type, name.
    alignas(struct dirent64) char buffer[32 * 1024];
    NameBatch names;
    std::vector<const char *> rawNames; // by position in the batch
};

namespace {

// Names longer than this are opened a piece at a time.
constexpr qsizetype longPath = 2048;

qint64 milliseconds(const struct timespec &time)
{
    return qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000;
}

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
    d->fd = handle.isValid() ? int(handle.value)
                             : openDirectoryPath(pathcodec::toNative(path), longPath, O_PATH);
    if (d->fd < 0) {
        d->error = errno;
        return false;
    }
    struct statx st;
    if (::statx(d->fd, "", AT_EMPTY_PATH, STATX_INO, &st) != 0) {
        d->error = errno;
        close();
        return false;
    }
    d->info.device = makedev(st.stx_dev_major, st.stx_dev_minor);
    d->info.inode = st.stx_ino;
    d->info.mayRepeatAncestor = !(st.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) ||
        (st.stx_attributes & STATX_ATTR_MOUNT_ROOT);
    return true;
}

const DirectoryInfo &DirectoryReader::info() const
{
    return d->info;
}

FileSystemKind DirectoryReader::fileSystemKind() const
{
    return d->fd < 0 ? FileSystemKind::Local : fileSystemKindOf(d->fd);
}

bool DirectoryReader::read(std::vector<DirectoryEntry> &entries)
{
    entries.clear();
    d->names.clear();
    d->rawNames.clear();
    if (d->fd < 0)
        return false;
    while (entries.empty()) {
        const ssize_t filled = ::getdents64(d->fd, d->buffer, sizeof d->buffer);
        if (filled <= 0) {
            if (filled < 0)
                d->error = errno;
            return false;
        }
        for (ssize_t position = 0; position < filled;) {
            const auto *raw = reinterpret_cast<const struct dirent64 *>(d->buffer + position);
            position += raw->d_reclen;
            const char *name = raw->d_name;
            if (isDotOrDotDot(name))
                continue;
            DirectoryEntry entry;
            entry.hidden = name[0] == '.';
            if (entry.hidden && d->skipHidden)
                continue;
            unsigned char type = raw->d_type;
            if (type == DT_REG || type == DT_UNKNOWN) {
                struct stat st;
                if (::fstatat(d->fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
                    if (errno == ENOENT)
                        continue; // vanished since the listing
                    entry.kind = DirectoryEntry::Kind::Failed;
                    entry.error = errno;
                    type = DT_UNKNOWN;
                } else {
                    type = S_ISREG(st.st_mode) ? DT_REG : S_ISDIR(st.st_mode) ? DT_DIR : DT_UNKNOWN;
                    if (type == DT_REG)
                        setFileEntry(entry, st, milliseconds(st.st_mtim));
                }
            }
            if (type == DT_REG)
                entry.kind = DirectoryEntry::Kind::File;
            else if (type == DT_DIR)
                entry.kind = DirectoryEntry::Kind::Directory;
            else if (entry.kind != DirectoryEntry::Kind::Failed)
                continue; // links, fifos, sockets, devices
            entry.position = quint32(entries.size());
            d->names.add([name](QString &names) {
                pathcodec::appendNative(names, name, qsizetype(std::strlen(name)));
            });
            d->rawNames.push_back(name);
            entries.push_back(entry);
        }
    }
    d->names.attach(entries);
    return true;
}

DirectoryHandle DirectoryReader::openChild(const DirectoryEntry &entry)
{
    if (d->fd < 0 || entry.position >= d->rawNames.size())
        return {};
    const int fd = openDirectoryAt(d->fd, d->rawNames[entry.position], O_RDONLY | O_NOFOLLOW);
    return fd < 0 ? DirectoryHandle() : DirectoryHandle {fd};
}

void DirectoryReader::close()
{
    if (d->fd >= 0)
        ::close(d->fd);
    d->fd = -1;
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
