#include "mainwindow/resultactions.h"

#include "mainwindow/scanstatus.h"
#ifdef Q_OS_WIN
#include "platform/recyclebin.h"
#include "platform/shellpath.h"
#endif
#include "scan/localfileurl.h"
#include "scan/pathcodec.h"
#include "scan/sizetext.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStringList>

namespace resultactions {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ResultActions", text);
}

// "1 file", "3 files".
QString fileCount(qsizetype count)
{
    return count == 1 ? tr("1 file") : tr("%1 files").arg(count);
}

// How many files the confirmation lists before it summarises the rest.
constexpr int listedFiles = 15;

QString fileLine(const FoundFile &file)
{
    return pathcodec::displayText(file.path) + QStringLiteral(" (") + humanSize(file.size) +
           QLatin1Char(')');
}

// The freedesktop trash stores a file under its own name and writes an
// information file named after it plus ".trashinfo", adding "-NNNN" when the
// name is taken. Qt retries that forever when the name cannot be created, so
// a name that would not fit the usual limit of 255 bytes is never handed over.
bool nameFitsTrash(const QString &path)
{
    constexpr int nameMax = 255;
    constexpr int infoSuffix = 5 + 10; // "-NNNN" and ".trashinfo"
    return pathcodec::toNative(QFileInfo(path).fileName()).size() + infoSuffix <= nameMax;
}

// Moves one file to the trash; on failure returns false with the reason.
bool trashFile(const QString &path, QString *reason)
{
#ifdef Q_OS_WIN
    // Never QFile::moveToTrash here: Windows deletes outright what its
    // Recycle Bin will not take.
    return recyclebin::moveToRecycleBin(path, reason);
#endif
    QFile file(path);
    if (!file.moveToTrash()) {
        *reason = tr("the trash would not take it (%1)").arg(file.errorString());
        return false;
    }
    // When no trash directory can be set up, some Qt versions report success
    // with the file moved to "files" below the current directory. That is not
    // a trash the user knows of: put the file back and say so.
    const QString inTrash = file.fileName();
    if (inTrash.isEmpty() || !QFileInfo(inTrash).isRelative())
        return true;
    const QFileInfo moved(inTrash);
    const QString infoFile = moved.dir().filePath(QStringLiteral("../info/")) + moved.fileName() +
                             QStringLiteral(".trashinfo");
    if (QFile::rename(inTrash, path)) {
        QFile::remove(infoFile);
        *reason = tr("there is no trash for it");
    } else {
        *reason = tr("there is no trash for it; it was moved to %1 instead")
                      .arg(pathcodec::displayText(moved.absoluteFilePath()));
    }
    return false;
}

// A CSV field, quoted by RFC 4180 when it holds a comma, a quote or a line
// break, with each quote doubled.
QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// The exact path as text: only bytes that are not text are escaped, in the
// form the table shows them.
QString csvPath(const QString &path)
{
    if (!pathcodec::hasUndecodable(path))
        return path;
    QString text;
    for (const QChar c : path) {
        const QString one(c);
        text += pathcodec::hasUndecodable(one) ? pathcodec::displayText(one) : one;
    }
    return text;
}

} // namespace

QString humanSize(qint64 bytes)
{
    if (bytes == 1)
        return tr("1 byte");
    if (bytes < 1024)
        return tr("%1 bytes").arg(bytes);
    // Traditional units are powers of 1024 named KB, MB, GB, as the table's MB.
    return scanstatus::bytesText(bytes, QLocale::c())
        .replace(QStringLiteral("kB"), QStringLiteral("KB"));
}

TrashConfirmation trashConfirmation(const QList<FoundFile> &files)
{
    qint64 total = 0;
    QStringList lines;
    for (const FoundFile &file : files) {
        total += file.size;
        lines << fileLine(file);
    }

    TrashConfirmation confirmation;
    confirmation.question = files.size() == 1
                                ? tr("Move 1 file, %1, to the trash?").arg(humanSize(total))
                                : tr("Move %1, %2 in all, to the trash?")
                                      .arg(fileCount(files.size()), humanSize(total));
    if (lines.size() <= listedFiles) {
        confirmation.fileList = lines.join(QLatin1Char('\n'));
    } else {
        confirmation.fileList = lines.mid(0, listedFiles).join(QLatin1Char('\n')) +
                                QLatin1Char('\n') +
                                tr("and %1 more").arg(lines.size() - listedFiles);
        confirmation.details = lines.join(QLatin1Char('\n'));
    }
    return confirmation;
}

QString TrashReport::statusText() const
{
    QString text = trashed.isEmpty() ? tr("Nothing was moved to the trash")
                                     : tr("Moved %1, %2, to the trash")
                                           .arg(fileCount(trashed.size()), humanSize(bytesTrashed));
    if (!failures.isEmpty()) {
        text += failures.size() == 1
                    ? tr("; 1 file was left where it is")
                    : tr("; %1 were left where they are").arg(fileCount(failures.size()));
    }
    return text;
}

QString TrashReport::problemText() const
{
    if (failures.isEmpty())
        return QString();
    QStringList lines;
    lines << (failures.size() == 1 ? tr("This file was left where it is:")
                                   : tr("These files were left where they are:"));
    for (const TrashFailure &failure : failures)
        lines << pathcodec::displayText(failure.path) + QStringLiteral(": ") + failure.reason;
    return lines.join(QLatin1Char('\n'));
}

QString changeSinceScan(const FoundFile &file, const QDateTime &scanStarted)
{
    const QFileInfo info(file.path);
    if (info.isSymbolicLink() || (info.exists() && !info.isFile()))
        return tr("it is no longer a regular file");
    if (!info.exists())
        return tr("it is no longer there");
    if (info.size() != file.size)
        return tr("its size changed since the scan (%1, was %2)")
            .arg(humanSize(info.size()), humanSize(file.size));
    if (info.lastModified() > scanStarted)
        return tr("it was modified after the scan started");
    return QString();
}

namespace {

// Nothing is left under the name, not even a dangling symbolic link.
bool vanished(const QString &path)
{
    return !QFileInfo(path).isSymbolicLink() && !QFileInfo::exists(path);
}

} // namespace

TrashReport moveToTrash(const QList<FoundFile> &files, const QDateTime &scanStarted)
{
    TrashReport report;
    for (int i = 0; i < files.size(); ++i) {
        const FoundFile &file = files.at(i);
        auto leave = [&](TrashProblem problem, const QString &reason) {
            report.failures.append({i, file.path, problem, reason});
        };

        // Qt takes file names as text, so a name with bytes that are not text
        // would reach the system as another name: never hand it over.
        if (pathcodec::hasUndecodable(file.path)) {
            leave(TrashProblem::NotTrashable,
                  tr("its name holds bytes that are not text, which the trash cannot take"));
            continue;
        }
        if (vanished(file.path)) {
            leave(TrashProblem::Vanished, tr("it is no longer there"));
            continue;
        }
        const QString change = changeSinceScan(file, scanStarted);
        if (!change.isEmpty()) {
            leave(TrashProblem::Changed, change);
            continue;
        }
        if (!nameFitsTrash(file.path)) {
            leave(TrashProblem::NotTrashable, tr("its name is too long for the trash"));
            continue;
        }
        QString reason;
        if (!trashFile(file.path, &reason)) {
            // Gone between the check and the move: another program took it.
            if (vanished(file.path))
                leave(TrashProblem::Vanished, tr("it is no longer there"));
            else
                leave(TrashProblem::NotTrashable, reason);
            continue;
        }
        report.trashed.append(i);
        report.bytesTrashed += file.size;
    }
    return report;
}

QString pathsText(const QList<FoundFile> &files)
{
    QStringList lines;
    for (const FoundFile &file : files)
        lines << pathcodec::displayText(file.path);
    return lines.join(QLatin1Char('\n'));
}

QByteArray csv(const QList<FoundFile> &files)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = QStringLiteral("Size (bytes),Size (MB),Path") + lineEnd;
    for (const FoundFile &file : files) {
        text += QString::number(file.size) + QLatin1Char(',') +
                csvField(megabytesText(file.size)) + QLatin1Char(',') +
                csvField(csvPath(file.path)) + lineEnd;
    }
    return text.toUtf8();
}

bool saveCsv(const QString &fileName, const QList<FoundFile> &files, QString *errorText)
{
    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly)) {
        *errorText = out.errorString();
        return false;
    }
    const QByteArray bytes = csv(files);
    if (out.write(bytes) != bytes.size() || !out.commit()) {
        *errorText = out.errorString();
        return false;
    }
    return true;
}

bool openFile(const QString &path)
{
#ifdef Q_OS_WIN
    // The shell opens no path of MAX_PATH characters or more: a longer one
    // goes by its short name.
    const QString shell = shellpath::forShell(path);
    if (shell.isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(shell));
#endif
    return QDesktopServices::openUrl(localFileUrl(path));
}

} // namespace resultactions
