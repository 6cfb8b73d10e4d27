#include "mainwindow/statusrelay.h"

#include <QMetaObject>

StatusRelay::StatusRelay(QObject *parent, int restMilliseconds) : QObject(parent)
{
    rest.setSingleShot(true);
    rest.setInterval(restMilliseconds);
    connect(&rest, &QTimer::timeout, this, [this] { pending.storeRelease(0); });
}

void StatusRelay::offer(const QString &path)
{
    // The walk reports from several threads at once: only the one that sets
    // `pending` writes `latest`, and the queued call publishes it to
    // deliver(), which clears `pending` only after it has taken its copy.
    if (pending.loadRelaxed() != 0 || !pending.testAndSetAcquire(0, 1))
        return;
    latest = path;
    QMetaObject::invokeMethod(this, &StatusRelay::deliver, Qt::QueuedConnection);
}

void StatusRelay::deliver()
{
    const QString path = latest;
    // A pause before the next report is taken: nobody reads paths faster
    // than a screen refreshes, and each one shown costs the GUI thread a
    // repaint while the walker's own thread would copy its path buffer.
    if (rest.interval() > 0)
        rest.start();
    else
        pending.storeRelease(0);
    Q_EMIT pathChanged(path);
}
