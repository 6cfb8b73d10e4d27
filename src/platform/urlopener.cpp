// Opening a URL with the desktop's handler, shared by both systems: Qt's own
// handler answers only whether a program could be started, so where xdg-open
// is there it is started here and its exit status tells whether the URL was
// really opened.

#include "platform/platform.h"

#ifdef Q_OS_WIN
#include "platform/shellpath.h"
#endif

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMetaObject>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

namespace {

UrlOpener &testOpener()
{
    static UrlOpener opener;
    return opener;
}

// Calls failed with reason from the event loop, if receiver still exists.
void report(QObject *receiver, const OpenFailed &failed, const QString &reason)
{
    if (!receiver || !failed)
        return;
    QMetaObject::invokeMethod(
        receiver, [failed, reason] { failed(reason); }, Qt::QueuedConnection);
}

QString noHandler()
{
    return QCoreApplication::translate("Platform", "no application is set up to open it");
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// The meaning of xdg-open's exit status.
QString xdgOpenFailure(int status)
{
    switch (status) {
    case 2:
        return QCoreApplication::translate("Platform", "it does not exist");
    case 3:
        return noHandler();
    case 4:
        return QCoreApplication::translate("Platform", "the application for it could not open it");
    default:
        return QCoreApplication::translate("Platform", "the opener (xdg-open) ended with status %1")
            .arg(status);
    }
}

// Starts xdg-open on url, reporting through failed when it fails. The process
// object deletes itself when xdg-open ends. It has no parent on purpose:
// xdg-open may wait for the application it started, and a parent's end would
// kill both; when the program ends first they simply go on.
void startXdgOpen(const QString &xdgOpen, const QUrl &url, QObject *receiver,
                  const OpenFailed &failed)
{
    auto *process = new QProcess;
    process->setProgram(xdgOpen);
    process->setArguments({QString::fromLatin1(url.toEncoded())});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    const QPointer<QObject> guard(receiver);
    QObject::connect(
        process, &QProcess::finished, process,
        [process, guard, failed](int status, QProcess::ExitStatus exit) {
            if (exit != QProcess::NormalExit)
                report(guard, failed,
                       QCoreApplication::translate("Platform", "the opener (xdg-open) crashed"));
            else if (status != 0)
                report(guard, failed, xdgOpenFailure(status));
            process->deleteLater();
        });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, guard, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         report(guard, failed,
                                QCoreApplication::translate(
                                    "Platform", "the opener (xdg-open) could not be started"));
                         process->deleteLater();
                     });
    process->start();
}
#endif

} // namespace

void setUrlOpenerForTests(UrlOpener opener)
{
    testOpener() = std::move(opener);
}

void openUrl(const QUrl &url, QObject *receiver, OpenFailed failed)
{
    QUrl target = url;
#ifdef Q_OS_WIN
    // The shell opens no path of MAX_PATH characters or more: a longer one
    // goes by its short name, and one without a short enough name is not
    // handed over at all.
    if (url.isLocalFile()) {
        const QString shell = shellpath::forShell(url.toLocalFile());
        if (shell.isEmpty()) {
            report(receiver, failed,
                   QCoreApplication::translate("Platform",
                                               "its path is too long for Windows to open"));
            return;
        }
        target = QUrl::fromLocalFile(shell);
    }
#endif
    if (testOpener()) {
        if (!testOpener()(target))
            report(receiver, failed, noHandler());
        return;
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!xdgOpen.isEmpty()) {
        startXdgOpen(xdgOpen, target, receiver, failed);
        return;
    }
#endif
    if (!QDesktopServices::openUrl(target))
        report(receiver, failed, noHandler());
}

} // namespace platform
