// Linux desktop implementation of the platform operations: the file manager is
// asked over D-Bus to show a file, the directory verb is a set of menu
// entries that Dolphin, Nautilus and Nemo read from the user's data directory,
// and files go to the freedesktop trash through GIO.

#include "platform/platform.h"

#include "platform/commands.h"
#include "platform/menuentries.h"
#include "scan/pathcodec.h"

// GIO's headers name struct members "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDebug>
#include <QLocale>
#include <QPointer>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Long enough for a file manager that D-Bus has to start first, short enough
// that a hung one does not leave the user waiting for a window.
constexpr int showItemsTimeoutMs = 3000;

} // namespace

QString revealCommand(const QString &path)
{
    return showItemsDescription(path);
}

// org.freedesktop.FileManager1 is implemented by Nautilus, Dolphin, Nemo, Caja,
// Thunar and PCManFM-Qt. The call is asynchronous; any error, a missing
// service or the timeout opens the containing directory instead.
void revealFile(const QString &path, QObject *receiver, OpenFailed failed)
{
    if (path.isEmpty())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList {showItemsUri(path)} << QString(); // no startup notification id
    const QDBusPendingCall pending =
        QDBusConnection::sessionBus().asyncCall(call, showItemsTimeoutMs);
    // Without a session bus the call has failed already, and a watcher on a
    // finished call never reports.
    if (pending.isFinished()) {
        if (pending.isError())
            openUrl(containingDirectoryUrl(path), receiver, failed);
        return;
    }
    auto *watcher = new QDBusPendingCallWatcher(pending, QCoreApplication::instance());
    const QPointer<QObject> guard(receiver);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [path, guard, failed](QDBusPendingCallWatcher *finished) {
                         if (finished->isError())
                             openUrl(containingDirectoryUrl(path), guard, failed);
                         finished->deleteLater();
                     });
}

void registerDirectoryVerb()
{
    const QString program = QCoreApplication::applicationFilePath();
    // Qt gives no path when a directory name on the way is not valid text in
    // the system's encoding; entries written then would start nothing.
    if (program.isEmpty()) {
        qDebug() << "File manager entries left as they are: the program's own path is unknown";
        return;
    }
    // Entries pointing at a place where someone else could put a program of
    // their own would run that program: leave the ones there as they are.
    QString reason;
    if (!menuentries::isTrustedLocation(program, &reason)) {
        qDebug().noquote() << "File manager entries left as they are:" << reason;
        return;
    }
    qDebug() << linuxVerbCommand(program);
    const QString dataHome =
        xdgDataHome(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"));
    if (!dataHome.isEmpty())
        menuentries::write(dataHome, program);
}

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Platform", text);
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
    int fd;
};

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

qint64 modifiedMs(const struct stat &st)
{
    return qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
}

// Checks that path still leads to the file the scan found. Each folder on
// the way is opened from "/" down, relative to the one before, without
// following a symbolic link, and the name is examined in the last one, so a
// folder swapped for a link (or for another folder) since the scan is seen.
TrashOutcome checkAsScanned(const FoundFile &file, const QDateTime &scanStarted)
{
    const QByteArray path = pathcodec::toNative(file.path);
    QList<QByteArray> names = path.split('/');
    names.removeAll(QByteArray());
    names.removeAll(QByteArrayLiteral("."));
    if (!path.startsWith('/') || names.isEmpty())
        return {TrashResult::Refused, tr("it is not an absolute path")};
    const QByteArray name = names.takeLast();

    Descriptor dir(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    QByteArray reached;
    for (const QByteArray &folder : std::as_const(names)) {
        reached += '/' + folder;
        // O_PATH with O_NOFOLLOW opens a link itself; fstat() then tells.
        Descriptor next(::openat(dir.fd, folder.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat st;
        if (next.fd < 0 || ::fstat(next.fd, &st) != 0) {
            const int error = errno;
            if (error == ENOENT || error == ENOTDIR)
                return {TrashResult::Vanished, tr("it is no longer there")};
            return {TrashResult::Refused,
                    tr("%1 cannot be opened (%2)")
                        .arg(pathcodec::displayText(pathcodec::fromNative(reached)),
                             systemError(error))};
        }
        if (!S_ISDIR(st.st_mode)) {
            return {TrashResult::Changed,
                    tr("it changed since the scan: %1 is no longer the folder the scan went "
                       "through")
                        .arg(pathcodec::displayText(pathcodec::fromNative(reached)))};
        }
        dir.reset(next.fd);
        next.fd = -1;
    }

    struct stat st;
    if (::fstatat(dir.fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        const int error = errno;
        if (error == ENOENT)
            return {TrashResult::Vanished, tr("it is no longer there")};
        return {TrashResult::Refused, systemError(error)};
    }
    if (!S_ISREG(st.st_mode))
        return {TrashResult::Changed, tr("it is no longer a regular file")};
    const bool identityKnown = file.device != 0 || file.inode != 0;
    if (identityKnown && (quint64(st.st_dev) != file.device || quint64(st.st_ino) != file.inode))
        return {TrashResult::Changed,
                tr("it changed since the scan: another file is at its path now")};
    if (qint64(st.st_size) != file.size) {
        const QString now = QLocale::c().toString(qint64(st.st_size));
        return {TrashResult::Changed, tr("its size changed since the scan (%1 bytes, was %2)")
                                          .arg(now, QLocale::c().toString(file.size))};
    }
    if (modifiedMs(st) > scanStarted.toMSecsSinceEpoch())
        return {TrashResult::Changed, tr("it was modified after the scan started")};
    return {TrashResult::Trashed, QString()};
}

} // namespace

// GIO's trash follows the freedesktop rules: the home trash for a file on the
// home file system; elsewhere $topdir/.Trash/$uid only below a sticky .Trash
// that is not a link, else $topdir/.Trash-$uid, each used only when it is a
// real folder (not a link) that belongs to the user. It writes the original
// path percent-encoded, so any bytes (a line break, "%", bytes that are not
// UTF-8) come back as they were on restore.
TrashOutcome moveToTrash(const FoundFile &file, const QDateTime &scanStarted)
{
    const TrashOutcome checked = checkAsScanned(file, scanStarted);
    if (checked.result != TrashResult::Trashed)
        return checked;
    GFile *target = g_file_new_for_path(pathcodec::toNative(file.path).constData());
    GError *error = nullptr;
    const bool trashed = g_file_trash(target, nullptr, &error);
    g_object_unref(target);
    if (trashed)
        return {TrashResult::Trashed, QString()};
    const QString message = error ? QString::fromUtf8(error->message) : QString();
    const bool gone = error && g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_FOUND);
    if (error)
        g_error_free(error);
    if (gone)
        return {TrashResult::Vanished, tr("it is no longer there")};
    return {TrashResult::Refused, tr("the trash would not take it (%1)").arg(message)};
}

} // namespace platform
