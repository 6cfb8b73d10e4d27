#include "mainwindow/filterfield.h"

#include <QKeyEvent>
#include <QShortcut>

FilterField::FilterField(QWidget *parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("filterEdit"));
    setPlaceholderText(tr("Filter by path (Ctrl+F)"));
    setAccessibleName(tr("Filter"));
    setAccessibleDescription(tr("Shows only the results whose path holds the typed text"));
    setClearButtonEnabled(true);
    // A folder dropped here is for the window to scan, not text to type.
    setAcceptDrops(false);
    auto *find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        setFocus(Qt::ShortcutFocusReason);
        selectAll();
    });
}

void FilterField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        !text().isEmpty()) {
        clear();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
