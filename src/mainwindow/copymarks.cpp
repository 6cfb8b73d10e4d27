#include "mainwindow/copymarks.h"

#include "scan/pathcodec.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <limits>

void CopyMarks::setSets(const QList<CopySet> &sets, const QList<FoundFile> &comparedFiles,
                        const QList<FoundFile> &rows)
{
    found = sets;
    compared.clear();
    compared.reserve(comparedFiles.size());
    for (const FoundFile &file : comparedFiles)
        compared.insert(file.path, file.size);
    keepOnly(rows);
    reindex();
}

void CopyMarks::clear()
{
    found.clear();
    places.clear();
    compared.clear();
}

bool CopyMarks::keepOnly(const QList<FoundFile> &rows)
{
    if (found.isEmpty())
        return false;
    QHash<QString, qint64> listed;
    listed.reserve(rows.size());
    for (const FoundFile &file : rows)
        listed.insert(file.path, file.size);
    bool changed = false;
    for (CopySet &set : found) {
        const auto gone = [&](const CopyEntry &file) {
            const auto row = listed.constFind(file.path);
            return row == listed.cend() || row.value() != set.size;
        };
        const qsizetype before = set.files.size();
        set.files.erase(std::remove_if(set.files.begin(), set.files.end(), gone), set.files.end());
        changed = changed || set.files.size() != before;
    }
    found.erase(std::remove_if(found.begin(), found.end(),
                               [](const CopySet &set) { return set.files.size() < 2; }),
                found.end());
    if (changed)
        reindex();
    return changed;
}

void CopyMarks::reindex()
{
    places.clear();
    for (int s = 0; s < found.size(); ++s) {
        const QList<CopyEntry> &files = found.at(s).files;
        for (int i = 0; i < files.size(); ++i)
            places.insert(files.at(i).path, {s, i});
    }
}

QString CopyMarks::placeText(const QString &path) const
{
    const auto place = places.constFind(path);
    if (place == places.cend())
        return {};
    return copies::placeText(place->index + 1, int(found.at(place->set).files.size()));
}

QString CopyMarks::toolTip(const QString &path) const
{
    const auto place = places.constFind(path);
    if (place == places.cend())
        return {};
    const QList<CopyEntry> &files = found.at(place->set).files;
    const CopyEntry &file = files.at(place->index);
    QStringList lines;
    lines << (place->index == 0
                  ? QCoreApplication::translate(
                        "Widget", "The copy kept by \"Select Extra Copies\". The others:")
                  : QCoreApplication::translate("Widget", "An extra copy. The others:"));
    int named = 0;
    for (int i = 0; i < files.size(); ++i) {
        if (i == place->index)
            continue;
        if (named == toolTipPaths) {
            lines << QCoreApplication::translate("Widget", "… and %1 more")
                         .arg(files.size() - 1 - named);
            break;
        }
        lines << pathcodec::displayText(files.at(i).path);
        ++named;
    }
    if (file.sharesSpace)
        lines << QString()
              << QCoreApplication::translate(
                     "Widget",
                     "It shares its space on the disk with another copy rather than wasting it: "
                     "moving one of them to the trash frees nothing.");
    return lines.join(QLatin1Char('\n'));
}

bool CopyMarks::sortsBefore(const QString &a, const QString &b, Qt::SortOrder order) const
{
    constexpr int none = std::numeric_limits<int>::max();
    const Place pa = places.value(a, {none, 0});
    const Place pb = places.value(b, {none, 0});
    if (pa.set == none || pb.set == none)
        return pa.set != none && pb.set == none;
    const auto ka = std::make_pair(pa.set, pa.index);
    const auto kb = std::make_pair(pb.set, pb.index);
    return order == Qt::AscendingOrder ? ka < kb : kb < ka;
}

QList<int> CopyMarks::extraRows(const QList<FoundFile> &rows) const
{
    QList<int> extra;
    for (int row = 0; row < rows.size(); ++row) {
        const auto place = places.constFind(rows.at(row).path);
        if (place != places.cend() && place->index > 0)
            extra << row;
    }
    return extra;
}

bool CopyMarks::worthComparing(const QList<FoundFile> &files)
{
    QSet<qint64> sizes;
    sizes.reserve(files.size());
    for (const FoundFile &file : files) {
        if (file.size <= 0)
            continue;
        if (sizes.contains(file.size))
            return true;
        sizes.insert(file.size);
    }
    return false;
}

bool CopyMarks::canFindCopies(const QList<FoundFile> &rows, bool busy) const
{
    if (busy || !worthComparing(rows))
        return false;
    return std::any_of(rows.cbegin(), rows.cend(), [this](const FoundFile &file) {
        const auto was = compared.constFind(file.path);
        return was == compared.cend() || was.value() != file.size;
    });
}
