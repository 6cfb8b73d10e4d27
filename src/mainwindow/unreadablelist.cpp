#include "mainwindow/unreadablelist.h"

#include "scan/pathcodec.h"

#include <QCoreApplication>
#include <QMutexLocker>

#include <climits>

void UnreadableList::clear()
{
    QMutexLocker lock(&mutex);
    kept.clear();
}

void UnreadableList::add(const QString &path, const QString &reason)
{
    QMutexLocker lock(&mutex);
    if (kept.size() < maxKept)
        kept.append({path, reason});
}

QList<UnreadableList::Entry> UnreadableList::entries() const
{
    QMutexLocker lock(&mutex);
    return kept;
}

QString UnreadableList::text(const QList<Entry> &entries, qint64 total)
{
    QStringList lines;
    lines.reserve(entries.size() + 1);
    for (const Entry &entry : entries)
        lines << pathcodec::displayText(entry.path) + QStringLiteral(": ") + entry.reason;
    const qint64 left = total - entries.size();
    const int plural = int(qMin<qint64>(left, INT_MAX));
    if (left > 0)
        lines << QCoreApplication::translate("Widget", "… and %1 more", nullptr, plural).arg(left);
    return lines.join(QLatin1Char('\n'));
}
