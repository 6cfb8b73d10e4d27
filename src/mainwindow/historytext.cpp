#include "mainwindow/historytext.h"

#include "mainwindow/scanstatus.h"

#include <QCoreApplication>

namespace historytext {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Widget", text);
}

QString count(qint64 n, const char *one, const char *many)
{
    return n == 1 ? tr(one) : tr(many).arg(n);
}

} // namespace

QString agoText(const QDateTime &then, const QDateTime &now)
{
    const qint64 seconds = then.secsTo(now);
    if (seconds < 60)
        return tr("just now");
    const qint64 minutes = seconds / 60;
    if (minutes < 60)
        return count(minutes, "1 minute ago", "%1 minutes ago");
    const qint64 hours = minutes / 60;
    if (hours < 24)
        return count(hours, "1 hour ago", "%1 hours ago");
    const qint64 days = hours / 24;
    if (days < 60)
        return count(days, "yesterday", "%1 days ago");
    return count(days / 30, "1 month ago", "%1 months ago");
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
        when += QLatin1Char(' ') + tr("(stopped before its end)");
    return tr("Results of %1: %2 files, %3")
        .arg(when, locale.toString(scan.fileCount), scanstatus::bytesText(scan.byteCount, locale));
}

} // namespace historytext
