#pragma once

#include <QAtomicInt>
#include <QStringList>
#include <QThread>

// The background thread of a scan: walks the trees below its roots (see
// DirectoryWalk for what a walk covers) and offers every regular file to the
// ranking TopFileMap, after announcing it with walkfile(). The owner hands it
// the roots, starts it, may ask it to stop, and reads the ranking once
// finished() has arrived. The same object serves every scan.
class walker : public QThread
{
    Q_OBJECT

public:
    walker();
    // Stops the walk and waits for the thread to end.
    ~walker() override;

    // Replaces the roots of the next walk; call only while the thread is idle.
    void setDirs(const QStringList &dirs);
    // Asks the running walk to end before its next directory entry; returns at once.
    void stop();

Q_SIGNALS:
    // Emitted in the walker's thread for every regular file, before the file
    // is offered to the ranking.
    void walkfile(const QString &path);

protected:
    void run() override;

private:
    QStringList dirs;
    // 0: run; 1: stop() was called; 2: the object is being destroyed.
    QAtomicInt stopRequested;
};
