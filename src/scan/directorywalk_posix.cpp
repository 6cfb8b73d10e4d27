#include "scan/directorywalk.h"

#include "scan/directoryreader.h"
#include "scan/filesystemkind.h"
#include "scan/sharedstat.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <vector>

// The POSIX walk reads directories itself instead of going through
// QDirIterator: that iterator follows symbolic links to files, leaves out
// names that are not valid UTF-8 and stats every entry. Here each directory is
// opened relative to its parent, the entry type from the directory saves a
// stat for everything but regular files, and the path of the current
// directory is kept in one buffer that each file's name is appended to. The
// files of each batch of entries are statted together, shared with a helper
// thread where there is a second core, before the entries are visited in
// their own order.

namespace {

// One open directory on the way down, with the batch of entries being
// visited and the stat results of its files.
struct Level
{
    DirectoryReader reader;
    dev_t device = 0;
    qsizetype prefixLength = 0; // where this directory's path, with its "/", ends
    std::vector<DirectoryReader::Entry> entries;
    std::vector<int> statIndex; // per entry: its place in results, or -1
    std::vector<SharedStat::Result> results;
    std::size_t position = 0; // the next entry to visit
};

// Appends a file name as Qt decodes local file names (QFile::decodeName):
// plain ASCII names, nearly all of them, are copied without decoding.
void appendName(QString &path, const char *name)
{
    qsizetype length = 0;
    bool ascii = true;
    for (; name[length] != '\0'; ++length) {
        if (static_cast<unsigned char>(name[length]) >= 0x80)
            ascii = false;
    }
    if (ascii)
        path.append(QLatin1StringView(name, length));
    else
        path.append(QString::fromLocal8Bit(name, length));
}

// Opens the level's reader on fd, unless fd is on a pseudo filesystem that
// the directory at parentDevice is not on. fd is closed whenever this
// returns false.
bool openLevel(Level &level, int fd, const dev_t *parentDevice)
{
    struct stat st;
    if (::fstat(fd, &st) != 0 ||
        ((!parentDevice || *parentDevice != st.st_dev) && isPseudoFilesystem(fd))) {
        ::close(fd);
        return false;
    }
    level.device = st.st_dev;
    level.entries.clear();
    level.position = 0;
    return level.reader.open(fd);
}

// Reads the level's next batch and stats its files (and the entries whose
// type the filesystem does not give). False at the directory's end.
bool readBatch(Level &level, SharedStat &stat, std::vector<const char *> &names)
{
    if (!level.reader.read(level.entries))
        return false;
    level.position = 0;
    names.clear();
    level.statIndex.assign(level.entries.size(), -1);
    for (std::size_t i = 0; i < level.entries.size(); ++i) {
        const DirectoryReader::Entry &entry = level.entries[i];
        if (entry.name[0] != '.' && (entry.type == DT_REG || entry.type == DT_UNKNOWN)) {
            level.statIndex[i] = int(names.size());
            names.push_back(entry.name);
        }
    }
    level.results.resize(names.size());
    stat.statAll(level.reader.fd(), names.data(), level.results.data(), int(names.size()));
    return true;
}

} // namespace

DirectoryWalk::DirectoryWalk(const QAtomicInt &stopRequested, Visitor visitor)
    : stopRequested(stopRequested), visitor(std::move(visitor))
{ }

void DirectoryWalk::walk(const QString &root)
{
    // QDir would take an empty path for the current directory.
    if (root.isEmpty())
        return;
    QString path = QDir(root).path();
    const int rootFd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (rootFd < 0)
        return;
    // The levels, one per depth, are kept and reused for the directories met
    // at their depth; `depth` of them are open.
    std::vector<std::unique_ptr<Level>> levels;
    levels.push_back(std::make_unique<Level>());
    if (!openLevel(*levels[0], rootFd, nullptr))
        return;
    std::size_t depth = 1;
    if (!path.endsWith(QLatin1Char('/')))
        path.append(QLatin1Char('/'));
    levels[0]->prefixLength = path.size();

    SharedStat stat(QThread::idealThreadCount() > 1);
    std::vector<const char *> names;
    while (depth > 0 && stopRequested.loadRelaxed() == 0) {
        Level &level = *levels[depth - 1];
        if (level.position == level.entries.size()) {
            if (!readBatch(level, stat, names)) {
                level.reader.close();
                --depth;
            }
            continue;
        }
        const std::size_t index = level.position++;
        const char *name = level.entries[index].name;
        if (name[0] == '.')
            continue; // hidden, and "." and ".."

        unsigned char type = level.entries[index].type;
        const SharedStat::Result *result = nullptr;
        if (level.statIndex[index] >= 0) {
            result = &level.results[std::size_t(level.statIndex[index])];
            if (!result->ok)
                continue;
            // Some filesystems do not fill in the type.
            if (type == DT_UNKNOWN)
                type = S_ISREG(result->mode) ? DT_REG : S_ISDIR(result->mode) ? DT_DIR : DT_UNKNOWN;
        }

        if (type == DT_REG) {
            // Every visible entry that may be a regular file was in the batch.
            Q_ASSERT(result);
            if (!S_ISREG(result->mode))
                continue;
            path.truncate(level.prefixLength);
            appendName(path, name);
            visitor(path, result->size);
        } else if (type == DT_DIR) {
            const int fd = ::openat(level.reader.fd(), name,
                                    O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (fd < 0)
                continue;
            if (levels.size() == depth)
                levels.push_back(std::make_unique<Level>());
            Level &child = *levels[depth]; // `level` stays valid: levels are held by pointer
            if (!openLevel(child, fd, &level.device))
                continue;
            path.truncate(level.prefixLength);
            appendName(path, name);
            path.append(QLatin1Char('/'));
            child.prefixLength = path.size();
            ++depth;
        }
        // Symbolic links, fifos, sockets and devices are left out.
    }
    // The levels' readers close what is still open when they are destroyed.
}
