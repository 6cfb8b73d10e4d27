#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class QMimeData;

// What dropping URLs on the main window does: the local folders among them
// are scanned at once, as a folder named on the command line is; files and
// remote places are not scanned. A drop while a scan runs scans nothing, so
// the running scan and its results are not lost by a slip of the mouse.
namespace folderdrop {

// Whether a drag carries URLs at all (text/uri-list); the window takes such
// a drag and says at the drop why nothing was scanned, if nothing is.
bool offersUrls(const QMimeData *mime);

struct Outcome
{
    // The folders to scan, exact paths; empty when the drop scans nothing.
    QStringList folders;
    // For the status line when nothing is scanned.
    QString message;
};

Outcome judge(const QList<QUrl> &urls, bool scanRunning);

// The local folder a URL names, its exact bytes kept (a name that is not
// valid UTF-8 comes percent-encoded); empty for anything else.
QString localFolder(const QUrl &url);

} // namespace folderdrop
