#pragma once

#include <QLocale>

class QCoreApplication;

namespace translations {

// Installs on app the catalogue of the first of locale's languages that the
// program has one for (compiled into its resources), and beside it Qt's own
// catalogue of that language where one is installed. For every other
// language, the C locale among them, nothing is installed and the texts stay
// English. Returns the language of the installed catalogue ("de", "zh_CN"),
// or an empty text.
QString install(QCoreApplication *app, const QLocale &locale = QLocale::system());

} // namespace translations
