#include "scan/directoryreader.h"

#include <dirent.h>
#include <unistd.h>

struct DirectoryReader::Buffer
{
    DIR *dir = nullptr;
};

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

const char *DirectoryReader::next(unsigned char &type)
{
    const dirent *entry = buffer->dir ? ::readdir(buffer->dir) : nullptr;
    if (!entry)
        return nullptr;
    type = entry->d_type;
    return entry->d_name;
}

void DirectoryReader::close()
{
    if (buffer->dir)
        ::closedir(buffer->dir); // closes the descriptor too
    buffer->dir = nullptr;
    descriptor = -1;
}
