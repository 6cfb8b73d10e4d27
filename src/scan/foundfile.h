#pragma once

#include <QString>

// One file of a scan's results: its size in bytes and its path.
struct FoundFile
{
    qint64 size = 0;
    QString path;
};
