// Linux desktop implementation of the platform operations: the file manager is
// asked over D-Bus to show a file, and the directory verb is a set of menu
// entries that Dolphin, Nautilus and Nemo read from the user's data directory.
// The trash is in trash_linux.cpp.

#include "platform/platform.h"

#include "platform/commands.h"
#include "platform/menuentries.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDebug>
#include <QPointer>
#include <QStringList>

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

} // namespace platform
