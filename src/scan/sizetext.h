#pragma once

#include <QString>

// Sizes are held in bytes and shown in megabytes (2^20 bytes). The ranking's
// debug line, the results table and vastrel-top all go through these two
// functions, so the conversion and its text form exist once.

// The size in megabytes: bytes × 2^-10 × 2^-10, in double precision.
double megabytes(qint64 bytes);

// The megabytes as shown to the user: six significant digits, no padding
// ("117.738", "5120", "0").
QString megabytesText(qint64 bytes);
