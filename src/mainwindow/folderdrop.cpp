#include "mainwindow/folderdrop.h"

#include "scan/pathcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>

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
