#include "scan/localfileurl.h"

#include "scan/pathcodec.h"

#include <QDir>

QByteArray localFileUri(const QString &path)
{
    if (path.isEmpty())
        return QByteArray();
    const QString absolute = QDir::fromNativeSeparators(
        QDir::isAbsolutePath(path) ? path : QDir::current().filePath(path));
    QByteArray encoded = pathcodec::toNative(absolute).toPercentEncoding("/!$&'()*+,;=:@");
    if (!encoded.startsWith('/'))
        encoded.prepend('/'); // a drive path such as C:/x
    return "file://" + encoded;
}

QUrl localFileUrl(const QString &path)
{
    return QUrl::fromEncoded(localFileUri(path), QUrl::StrictMode);
}
