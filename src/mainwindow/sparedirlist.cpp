#include "mainwindow/sparedirlist.h"

#include "widgets/directorychooser.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QListView>
#include <QStandardItemModel>

SpareDirList::SpareDirList(QListView *view, QAbstractButton *addButton,
                           QAbstractButton *removeButton, QAbstractButton *ok)
    : QObject(view), list(view), dirmodel(new QStandardItemModel(this))
{
    list->setModel(dirmodel);
    for (QWidget *unused : {static_cast<QWidget *>(list), static_cast<QWidget *>(addButton),
                            static_cast<QWidget *>(removeButton), static_cast<QWidget *>(ok)}) {
        unused->setFocusPolicy(Qt::NoFocus);
        unused->hide();
    }
}

void SpareDirList::add()
{
    const QString dir = directorychooser::getExistingDirectory(
        list->window(), QCoreApplication::translate("Widget", "Open Directory"), QDir::homePath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!dir.isEmpty())
        dirmodel->appendRow(new QStandardItem(dir));
}

void SpareDirList::removeCurrent()
{
    const int row = list->currentIndex().row();
    if (row >= 0)
        dirmodel->removeRow(row);
}
