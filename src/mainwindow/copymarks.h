#pragma once

#include "scan/copyfinder.h"
#include "scan/foundfile.h"

#include <QHash>
#include <QList>
#include <QString>

// Which of the listed files are copies of each other, as the results table
// shows them: each file's place in its set ("2 of 3"), the other paths of its
// set, the order that brings the sets together, and the copies to select
// beside the kept one. The sets follow the rows: a file whose row goes (it
// went to the trash, or other results replaced it) leaves its set, and a set
// left with one file is no set any more.
class CopyMarks
{
public:
    // How many other paths a file's tool-tip names.
    static constexpr int toolTipPaths = 10;

    // The sets a search found among the files it was given (each set in
    // keeping order, the sets largest first), kept to the files among rows.
    void setSets(const QList<CopySet> &sets, const QList<FoundFile> &compared,
                 const QList<FoundFile> &rows);
    // Forgets the sets and which files were compared.
    void clear();
    // Keeps the sets to the files among rows (the same path and size); true
    // when a file left its set.
    bool keepOnly(const QList<FoundFile> &rows);

    const QList<CopySet> &sets() const { return found; }
    bool hasSets() const { return !found.isEmpty(); }

    // The file's place in its set, "2 of 3"; empty for a file in no set.
    QString placeText(const QString &path) const;
    // Plain text: the other copies' paths as the table writes paths, which
    // one is kept, and whether the file shares its space with another copy;
    // empty for a file in no set.
    QString toolTip(const QString &path) const;
    // The order of the Copies column: the sets as the search gave them
    // (largest first), each in keeping order, reversed for a descending
    // order; files in no set come after every set either way.
    bool sortsBefore(const QString &a, const QString &b, Qt::SortOrder order) const;

    // The rows, ascending, of every copy but the kept one of each set.
    QList<int> extraRows(const QList<FoundFile> &rows) const;

    // Whether two of the files could be copies: two of the same size, and
    // not empty.
    static bool worthComparing(const QList<FoundFile> &files);
    // Whether "Find Copies" has something to do: two rows could be copies
    // and some row has not been compared, while nothing else runs.
    bool canFindCopies(const QList<FoundFile> &rows, bool busy) const;

private:
    struct Place
    {
        int set = 0;
        int index = 0;
    };
    void reindex();

    QList<CopySet> found;
    QHash<QString, Place> places;
    // The files compared, by path, with the size they had.
    QHash<QString, qint64> compared;
};
