#pragma once

#include <QString>

#include <limits>

// Sizes are held in bytes and shown in megabytes (2^20 bytes). The ranking's
// debug line, the results table and vastrel-top all go through these
// functions, so the conversion and its text form exist once.

// The size in megabytes: bytes × 2^-10 × 2^-10, in double precision.
double megabytes(qint64 bytes);

// The megabytes as shown to the user: six significant digits, no padding
// ("117.738", "5120", "0").
QString megabytesText(qint64 bytes);

// a + b, or the qint64 limit it would pass: totals of sizes saturate rather
// than wrap, as a sparse file can be 2^63 - 1 bytes.
inline qint64 saturatedSum(qint64 a, qint64 b)
{
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    if (b > 0 && a > largest - b)
        return largest;
    if (b < 0 && a < lowest - b)
        return lowest;
    return a + b;
}
