#include "config/countvalidator.h"

CountValidator::CountValidator(QObject *parent) : QIntValidator(1, 10000, parent)
{
    setLocale(countLocale());
}

QValidator::State CountValidator::validate(QString &input, int &pos) const
{
    // QIntValidator lets a number above the top through as intermediate input
    // while it has no more digits than the top; the field must refuse it.
    const State state = QIntValidator::validate(input, pos);
    bool ok = false;
    const qlonglong value = locale().toLongLong(input, &ok);
    if (state == Intermediate && ok && (value > top() || value < bottom()))
        return Invalid;
    return state;
}

QLocale CountValidator::countLocale()
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

std::optional<int> CountValidator::count(const QString &text)
{
    bool ok = false;
    const int value = countLocale().toInt(text, &ok);
    if (!ok || value < 1)
        return std::nullopt;
    return value;
}
