#include "mainwindow/scanstatus.h"

#include <QCoreApplication>

#include <climits>

namespace scanstatus {

namespace {

// The count that picks a translation's plural form; counts beyond int's range
// take the form of the largest one.
int pluralCount(qint64 count)
{
    return int(qBound(qint64(0), count, qint64(INT_MAX)));
}

QString unreadableText(qint64 folders, const QLocale &locale)
{
    if (folders <= 0)
        return {};
    const QString text = folders == 1
        ? QCoreApplication::translate("Widget", "; %1 folder could not be read")
        : QCoreApplication::translate("Widget", "; %1 folders could not be read", nullptr,
                                      pluralCount(folders));
    return text.arg(locale.toString(folders));
}

QString filesText(qint64 files, const QLocale &locale)
{
    return (files == 1
                ? QCoreApplication::translate("Widget", "%1 file")
                : QCoreApplication::translate("Widget", "%1 files", nullptr, pluralCount(files)))
        .arg(locale.toString(files));
}

} // namespace

int clampResultCount(qint64 count)
{
    return int(qBound(qint64(minResultCount), count, qint64(maxResultCount)));
}

QLocale numberLocale()
{
    const QLocale system;
    if (system.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return system;
}

QString bytesText(qint64 bytes, const QLocale &locale)
{
    return locale.formattedDataSize(qMax<qint64>(bytes, 0), 1, QLocale::DataSizeTraditionalFormat);
}

QString elapsedText(qint64 ms, const QLocale &locale)
{
    ms = qMax<qint64>(ms, 0);
    if (ms < 60000)
        return QCoreApplication::translate("Widget", "%1 s")
            .arg(locale.toString(double(ms) / 1000.0, 'f', 1));
    const qint64 seconds = ms / 1000;
    return QCoreApplication::translate("Widget", "%1 min %2 s")
        .arg(locale.toString(seconds / 60))
        .arg(seconds % 60);
}

QString figuresText(const Figures &figures, const QLocale &locale)
{
    return filesText(figures.files, locale) + QStringLiteral(", ") +
        bytesText(figures.bytes, locale);
}

QString progress(const Figures &figures, const QLocale &locale)
{
    return figuresText(figures, locale) + QStringLiteral(", ") +
        elapsedText(figures.elapsedMs, locale) + unreadableText(figures.unreadable, locale);
}

QString summary(const Figures &figures, bool stopped, const QLocale &locale)
{
    const QString head = stopped ? QCoreApplication::translate("Widget", "Scan Stopped.")
                                 : QCoreApplication::translate("Widget", "Scan Complete!");
    return head + QLatin1Char(' ') + figuresText(figures, locale) +
        QCoreApplication::translate("Widget", " in ") + elapsedText(figures.elapsedMs, locale) +
        unreadableText(figures.unreadable, locale);
}

} // namespace scanstatus
