#include "mainwindow/folderdrop.h"

#include "scan/pathcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QWidget>

namespace folderdrop {

bool offersUrls(const QMimeData *mime)
{
    return mime && mime->hasUrls();
}

QString localFolder(const QUrl &url)
{
    if (!url.isLocalFile())
        return QString();
    QString path = url.toLocalFile();
    if (url.host().isEmpty()) {
        // QUrl turns bytes that are not UTF-8 into U+FFFD; the name on disk
        // has the bytes themselves.
        const QByteArray bytes =
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        const QString exact = pathcodec::fromNative(bytes);
        if (exact != path && QFileInfo(exact).isDir())
            path = exact;
    }
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return QString();
    return QDir::cleanPath(path);
}

Outcome judge(const QList<QUrl> &urls, bool scanRunning)
{
    Outcome outcome;
    for (const QUrl &url : urls) {
        const QString folder = localFolder(url);
        if (!folder.isEmpty() && !outcome.folders.contains(folder))
            outcome.folders << folder;
    }
    if (outcome.folders.isEmpty()) {
        outcome.message = QCoreApplication::translate(
            "Widget", "Nothing to scan: only folders on this computer can be dropped");
    } else if (scanRunning) {
        outcome.folders.clear();
        outcome.message = QCoreApplication::translate(
            "Widget", "A scan is running: stop it before dropping a folder");
    }
    return outcome;
}

} // namespace folderdrop

FolderDropTarget::FolderDropTarget(QWidget *window, std::function<bool()> running)
    : QObject(window), scanRunning(std::move(running))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool FolderDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::DragEnter) {
        auto *drag = static_cast<QDragEnterEvent *>(event);
        if (folderdrop::offersUrls(drag->mimeData()))
            drag->acceptProposedAction();
        return true;
    }
    if (event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const auto outcome = folderdrop::judge(drop->mimeData()->urls(), scanRunning());
    drop->acceptProposedAction();
    if (outcome.folders.isEmpty())
        Q_EMIT refused(outcome.message);
    else
        Q_EMIT foldersDropped(outcome.folders);
    return true;
}
