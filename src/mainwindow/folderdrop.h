#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QMimeData;
class QWidget;

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

// Takes drops on a window: installed on it, it accepts every drag that
// carries URLs and, at the drop, either asks for the folders to be scanned
// or says why nothing was.
class FolderDropTarget : public QObject
{
    Q_OBJECT

public:
    // scanRunning tells whether a scan runs at the moment of the drop.
    FolderDropTarget(QWidget *window, std::function<bool()> scanRunning);

Q_SIGNALS:
    void foldersDropped(const QStringList &folders);
    void refused(const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<bool()> scanRunning;
};
