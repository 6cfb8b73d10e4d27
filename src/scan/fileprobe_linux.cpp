#include "scan/fileprobe.h"

#include "scan/pathcodec.h"

#include <QFile>

#include <linux/fiemap.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

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

SpaceLayout spaceLayoutOf(QFile &file)
{
    constexpr unsigned batch = 64;
    // The request and the extents it returns, in one buffer.
    alignas(
        struct fiemap) char storage[sizeof(struct fiemap) + batch * sizeof(struct fiemap_extent)];
    auto *request = reinterpret_cast<struct fiemap *>(storage);
    // Extents whose place is not final or not a block of its own say nothing
    // about sharing.
    constexpr quint32 unplaced = FIEMAP_EXTENT_UNKNOWN | FIEMAP_EXTENT_DELALLOC |
        FIEMAP_EXTENT_DATA_INLINE | FIEMAP_EXTENT_DATA_TAIL | FIEMAP_EXTENT_NOT_ALIGNED;

    XXH3_state_t state;
    XXH3_128bits_reset(&state);
    quint64 start = 0;
    quint64 seen = 0;
    bool last = false;
    while (!last) {
        std::memset(storage, 0, sizeof storage);
        request->fm_start = start;
        request->fm_length = FIEMAP_MAX_OFFSET - start;
        request->fm_extent_count = batch;
        if (::ioctl(file.handle(), FS_IOC_FIEMAP, request) != 0)
            return {};
        const quint32 mapped = request->fm_mapped_extents;
        if (mapped == 0)
            break;
        quint64 places[batch * 3];
        for (quint32 i = 0; i < mapped; ++i) {
            const struct fiemap_extent &extent = request->fm_extents[i];
            if (!(extent.fe_flags & FIEMAP_EXTENT_SHARED) || (extent.fe_flags & unplaced))
                return {};
            places[3 * i] = extent.fe_logical;
            places[3 * i + 1] = extent.fe_physical;
            places[3 * i + 2] = extent.fe_length;
            last = extent.fe_flags & FIEMAP_EXTENT_LAST;
        }
        XXH3_128bits_update(&state, places, mapped * 3 * sizeof(quint64));
        const struct fiemap_extent &end = request->fm_extents[mapped - 1];
        start = end.fe_logical + end.fe_length;
        seen += mapped;
        if (seen > mostExtents)
            return {};
    }
    if (seen == 0)
        return {};
    const XXH128_hash_t digest = XXH3_128bits_digest(&state);
    SpaceLayout layout;
    layout.shared = true;
    layout.placement = QByteArray(reinterpret_cast<const char *>(&digest), sizeof digest);
    return layout;
}
