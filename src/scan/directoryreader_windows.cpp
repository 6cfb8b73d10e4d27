#include "scan/directoryreader_windows.h"

#include "scan/namebatch.h"

#include <QDir>

// Windows lists a directory through a handle to it: GetFileInformationByHandleEx
// with FileIdBothDirectoryInfo fills a buffer with many entries per call, each
// with its attributes, size, times and file ID, so a walk costs one open and a
// few calls per directory and no call per file. Paths are passed in the
// \\?\ form, so depth is limited only by the system's 32,767 characters. Names
// are UTF-16 on both sides and are copied unchanged, unpaired surrogates
// included.
//
// Links are never followed: reparse points that stand for another name
// (symbolic links, junctions, mount points) are left out of the listing. That
// is not enough to rule out loops: a share whose server follows its own links
// presents them as plain folders. So every directory and file carries its
// identity, the volume serial number and the file ID, and the walk skips a
// folder that is one of its own ancestors and ranks a file with several names
// once, as on POSIX systems.

namespace windowslisting {

namespace {

// The reparse tags the Linux subsystem gives its sockets, fifos and devices;
// older SDK headers lack them.
constexpr DWORD reparseTagAfUnix = 0x80000023;
constexpr DWORD reparseTagLxFifo = 0x80000024;
constexpr DWORD reparseTagLxChr = 0x80000025;
constexpr DWORD reparseTagLxBlk = 0x80000026;
// Set in every tag whose reparse point names another file or folder
// (IsReparseTagNameSurrogate): symbolic links, junctions, mount points, the
// Linux subsystem's links.
constexpr DWORD nameSurrogateBit = 0x20000000;

// Cloud files whose data is fetched when opened or read (OneDrive, iCloud
// and other cloud file providers); spelled out for older SDK headers.
constexpr DWORD recallOnOpen = 0x00040000; // FILE_ATTRIBUTE_RECALL_ON_OPEN
constexpr DWORD recallOnDataAccess = 0x00400000; // FILE_ATTRIBUTE_RECALL_ON_DATA_ACCESS

// 1601-01-01 to 1970-01-01 in FILETIME's 100-nanosecond ticks.
constexpr qint64 epochOffsetTicks = 116444736000000000LL;

bool isSlash(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

std::wstring toWString(const QString &text)
{
    return std::wstring(reinterpret_cast<const wchar_t *>(text.utf16()), size_t(text.size()));
}

} // namespace

std::wstring extendedPath(const QString &path)
{
    QString native = path;
    native.replace(QLatin1Char('/'), QLatin1Char('\\'));
    // Already in the extended form, or a device path (\\.\): as it is.
    if (native.startsWith(QLatin1String("\\\\?\\")) || native.startsWith(QLatin1String("\\\\.\\")))
        return toWString(native);
    // A drive and an absolute path: C:\dir.
    if (native.size() >= 3 && native.at(0).isLetter() && native.at(0).unicode() < 128 &&
        native.at(1) == QLatin1Char(':') && isSlash(native.at(2)))
        return L"\\\\?\\" + toWString(native);
    // A network path: \\server\share\dir.
    if (native.size() > 2 && isSlash(native.at(0)) && isSlash(native.at(1)))
        return L"\\\\?\\UNC\\" + toWString(native.mid(2));
    // Relative to the current directory or drive: the system resolves it
    // first, as it would for the short form.
    const std::wstring relative = toWString(native);
    const DWORD needed = GetFullPathNameW(relative.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return relative;
    std::wstring absolute(needed, L'\0');
    const DWORD written = GetFullPathNameW(relative.c_str(), needed, absolute.data(), nullptr);
    if (written == 0 || written >= needed)
        return relative;
    absolute.resize(written);
    return extendedPath(QString::fromWCharArray(absolute.data(), qsizetype(absolute.size())));
}

bool reparseTagIsItself(DWORD tag)
{
    return !(tag & nameSurrogateBit) && tag != reparseTagAfUnix && tag != reparseTagLxFifo &&
        tag != reparseTagLxChr && tag != reparseTagLxBlk;
}

bool entryFromListing(const FILE_ID_BOTH_DIR_INFO &record, quint64 volumeSerial, bool skipHidden,
                      DirectoryEntry &entry)
{
    const wchar_t *const name = record.FileName;
    const DWORD nameLength = record.FileNameLength / sizeof(wchar_t);
    if ((nameLength == 1 && name[0] == L'.') ||
        (nameLength == 2 && name[0] == L'.' && name[1] == L'.'))
        return false;
    const DWORD attributes = record.FileAttributes;
    entry.hidden = (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
    if (entry.hidden && skipHidden)
        return false;
    // EaSize holds the reparse tag when the attribute is set.
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) && !reparseTagIsItself(record.EaSize))
        return false;
    if (attributes & FILE_ATTRIBUTE_DEVICE)
        return false;
    // ReFS gives -1 for an ID that needs more than 64 bits: no identity then.
    const quint64 fileId = quint64(record.FileId.QuadPart);
    const bool known = fileId != 0 && fileId != ~quint64(0);
    entry.device = known ? volumeSerial : 0;
    entry.inode = known ? fileId : 0;
    entry.links = 0;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        entry.kind = DirectoryEntry::Kind::Directory;
        return true;
    }
    entry.kind = DirectoryEntry::Kind::File;
    entry.size = record.EndOfFile.QuadPart;
    entry.modified = millisecondsSinceEpoch(record.LastWriteTime.QuadPart);
    return true;
}

qint64 allocatedSize(DWORD attributes, qint64 listedAllocation,
                     const std::function<qint64()> &compressedSize)
{
    if (attributes & (recallOnDataAccess | recallOnOpen | FILE_ATTRIBUTE_OFFLINE))
        return 0;
    if (attributes & (FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_SPARSE_FILE)) {
        const qint64 asked = compressedSize ? compressedSize() : -1;
        return asked >= 0 ? asked : listedAllocation;
    }
    return listedAllocation;
}

void appendName(QString &names, const FILE_ID_BOTH_DIR_INFO &record)
{
    names.append(reinterpret_cast<const QChar *>(record.FileName),
                 qsizetype(record.FileNameLength / sizeof(wchar_t)));
}

qint64 millisecondsSinceEpoch(qint64 ticks)
{
    return (ticks - epochOffsetTicks) / 10000;
}

qint64 millisecondsSinceEpoch(const FILETIME &time)
{
    return millisecondsSinceEpoch(
        qint64((quint64(time.dwHighDateTime) << 32) | time.dwLowDateTime));
}

std::wstring driveRootOf(const std::wstring &path)
{
    if (path.size() >= 6 && path.compare(0, 4, L"\\\\?\\") == 0 && path[5] == L':' &&
        path.compare(0, 8, L"\\\\?\\UNC\\") != 0)
        return std::wstring {path[4], L':', L'\\'};
    return std::wstring();
}

FileSystemKind kindOfDriveType(UINT type)
{
    return type == DRIVE_REMOTE ? FileSystemKind::Network : FileSystemKind::Local;
}

namespace {

DriveTypeQuery &driveTypeQuery()
{
    static DriveTypeQuery query;
    return query;
}

} // namespace

void setDriveTypeQueryForTests(DriveTypeQuery query)
{
    driveTypeQuery() = std::move(query);
}

UINT driveType(const wchar_t *root)
{
    const DriveTypeQuery &query = driveTypeQuery();
    return query ? query(root) : GetDriveTypeW(root);
}

} // namespace windowslisting

void releaseDirectoryHandle(DirectoryHandle) { }

// Handles have no per-process limit that a walk could meet.
int availableDescriptors()
{
    return -1;
}

struct DirectoryReader::Private
{
    HANDLE directory = INVALID_HANDLE_VALUE;
    std::wstring path; // the open directory's extended path
    bool skipHidden = false;
    DWORD error = ERROR_SUCCESS;
    DirectoryInfo info;
    NameBatch names;
    // The listing as the system hands it over, many records per call; 8-byte
    // aligned as the records are.
    std::unique_ptr<LONGLONG[]> buffer;
    DWORD next = 0; // offset of the next unread record
    bool buffered = false; // records left in the buffer
    bool restart = true; // the first call of a listing
    bool more = false; // the system may have further records
};

namespace {

constexpr std::size_t batchSize = 256;
constexpr DWORD bufferBytes = 64 * 1024;

qint64 compressedSizeOf(const std::wstring &directory, const wchar_t *name)
{
    std::wstring path = directory;
    if (!path.empty() && path.back() != L'\\')
        path += L'\\';
    path += name;
    DWORD high = 0;
    const DWORD low = GetCompressedFileSizeW(path.c_str(), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
        return -1;
    return qint64((quint64(high) << 32) | low);
}

QString systemMessage(DWORD error)
{
    wchar_t *buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    // "Access is denied." reads as the other systems' messages do: no full stop.
    QString message = QString::fromWCharArray(buffer, qsizetype(length)).trimmed();
    LocalFree(buffer);
    if (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    if (message.isEmpty())
        message = QStringLiteral("System error %1").arg(error);
    return message;
}

// An empty card reader or CD drive would otherwise make the system ask the
// user to insert a disk, in a dialog, whenever the walk or the drive list
// touches it: the call then fails with "The device is not ready" instead.
// Set once as the process starts, for both programs.
const UINT criticalErrorsQuiet = SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS);

} // namespace

DirectoryReader::DirectoryReader() : d(std::make_unique<Private>())
{
    Q_UNUSED(criticalErrorsQuiet);
}

DirectoryReader::~DirectoryReader()
{
    close();
}

void DirectoryReader::setSkipHidden(bool skip)
{
    d->skipHidden = skip;
}

bool DirectoryReader::open(const QString &path, DirectoryHandle)
{
    close();
    d->error = ERROR_SUCCESS;
    d->path = windowslisting::extendedPath(path);
    // Backup semantics open a directory; sharing everything lets others
    // rename and delete beside the walk.
    d->directory = CreateFileW(d->path.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (d->directory == INVALID_HANDLE_VALUE) {
        d->error = GetLastError();
        return false;
    }
    // The folder's own identity: the serial number of its volume and its
    // file ID, one call for both.
    BY_HANDLE_FILE_INFORMATION self;
    if (!GetFileInformationByHandle(d->directory, &self)) {
        d->error = GetLastError();
        close();
        return false;
    }
    if (!(self.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        d->error = ERROR_DIRECTORY;
        close();
        return false;
    }
    d->info.device = self.dwVolumeSerialNumber;
    d->info.inode = (quint64(self.nFileIndexHigh) << 32) | self.nFileIndexLow;
    d->info.mayRepeatAncestor = true;
    if (!d->buffer)
        d->buffer.reset(new LONGLONG[bufferBytes / sizeof(LONGLONG)]);
    d->restart = true;
    d->more = true;
    d->buffered = false;
    return true;
}

const DirectoryInfo &DirectoryReader::info() const
{
    return d->info;
}

FileSystemKind DirectoryReader::fileSystemKind() const
{
    if (d->path.compare(0, 8, L"\\\\?\\UNC\\") == 0)
        return FileSystemKind::Network;
    const std::wstring root = windowslisting::driveRootOf(d->path);
    if (root.empty())
        return FileSystemKind::Local;
    return windowslisting::kindOfDriveType(windowslisting::driveType(root.c_str()));
}

bool DirectoryReader::read(std::vector<DirectoryEntry> &entries)
{
    entries.clear();
    d->names.clear();
    const char *const bytes = reinterpret_cast<const char *>(d->buffer.get());
    while (entries.size() < batchSize) {
        if (!d->buffered) {
            if (!d->more)
                break;
            const FILE_INFO_BY_HANDLE_CLASS kind =
                d->restart ? FileIdBothDirectoryRestartInfo : FileIdBothDirectoryInfo;
            d->restart = false;
            if (!GetFileInformationByHandleEx(d->directory, kind, d->buffer.get(), bufferBytes)) {
                const DWORD error = GetLastError();
                d->more = false;
                if (error != ERROR_NO_MORE_FILES)
                    d->error = error;
                break;
            }
            d->buffered = true;
            d->next = 0;
        }
        const auto &record = *reinterpret_cast<const FILE_ID_BOTH_DIR_INFO *>(bytes + d->next);
        DirectoryEntry entry;
        if (windowslisting::entryFromListing(record, d->info.device, d->skipHidden, entry)) {
            if (entry.kind == DirectoryEntry::Kind::File) {
                entry.allocated = windowslisting::allocatedSize(
                    record.FileAttributes, qint64(record.AllocationSize.QuadPart), [this, &record] {
                        const std::wstring name(record.FileName,
                                                record.FileNameLength / sizeof(wchar_t));
                        return compressedSizeOf(d->path, name.c_str());
                    });
            }
            entry.position = quint32(entries.size());
            d->names.add([&record](QString &names) { windowslisting::appendName(names, record); });
            entries.push_back(entry);
        }
        if (record.NextEntryOffset == 0 || d->next + record.NextEntryOffset >= bufferBytes)
            d->buffered = false;
        else
            d->next += record.NextEntryOffset;
    }
    d->names.attach(entries);
    return !entries.empty();
}

DirectoryHandle DirectoryReader::openChild(const DirectoryEntry &)
{
    return {};
}

void DirectoryReader::close()
{
    if (d->directory != INVALID_HANDLE_VALUE)
        CloseHandle(d->directory);
    d->directory = INVALID_HANDLE_VALUE;
    d->buffered = false;
    d->more = false;
    d->info = DirectoryInfo();
}

QString DirectoryReader::errorString() const
{
    return d->error == ERROR_SUCCESS ? QString() : systemMessage(d->error);
}

bool DirectoryReader::outOfDescriptors() const
{
    return false;
}

QString DirectoryReader::errorText(int code)
{
    return systemMessage(DWORD(code));
}
