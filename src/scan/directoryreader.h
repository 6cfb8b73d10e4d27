#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <memory>
#include <vector>

// The platform's side of the directory walk: lists one directory at a time,
// with what the system tells about each entry. The walk itself (which
// directories are entered, in how many threads, what is reported) is the
// same on every system and lives in DirectoryWalk; each system has one
// implementation of this interface, chosen by CMake:
//   directoryreader_linux.cpp    getdents64() into the reader's buffer, fstatat()
//   directoryreader_posix.cpp    readdir(), fstatat()
//   directoryreader_windows.cpp  GetFileInformationByHandleEx() listings
//
// Paths are absolute and clean, in the program's form: "/" as separator on
// every system, undecodable bytes of a Unix name as pathcodec gives them. A
// reader turns them into the system's form itself (pathcodec::toNative, the
// \\?\ prefix on Windows).

// A directory opened ahead of its listing, or nothing. Where a reader can
// open a subdirectory relative to the one it lists (openat()), the walk asks
// it to, while it holds only a few of them at a time: deep trees then need
// no long paths. A reader that lists by path leaves it invalid.
struct DirectoryHandle
{
    qintptr value = -1;
    bool isValid() const { return value != -1; }
};

// Releases a handle that will never be listed (the walk was stopped).
void releaseDirectoryHandle(DirectoryHandle handle);

// How many more descriptors this process may open before the system refuses
// (the soft limit on open files less those open now), or -1 where the
// system sets no such limit. The walk sizes its pool and the directories it
// opens ahead by it.
int availableDescriptors();

// The file system a directory lies on, as far as the walk cares.
enum class FileSystemKind {
    // Holds files on a disk or in memory (tmpfs included).
    Local,
    // Network file systems: NFS, SMB/CIFS, sshfs and other FUSE network
    // mounts, network drives.
    Network,
    // Kernel tables and control files (/proc, sysfs, devtmpfs, cgroups...):
    // they take no disk space, and /proc/kcore alone claims about 128 TiB.
    // Never entered.
    Pseudo,
};

// What the system says about the directory a reader has opened.
struct DirectoryInfo
{
    // Identity: st_dev and st_ino on POSIX. Zero when the system does not
    // tell (then the walk cannot recognise a loop and relies on
    // mayRepeatAncestor being false).
    quint64 device = 0;
    quint64 inode = 0;
    // False when the system guarantees this directory is none of its own
    // ancestors: on Linux, a directory that is not the root of a mount (only
    // a bind mount can make a loop). The walk then skips the ancestor check.
    bool mayRepeatAncestor = true;
};

// One entry of a listing. "." and ".." are never listed.
struct DirectoryEntry
{
    enum class Kind : quint8 {
        // A regular file: size, modified, device, inode and links are filled.
        File,
        // A directory that may be entered: never a symbolic link, junction or
        // other reparse point.
        Directory,
        // Anything else: symbolic links, reparse points, fifos, sockets,
        // devices, and entries that vanished since the listing. The walk
        // neither reports nor follows them; a reader may leave them out.
        Other,
        // An entry the system could not examine for another reason (EACCES
        // in a folder that may be read but not searched, EIO): error holds
        // the system's code, and the walk reports it as it reports a folder
        // that cannot be listed.
        Failed,
    };

    // The entry's name, decoded (pathcodec::fromNative on Unix, UTF-16 as
    // it is on Windows). Valid until the reader's next read() or close().
    QStringView name;
    Kind kind = Kind::Other;
    // A name starting with "." on Unix; the hidden attribute on Windows.
    bool hidden = false;
    // Size in bytes (File only).
    qint64 size = 0;
    // Bytes allocated on disk, from the same call that gave the size (File
    // only); -1 where the system does not tell.
    qint64 allocated = -1;
    // Last modification, milliseconds since 1970-01-01 UTC (File only).
    qint64 modified = 0;
    // Identity (File only): zero when the system does not tell; then the
    // walk takes the file as having no other names.
    quint64 device = 0;
    quint64 inode = 0;
    // Number of names of the file (File only): 1 when it has no other name,
    // 0 when the system does not tell (a Windows listing gives file IDs but
    // no link counts); a file with an identity may then have other names.
    quint32 links = 0;
    // The entry's place in its batch, for the reader's own use (openChild).
    quint32 position = 0;
    // Failed only: errno on POSIX, the Win32 error code on Windows.
    int error = 0;
};

// Lists directories, one at a time. Each walk thread owns one reader, and
// with it the one listing buffer it uses for every directory; a reader is
// used by one thread only.
class DirectoryReader
{
public:
    DirectoryReader();
    ~DirectoryReader();
    DirectoryReader(const DirectoryReader &) = delete;
    DirectoryReader &operator=(const DirectoryReader &) = delete;

    // Hidden entries are not listed at all (and so cost no stat).
    void setSkipHidden(bool skip);

    // Opens the directory at path for listing, through handle when it is
    // valid (the reader takes it over, also on failure), else by its path,
    // however long. False when it cannot be opened or is not a directory;
    // errorString() then says why.
    bool open(const QString &path, DirectoryHandle handle = {});
    // The directory opened last.
    const DirectoryInfo &info() const;
    // The kind of file system the open directory lies on. The walk asks only
    // for roots and where the device changes, so it may cost a system call.
    FileSystemKind fileSystemKind() const;

    // Replaces entries with the next batch of the open directory's listing.
    // False at its end, or when the listing fails part way (errorString()
    // then says why; the entries read before stay reported).
    bool read(std::vector<DirectoryEntry> &entries);
    // Opens the subdirectory entry (of the batch just read) ahead of its
    // listing, or gives an invalid handle: the reader lists by path, or the
    // open failed (then open() by path fails again and says why).
    DirectoryHandle openChild(const DirectoryEntry &entry);
    // Ends the listing and releases the directory; open() does it too.
    void close();

    // The system's message for the last failure of open() or read(), such
    // as "Permission denied"; empty when the last call succeeded.
    QString errorString() const;
    // True when the last open() failed only because the process or the
    // system had no descriptor left: worth trying again once one is free.
    bool outOfDescriptors() const;
    // The system's message for an error code (DirectoryEntry::error).
    static QString errorText(int code);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
