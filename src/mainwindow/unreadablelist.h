#pragma once

#include <QList>
#include <QMutex>
#include <QString>

// The folders a scan could not read, each with the system's reason: the
// first maxKept of them, gathered from the walk threads as they meet them, so
// a tree of a million locked folders costs no more than a thousand lines.
class UnreadableList
{
public:
    static constexpr int maxKept = 1000;

    struct Entry
    {
        QString path;
        QString reason;
    };

    void clear();
    // Called from any thread.
    void add(const QString &path, const QString &reason);
    QList<Entry> entries() const;

    // The entries as plain text, one "path: reason" line each (paths as
    // people read them), and a last line for the folders left out when the
    // scan counted more than were kept.
    static QString text(const QList<Entry> &entries, qint64 total);

private:
    mutable QMutex mutex;
    QList<Entry> kept;
};
