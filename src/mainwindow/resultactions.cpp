#include "mainwindow/resultactions.h"

#include "mainwindow/scanstatus.h"
#include "platform/platform.h"
#include "platform/savefile.h"
#include "scan/freespace.h"
#include "scan/localfileurl.h"
#include "scan/localpaths.h"
#include "scan/pathcodec.h"
#include "scan/sizetext.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QMimeData>
#include <QStringList>

#include <algorithm>

namespace resultactions {

namespace {

// "1 file", "3 files".
QString fileCount(qsizetype count)
{
    return count == 1
        ? QCoreApplication::translate("ResultActions", "1 file")
        : QCoreApplication::translate("ResultActions", "%1 files", nullptr, int(count)).arg(count);
}

// "1 folder", "3 folders".
QString folderCount(qsizetype count)
{
    return count == 1
        ? QCoreApplication::translate("ResultActions", "1 folder")
        : QCoreApplication::translate("ResultActions", "%1 folders", nullptr, int(count))
              .arg(count);
}

// How many files the confirmation lists before it summarises the rest.
constexpr int listedFiles = 15;

// The lines and the question for the trash, whatever is moved.
TrashConfirmation confirmationOf(const QStringList &lines, const QString &question,
                                 const QString &freed)
{
    TrashConfirmation confirmation;
    confirmation.question = question;
    confirmation.freed = freed;
    if (lines.size() <= listedFiles) {
        confirmation.fileList = lines.join(QLatin1Char('\n'));
    } else {
        confirmation.fileList = lines.mid(0, listedFiles).join(QLatin1Char('\n')) +
            QLatin1Char('\n') +
            QCoreApplication::translate("ResultActions", "and %1 more", nullptr,
                                        int(lines.size() - listedFiles))
                .arg(lines.size() - listedFiles);
        confirmation.details = lines.join(QLatin1Char('\n'));
    }
    return confirmation;
}

// "path (size, frees N)"; a file other names keep says so, for those names
// outside the files being removed.
QString fileLine(const FoundFile &file, qint64 frees, quint32 namesRemoved)
{
    QString what;
    const quint32 remain = file.links > namesRemoved ? file.links - namesRemoved : 0;
    if (remain == 1)
        what = QCoreApplication::translate("ResultActions", "1 other name remains: frees nothing");
    else if (remain > 1)
        what = QCoreApplication::translate("ResultActions", "%1 other names remain: frees nothing")
                   .arg(remain);
    else
        what = QCoreApplication::translate("ResultActions", "frees %1").arg(humanSize(frees));
    return pathcodec::displayText(file.path) + QStringLiteral(" (") + humanSize(file.size) +
        QStringLiteral(", ") + what + QLatin1Char(')');
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
    return pathcodec::bytesEscaped(path);
}

// Moves each item (a file or a folder of the scan) to the trash with move,
// and tells what went and what stayed, and why.
template<typename Item, typename Move>
TrashReport trashEach(const QList<Item> &items, const Move &move)
{
    TrashReport report;
    for (int i = 0; i < items.size(); ++i) {
        const Item &item = items.at(i);
        const platform::TrashOutcome outcome = move(item);
        switch (outcome.result) {
        case platform::TrashResult::Trashed:
            report.trashed.append(i);
            report.bytesTrashed = saturatedSum(report.bytesTrashed, item.size);
            continue;
        case platform::TrashResult::Changed:
            report.failures.append({i, item.path, TrashProblem::Changed, outcome.reason});
            continue;
        case platform::TrashResult::Vanished:
            report.failures.append({i, item.path, TrashProblem::Vanished, outcome.reason});
            continue;
        case platform::TrashResult::Refused:
            report.failures.append({i, item.path, TrashProblem::NotTrashable, outcome.reason});
            continue;
        }
    }
    return report;
}

} // namespace

QString humanSize(qint64 bytes)
{
    if (bytes == 1)
        return QCoreApplication::translate("ResultActions", "1 byte");
    if (bytes < 1024)
        return QCoreApplication::translate("ResultActions", "%1 bytes", nullptr, int(bytes))
            .arg(bytes);
    // Traditional units are powers of 1024 named KB, MB, GB, as the table's MB.
    return scanstatus::bytesText(bytes, QLocale::c())
        .replace(QStringLiteral("kB"), QStringLiteral("KB"));
}

TrashConfirmation trashConfirmation(const QList<FoundFile> &files)
{
    // Names of one file among those chosen, by device and inode, so a file
    // whose every name goes at once is not said to keep one.
    QHash<QPair<quint64, quint64>, quint32> namesChosen;
    for (const FoundFile &file : files) {
        if (file.links > 1)
            ++namesChosen[{file.device, file.inode}];
    }
    const QList<qint64> frees = freespace::freesTogether(files);
    qint64 total = 0;
    qint64 freed = 0;
    QStringList lines;
    for (int i = 0; i < files.size(); ++i) {
        const FoundFile &file = files.at(i);
        total = saturatedSum(total, file.size);
        freed = saturatedSum(freed, frees.at(i));
        lines << fileLine(file, frees.at(i),
                          file.links > 1 ? namesChosen.value({file.device, file.inode}) : 1);
    }

    return confirmationOf(
        lines,
        files.size() == 1
            ? QCoreApplication::translate("ResultActions", "Move 1 file, %1, to the trash?")
                  .arg(humanSize(total))
            : QCoreApplication::translate("ResultActions", "Move %1, %2 in all, to the trash?")
                  .arg(fileCount(files.size()), humanSize(total)),
        QCoreApplication::translate("ResultActions",
                                    "This frees %1 on disk once the trash is emptied.")
            .arg(humanSize(freed)));
}

QList<FolderSize> outermostFolders(const QList<FolderSize> &folders)
{
    QList<FolderSize> outer;
    for (const FolderSize &folder : folders) {
        const bool within =
            std::any_of(folders.cbegin(), folders.cend(), [&](const FolderSize &other) {
                return other.path != folder.path && localpaths::isInside(folder.path, other.path);
            });
        const bool again = std::any_of(outer.cbegin(), outer.cend(), [&](const FolderSize &kept) {
            return kept.path == folder.path;
        });
        if (!within && !again)
            outer << folder;
    }
    return outer;
}

QString folderRefusal(const QString &folder, const QStringList &roots)
{
    for (const QString &root : roots) {
        if (root == folder)
            return QCoreApplication::translate("ResultActions",
                                               "it is a folder the scan started from");
    }
    for (const QString &root : roots) {
        if (localpaths::isInside(root, folder))
            return QCoreApplication::translate("ResultActions",
                                               "it holds %1, a folder the scan started from")
                .arg(pathcodec::displayText(root));
    }
    return QString();
}

TrashConfirmation folderTrashConfirmation(const QList<FolderSize> &folders)
{
    qint64 total = 0;
    qint64 onDisk = 0;
    QStringList lines;
    for (const FolderSize &folder : folders) {
        total = saturatedSum(total, folder.size);
        onDisk = saturatedSum(onDisk, folder.allocated);
        QString line = pathcodec::displayText(folder.path) + QStringLiteral(" (") +
            humanSize(folder.size) + QStringLiteral(", ") + fileCount(folder.files) +
            QStringLiteral(", ") +
            QCoreApplication::translate("ResultActions", "about %1 on disk")
                .arg(humanSize(folder.allocated));
        if (!folder.complete)
            line += QStringLiteral(", ") +
                QCoreApplication::translate("ResultActions",
                                            "more in parts the scan could not read");
        lines << line + QLatin1Char(')');
    }
    const QString question = folders.size() == 1
        ? QCoreApplication::translate("ResultActions",
                                      "Move 1 folder, %1, with everything in it to the trash?")
              .arg(humanSize(total))
        : QCoreApplication::translate("ResultActions",
                                      "Move %1, %2 in all, with everything in them to the trash?")
              .arg(folderCount(folders.size()), humanSize(total));
    // What the scan counted on disk below a folder is all a folder offers
    // short of examining each file again: files with other names, or blocks
    // shared with other files, free less.
    const QString freed =
        QCoreApplication::translate(
            "ResultActions",
            "This frees about %1 on disk once the trash is emptied, as the scan counted it.")
            .arg(humanSize(onDisk));
    return confirmationOf(lines, question, freed);
}

TrashReport moveFoldersToTrash(const QList<FolderSize> &folders, const QDateTime &scanStarted)
{
    TrashReport report = trashEach(folders, [&](const FolderSize &folder) {
        return platform::moveFolderToTrash(folder.path, scanStarted);
    });
    report.folders = true;
    return report;
}

QString TrashReport::statusText() const
{
    const auto count = [this](qsizetype n) {
        return folders ? folderCount(n) : fileCount(n);
    };
    QString text = trashed.isEmpty()
        ? QCoreApplication::translate("ResultActions", "Nothing was moved to the trash")
        : QCoreApplication::translate("ResultActions", "Moved %1, %2, to the trash")
              .arg(count(trashed.size()), humanSize(bytesTrashed));
    if (!trashed.isEmpty())
        text += QCoreApplication::translate("ResultActions",
                                            "; the space comes back when the trash is emptied");
    if (!failures.isEmpty()) {
        if (failures.size() > 1)
            text += QCoreApplication::translate("ResultActions", "; %1 were left where they are")
                        .arg(count(failures.size()));
        else if (folders)
            text += QCoreApplication::translate("ResultActions", "; 1 folder was left where it is");
        else
            text += QCoreApplication::translate("ResultActions", "; 1 file was left where it is");
    }
    return text;
}

QString TrashReport::problemText() const
{
    if (failures.isEmpty())
        return QString();
    QStringList lines;
    if (folders)
        lines << (failures.size() == 1
                      ? QCoreApplication::translate("ResultActions",
                                                    "This folder was left where it is:")
                      : QCoreApplication::translate("ResultActions",
                                                    "These folders were left where they are:"));
    else
        lines << (failures.size() == 1
                      ? QCoreApplication::translate("ResultActions",
                                                    "This file was left where it is:")
                      : QCoreApplication::translate("ResultActions",
                                                    "These files were left where they are:"));
    for (const TrashFailure &failure : failures)
        lines << pathcodec::displayText(failure.path) + QStringLiteral(": ") + failure.reason;
    return lines.join(QLatin1Char('\n'));
}

TrashReport moveToTrash(const QList<FoundFile> &files, const QDateTime &scanStarted)
{
    return trashEach(
        files, [&](const FoundFile &file) { return platform::moveToTrash(file, scanStarted); });
}

namespace {

QStringList pathsOf(const QList<FoundFile> &files)
{
    QStringList paths;
    for (const FoundFile &file : files)
        paths << file.path;
    return paths;
}

} // namespace

QString pathsText(const QList<FoundFile> &files)
{
    return pathsText(pathsOf(files));
}

QMimeData *pathsMimeData(const QList<FoundFile> &files)
{
    return pathsMimeData(pathsOf(files));
}

QString pathsText(const QStringList &paths)
{
    QStringList lines;
    for (const QString &path : paths)
        lines << pathcodec::displayText(path);
    return lines.join(QLatin1Char('\n'));
}

QMimeData *pathsMimeData(const QStringList &paths)
{
    auto *data = new QMimeData;
    data->setText(pathsText(paths));
    // Built from the bytes, not through QUrl, which would turn a byte that is
    // not UTF-8 into U+FFFD and so name another file.
    QByteArray uris;
    for (const QString &path : paths)
        uris += localFileUri(path) + "\r\n";
    data->setData(QStringLiteral("text/uri-list"), uris);
    return data;
}

QString openFailureText(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("ResultActions", "Could not open %1: %2")
        .arg(pathcodec::displayText(path), reason);
}

QString revealFailureText(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("ResultActions", "Could not show %1 in a file manager: %2")
        .arg(pathcodec::displayText(path), reason);
}

QByteArray csv(const QList<FoundFile> &files)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = QStringLiteral("Size (bytes),Size (MB),Path") + lineEnd;
    for (const FoundFile &file : files) {
        text += QString::number(file.size) + QLatin1Char(',') + csvField(megabytesText(file.size)) +
            QLatin1Char(',') + csvField(csvPath(file.path)) + lineEnd;
    }
    return text.toUtf8();
}

bool saveCsv(const QString &fileName, const QList<FoundFile> &files, QString *errorText)
{
    return savefile::save(fileName, csv(files), errorText);
}

void openFile(const QString &path, QObject *receiver, const platform::OpenFailed &failed)
{
    platform::openUrl(localFileUrl(path), receiver, failed);
}

} // namespace resultactions
