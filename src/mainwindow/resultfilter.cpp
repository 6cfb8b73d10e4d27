#include "mainwindow/resultfilter.h"

#include "scan/pathcodec.h"

#include <QCoreApplication>

namespace resultfilter {

bool matches(const QString &path, const QString &text)
{
    return text.isEmpty() || pathcodec::displayText(path).contains(text, Qt::CaseInsensitive);
}

QList<FoundFile> filtered(const QList<FoundFile> &files, const QString &text)
{
    if (text.isEmpty())
        return files;
    QList<FoundFile> shown;
    for (const FoundFile &file : files) {
        if (matches(file.path, text))
            shown << file;
    }
    return shown;
}

QString shownText(int shown, int total)
{
    return QCoreApplication::translate("Widget", "%1 of %2 shown").arg(shown).arg(total);
}

} // namespace resultfilter
