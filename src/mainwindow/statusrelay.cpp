#include "mainwindow/statusrelay.h"

#include <QMetaObject>

StatusRelay::StatusRelay(QObject *parent) : QObject(parent) { }

void StatusRelay::offer(const QString &path)
{
    // Only the thread that finds `pending` clear writes `latest`; the release
    // store below publishes it to deliver(), which clears `pending` only after
    // it has taken its copy.
    if (pending.loadAcquire() != 0)
        return;
    latest = path;
    pending.storeRelease(1);
    QMetaObject::invokeMethod(this, &StatusRelay::deliver, Qt::QueuedConnection);
}

void StatusRelay::deliver()
{
    const QString path = latest;
    pending.storeRelease(0);
    Q_EMIT pathChanged(path);
}
