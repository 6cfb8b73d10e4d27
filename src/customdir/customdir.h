#pragma once

#include "frameless/framelessdialog.h"

#include <QStandardItemModel>
#include <QStringList>

#include <memory>

class QAbstractItemModel;

namespace Ui {
class CustomDir;
}

// The ticked directories of a list, top to bottom: the display text of every
// row of column 0 whose check state is Qt::Checked. A row the user emptied is
// sent as an empty path; the walker takes an empty root as nothing to walk.
QStringList tickedDirs(const QAbstractItemModel &model);

// Dialog in which the user assembles the directories of a custom scan: a list
// of check-box rows (the initial entries, which the user may rename, plus
// directories added through the chooser), answered with OK, Cancel or the
// close button. The answer is one signal; afterwards the dialog releases
// itself, since the main window creates a new one for every custom selection.
class CustomDir : public framelessdialog
{
    Q_OBJECT

public:
    CustomDir();
    ~CustomDir() override;

    // Replaces the initial directory list (rows are made by initDirList).
    void setDirList(const QStringList &list);
    // Appends one unticked, editable row per non-empty entry of the initial list.
    void initDirList();

Q_SIGNALS:
    // The user confirmed with rows ticked: their paths in row order joined by ";".
    void customdircomplete(const QString &cdirlist);
    // The user cancelled, closed the dialog, or confirmed with nothing ticked.
    void customdircancel();

private Q_SLOTS:
    void on_adddirb_clicked();
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();
    void on_exitb_clicked();

private:
    std::unique_ptr<Ui::CustomDir> ui;
    QStringList dirlist;
    QStandardItemModel model;
};
