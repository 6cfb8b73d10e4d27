// The freedesktop trash on Linux. The file is reached from "/" one folder at a
// time without following a symbolic link, checked against what the scan
// recorded, and then renamed into the trash relative to the folder that was
// checked, so nothing swapped in on the way between the check and the move
// can be trashed in its place. The trash folder is chosen and checked as the
// freedesktop trash rules and GLib's implementation of them do.

#include "platform/platform.h"

#include "platform/commands.h"
#include "scan/mountinfo.h"
#include "scan/pathcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString shown(const QByteArray &path)
{
    return pathcodec::displayText(pathcodec::fromNative(path));
}

// A descriptor closed when it goes out of scope.
class Descriptor
{
    Q_DISABLE_COPY(Descriptor)

public:
    explicit Descriptor(int fd = -1) : fd(fd) { }
    ~Descriptor() { reset(); }
    void reset(int other = -1)
    {
        if (fd >= 0)
            ::close(fd);
        fd = other;
    }
    int release()
    {
        const int taken = fd;
        fd = -1;
        return taken;
    }
    int fd;
};

qint64 modifiedMs(const struct stat &st)
{
    return qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
}

// The file as checked: the folder that holds it, open, and what is known of
// where it lies.
struct Checked
{
    TrashOutcome outcome {TrashResult::Trashed, QString()};
    Descriptor parent;
    QByteArray name;
    QByteArray path; // without empty and "." names
    struct stat file = {};
    // The top folder of the file's file system (where its mount begins) and
    // its path.
    Descriptor top;
    QByteArray topPath;
};

// Whether st is still the file the scan found.
TrashOutcome compare(const struct stat &st, const FoundFile &file, const QDateTime &scanStarted)
{
    if (!S_ISREG(st.st_mode))
        return {TrashResult::Changed,
                QCoreApplication::translate("Platform", "it is no longer a regular file")};
    const bool identityKnown = file.device != 0 || file.inode != 0;
    if (identityKnown && (quint64(st.st_dev) != file.device || quint64(st.st_ino) != file.inode))
        return {TrashResult::Changed,
                QCoreApplication::translate(
                    "Platform", "it changed since the scan: another file is at its path now")};
    if (qint64(st.st_size) != file.size) {
        return {
            TrashResult::Changed,
            QCoreApplication::translate("Platform",
                                        "its size changed since the scan (%1 bytes, was %2)")
                .arg(QLocale::c().toString(qint64(st.st_size)), QLocale::c().toString(file.size))};
    }
    if (modifiedMs(st) > scanStarted.toMSecsSinceEpoch())
        return {TrashResult::Changed,
                QCoreApplication::translate("Platform", "it was modified after the scan started")};
    return {TrashResult::Trashed, QString()};
}

// Whether what is at the path now is what the scan found there.
using Expected = std::function<TrashOutcome(const struct stat &)>;

// A folder of the scan, with everything in it: still a folder, and none of
// its own entries added, removed or renamed since the scan started.
TrashOutcome compareFolder(const struct stat &st, const QDateTime &scanStarted)
{
    if (!S_ISDIR(st.st_mode))
        return {TrashResult::Changed,
                QCoreApplication::translate("Platform", "it is no longer a folder")};
    if (modifiedMs(st) > scanStarted.toMSecsSinceEpoch())
        return {
            TrashResult::Changed,
            QCoreApplication::translate("Platform", "its entries changed after the scan started")};
    return {TrashResult::Trashed, QString()};
}

// Opens each folder on the path from "/" down, relative to the one before
// and without following a symbolic link, then examines the name in the last
// one. A folder swapped for a link, or the file for another one, since the
// scan is seen here.
void checkAsScanned(const QString &scannedPath, const Expected &expected, Checked *checked)
{
    const QByteArray path = pathcodec::toNative(scannedPath);
    QList<QByteArray> names = path.split('/');
    names.removeAll(QByteArray());
    names.removeAll(QByteArrayLiteral("."));
    if (!path.startsWith('/') || names.isEmpty() || names.contains(QByteArrayLiteral(".."))) {
        checked->outcome = {
            TrashResult::Refused,
            QCoreApplication::translate("Platform", "it is not a plain absolute path")};
        return;
    }
    checked->path = '/' + names.join('/');
    checked->name = names.takeLast();

    checked->parent.reset(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    struct stat st;
    if (checked->parent.fd < 0 || ::fstat(checked->parent.fd, &st) != 0) {
        checked->outcome = {TrashResult::Refused, systemError(errno)};
        return;
    }
    checked->top.reset(::fcntl(checked->parent.fd, F_DUPFD_CLOEXEC, 0));
    checked->topPath = "/";
    dev_t device = st.st_dev;
    QByteArray reached;
    for (const QByteArray &folder : std::as_const(names)) {
        reached += '/' + folder;
        // O_PATH with O_NOFOLLOW opens a link itself; fstat() then tells.
        Descriptor next(
            ::openat(checked->parent.fd, folder.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (next.fd < 0 || ::fstat(next.fd, &st) != 0) {
            const int error = errno;
            checked->outcome = error == ENOENT || error == ENOTDIR
                ? TrashOutcome {TrashResult::Vanished,
                                QCoreApplication::translate("Platform", "it is no longer there")}
                : TrashOutcome {TrashResult::Refused,
                                QCoreApplication::translate("Platform", "%1 cannot be opened (%2)")
                                    .arg(shown(reached), systemError(error))};
            return;
        }
        if (!S_ISDIR(st.st_mode)) {
            checked->outcome = {
                TrashResult::Changed,
                QCoreApplication::translate(
                    "Platform",
                    "it changed since the scan: %1 is no longer the folder the scan went through")
                    .arg(shown(reached))};
            return;
        }
        if (st.st_dev != device) {
            device = st.st_dev;
            checked->top.reset(::fcntl(next.fd, F_DUPFD_CLOEXEC, 0));
            checked->topPath = reached;
        }
        checked->parent.reset(next.release());
    }

    if (::fstatat(checked->parent.fd, checked->name.constData(), &checked->file,
                  AT_SYMLINK_NOFOLLOW) != 0) {
        const int error = errno;
        checked->outcome = error == ENOENT
            ? TrashOutcome {TrashResult::Vanished,
                            QCoreApplication::translate("Platform", "it is no longer there")}
            : TrashOutcome {TrashResult::Refused, systemError(error)};
        return;
    }
    checked->outcome = expected(checked->file);
    if (checked->top.fd < 0)
        checked->outcome = {TrashResult::Refused, systemError(EMFILE)};
}

// How openTrashFolder takes a folder.
enum class Take {
    Own, // a real folder (not a link) that belongs to the user
    Real, // a real folder
    Anything, // a folder or a link to one: in the home trash, the user's own
};

// Opens the folder name in at, making it with mode 0700 when it is missing.
int openTrashFolder(int at, const char *name, Take take)
{
    if (::mkdirat(at, name, 0700) != 0 && errno != EEXIST)
        return -1;
    const int follow = take == Take::Anything ? 0 : O_NOFOLLOW;
    Descriptor dir(::openat(at, name, O_PATH | follow | O_CLOEXEC));
    struct stat st;
    if (dir.fd < 0 || ::fstat(dir.fd, &st) != 0 || !S_ISDIR(st.st_mode))
        return -1;
    if (take == Take::Own && st.st_uid != ::geteuid())
        return -1;
    return dir.release();
}

// The trash folder for a file below top: $topdir/.Trash/$uid when .Trash is
// a real, sticky folder and $uid in it a real folder of the user's, else
// $topdir/.Trash-$uid when that is a real folder of the user's (each made
// when missing). A folder another user made, or a link, is never used.
int topTrash(int top)
{
    const QByteArray uid = QByteArray::number(qulonglong(::geteuid()));
    struct stat st;
    if (::fstatat(top, ".Trash", &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode) &&
        (st.st_mode & S_ISVTX) != 0) {
        Descriptor shared(::openat(top, ".Trash", O_PATH | O_NOFOLLOW | O_DIRECTORY | O_CLOEXEC));
        if (shared.fd >= 0) {
            const int own = openTrashFolder(shared.fd, uid.constData(), Take::Own);
            if (own >= 0)
                return own;
        }
    }
    return openTrashFolder(top, (".Trash-" + uid).constData(), Take::Own);
}

// The home trash, $XDG_DATA_HOME/Trash, made when missing.
int homeTrash()
{
    const QString dataHome =
        xdgDataHome(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"));
    if (dataHome.isEmpty() || !QDir().mkpath(dataHome))
        return -1;
    Descriptor base(
        ::open(QFile::encodeName(dataHome).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    return base.fd < 0 ? -1 : openTrashFolder(base.fd, "Trash", Take::Anything);
}

bool onHomeFileSystem(dev_t device)
{
    struct stat home;
    const QByteArray path = qgetenv("HOME");
    return !path.isEmpty() && ::stat(path.constData(), &home) == 0 && home.st_dev == device;
}

// The Path= value: the path's bytes, each but the unreserved characters of
// a URI and "/" written as %XX, so a line break, "%" or a byte that is not
// UTF-8 comes back unchanged on restore.
QByteArray escapedPath(const QByteArray &path)
{
    return path.toPercentEncoding("/", QByteArray(), '%');
}

// "name", then "name.2", "name.3", ... as GLib counts.
QByteArray candidateName(const QByteArray &name, int attempt)
{
    return attempt == 1 ? name : name + '.' + QByteArray::number(attempt);
}

// Writes the whole of content to a new file name in dir; false with errno
// set when any of it fails, leaving no file behind.
bool writeNew(int dir, const QByteArray &name, const QByteArray &content)
{
    const int fd =
        ::openat(dir, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    qsizetype done = 0;
    while (done < content.size()) {
        const ssize_t written = ::write(fd, content.constData() + done, content.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            break;
        done += written;
    }
    const int error = done == content.size() ? 0 : (errno ? errno : ENOSPC);
    if (::close(fd) != 0 && error == 0 && errno != EINTR) {
        const int closeError = errno;
        ::unlinkat(dir, name.constData(), 0);
        errno = closeError;
        return false;
    }
    if (error != 0) {
        ::unlinkat(dir, name.constData(), 0);
        errno = error;
        return false;
    }
    return true;
}

// Moves name in from to the trash name in files without replacing anything
// there; false with errno set (EEXIST when the name is taken).
bool moveWithoutReplacing(int from, const QByteArray &name, int files, const QByteArray &trashName)
{
    if (::renameat2(from, name.constData(), files, trashName.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without RENAME_NOREPLACE: look first, then rename.
    struct stat st;
    if (::fstatat(files, trashName.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::renameat(from, name.constData(), files, trashName.constData()) == 0;
}

// Moves what was checked into the trash, with one last look at it just
// before the move.
TrashOutcome moveChecked(Checked &checked, const Expected &expected)
{
    // The home trash for a file on the home file system; elsewhere the trash
    // at the top of the file's own file system, its path written relative to
    // that top, as the rules ask.
    const bool home = onHomeFileSystem(checked.file.st_dev);
    Descriptor trash(home ? homeTrash() : topTrash(checked.top.fd));
    if (trash.fd < 0) {
        return {
            TrashResult::Refused,
            home ? QCoreApplication::translate(
                       "Platform", "the trash would not take it (the home trash cannot be made)")
                 : QCoreApplication::translate(
                       "Platform", "the trash would not take it (there is no trash of yours on %1)")
                       .arg(shown(checked.topPath))};
    }
    const Take subfolder = home ? Take::Anything : Take::Real;
    Descriptor info(openTrashFolder(trash.fd, "info", subfolder));
    Descriptor files(openTrashFolder(trash.fd, "files", subfolder));
    if (info.fd < 0 || files.fd < 0)
        return {TrashResult::Refused,
                QCoreApplication::translate(
                    "Platform", "the trash would not take it (its folders cannot be made)")};

    QByteArray original = checked.path;
    if (!home) {
        const QByteArray prefix =
            checked.topPath.endsWith('/') ? checked.topPath : checked.topPath + '/';
        original = checked.path.mid(prefix.size());
    }
    const QByteArray content = "[Trash Info]\nPath=" + escapedPath(original) + "\nDeletionDate=" +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1() +
        '\n';

    constexpr int attempts = 1000;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        const QByteArray trashName = candidateName(checked.name, attempt);
        const QByteArray infoName = trashName + ".trashinfo";
        // The information file comes first and reserves the name.
        if (!writeNew(info.fd, infoName, content)) {
            if (errno == EEXIST)
                continue;
            return {TrashResult::Refused,
                    QCoreApplication::translate("Platform", "the trash would not take it (%1)")
                        .arg(systemError(errno))};
        }
        // The last look, in the very folder the file leaves from.
        struct stat now;
        TrashOutcome still =
            ::fstatat(checked.parent.fd, checked.name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0
            ? expected(now)
            : TrashOutcome {TrashResult::Vanished,
                            QCoreApplication::translate("Platform", "it is no longer there")};
        if (still.result == TrashResult::Trashed &&
            moveWithoutReplacing(checked.parent.fd, checked.name, files.fd, trashName))
            return still;
        const int error = errno;
        ::unlinkat(info.fd, infoName.constData(), 0);
        if (still.result != TrashResult::Trashed)
            return still;
        if (error == EEXIST)
            continue;
        if (error == ENOENT)
            return {TrashResult::Vanished,
                    QCoreApplication::translate("Platform", "it is no longer there")};
        if (error == EXDEV)
            return {TrashResult::Refused,
                    QCoreApplication::translate(
                        "Platform",
                        "the trash would not take it (the trash is on another file system)")};
        return {TrashResult::Refused,
                QCoreApplication::translate("Platform", "the trash would not take it (%1)")
                    .arg(systemError(error))};
    }
    return {TrashResult::Refused,
            QCoreApplication::translate("Platform",
                                        "the trash would not take it (no free name in the trash)")};
}

} // namespace

TrashOutcome moveToTrash(const FoundFile &file, const QDateTime &scanStarted)
{
    const Expected expected = [&](const struct stat &st) {
        return compare(st, file, scanStarted);
    };
    Checked checked;
    checkAsScanned(file.path, expected, &checked);
    if (checked.outcome.result != TrashResult::Trashed)
        return checked.outcome;
    return moveChecked(checked, expected);
}

TrashOutcome moveFolderToTrash(const QString &path, const QDateTime &scanStarted)
{
    const Expected expected = [&](const struct stat &st) {
        return compareFolder(st, scanStarted);
    };
    Checked checked;
    checkAsScanned(path, expected, &checked);
    if (checked.outcome.result != TrashResult::Trashed)
        return checked.outcome;
    // A file system mounted on the folder or below it would go into the
    // trash with it, and emptying the trash would empty that file system.
    const QString checkedPath = pathcodec::fromNative(checked.path);
    const MountsBelow mounts = currentMountsBelow(checkedPath);
    struct stat parent;
    if (::fstat(checked.parent.fd, &parent) != 0 || parent.st_dev != checked.file.st_dev ||
        mounts.root.path == checkedPath)
        return {TrashResult::Refused,
                QCoreApplication::translate("Platform", "another file system is mounted on it")};
    if (!mounts.below.isEmpty())
        return {TrashResult::Refused,
                QCoreApplication::translate("Platform", "a file system is mounted inside it, at %1")
                    .arg(pathcodec::displayText(mounts.below.cbegin()->path))};
    return moveChecked(checked, expected);
}

} // namespace platform
