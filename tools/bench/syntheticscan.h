#pragma once

#include "store/scanrecord.h"

// A scan record the size of the 2-million-file benchmark tree (133,333
// folders, 10,000 listed files) for the history benchmarks. It is synthetic,
// not walked: folder names of 9 to 17 characters in a tree of 8 children per
// folder below root, sizes from a fixed pseudo-random sequence, so the same
// generation gives the same scan each time. A higher generation changes a
// tenth of the folder totals and a few hundred listed files.
namespace syntheticscan {

constexpr int folderCount = 133333;
constexpr int listedCount = 10000;

ScanRecord make(const ScanTarget &target, const QString &root, int generation);

} // namespace syntheticscan
