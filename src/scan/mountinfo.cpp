#include "scan/mountinfo.h"

#include <QList>

// Each line reads "id parent major:minor root mount-point options
// [optional fields...] - type source super-options".
QByteArray mountTypeOfDevice(const QByteArray &mountInfo, unsigned int major, unsigned int minor)
{
    const QByteArray device = QByteArray::number(major) + ':' + QByteArray::number(minor);
    for (const QByteArray &line : mountInfo.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3 || fields.at(2) != device)
            continue;
        const qsizetype separator = fields.indexOf(QByteArrayLiteral("-"), 6);
        if (separator >= 0 && separator + 1 < fields.size())
            return fields.at(separator + 1);
    }
    return QByteArray();
}
