#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace translations {

QString install(QCoreApplication *app, const QLocale &locale)
{
    // The C locale's one language is "C": no catalogue is made for it, but
    // QTranslator::load() would also try a bare "vastrel.qm".
    if (locale.language() == QLocale::C)
        return {};
    auto *own = new QTranslator(app);
    if (!own->load(locale, QStringLiteral("vastrel"), QStringLiteral("_"),
                   QStringLiteral(":/i18n")) ||
        !app->installTranslator(own)) {
        delete own;
        return {};
    }
    // Qt's own texts (the buttons of message boxes and file dialogs) in the
    // same language, not in the first one Qt happens to have.
    const QString language = own->language();
    auto *qt = new QTranslator(app);
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app->installTranslator(qt);
    else
        delete qt;
    return language;
}

} // namespace translations
