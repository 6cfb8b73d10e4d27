#include "mainwindow/scanprogress.h"

#include "scan/scansession.h"

ScanProgress::ScanProgress(ScanSession *scan, QObject *parent) : QObject(parent), session(scan)
{
    liveTimer.setInterval(liveUpdateMs);
    connect(&liveTimer, &QTimer::timeout, this, [this] {
        Q_EMIT live(session->snapshot(),
                    scanstatus::progress(figures(), scanstatus::numberLocale()));
        const SizeKind by = session->options().rankBy;
        Q_EMIT liveFolders(session->largestFolders(folderRows, by), by);
    });
    pathTimer.setInterval(statusPathMs);
    connect(&pathTimer, &QTimer::timeout, this, [this] {
        const QString path = session->takeRecentPath();
        if (!path.isEmpty())
            Q_EMIT pathWalked(path);
    });
    // Heard in the walk threads themselves: the list keeps the first
    // thousand, so a tree of locked folders sends the window nothing.
    connect(
        session, &ScanSession::folderUnreadable, this,
        [this](const QString &path, const QString &reason) { unreadable.add(path, reason); },
        Qt::DirectConnection);
}

void ScanProgress::start()
{
    unreadable.clear();
    liveTimer.start();
    pathTimer.start();
}

void ScanProgress::stop()
{
    liveTimer.stop();
    pathTimer.stop();
}

scanstatus::Figures ScanProgress::figures() const
{
    return {session->fileCount(), session->byteCount(), session->elapsedMs(),
            session->unreadableCount()};
}

QString ScanProgress::unreadableText() const
{
    const qint64 count = session->unreadableCount();
    return count > 0 ? UnreadableList::text(unreadable.entries(), count) : QString();
}
