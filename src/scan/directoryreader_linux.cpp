#include "scan/directoryreader.h"

#include <dirent.h>
#include <unistd.h>

// getdents64() fills the buffer with linux_dirent64 records, which glibc
// declares as struct dirent64: inode, offset, record length, type, name.
struct DirectoryReader::Buffer
{
    alignas(struct dirent64) char bytes[32 * 1024];
};

DirectoryReader::DirectoryReader() : buffer(std::make_unique<Buffer>()) { }

DirectoryReader::~DirectoryReader()
{
    close();
}

bool DirectoryReader::open(int fd)
{
    close();
    descriptor = fd;
    return true;
}

bool DirectoryReader::read(std::vector<Entry> &entries)
{
    entries.clear();
    if (descriptor < 0)
        return false;
    const ssize_t filled = ::getdents64(descriptor, buffer->bytes, sizeof buffer->bytes);
    for (ssize_t position = 0; position < filled;) {
        const auto *entry = reinterpret_cast<const struct dirent64 *>(buffer->bytes + position);
        entries.push_back({entry->d_name, entry->d_type});
        position += entry->d_reclen;
    }
    return filled > 0;
}

void DirectoryReader::close()
{
    if (descriptor >= 0)
        ::close(descriptor);
    descriptor = -1;
}
