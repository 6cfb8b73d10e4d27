#include "mainwindow/historytext.h"

#include "mainwindow/scanstatus.h"

#include <QCoreApplication>

namespace historytext {

namespace {

// The two texts are marked for translation where they are given.
QString count(qint64 n, const char *one, const char *many)
{
    return n == 1 ? QCoreApplication::translate("Widget", one)
                  : QCoreApplication::translate("Widget", many).arg(n);
}

} // namespace

QString agoText(const QDateTime &then, const QDateTime &now)
{
    const qint64 seconds = then.secsTo(now);
    if (seconds < 60)
        return QCoreApplication::translate("Widget", "just now");
    const qint64 minutes = seconds / 60;
    if (minutes < 60)
        return count(minutes, QT_TRANSLATE_NOOP("Widget", "1 minute ago"),
                     QT_TRANSLATE_NOOP("Widget", "%1 minutes ago"));
    const qint64 hours = minutes / 60;
    if (hours < 24)
        return count(hours, QT_TRANSLATE_NOOP("Widget", "1 hour ago"),
                     QT_TRANSLATE_NOOP("Widget", "%1 hours ago"));
    const qint64 days = hours / 24;
    if (days < 60)
        return count(days, QT_TRANSLATE_NOOP("Widget", "yesterday"),
                     QT_TRANSLATE_NOOP("Widget", "%1 days ago"));
    return count(days / 30, QT_TRANSLATE_NOOP("Widget", "1 month ago"),
                 QT_TRANSLATE_NOOP("Widget", "%1 months ago"));
}

QString whenText(const QDateTime &then, const QDateTime &now)
{
    const QDateTime local = then.toLocalTime();
    const QString format = local.date().year() == now.toLocalTime().date().year()
        ? QStringLiteral("d MMM HH:mm")
        : QStringLiteral("d MMM yyyy HH:mm");
    // Month names in English, as the rest of the window's texts are.
    return QLocale::c().toString(local, format);
}

QString pastScanText(const ScanSummary &scan, const QDateTime &now, const QLocale &locale)
{
    QString when = whenText(scan.started, now) + QLatin1String(", ") + agoText(scan.started, now);
    if (scan.partial)
        when +=
            QLatin1Char(' ') + QCoreApplication::translate("Widget", "(stopped before its end)");
    return QCoreApplication::translate("Widget", "Results of %1: %2 files, %3")
        .arg(when, locale.toString(scan.fileCount), scanstatus::bytesText(scan.byteCount, locale));
}

} // namespace historytext
