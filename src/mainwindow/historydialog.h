#pragma once

#include "store/scanrecord.h"

#include <QDialog>

#include <memory>

class ScanHistory;

namespace Ui {
class HistoryDialog;
}

// The stored scans of the current target (date, duration, files, size,
// complete or stopped), newest first, with "Open", which shows a scan's
// results in the main window, and "Delete", which removes it from the
// history (never a file on disk).
class HistoryDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HistoryDialog(ScanHistory *history, QWidget *parent = nullptr);
    ~HistoryDialog() override;

    void setScans(const QList<ScanSummary> &scans);
    // The id of the chosen scan, 0 when none is.
    qint64 chosenScan() const;

private:
    void updateButtons();

    std::unique_ptr<Ui::HistoryDialog> ui;
    ScanHistory *history;
};
