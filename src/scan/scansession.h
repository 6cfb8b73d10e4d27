#pragma once

#include "scan/foldertree.h"
#include "scan/foundfile.h"
#include "scan/scanoptions.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>

#include <memory>

class TopFileMap;
class walker;

namespace testsupport {
class WalkGate;
}

// One scan, as every front end drives it: the roots, how many results are
// wanted, start and stop, the results largest first and the running counts.
// It owns the walker thread and hands it the process-wide ranking, so there
// is one session per process. stop() ends a scan at once, keeping what was
// found: walk threads that the system still holds (a hung mount) end later
// on their own and add nothing. All calls come from the thread that owns it,
// except the counts and snapshot(), which may be read at any time.
class ScanSession : public QObject
{
    Q_OBJECT

public:
    explicit ScanSession(QObject *parent = nullptr);
    // Stops a running scan and waits for it to end.
    ~ScanSession() override;

    // The roots of the next scan; start() makes them absolute and clean.
    void setRoots(const QStringList &roots);
    // How many results the next scan keeps; the ranking holds 100 more.
    void setResultCount(int count);
    int resultCount() const { return count; }
    void setOptions(const ScanOptions &options);
    ScanOptions options() const { return scanOptions; }

    // Starts a scan of the roots; false, changing nothing, while one runs
    // (until its finished() has been emitted).
    bool start();
    // Asks the running scan to end; a stop that comes right after start() is
    // never lost. Does nothing while idle.
    void stop();
    bool isRunning() const;
    // Whether the last scan was ended by stop() rather than by its end.
    bool wasStopped() const { return stopped; }
    // Whether the last scan ended because memory ran out (it keeps what it
    // had found).
    bool outOfMemory() const;

    // The resultCount() largest files of the last scan, largest first, equal
    // sizes in the byte order of their paths, each with the device and inode
    // the walk met it with; read once the scan has finished (writes the
    // ranking's debug lines).
    QList<FoundFile> results() const;
    // The same, read while the scan runs, without debug lines.
    QList<FoundFile> snapshot() const;

    // Counts of the running or last scan.
    qint64 fileCount() const;
    qint64 byteCount() const;
    // The space on disk the scan's files take (their length where the system
    // does not tell); each name of a file counts, as in byteCount().
    qint64 allocatedCount() const;

    // The count largest folders below the roots by the chosen size, largest
    // first: each with the length, the space on disk and the number of the
    // files below it (a file with several names once, in the folder the
    // ranking shows it in; a folder inside two roots once). Live while the
    // scan runs, exact once it has finished; empty when the options turned
    // folder totals off. Any thread; costs one pass over the folders.
    QList<FolderSize> largestFolders(int count, SizeKind by) const;
    // Every folder of the scan, in no particular order (for the history).
    QList<FolderSize> allFolders() const;
    // How many folders the scan has counted.
    qint64 folderCount() const;
    // Folders that could not be read, roots that could not be found included.
    qint64 unreadableCount() const;
    // A file path the scan met since the last call, or "" (see
    // walker::takeRecentPath); for a progress display. Any thread.
    QString takeRecentPath();
    // Milliseconds since the scan started, frozen when it ends.
    qint64 elapsedMs() const;

    // Every drive root as an absolute path ("/" on Unix), listable or not.
    static QStringList allDriveRoots();
    // The drive roots that can be listed and hold at least one visible entry,
    // and answer within three seconds.
    static QStringList readableDriveRoots();
    // A root made absolute (against the current directory) and clean; empty
    // for a relative one when there is no current directory (it was
    // removed). start() reports such a root as a folder not found.
    static QString cleanRoot(const QString &root);

Q_SIGNALS:
    // A folder below a root could not be read; reason is the system's message.
    // Emitted in a walk thread.
    void folderUnreadable(const QString &path, const QString &reason);
    // The scan has ended, completely or after stop().
    void finished();

private:
    // The tests hold a walk at its files through the walker's walkfile().
    friend class testsupport::WalkGate;
    walker *walkerThread() const { return scanner.get(); }

    void walkFinished();

    TopFileMap *const ranking;
    std::unique_ptr<walker> scanner;
    QStringList rootList;
    int count = 10;
    ScanOptions scanOptions;
    bool stopped = false;
    // Relative roots of the scan that could not be made absolute.
    qint64 unfoundRoots = 0;
    // From start() until finished() is emitted: the thread may already have
    // ended while its finished signal is still on its way.
    bool active = false;
    QElapsedTimer clock;
    qint64 finalElapsed = 0;
};
