#pragma once

#include "scan/directoryreader.h"

#include <QString>
#include <QStringView>

#include <utility>
#include <vector>

// The decoded names of one listing batch, one after another in a single
// buffer, so a batch costs no allocation per name. Entries are pointed at
// their names only once the batch is complete, since appending may move the
// buffer. Each directory reader fills one of these per read().
class NameBatch
{
public:
    void clear()
    {
        names.clear();
        spans.clear();
    }

    // Appends the next entry's name through append(QString &names), which
    // adds it to the end of the buffer.
    template<typename Append> void add(Append append)
    {
        const qsizetype start = names.size();
        append(names);
        spans.emplace_back(start, names.size() - start);
    }

    // Points entries[i].name at the i-th name added.
    void attach(std::vector<DirectoryEntry> &entries) const
    {
        for (std::size_t i = 0; i < entries.size(); ++i)
            entries[i].name = QStringView(names).mid(spans[i].first, spans[i].second);
    }

private:
    QString names;
    std::vector<std::pair<qsizetype, qsizetype>> spans;
};
