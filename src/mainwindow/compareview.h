#pragma once

#include "store/scancomparison.h"

#include <QAbstractTableModel>
#include <QWidget>

class QLabel;
class QTableView;

// The rows of a comparison of two scans: the listed files that are new,
// grew, shrank or are gone, or the folders whose totals changed, largest
// change first, narrowed to the paths that contain a filter text.
class CompareModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Part { Files, Folders };
    enum Column { ChangeColumn, BeforeColumn, AfterColumn, PercentColumn, PathColumn };

    explicit CompareModel(Part part, QObject *parent = nullptr);

    void setComparison(const ScanComparison &comparison);
    void setFilterText(const QString &text);
    int totalCount() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void refilter();

    Part part;
    ScanComparison compared;
    QString filter;
    QList<int> shown;
};

// The "Compare" view: what changed since the previous scan of the target.
class CompareView : public QWidget
{
    Q_OBJECT

public:
    explicit CompareView(QWidget *parent = nullptr);

    // before is the summary of the older scan, after of the newer one.
    void setComparison(const ScanComparison &comparison, const ScanSummary &before);

public Q_SLOTS:
    void setFilterText(const QString &text);

Q_SIGNALS:
    void shownCountChanged(int shown, int total);

private:
    void countShown();

    QLabel *note;
    CompareModel *files;
    CompareModel *folders;
    QTableView *filesTable;
    QLabel *foldersNote;
    QTableView *foldersTable;
};
