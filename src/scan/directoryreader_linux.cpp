#include "scan/directoryreader.h"

#include <dirent.h>
#include <unistd.h>

#include <cstddef>

// getdents64() fills the buffer with linux_dirent64 records, which glibc
// declares as struct dirent64: inode, offset, record length, type, name.
struct DirectoryReader::Buffer
{
    alignas(struct dirent64) char bytes[32 * 1024];
    ssize_t filled = 0;
    ssize_t position = 0;
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
    buffer->filled = 0;
    buffer->position = 0;
    return true;
}

const char *DirectoryReader::next(unsigned char &type)
{
    if (buffer->position >= buffer->filled) {
        if (descriptor < 0)
            return nullptr;
        buffer->filled = ::getdents64(descriptor, buffer->bytes, sizeof buffer->bytes);
        buffer->position = 0;
        if (buffer->filled <= 0)
            return nullptr;
    }
    const auto *entry = reinterpret_cast<const struct dirent64 *>(buffer->bytes + buffer->position);
    buffer->position += entry->d_reclen;
    type = entry->d_type;
    return entry->d_name;
}

void DirectoryReader::close()
{
    if (descriptor >= 0)
        ::close(descriptor);
    descriptor = -1;
}
