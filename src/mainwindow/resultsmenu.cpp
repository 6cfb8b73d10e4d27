#include "mainwindow/resultsmenu.h"

#include "scan/pathcodec.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>

namespace {

// A message box whose text is shown as plain text: file names are never
// read as markup. (QMessageBox's informative text would guess rich text.)
void showPlain(QMessageBox &box, const QString &text)
{
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
}

} // namespace

ResultsMenu::ResultsMenu(QAbstractItemView *table, Files selectedFiles, Files shownFiles)
    : ResultsMenu(table)
{
    selected = std::move(selectedFiles);
    shown = std::move(shownFiles);
}

ResultsMenu::ResultsMenu(QAbstractItemView *table, Folders folders) : ResultsMenu(table)
{
    selectedFolders = std::move(folders);
}

ResultsMenu::ResultsMenu(QAbstractItemView *table) : QObject(table), view(table)
{
    openAction = new QAction(tr("Open"), this);
    copyAction = new QAction(tr("Copy Path"), this);
    copyAction->setShortcut(QKeySequence::Copy);
    trashAction = new QAction(tr("Move to Trash…"), this);
    trashAction->setShortcut(QKeySequence::Delete);
    saveAction = new QAction(tr("Save List…"), this);
    // The keys are taken from the table's own key presses: the view handles
    // Ctrl+C itself (copying one cell) before any shortcut would see it.
    for (QAction *action : {copyAction, trashAction})
        action->setShortcutContext(Qt::WidgetShortcut);
    table->installEventFilter(this);
    connect(openAction, &QAction::triggered, this, &ResultsMenu::open);
    connect(copyAction, &QAction::triggered, this, &ResultsMenu::copyPaths);
    connect(trashAction, &QAction::triggered, this, &ResultsMenu::moveToTrash);
    connect(saveAction, &QAction::triggered, this, &ResultsMenu::saveList);

    confirm = [this](const resultactions::TrashConfirmation &question) {
        QMessageBox box(QMessageBox::Question, tr("Move to Trash"), QString(), QMessageBox::Cancel,
                        view->window());
        showPlain(box,
                  question.question + QLatin1Char(' ') + question.freed + QStringLiteral("\n\n") +
                      question.fileList);
        box.setDetailedText(question.details);
        QPushButton *go = box.addButton(tr("Move to Trash"), QMessageBox::AcceptRole);
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == go;
    };
    askSaveFile = [this] {
        return QFileDialog::getSaveFileName(
            view->window(), tr("Save List"),
            QDir::home().filePath(QStringLiteral("largest-files.csv")),
            tr("CSV files (*.csv);;All files (*)"));
    };
    warn = [this](const QString &title, const QString &text) {
        QMessageBox box(QMessageBox::Warning, title, QString(), QMessageBox::Ok, view->window());
        showPlain(box, text);
        box.exec();
    };
}

bool ResultsMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key == QKeySequence::Copy) {
            copyPaths();
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            moveToTrash();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QList<QAction *> ResultsMenu::actions() const
{
    if (selectedFolders)
        return {openAction, copyAction, trashAction};
    return {openAction, copyAction, trashAction, nullptr, saveAction};
}

QStringList ResultsMenu::selectedPaths() const
{
    QStringList paths;
    if (selectedFolders) {
        for (const FolderSize &folder : selectedFolders())
            paths << folder.path;
    } else {
        for (const FoundFile &file : selected())
            paths << file.path;
    }
    return paths;
}

void ResultsMenu::updateActions()
{
    const bool any = !selectedPaths().isEmpty();
    openAction->setEnabled(any);
    copyAction->setEnabled(any);
    trashAction->setEnabled(any && !scanRunning);
    saveAction->setEnabled(shown && !shown().isEmpty());
}

void ResultsMenu::setScanRunning(bool running)
{
    scanRunning = running;
    trashAction->setEnabled(!running);
}

void ResultsMenu::open()
{
    for (const QString &path : selectedPaths()) {
        resultactions::openFile(path, this, [this, path](const QString &reason) {
            Q_EMIT statusMessage(resultactions::openFailureText(path, reason));
        });
    }
}

void ResultsMenu::reveal(const QString &path)
{
    platform::revealFile(path, this, [this, path](const QString &reason) {
        Q_EMIT statusMessage(resultactions::revealFailureText(path, reason));
    });
}

void ResultsMenu::showFolder(const QString &path)
{
    if (path.isEmpty())
        return;
    resultactions::openFile(path, this, [this, path](const QString &reason) {
        Q_EMIT statusMessage(resultactions::revealFailureText(path, reason));
    });
}

void ResultsMenu::copyPaths()
{
    const QStringList paths = selectedPaths();
    if (!paths.isEmpty())
        QGuiApplication::clipboard()->setMimeData(resultactions::pathsMimeData(paths));
}

void ResultsMenu::moveToTrash()
{
    if (scanRunning)
        return;
    if (selectedFolders) {
        moveFoldersToTrash();
        return;
    }
    const QList<FoundFile> files = selected();
    if (files.isEmpty() || !confirm(resultactions::trashConfirmation(files)))
        return;
    const resultactions::TrashReport report = resultactions::moveToTrash(files, scanStarted);
    QList<FoundFile> gone;
    for (int index : report.trashed)
        gone << files.at(index);
    if (!gone.isEmpty())
        Q_EMIT trashed(gone);
    Q_EMIT statusMessage(report.statusText());
    if (!report.failures.isEmpty())
        warn(tr("Move to Trash"), report.problemText());
}

void ResultsMenu::moveFoldersToTrash()
{
    // A folder inside another one chosen goes with it.
    const QList<FolderSize> folders = resultactions::outermostFolders(selectedFolders());
    if (folders.isEmpty())
        return;
    // A root, or a folder holding one, is never offered to the trash: say
    // why, and move nothing.
    QStringList refused;
    for (const FolderSize &folder : folders) {
        const QString reason = resultactions::folderRefusal(folder.path, scanRoots);
        if (!reason.isEmpty())
            refused << pathcodec::displayText(folder.path) + QStringLiteral(": ") + reason;
    }
    if (!refused.isEmpty()) {
        warn(tr("Move to Trash"),
             (refused.size() == 1 ? tr("This folder cannot be moved to the trash:")
                                  : tr("These folders cannot be moved to the trash:")) +
                 QLatin1Char('\n') + refused.join(QLatin1Char('\n')));
        return;
    }
    if (!confirm(resultactions::folderTrashConfirmation(folders)))
        return;
    const resultactions::TrashReport report =
        resultactions::moveFoldersToTrash(folders, scanStarted);
    QStringList gone;
    for (int index : report.trashed)
        gone << folders.at(index).path;
    if (!gone.isEmpty())
        Q_EMIT foldersTrashed(gone);
    Q_EMIT statusMessage(report.statusText());
    if (!report.failures.isEmpty())
        warn(tr("Move to Trash"), report.problemText());
}

void ResultsMenu::saveList()
{
    if (!shown)
        return;
    const QList<FoundFile> files = shown();
    if (files.isEmpty())
        return;
    const QString fileName = askSaveFile();
    if (fileName.isEmpty())
        return;
    QString error;
    if (resultactions::saveCsv(fileName, files, &error))
        Q_EMIT statusMessage(tr("Saved the list to %1").arg(QDir::toNativeSeparators(fileName)));
    else
        warn(tr("Save List"), tr("The list could not be saved to %1: %2").arg(fileName, error));
}
