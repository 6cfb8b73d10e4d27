#pragma once

#include <QLoggingCategory>

// Keeps the form's by-name slot binding quiet while a form is built. The main
// window keeps three slot names whose signals Qt 6 no longer has
// (QAction::activated, QComboBox::currentIndexChanged(QString)) or whose
// object the form lacks (adddirb); they are connected explicitly, so the
// binding's complaints about them say nothing.
class QuietSlotsByName
{
public:
    QuietSlotsByName() { previous = QLoggingCategory::installFilter(&filter); }
    ~QuietSlotsByName() { QLoggingCategory::installFilter(previous); }

private:
    static void filter(QLoggingCategory *category)
    {
        if (previous)
            previous(category);
        if (qstrcmp(category->categoryName(), "qt.core.qmetaobject.connectslotsbyname") == 0)
            category->setEnabled(QtWarningMsg, false);
    }
    static inline QLoggingCategory::CategoryFilter previous = nullptr;
};
