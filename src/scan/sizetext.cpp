#include "scan/sizetext.h"

double megabytes(qint64 bytes)
{
    return double(bytes) / 1024 / 1024;
}

QString megabytesText(qint64 bytes)
{
    return QStringLiteral("%1").arg(megabytes(bytes), 0, 'g', -1);
}
