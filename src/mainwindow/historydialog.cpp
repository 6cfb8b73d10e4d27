#include "mainwindow/historydialog.h"
#include "ui_historydialog.h"

#include "mainwindow/historytext.h"
#include "mainwindow/scanhistory.h"
#include "mainwindow/scanstatus.h"
#include "scan/pathcodec.h"

namespace {
constexpr int idRole = Qt::UserRole;
}

HistoryDialog::HistoryDialog(ScanHistory *scanHistory, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::HistoryDialog>()), history(scanHistory)
{
    ui->setupUi(this);
    QStringList roots;
    for (const QString &root : history->target().roots)
        roots << pathcodec::displayText(root);
    ui->targetlabel->setText(tr("Stored scans of %1").arg(roots.join(QLatin1String("; "))));
    connect(ui->closeb, &QPushButton::clicked, this, &QDialog::close);
    connect(ui->openb, &QPushButton::clicked, this, [this] {
        if (const qint64 id = chosenScan()) {
            history->open(id);
            close();
        }
    });
    connect(ui->deleteb, &QPushButton::clicked, this, [this] {
        if (const qint64 id = chosenScan())
            history->remove(id);
    });
    connect(ui->scans, &QTreeWidget::itemDoubleClicked, ui->openb, &QPushButton::click);
    connect(ui->scans, &QTreeWidget::currentItemChanged, this, &HistoryDialog::updateButtons);
    connect(history, &ScanHistory::summariesChanged, this,
            [this] { setScans(history->summaries()); });
    setScans(history->summaries());
}

HistoryDialog::~HistoryDialog() = default;

void HistoryDialog::setScans(const QList<ScanSummary> &scans)
{
    const qint64 chosen = chosenScan();
    const QLocale locale = scanstatus::numberLocale();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    ui->scans->clear();
    for (const ScanSummary &scan : scans) {
        auto *item = new QTreeWidgetItem(ui->scans);
        item->setText(0, historytext::whenText(scan.started, now));
        item->setText(1, scanstatus::elapsedText(scan.durationMs, locale));
        item->setText(2, locale.toString(scan.fileCount));
        item->setText(3, scanstatus::bytesText(scan.byteCount, locale));
        item->setText(4, scan.partial ? tr("stopped (partial)") : tr("complete"));
        item->setData(0, idRole, scan.id);
        for (int column = 1; column < 4; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        if (scan.id == chosen)
            ui->scans->setCurrentItem(item);
    }
    if (!ui->scans->currentItem() && ui->scans->topLevelItemCount() > 0)
        ui->scans->setCurrentItem(ui->scans->topLevelItem(0));
    for (int column = 0; column < ui->scans->columnCount(); ++column)
        ui->scans->resizeColumnToContents(column);
    updateButtons();
}

qint64 HistoryDialog::chosenScan() const
{
    const QTreeWidgetItem *item = ui->scans->currentItem();
    return item ? item->data(0, idRole).toLongLong() : 0;
}

void HistoryDialog::updateButtons()
{
    ui->openb->setEnabled(chosenScan() != 0);
    ui->deleteb->setEnabled(chosenScan() != 0);
}
