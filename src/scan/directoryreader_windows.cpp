#include "scan/directoryreader_windows.h"

#include "scan/namebatch.h"

#include <QDir>

// Windows lists a directory with FindFirstFileExW: each entry comes with its
// attributes, size and times, so a walk costs one listing per directory and no
// call per file. FindExInfoBasic leaves out the short 8.3 names nobody reads,
// and FIND_FIRST_EX_LARGE_FETCH has the system fill a larger buffer per call.
// Paths are passed with the \\?\ prefix, so depth is limited only by the
// system's 32,767 characters. Names are UTF-16 on both sides and are copied
// unchanged, unpaired surrogates included.
//
// Links are never followed: reparse points that stand for another name
// (symbolic links, junctions, mount points) are left out of the listing, so
// no directory can be met twice and the walk needs no check for loops. Files
// carry no identity here (a listing does not tell the file index), so every
// name counts as a file of its own.

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

bool isDotOrDotDot(const wchar_t *name)
{
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

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

bool entryFromFindData(const WIN32_FIND_DATAW &data, bool skipHidden, DirectoryEntry &entry)
{
    if (isDotOrDotDot(data.cFileName))
        return false;
    const DWORD attributes = data.dwFileAttributes;
    entry.hidden = (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
    if (entry.hidden && skipHidden)
        return false;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        // dwReserved0 holds the reparse tag when the attribute is set.
        const DWORD tag = data.dwReserved0;
        if ((tag & nameSurrogateBit) || tag == reparseTagAfUnix || tag == reparseTagLxFifo ||
            tag == reparseTagLxChr || tag == reparseTagLxBlk)
            return false;
    }
    if (attributes & FILE_ATTRIBUTE_DEVICE)
        return false;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        entry.kind = DirectoryEntry::Kind::Directory;
        return true;
    }
    entry.kind = DirectoryEntry::Kind::File;
    entry.size = qint64((quint64(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
    entry.modified = millisecondsSinceEpoch(data.ftLastWriteTime);
    entry.device = 0;
    entry.inode = 0;
    entry.links = 0;
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

void appendName(QString &names, const WIN32_FIND_DATAW &data)
{
    names.append(reinterpret_cast<const QChar *>(data.cFileName),
                 qsizetype(wcsnlen(data.cFileName, MAX_PATH)));
}

qint64 millisecondsSinceEpoch(const FILETIME &time)
{
    const qint64 ticks = qint64((quint64(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    return (ticks - epochOffsetTicks) / 10000;
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
    HANDLE find = INVALID_HANDLE_VALUE;
    // The entry FindFirstFileExW or FindNextFileW gave last, not yet read.
    WIN32_FIND_DATAW data;
    bool pending = false;
    bool skipHidden = false;
    DWORD error = ERROR_SUCCESS;
    std::wstring directory; // the open directory's extended path
    DirectoryInfo info;
    NameBatch names;
};

namespace {

constexpr std::size_t batchSize = 256;

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

} // namespace

DirectoryReader::DirectoryReader() : d(std::make_unique<Private>()) { }

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
    d->directory = windowslisting::extendedPath(path);
    std::wstring pattern = d->directory;
    if (!pattern.empty() && pattern.back() != L'\\')
        pattern += L'\\';
    pattern += L'*';
    d->find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &d->data, FindExSearchNameMatch,
                               nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (d->find == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        // A folder with no entry at all (a drive root lists no "." either).
        if (error == ERROR_FILE_NOT_FOUND) {
            pattern.pop_back();
            const DWORD attributes = GetFileAttributesW(pattern.c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES)
                error = GetLastError();
            else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
                error = ERROR_DIRECTORY;
            else
                error = ERROR_SUCCESS;
        }
        if (error != ERROR_SUCCESS) {
            d->error = error;
            return false;
        }
    } else {
        d->pending = true;
    }
    // Reparse points are never entered, so a directory cannot be its own
    // ancestor.
    d->info.mayRepeatAncestor = false;
    return true;
}

const DirectoryInfo &DirectoryReader::info() const
{
    return d->info;
}

FileSystemKind DirectoryReader::fileSystemKind() const
{
    const std::wstring &path = d->directory;
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0)
        return FileSystemKind::Network;
    // \\?\X:\...: ask about the drive X:.
    if (path.size() >= 6 && path.compare(0, 4, L"\\\\?\\") == 0 && path[5] == L':') {
        const wchar_t root[] = {path[4], L':', L'\\', L'\0'};
        if (GetDriveTypeW(root) == DRIVE_REMOTE)
            return FileSystemKind::Network;
    }
    return FileSystemKind::Local;
}

bool DirectoryReader::read(std::vector<DirectoryEntry> &entries)
{
    entries.clear();
    d->names.clear();
    while (entries.size() < batchSize && d->pending) {
        DirectoryEntry entry;
        if (windowslisting::entryFromFindData(d->data, d->skipHidden, entry)) {
            // FindFirstFileExW lists no allocation size.
            if (entry.kind == DirectoryEntry::Kind::File)
                entry.allocated = windowslisting::allocatedSize(
                    d->data.dwFileAttributes, -1,
                    [this] { return compressedSizeOf(d->directory, d->data.cFileName); });
            entry.position = quint32(entries.size());
            d->names.add([this](QString &names) { windowslisting::appendName(names, d->data); });
            entries.push_back(entry);
        }
        if (!FindNextFileW(d->find, &d->data)) {
            const DWORD error = GetLastError();
            d->pending = false;
            if (error != ERROR_NO_MORE_FILES)
                d->error = error;
        }
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
    if (d->find != INVALID_HANDLE_VALUE)
        FindClose(d->find);
    d->find = INVALID_HANDLE_VALUE;
    d->pending = false;
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
