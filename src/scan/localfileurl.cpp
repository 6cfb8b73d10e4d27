#include "scan/localfileurl.h"

#include "scan/pathcodec.h"

#include <QDir>

QUrl localFileUrl(const QString &path)
{
    if (!pathcodec::hasUndecodable(path))
        return QUrl::fromLocalFile(path);
    // QUrl holds text, so the URL is built from the name's bytes, each byte
    // outside the unreserved set (and "/") written as %XX.
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    const QByteArray bytes = pathcodec::toNative(QDir::fromNativeSeparators(absolute));
    QByteArray encoded = bytes.toPercentEncoding("/");
    if (!encoded.startsWith('/'))
        encoded.prepend('/'); // a drive path such as C:/x
    return QUrl::fromEncoded("file://" + encoded, QUrl::StrictMode);
}
