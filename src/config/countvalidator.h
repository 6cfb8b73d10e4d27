#pragma once

#include <QIntValidator>
#include <QLocale>

#include <optional>

// The result-count field's rules. Typing is limited to whole numbers from 1 to
// 10000 (an empty field is allowed on the way); 0 and a number above 10000 are
// refused as soon as they are typed. Typing and reading use the same locale, the
// C locale without group separators, so a text the field lets through is read
// as the number it shows and nothing like "1,000" or "1.000" gets in.
class CountValidator : public QIntValidator
{
    Q_OBJECT

public:
    explicit CountValidator(QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

    // The locale for typing and reading counts.
    static QLocale countLocale();
    // The count a field text stands for, if it is one (1 or more; values above
    // 10000 from the settings file count too). Anything else is no count.
    static std::optional<int> count(const QString &text);
};
