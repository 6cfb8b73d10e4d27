#pragma once

#include "scan/sizetext.h"

#include <QAtomicInteger>
#include <QtGlobal>

#include <array>
#include <atomic>

// A running total that many threads add to at once, such as the files a walk
// has seen. Each thread adds to a cell on a cache line of its own, so the
// adding threads never pass one line between their cores, and a reader sums
// the cells: the sum is exact once the adding threads have ended, and close
// to it while they run. Cells and sum saturate at the limits of qint64 rather
// than wrap: sparse files can be 2^63 - 1 bytes each.
class SpreadCounter
{
public:
    void add(qint64 amount)
    {
        QAtomicInteger<qint64> &value = cells[cellOfThisThread()].value;
        qint64 current = value.loadRelaxed();
        // Each thread has a cell of its own, so this nearly always succeeds
        // at once, at the cost of the one atomic addition it replaces.
        while (!value.testAndSetRelaxed(current, saturatedSum(current, amount), current)) { }
    }

    qint64 total() const
    {
        qint64 sum = 0;
        for (const Cell &cell : cells)
            sum = saturatedSum(sum, cell.value.loadRelaxed());
        return sum;
    }

    // Call only while nobody adds.
    void reset()
    {
        for (Cell &cell : cells)
            cell.value.storeRelaxed(0);
    }

private:
    // A walk has up to 32 threads, and threads take cells in the order they
    // first add: the threads of one walk have a cell each.
    static constexpr int cellCount = 32;
    struct alignas(64) Cell
    {
        QAtomicInteger<qint64> value = 0;
    };

    static int cellOfThisThread()
    {
        static std::atomic<unsigned> threadsSeen {0};
        thread_local const int cell =
            int(threadsSeen.fetch_add(1, std::memory_order_relaxed) % cellCount);
        return cell;
    }

    std::array<Cell, cellCount> cells;
};
