#pragma once

#include <memory>
#include <vector>

// Reads the entries of one open directory, in the order the system returns
// them, a batch at a time: each entry a name and its d_type (DT_UNKNOWN where
// the filesystem does not say). It owns the descriptor from open() on and
// closes it in close() or when it is destroyed. Linux reads with getdents64()
// into the reader's own buffer, which saves readdir()'s checks on every
// directory; other systems use fdopendir().
class DirectoryReader
{
public:
    struct Entry
    {
        const char *name;
        unsigned char type;
    };

    DirectoryReader();
    ~DirectoryReader();
    DirectoryReader(const DirectoryReader &) = delete;
    DirectoryReader &operator=(const DirectoryReader &) = delete;

    // Takes fd, a directory opened for reading. False (fd closed) if it
    // cannot be read as a directory.
    bool open(int fd);
    // Replaces entries with the next batch. The names stay valid until the
    // next call or close(). False at the end or on a read error.
    bool read(std::vector<Entry> &entries);
    int fd() const { return descriptor; }
    void close();

private:
    struct Buffer;
    int descriptor = -1;
    std::unique_ptr<Buffer> buffer;
};
