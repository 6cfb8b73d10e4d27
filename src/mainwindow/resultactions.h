#pragma once

#include "platform/platform.h"
#include "scan/foldertree.h"
#include "scan/foundfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class QMimeData;
class QObject;

// What the results table offers for its selected rows: open a file, copy the
// paths, save the list as CSV and move files to the trash. The rules live
// here, apart from the window, so a test can drive them on real files.
namespace resultactions {

// A size for people, in powers of 1024: "512 bytes", "1.5 KB", "12.4 GB".
QString humanSize(qint64 bytes);

// The question asked before files go to the trash, as plain text.
struct TrashConfirmation
{
    // "Move 3 files, 12.4 GB in all, to the trash?"
    QString question;
    // What removing them all at once frees on disk, counted as
    // freespace::freesTogether does: "This frees 3.0 GB on disk once the
    // trash is emptied."
    QString freed;
    // One line per file ("path (size, frees N)", or "path (size, 2 other
    // names remain: frees nothing)" for a file other names keep), paths as
    // the table shows them; a long selection lists the first files and says
    // how many more follow.
    QString fileList;
    // Every file, when fileList had to leave some out; empty otherwise.
    QString details;
};
TrashConfirmation trashConfirmation(const QList<FoundFile> &files);

// Why a file was left where it was.
enum class TrashProblem {
    // Its size is not the one the scan recorded, it was modified after the
    // scan started, or it is no longer a regular file.
    Changed,
    // Nothing is at its path any more.
    Vanished,
    // The trash would not take it: no trash on its file system, no
    // permission, or a name the trash cannot hold.
    NotTrashable,
};

struct TrashFailure
{
    int index = -1; // into the list that was given
    QString path;
    TrashProblem problem = TrashProblem::NotTrashable;
    QString reason; // plain text, e.g. "it was modified after the scan started"
};

struct TrashReport
{
    // Whether the report is about folders rather than files.
    bool folders = false;
    // Indexes into the list that was given of the files now in the trash,
    // ascending.
    QList<int> trashed;
    // Their sizes added up.
    qint64 bytesTrashed = 0;
    QList<TrashFailure> failures;

    // The status line: "Moved 3 files, 12.4 GB, to the trash; the space
    // comes back when the trash is emptied", followed by how many were left
    // when some were.
    QString statusText() const;
    // The files left where they were, one line each with the reason; empty
    // when every file went to the trash.
    QString problemText() const;
};

// Moves each file that is still as the scan found it (platform::moveToTrash:
// the same file, reached without a link, of the same size and not modified
// since the scan started) to the system's trash: the freedesktop trash on
// Linux, the Recycle Bin on Windows. Nothing is ever deleted: a file that
// changed, vanished or that the trash will not take is left where it is and
// named in the report, and the others go on.
TrashReport moveToTrash(const QList<FoundFile> &files, const QDateTime &scanStarted);

// Of folders chosen together, those that lie inside none of the others (the
// others go with them), in their order.
QList<FolderSize> outermostFolders(const QList<FolderSize> &folders);

// Why a folder of the scan may not go to the trash: it is one of the roots
// the scan started from, or holds one. Empty when it may.
QString folderRefusal(const QString &folder, const QStringList &roots);

// The question asked before folders go to the trash (give it the outermost
// ones): their sizes, file counts and what they take on disk as the scan
// counted it, which is an estimate of what removing them frees (files with
// other names, or sharing blocks, free less; a folder not read whole holds
// more).
TrashConfirmation folderTrashConfirmation(const QList<FolderSize> &folders);

// Moves each folder that is still as the scan found it (see
// platform::moveFolderToTrash) to the system's trash, with all in it; the
// rest stay where they are and are named in the report, as for files. The
// bytes trashed are the folders' sizes as the scan counted them.
TrashReport moveFoldersToTrash(const QList<FolderSize> &folders, const QDateTime &scanStarted);

// The text "Copy Path" puts on the clipboard: one path a line, each as the
// table shows it, which is the exact path unless it holds bytes that are not
// text or control characters such as a line break (those are written as
// escapes, e.g. \xff and \n, so each path stays one line).
QString pathsText(const QList<FoundFile> &files);

// What "Copy Path" puts on the clipboard: pathsText(files) as text, and the
// files as text/uri-list, each a file: URI of its exact bytes (a byte that is
// not UTF-8 as %FF), so a paste in a file manager reaches the very files.
// The caller owns the result.
QMimeData *pathsMimeData(const QList<FoundFile> &files);
// The same for paths of files or folders.
QString pathsText(const QStringList &paths);
QMimeData *pathsMimeData(const QStringList &paths);

// The status line when a file could not be opened or shown, reason as
// platform::openUrl gives it: "Could not open /data/a.iso: no application is
// set up to open it".
QString openFailureText(const QString &path, const QString &reason);
QString revealFailureText(const QString &path, const QString &reason);

// The results as CSV, UTF-8, lines ended by CR LF, fields quoted by RFC 4180
// where they hold a comma, a quote or a line break: a header row, then per
// file its size in bytes, its size in megabytes as the table shows it, and
// its exact path, with bytes that are not text written as the table shows
// them (\xff).
QByteArray csv(const QList<FoundFile> &files);

// Writes csv(files) to fileName, replacing it only once all of it is written.
// On failure returns false and sets errorText to a plain-text reason.
bool saveCsv(const QString &fileName, const QList<FoundFile> &files, QString *errorText);

// Opens the file with the desktop's default application for it; failed hears
// why it could not be (see platform::openUrl).
void openFile(const QString &path, QObject *receiver, const platform::OpenFailed &failed);

} // namespace resultactions
