#pragma once

#include <QObject>

class QAbstractButton;
class QListView;
class QStandardItemModel;

// The main form's small directory list with its "+", "-" and "ok" buttons,
// which the user could edit but no scan reads. It lies outside the window,
// so it is hidden and takes no clicks and no keyboard focus; adding and
// removing still work on its own model.
class SpareDirList : public QObject
{
    Q_OBJECT

public:
    SpareDirList(QListView *list, QAbstractButton *add, QAbstractButton *remove,
                 QAbstractButton *ok);

    // Asks for a directory and appends it.
    void add();
    // Removes the current row.
    void removeCurrent();

private:
    QListView *list;
    QStandardItemModel *dirmodel;
};
