// The trash on Linux, through GIO. The file is reached from "/" one folder at
// a time without following a symbolic link and checked against what the scan
// recorded; g_file_trash() then moves the checked path into the trash, which
// GLib chooses and fills by the freedesktop trash rules (the home trash for
// the home file system, elsewhere $topdir/.Trash/$uid or $topdir/.Trash-$uid
// of the user's own, never a link) and never copies across file systems.

// GIO's headers name a member "signals", which Qt's keyword would replace, so
// they come before any Qt header.
#include <gio/gio.h>

#include "platform/platform.h"
#include "platform/trash_linux.h"

#include "scan/mountinfo.h"
#include "scan/pathcodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <memory>
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
}

TrashCall &trashCallForTests()
{
    static TrashCall call;
    return call;
}

bool gioTrash(const QByteArray &path, GError **error)
{
    // The path is a local one: GIO renames it within its own file system, or
    // refuses. A cancellable would not help, as GIO does not look at it
    // between its system calls, so none is passed.
    const std::unique_ptr<GFile, decltype(&g_object_unref)> file(
        g_file_new_for_path(path.constData()), &g_object_unref);
    return g_file_trash(file.get(), nullptr, error);
}

// What GIO's refusal means for the file.
TrashOutcome refusal(const GError *error)
{
    const QString message = error ? QString::fromUtf8(error->message) : QString();
    if (g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_FOUND))
        return {TrashResult::Vanished,
                QCoreApplication::translate("Platform", "it is no longer there")};
    if (g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED))
        return {TrashResult::Refused,
                QCoreApplication::translate(
                    "Platform",
                    "the trash would not take it: there is no trash of yours for its file "
                    "system (%1)")
                    .arg(message)};
    return {
        TrashResult::Refused,
        QCoreApplication::translate("Platform", "the trash would not take it (%1)").arg(message)};
}

// The name GLib gives the idth entry of a name in a trash: the name itself,
// then the number before the first dot ("film.2.iso", "notes.3").
QByteArray trashName(const QByteArray &name, int id)
{
    if (id == 1)
        return name;
    const int dot = name.indexOf('.');
    const QByteArray number = '.' + QByteArray::number(id);
    return dot < 0 ? name + number : name.left(dot) + number + name.mid(dot);
}

bool exists(const QByteArray &path)
{
    struct stat st;
    return ::lstat(path.constData(), &st) == 0;
}

// GLib takes the first name whose information file it can make, and renames
// the file onto that name in files/ whether or not something is there: an
// entry left in files/ without its information file would be replaced and
// lost. Looks in each trash the file could go to (the home trash and those at
// the top of its file system) for such an entry under the name GLib would
// take; empty when there is none.
QByteArray orphanInTheWay(const Checked &checked)
{
    QList<QByteArray> trashes {QFile::encodeName(QString::fromUtf8(g_get_user_data_dir())) +
                               "/Trash"};
    const QString top = currentMountsBelow(pathcodec::fromNative(checked.path)).root.path;
    if (!top.isEmpty()) {
        const QByteArray topDir = pathcodec::toNative(top == QLatin1String("/") ? QString() : top);
        const QByteArray uid = QByteArray::number(::geteuid());
        trashes << topDir + "/.Trash/" + uid << topDir + "/.Trash-" + uid;
    }
    constexpr int names = 1000;
    for (const QByteArray &trash : std::as_const(trashes)) {
        if (!exists(trash + "/files"))
            continue;
        for (int id = 1; id <= names; ++id) {
            const QByteArray name = trashName(checked.name, id);
            if (exists(trash + "/info/" + name + ".trashinfo"))
                continue;
            if (exists(trash + "/files/" + name))
                return trash + "/files/" + name;
            break;
        }
    }
    return QByteArray();
}

// Moves what was checked into the trash; checked is the last look at it.
//
// GIO moves by path, so between that look and GIO's own rename a folder on
// the way could still be swapped by someone with the user's own rights, who
// could as well move the file themselves; what goes to the trash then can be
// taken back from it. Afterwards the file must be gone from the folder that
// was checked and nothing be at its path, or it is not reported as trashed.
TrashOutcome trashChecked(const Checked &checked)
{
    const QByteArray orphan = orphanInTheWay(checked);
    if (!orphan.isEmpty())
        return {TrashResult::Refused,
                QCoreApplication::translate("Platform",
                                            "the trash would not take it: %1 is in the trash "
                                            "without its information file and would be replaced")
                    .arg(shown(orphan))};
    GError *error = nullptr;
    const TrashCall &call = trashCallForTests();
    const bool taken = call ? call(checked.path, &error) : gioTrash(checked.path, &error);
    if (!taken) {
        const TrashOutcome outcome = refusal(error);
        g_clear_error(&error);
        return outcome;
    }
    g_clear_error(&error);

    struct stat st;
    const bool stillInFolder =
        ::fstatat(checked.parent.fd, checked.name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    const bool stillAtPath = ::lstat(checked.path.constData(), &st) == 0;
    if (stillInFolder || stillAtPath)
        return {TrashResult::Refused,
                QCoreApplication::translate(
                    "Platform", "the trash said it took it, but something is still at its path")};
    return {TrashResult::Trashed, QString()};
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
    return trashChecked(checked);
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

    // The last look, after the time the mount table took.
    Checked last;
    checkAsScanned(path, expected, &last);
    if (last.outcome.result != TrashResult::Trashed)
        return last.outcome;
    if (last.file.st_dev != checked.file.st_dev || last.file.st_ino != checked.file.st_ino)
        return {TrashResult::Changed,
                QCoreApplication::translate(
                    "Platform", "it changed since the scan: another folder is at its path now")};
    return trashChecked(last);
}

void setTrashCallForTests(TrashCall call)
{
    trashCallForTests() = std::move(call);
}

} // namespace platform
