#include "scan/filetypes.h"

#include <QRegularExpression>

namespace filetypes {

QStringList words(const QString &entry)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    return entry.split(separators, Qt::SkipEmptyParts);
}

QString extension(const QString &word)
{
    QString type = word.toLower();
    if (type.startsWith(QLatin1String("*.")))
        type.remove(0, 2);
    while (type.startsWith(QLatin1Char('.')))
        type.remove(0, 1);
    for (const QChar c :
         {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char('*'), QLatin1Char('?')}) {
        if (type.contains(c))
            return QString();
    }
    return type;
}

QStringList extensions(const QStringList &entries)
{
    QStringList kept;
    for (const QString &entry : entries) {
        for (const QString &word : words(entry)) {
            const QString type = extension(word);
            if (!type.isEmpty() && !kept.contains(type))
                kept << type;
        }
    }
    return kept;
}

QStringList rejectedWords(const QString &entry)
{
    QStringList rejected;
    for (const QString &word : words(entry)) {
        if (extension(word).isEmpty())
            rejected << word;
    }
    return rejected;
}

} // namespace filetypes
