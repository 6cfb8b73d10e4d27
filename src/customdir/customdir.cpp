#include "customdir/customdir.h"

#include "ui_customdir.h"
#include "widgets/directorychooser.h"

#include <QDir>
#include <QStandardItem>

QStringList tickedDirs(const QAbstractItemModel &model)
{
    QStringList dirs;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row, 0);
        if (index.data(Qt::CheckStateRole).toInt() != Qt::Checked)
            continue;
        dirs.append(index.data(Qt::DisplayRole).toString());
    }
    return dirs;
}

namespace {

// One unticked check-box row showing a directory path.
QStandardItem *dirItem(const QString &path, bool editable)
{
    auto *item = new QStandardItem(path);
    item->setCheckable(true);
    item->setEditable(editable);
    return item;
}

} // namespace

CustomDir::CustomDir() : framelessdialog(nullptr), ui(std::make_unique<Ui::CustomDir>())
{
    ui->setupUi(this);
    setWindowTitle(tr("Custom Scan - Vastrel"));
    ui->listView->setModel(&model);

    // The main window may be hidden in the tray while this dialog is the only
    // visible window; closing it must not count as closing the last window
    // and end the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    // Every way of answering (OK, Cancel, the close button, Escape) ends in
    // done(), which emits finished(). The delete is deferred, so the answer's
    // own signal, emitted right after, still reaches the main window first.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

CustomDir::~CustomDir() = default;

void CustomDir::setDirList(const QStringList &list)
{
    dirlist = list;
}

void CustomDir::initDirList()
{
    for (const QString &dir : std::as_const(dirlist)) {
        if (!dir.isEmpty())
            model.appendRow(dirItem(dir, true));
    }
}

void CustomDir::on_adddirb_clicked()
{
    const QString dir = directorychooser::getExistingDirectory(
        this, tr("Open Directory"), QDir::homePath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!dir.isEmpty())
        model.appendRow(dirItem(dir, false));
}

void CustomDir::on_buttonBox_accepted()
{
    const QStringList dirs = tickedDirs(model);
    if (dirs.isEmpty())
        Q_EMIT customdircancel();
    else
        Q_EMIT customdircomplete(dirs.join(QLatin1Char(';')));
}

void CustomDir::on_buttonBox_rejected()
{
    Q_EMIT customdircancel();
}

void CustomDir::on_exitb_clicked()
{
    Q_EMIT customdircancel();
    reject();
}
