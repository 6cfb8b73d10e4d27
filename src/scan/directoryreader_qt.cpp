#include "scan/directoryreader.h"

#include "scan/namebatch.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <optional>

// The reader for systems without one of their own, on Qt's iterator over one
// directory at a time. Links, junctions and shortcuts are left out, so
// nothing is followed; files have no identity here, so each name counts as a
// file of its own. Qt gives no system message, so a failure is described
// from what QFileInfo can tell.

void releaseDirectoryHandle(DirectoryHandle) { }

struct DirectoryReader::Private
{
    bool skipHidden = false;
    QString error;
    DirectoryInfo info;
    std::optional<QDirIterator> iterator;
    NameBatch names;
};

namespace {
constexpr std::size_t batchSize = 256;
}

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
    const QFileInfo info(path);
    d->error = !info.exists() ? QStringLiteral("No such file or directory")
        : !info.isDir()       ? QStringLiteral("Not a directory")
        : !info.isReadable()  ? QStringLiteral("Permission denied")
                              : QString();
    if (!d->error.isEmpty())
        return false;
    d->info.mayRepeatAncestor = false;
    QDir::Filters filters = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;
    if (!d->skipHidden)
        filters |= QDir::Hidden;
    d->iterator.emplace(path, filters);
    return true;
}

const DirectoryInfo &DirectoryReader::info() const
{
    return d->info;
}

FileSystemKind DirectoryReader::fileSystemKind() const
{
    return FileSystemKind::Local;
}

bool DirectoryReader::read(std::vector<DirectoryEntry> &entries)
{
    entries.clear();
    d->names.clear();
    if (!d->iterator)
        return false;
    while (entries.size() < batchSize && d->iterator->hasNext()) {
        d->iterator->next();
        const QFileInfo info = d->iterator->fileInfo();
        if (info.isSymbolicLink() || info.isJunction() || info.isShortcut())
            continue;
        DirectoryEntry entry;
        entry.hidden = info.isHidden();
        if (info.isDir()) {
            entry.kind = DirectoryEntry::Kind::Directory;
        } else if (info.isFile()) {
            entry.kind = DirectoryEntry::Kind::File;
            entry.size = info.size();
            entry.modified = info.lastModified().toMSecsSinceEpoch();
            entry.links = 1;
        } else {
            continue;
        }
        entry.position = quint32(entries.size());
        d->names.add([&info](QString &names) { names += info.fileName(); });
        entries.push_back(entry);
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
    d->iterator.reset();
    d->info = DirectoryInfo();
}

QString DirectoryReader::errorString() const
{
    return d->error;
}
