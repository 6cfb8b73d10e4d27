#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class CustomDir;
class QComboBox;
class ScanTargets;

// The scan-target combo box bound to its rules (ScanTargets): a newly added
// target becomes current, the current item's path list is its tool-tip,
// "Custom Scan" opens the custom directory dialog, and dismissing that dialog
// without an answer goes back to the target of before.
class TargetCombo : public QObject
{
    Q_OBJECT

public:
    TargetCombo(QComboBox *combo, ScanTargets *targets, QObject *parent = nullptr);

    ScanTargets *targets() const { return rules; }

    // Makes the item at row current, also when it took the current item's
    // place (then the current index does not change, but the target did).
    void makeCurrent(int row);
    // The current item changed: takes its roots as the target, or opens the
    // custom directory dialog for "Custom Scan".
    void currentChanged();
    // Opens a new custom directory dialog offering these directories; it
    // releases itself once it has answered.
    CustomDir *openCustomDir(const QStringList &offered);
    // A list accepted from the dialog goes right after the current item.
    void acceptCustomList(const QString &cdirlist);

Q_SIGNALS:
    // The roots of the chosen target; empty for "All Disks".
    void targetChosen(const QStringList &roots);
    // "Custom Scan" was chosen: the window opens the dialog.
    void customScanChosen();

private:
    void dialogClosed();

    QComboBox *combo;
    ScanTargets *rules;
    QPointer<CustomDir> dialog;
};
