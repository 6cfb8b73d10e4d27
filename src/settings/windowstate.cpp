#include "settings/windowstate.h"

#include "settings/settings.h"

#include <QSettings>
#include <QStringList>

#include <algorithm>

namespace {

const QString sizeKey = QStringLiteral("window/size");
const QString positionKey = QStringLiteral("window/position");
const QString maximizedKey = QStringLiteral("window/maximized");
const QString viewKey = QStringLiteral("window/view");
const QString filesColumnsKey = QStringLiteral("window/filesColumns");
const QString filesSortKey = QStringLiteral("window/filesSort");
const QString foldersColumnsKey = QStringLiteral("window/foldersColumns");
const QString foldersSortKey = QStringLiteral("window/foldersSort");

const QString ascending = QStringLiteral("ascending");
const QString descending = QStringLiteral("descending");

// A list as the INI file holds it: QSettings reads "a, b" as a list and a
// single item as a plain string.
QStringList listOf(const QVariant &value)
{
    QStringList items = value.toStringList();
    if (items.size() == 1)
        items = items.first().split(QLatin1Char(','));
    for (QString &item : items)
        item = item.trimmed();
    return items;
}

std::optional<int> numberOf(const QString &text, int low, int high)
{
    bool isNumber = false;
    const int number = text.trimmed().toInt(&isNumber);
    if (!isNumber || number < low || number > high)
        return std::nullopt;
    return number;
}

std::optional<QSize> sizeOf(const QVariant &value)
{
    if (value.typeId() != QMetaType::QSize)
        return std::nullopt;
    const QSize size = value.toSize();
    if (size.width() < 1 || size.height() < 1 || size.width() > WindowState::maxExtent ||
        size.height() > WindowState::maxExtent)
        return std::nullopt;
    return size;
}

std::optional<QPoint> pointOf(const QVariant &value)
{
    if (value.typeId() != QMetaType::QPoint)
        return std::nullopt;
    const QPoint point = value.toPoint();
    if (qAbs(point.x()) > WindowState::maxExtent || qAbs(point.y()) > WindowState::maxExtent)
        return std::nullopt;
    return point;
}

std::optional<bool> flagOf(const QVariant &value)
{
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return std::nullopt;
}

// Widths that are not numbers or out of bounds count as columns left to
// their fitting, each on its own.
QList<int> widthsOf(const QVariant &value)
{
    if (!value.isValid())
        return {};
    QList<int> widths;
    for (const QString &item : listOf(value).mid(0, WindowState::maxColumns))
        widths << numberOf(item, 1, WindowState::maxExtent).value_or(0);
    if (std::all_of(widths.cbegin(), widths.cend(), [](int width) { return width == 0; }))
        widths.clear();
    return widths;
}

void readSort(const QVariant &value, TableState &table)
{
    const QStringList items = listOf(value);
    if (items.size() != 2)
        return;
    const auto column = numberOf(items.at(0), 0, WindowState::maxColumns - 1);
    const QString order = items.at(1).toLower();
    if (!column || (order != ascending && order != descending))
        return;
    table.sortColumn = *column;
    table.sortOrder = order == ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
}

TableState tableOf(const QSettings &file, const QString &columnsKey, const QString &sortKey)
{
    TableState table;
    table.widths = widthsOf(file.value(columnsKey));
    readSort(file.value(sortKey), table);
    return table;
}

template<typename T>
void setOrRemove(QSettings &file, const QString &key, const std::optional<T> &value)
{
    if (value)
        file.setValue(key, *value);
    else
        file.remove(key);
}

void saveTable(QSettings &file, const TableState &table, const QString &columnsKey,
               const QString &sortKey)
{
    if (table.widths.isEmpty()) {
        file.remove(columnsKey);
    } else {
        QStringList widths;
        for (int width : table.widths)
            widths << QString::number(qMax(0, width));
        // One item would be written as a plain number; the reader takes both.
        file.setValue(columnsKey, widths.size() == 1 ? QVariant(widths.first()) : widths);
    }
    if (table.sortColumn < 0) {
        file.remove(sortKey);
    } else {
        file.setValue(sortKey,
                      QStringList {QString::number(table.sortColumn),
                                   table.sortOrder == Qt::AscendingOrder ? ascending : descending});
    }
}

} // namespace

WindowState WindowState::load(const QSettings &file)
{
    WindowState state;
    state.size = sizeOf(file.value(sizeKey));
    state.position = pointOf(file.value(positionKey));
    state.maximized = flagOf(file.value(maximizedKey));
    state.view = numberOf(file.value(viewKey).toString(), 0, maxViews - 1);
    state.files = tableOf(file, filesColumnsKey, filesSortKey);
    state.folders = tableOf(file, foldersColumnsKey, foldersSortKey);
    return state;
}

WindowState WindowState::load()
{
    return load(*settings::open());
}

void WindowState::save(QSettings &file) const
{
    setOrRemove(file, sizeKey, size);
    setOrRemove(file, positionKey, position);
    setOrRemove(file, maximizedKey, maximized);
    setOrRemove(file, viewKey, view);
    saveTable(file, files, filesColumnsKey, filesSortKey);
    saveTable(file, folders, foldersColumnsKey, foldersSortKey);
}

void WindowState::save() const
{
    save(*settings::open());
}
