#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <optional>

class QSettings;

// How a results table was left: the widths the user gave its columns (by
// logical column; 0 where the column is fitted to its texts) and the column
// and order it was sorted by (column -1 when not known).
struct TableState
{
    QList<int> widths;
    int sortColumn = -1;
    Qt::SortOrder sortOrder = Qt::DescendingOrder;

    bool operator==(const TableState &other) const
    {
        // Not QList's ==: Qt 6.4 hands memcmp a null pointer for an empty
        // list, which the sanitizers rightly flag.
        return std::equal(widths.cbegin(), widths.cend(), other.widths.cbegin(),
                          other.widths.cend()) &&
            sortColumn == other.sortColumn && sortOrder == other.sortOrder;
    }
};

// The main window as it was last closed, kept in the "[window]" group of the
// settings file. Every value is optional: one that is missing, malformed or
// out of bounds in the file is left unset on its own, and the window keeps
// its first-start look for it.
struct WindowState
{
    // The size of the window showing its results (the compact window above
    // them only has its own height).
    std::optional<QSize> size;
    // The window's top-left corner, in the desktop's coordinates.
    std::optional<QPoint> position;
    std::optional<bool> maximized;
    // The results view that was current.
    std::optional<int> view;
    TableState files;
    TableState folders;

    // Bounds of what is taken from the file.
    static constexpr int maxExtent = 32767;
    static constexpr int maxColumns = 64;
    static constexpr int maxViews = 16;

    static WindowState load(const QSettings &file);
    static WindowState load();
    // Writes the values that are set and removes the others, so that what
    // the file says is what was saved last.
    void save(QSettings &file) const;
    void save() const;

    bool operator==(const WindowState &other) const
    {
        return size == other.size && position == other.position && maximized == other.maximized &&
            view == other.view && files == other.files && folders == other.folders;
    }
};
