#pragma once

#include "mainwindow/scanstatus.h"
#include "mainwindow/unreadablelist.h"
#include "scan/foldertree.h"
#include "scan/foundfile.h"

#include <QObject>
#include <QTimer>

class ScanSession;

// Follows a running scan for the window on its own beat: the results so far,
// the largest folders so far and the figures four times a second, the path
// the walk is at twenty times a second, rather than hearing of every file,
// which would slow the walk. It also gathers the folders the scan could not
// read.
class ScanProgress : public QObject
{
    Q_OBJECT

public:
    // How often the table and the figures follow a running scan.
    static constexpr int liveUpdateMs = 250;
    // How often the status line takes the path the walk is at: twenty a
    // second are more than anyone reads, and each costs the GUI thread a
    // measured and drawn text while the walk needs the processor.
    static constexpr int statusPathMs = 50;
    // How many of the largest folders the window lists.
    static constexpr int folderRows = 100;

    ScanProgress(ScanSession *session, QObject *parent = nullptr);

    // A scan has started, or has ended.
    void start();
    void stop();

    scanstatus::Figures figures() const;
    // The unreadable folders, one line each as the status line lists them;
    // empty when there were none.
    QString unreadableText() const;

Q_SIGNALS:
    // The largest files so far, and the figures as the window shows them.
    void live(const QList<FoundFile> &files, const QString &figures);
    // The largest folders so far, by the size the scan ranks by. One pass
    // over the folders the walk has met, which the walk's threads go on
    // adding to meanwhile; exact only once the scan has ended.
    void liveFolders(const QList<FolderSize> &folders, SizeKind by);
    // A path the walk met since the last one.
    void pathWalked(const QString &path);

private:
    ScanSession *session;
    QTimer liveTimer;
    QTimer pathTimer;
    UnreadableList unreadable;
};
