#include "scan/directoryreader.h"

#include <dirent.h>
#include <unistd.h>

#include <cstring>

// readdir() may reuse its entry on the next call, so a batch's names are
// copied into the reader's own storage.
struct DirectoryReader::Buffer
{
    DIR *dir = nullptr;
    std::vector<char> names;
    std::vector<std::size_t> offsets;
};

namespace {
constexpr std::size_t batchSize = 256;
}

DirectoryReader::DirectoryReader() : buffer(std::make_unique<Buffer>()) { }

DirectoryReader::~DirectoryReader()
{
    close();
}

bool DirectoryReader::open(int fd)
{
    close();
    buffer->dir = ::fdopendir(fd);
    if (!buffer->dir) {
        ::close(fd);
        return false;
    }
    descriptor = fd;
    return true;
}

bool DirectoryReader::read(std::vector<Entry> &entries)
{
    entries.clear();
    if (!buffer->dir)
        return false;
    buffer->names.clear();
    buffer->offsets.clear();
    while (entries.size() < batchSize) {
        const dirent *entry = ::readdir(buffer->dir);
        if (!entry)
            break;
        buffer->offsets.push_back(buffer->names.size());
        buffer->names.insert(buffer->names.end(), entry->d_name,
                             entry->d_name + std::strlen(entry->d_name) + 1);
        entries.push_back({nullptr, entry->d_type});
    }
    // The storage has stopped growing: point the names into it.
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i].name = buffer->names.data() + buffer->offsets[i];
    return !entries.empty();
}

void DirectoryReader::close()
{
    if (buffer->dir)
        ::closedir(buffer->dir); // closes the descriptor too
    buffer->dir = nullptr;
    descriptor = -1;
}
