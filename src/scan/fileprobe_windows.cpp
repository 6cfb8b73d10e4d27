#include "scan/fileprobe.h"

#include "scan/directoryreader_windows.h"

#include <QFile>

#include <io.h>
#include <windows.h>

// Windows tells a file's identity through a handle to it:
// GetFileInformationByHandle gives the serial number of its volume and its
// file ID, the same pair the directory listing gives the walk, so names of
// one file (hard links) are known for one file whichever way it was met.
// The path is opened for its attributes alone, never its data, so a cloud
// placeholder is not fetched; a link is opened as itself, not followed.
// NTFS keeps no extent map that tells shared blocks apart.

namespace {

// 1601-01-01 to 1970-01-01 in FILETIME's 100-nanosecond ticks.
constexpr qint64 epochOffsetTicks = 116444736000000000LL;

FileStamp failed(DWORD error)
{
    FileStamp stamp;
    // A file gone since the scan reads as it does on the other systems.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        stamp.error = QStringLiteral("No such file or directory");
    else
        stamp.error = DirectoryReader::errorText(int(error));
    return stamp;
}

FileStamp stampOfHandle(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info))
        return failed(GetLastError());
    const DWORD attributes = info.dwFileAttributes;
    bool regular = !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
    if (regular && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        FILE_ATTRIBUTE_TAG_INFO tag;
        if (!GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag))
            return failed(GetLastError());
        regular = windowslisting::reparseTagIsItself(tag.ReparseTag);
    }

    FileStamp stamp;
    stamp.valid = true;
    stamp.regular = regular;
    stamp.size = qint64((quint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    const qint64 ticks = qint64((quint64(info.ftLastWriteTime.dwHighDateTime) << 32) |
                                info.ftLastWriteTime.dwLowDateTime);
    stamp.modified = (ticks - epochOffsetTicks) * 100;
    // As in the listing: 0 and all bits set (ReFS, for an ID longer than 64
    // bits) are no identity.
    const quint64 fileId = (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    if (fileId != 0 && fileId != ~quint64(0)) {
        stamp.device = info.dwVolumeSerialNumber;
        stamp.inode = fileId;
    }
    stamp.links = info.nNumberOfLinks;
    return stamp;
}

} // namespace

FileStamp stampOfPath(const QString &path)
{
    // Backup semantics open a folder as well; sharing everything keeps the
    // probe from standing in the way of anyone writing, renaming or
    // deleting the file.
    const std::wstring native = windowslisting::extendedPath(path);
    const HANDLE handle =
        CreateFileW(native.c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return failed(GetLastError());
    const FileStamp stamp = stampOfHandle(handle);
    CloseHandle(handle);
    return stamp;
}

FileStamp stampOfFile(QFile &file)
{
    // QFile's descriptor stands for the system handle it opened.
    const intptr_t handle = _get_osfhandle(file.handle());
    if (handle == intptr_t(INVALID_HANDLE_VALUE))
        return failed(ERROR_INVALID_HANDLE);
    return stampOfHandle(reinterpret_cast<HANDLE>(handle));
}

SpaceLayout spaceLayoutOf(QFile &)
{
    return {};
}

qint64 sharedBytesOf(QFile &)
{
    return -1;
}

qint64 sharedBytesOfFile(const QString &, quint64, quint64)
{
    return -1;
}
