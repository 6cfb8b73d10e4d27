#pragma once

#include <memory>

// Reads the entries of one open directory, in the order the system returns
// them: a name and its d_type (DT_UNKNOWN where the filesystem does not say).
// It owns the descriptor from open() on and closes it in close() or when it
// is destroyed. Linux reads with getdents64() into the reader's own buffer,
// which saves readdir()'s checks on every directory; other systems use
// fdopendir().
class DirectoryReader
{
public:
    DirectoryReader();
    ~DirectoryReader();
    DirectoryReader(const DirectoryReader &) = delete;
    DirectoryReader &operator=(const DirectoryReader &) = delete;

    // Takes fd, a directory opened for reading. False (fd closed) if it
    // cannot be read as a directory.
    bool open(int fd);
    // The next entry's name, or nullptr at the end or on a read error.
    const char *next(unsigned char &type);
    int fd() const { return descriptor; }
    void close();

private:
    struct Buffer;
    int descriptor = -1;
    std::unique_ptr<Buffer> buffer;
};
