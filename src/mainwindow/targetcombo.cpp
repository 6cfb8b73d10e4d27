#include "mainwindow/targetcombo.h"

#include "customdir/customdir.h"
#include "mainwindow/scantargets.h"
#include "widgets/plaintext.h"

#include <QComboBox>

TargetCombo::TargetCombo(QComboBox *box, ScanTargets *targets, QObject *parent)
    : QObject(parent), combo(box), rules(targets)
{
    combo->setModel(rules->model());
}

void TargetCombo::makeCurrent(int row)
{
    if (combo->currentIndex() == row)
        currentChanged();
    else
        combo->setCurrentIndex(row);
}

void TargetCombo::currentChanged()
{
    combo->setToolTip(plaintext::toolTip(combo->currentText()));
    if (rules->choose(combo->currentIndex()) == ScanTargets::CustomScanChosen)
        Q_EMIT customScanChosen();
    else
        Q_EMIT targetChosen(rules->chosenRoots());
}

CustomDir *TargetCombo::openCustomDir(const QStringList &offered)
{
    dialog = new CustomDir; // releases itself once it has answered
    dialog->setDirList(offered);
    dialog->initDirList();
    dialog->setVisible(true);
    // The dialog closes before it sends its answer; what the answer changed
    // is seen once the event loop comes round again.
    connect(dialog, &QDialog::finished, this, &TargetCombo::dialogClosed, Qt::QueuedConnection);
    return dialog;
}

void TargetCombo::dialogClosed()
{
    // Dismissed without an answer (Escape): back to the target of before, so
    // the combo shows what the next scan walks and "Custom Scan" can be
    // chosen again.
    if (rules->isCustomScan(combo->currentIndex()))
        combo->setCurrentIndex(rules->rowBeforeCustomScan());
}

void TargetCombo::acceptCustomList(const QString &cdirlist)
{
    makeCurrent(rules->addCustomList(cdirlist, combo->currentIndex() + 1));
}
