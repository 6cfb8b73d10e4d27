#pragma once

#include <QObject>
#include <QPersistentModelIndex>
#include <QStandardItemModel>
#include <QStringList>

#include <functional>

// The scan target choice behind the main window's combo box, as rules a test
// can drive without a window: the items ("All Disks", one per readable drive,
// "Custom Scan", then custom lists and the command-line directories), what
// choosing one means, and which roots the next scan walks. The combo shows
// model(); the window tells this class which row became current and acts on
// the answer.
class ScanTargets : public QObject
{
    Q_OBJECT

public:
    explicit ScanTargets(QObject *parent = nullptr);

    // The combo's items. An item's kind and exact roots are kept in its data,
    // so a directory named like one of the fixed items is still a directory.
    QStandardItemModel *model() { return &items; }

    // The drive lists; replaceable so tests choose what "All Disks" means.
    std::function<QStringList()> readableDrives;
    std::function<QStringList()> allDrives;

    // Appends "All Disks", one item per readable drive, and "Custom Scan".
    void fill();

    enum Choice { RootsChosen, CustomScanChosen };
    // The row became current: its roots are the target from now on, or, for
    // "Custom Scan", the custom directory dialog is to open.
    Choice choose(int row);
    bool isCustomScan(int row) const;
    // The row to show again when the dialog is dismissed without an answer:
    // the last one whose roots were taken, else the first.
    int rowBeforeCustomScan() const;

    // Directories from the command line: an item after the last "Custom Scan"
    // item, and the next scan (that one only) walks exactly these. Returns the
    // item's row.
    int addCommandLine(const QStringList &dirs);
    // A list accepted from the custom directory dialog (paths joined by ";"),
    // as an item at row at. Returns at.
    int addCustomList(const QString &cdirlist, int at);

    // The roots of the next scan: the command-line directories once, else the
    // chosen target, else every drive root.
    QStringList nextRoots();
    // Writes roots to the debug channel as ("a", "b"): Qt 6 would prefix its
    // own list notation with the type name.
    static void debugRoots(const QStringList &roots);
    // The roots of the chosen target.
    QStringList chosenRoots() const { return scandirlist; }

private:
    int insertRoots(const QString &text, const QStringList &roots, int at);

    QStandardItemModel items;
    QStringList scandirlist;
    QStringList argdirlist;
    bool useargdirlist = false;
    QPersistentModelIndex lastTarget;
};
