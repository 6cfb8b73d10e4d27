#include "scan/fileprobe.h"

#include "scan/pathcodec.h"
#include "scan/sizetext.h"

#include <QFile>

#include <fcntl.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iterator>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace {

FileStamp stampOfStat(const struct stat &st)
{
    FileStamp stamp;
    stamp.valid = true;
    stamp.regular = S_ISREG(st.st_mode);
    stamp.size = st.st_size;
    stamp.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.device = quint64(st.st_dev);
    stamp.inode = quint64(st.st_ino);
    stamp.links = quint32(qMin<quint64>(st.st_nlink, UINT32_MAX));
    return stamp;
}

FileStamp failed()
{
    FileStamp stamp;
    stamp.error = qt_error_string(errno);
    return stamp;
}

// Past this many extents the map is not read on: such a file is taken for
// one with space of its own.
constexpr quint64 mostExtents = 1 << 20;

} // namespace

FileStamp stampOfPath(const QString &path)
{
    struct stat st;
    if (::lstat(pathcodec::toNative(path).constData(), &st) != 0)
        return failed();
    return stampOfStat(st);
}

FileStamp stampOfFile(QFile &file)
{
    struct stat st;
    if (::fstat(file.handle(), &st) != 0)
        return failed();
    return stampOfStat(st);
}

namespace {

// Reads the extent map of an open file with FIEMAP, handing each extent to
// visit until it returns false. False when the system gives no map or the
// map is longer than mostExtents; true when the map was read to its end or
// visit stopped it.
template<typename Visit> bool readExtents(int fd, Visit visit)
{
    constexpr unsigned batch = 64;
    // The request and the extents it returns, in one buffer.
    alignas(
        struct fiemap) char storage[sizeof(struct fiemap) + batch * sizeof(struct fiemap_extent)];
    auto *request = reinterpret_cast<struct fiemap *>(storage);
    quint64 start = 0;
    quint64 seen = 0;
    for (;;) {
        std::memset(storage, 0, sizeof storage);
        request->fm_start = start;
        request->fm_length = FIEMAP_MAX_OFFSET - start;
        request->fm_extent_count = batch;
        if (::ioctl(fd, FS_IOC_FIEMAP, request) != 0)
            return false;
        const quint32 mapped = request->fm_mapped_extents;
        if (mapped == 0)
            return true;
        bool last = false;
        for (quint32 i = 0; i < mapped; ++i) {
            const struct fiemap_extent &extent = request->fm_extents[i];
            if (!visit(extent))
                return true;
            last = extent.fe_flags & FIEMAP_EXTENT_LAST;
        }
        if (last)
            return true;
        const struct fiemap_extent &end = request->fm_extents[mapped - 1];
        start = end.fe_logical + end.fe_length;
        seen += mapped;
        if (seen > mostExtents)
            return false;
    }
}

} // namespace

SpaceLayout spaceLayoutOf(QFile &file)
{
    // Extents whose place is not final or not a block of its own say nothing
    // about sharing.
    constexpr quint32 unplaced = FIEMAP_EXTENT_UNKNOWN | FIEMAP_EXTENT_DELALLOC |
        FIEMAP_EXTENT_DATA_INLINE | FIEMAP_EXTENT_DATA_TAIL | FIEMAP_EXTENT_NOT_ALIGNED;

    XXH3_state_t state;
    XXH3_128bits_reset(&state);
    bool allShared = true;
    quint64 seen = 0;
    // Hashed a batch at a time.
    quint64 places[64 * 3];
    size_t held = 0;
    const bool read = readExtents(file.handle(), [&](const struct fiemap_extent &extent) {
        if (!(extent.fe_flags & FIEMAP_EXTENT_SHARED) || (extent.fe_flags & unplaced)) {
            allShared = false;
            return false;
        }
        places[held++] = extent.fe_logical;
        places[held++] = extent.fe_physical;
        places[held++] = extent.fe_length;
        if (held == std::size(places)) {
            XXH3_128bits_update(&state, places, sizeof places);
            held = 0;
        }
        ++seen;
        return true;
    });
    if (!read || !allShared || seen == 0)
        return {};
    XXH3_128bits_update(&state, places, held * sizeof(quint64));
    const XXH128_hash_t digest = XXH3_128bits_digest(&state);
    SpaceLayout layout;
    layout.shared = true;
    layout.placement = QByteArray(reinterpret_cast<const char *>(&digest), sizeof digest);
    return layout;
}

qint64 sharedBytesOf(QFile &file)
{
    qint64 shared = 0;
    const bool read = readExtents(file.handle(), [&](const struct fiemap_extent &extent) {
        if (extent.fe_flags & FIEMAP_EXTENT_SHARED)
            shared = saturatedSum(shared, qint64(qMin<quint64>(extent.fe_length, INT64_MAX)));
        return true;
    });
    return read ? shared : -1;
}

qint64 sharedBytesOfFile(const QString &path, quint64 device, quint64 inode)
{
    // O_NONBLOCK: a fifo put at the path since the walk must not hold us.
    const int fd = ::open(pathcodec::toNative(path).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st;
    qint64 shared = -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && quint64(st.st_dev) == device &&
        quint64(st.st_ino) == inode) {
        shared = 0;
        const bool read = readExtents(fd, [&](const struct fiemap_extent &extent) {
            if (extent.fe_flags & FIEMAP_EXTENT_SHARED)
                shared = saturatedSum(shared, qint64(qMin<quint64>(extent.fe_length, INT64_MAX)));
            return true;
        });
        if (!read)
            shared = -1;
    }
    ::close(fd);
    return shared;
}
