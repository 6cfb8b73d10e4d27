#include "scan/sharedstat.h"

#include <fcntl.h>

#include <system_error>

namespace {

// Below this many names a batch is not worth the helper's attention.
constexpr int smallestShared = 4;
// How many times the helper looks for the next batch before it sleeps.
constexpr int helperPatience = 2000;

// A short pause inside a wait that is expected to end within microseconds;
// after a while it gives the core away, in case the other thread was
// descheduled while it held a name.
void backOff(int &spins)
{
    if (++spins > 64)
        std::this_thread::yield();
}

} // namespace

SharedStat::Result SharedStat::statName(int directoryFd, const char *name)
{
    struct stat st;
    Result result;
    if (::fstatat(directoryFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        result.ok = true;
        result.mode = st.st_mode;
        result.size = st.st_size;
    }
    return result;
}

SharedStat::SharedStat(bool withHelper, StatFunction statFunction) : statFunction(statFunction)
{
    if (!withHelper)
        return;
    try {
        helper = std::thread(&SharedStat::helperLoop, this);
    } catch (const std::system_error &) {
        // No thread to be had (a process at its limit): the caller stats alone.
    }
}

SharedStat::~SharedStat()
{
    if (!helper.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(sleepMutex);
        quit.store(true);
    }
    wake.notify_one();
    helper.join();
}

void SharedStat::statAll(int directoryFd, const char *const *names, Result *results, int count)
{
    if (!helper.joinable() || count < smallestShared) {
        for (int i = 0; i < count; ++i)
            results[i] = statFunction(directoryFd, names[i]);
        return;
    }
    // No helper is inside work() now (the last batch waited for that), so
    // the batch can be rewritten.
    this->directoryFd = directoryFd;
    this->names = names;
    this->results = results;
    this->count = count;
    next.store(0, std::memory_order_relaxed);
    open.store(true); // publishes the batch

    // The helper sets `sleeping` before it checks `open`; this thread sets
    // `open` before it checks `sleeping`: one of the two sees the other.
    if (sleeping.load()) {
        std::lock_guard<std::mutex> lock(sleepMutex);
        wake.notify_one();
    }
    work();

    // Withdraw the batch and wait until no helper is inside it: then every
    // name taken has its result, written before the helper left.
    open.store(false);
    int spins = 0;
    while (helpers.load() != 0)
        backOff(spins);
}

void SharedStat::work()
{
    for (int i = next.fetch_add(1, std::memory_order_relaxed); i < count;
         i = next.fetch_add(1, std::memory_order_relaxed)) {
        results[i] = statFunction(directoryFd, names[i]);
    }
}

void SharedStat::helperLoop()
{
    int idle = 0;
    while (!quit.load(std::memory_order_relaxed)) {
        if (open.load()) {
            // Announce itself, then look again: a batch withdrawn in between
            // is left alone, and a batch's owner waits for `helpers` to drop.
            helpers.fetch_add(1);
            if (open.load())
                work();
            helpers.fetch_sub(1);
            idle = 0;
            continue;
        }
        if (++idle < helperPatience)
            continue;
        std::unique_lock<std::mutex> lock(sleepMutex);
        sleeping.store(true);
        wake.wait(lock, [this] { return open.load() || quit.load(); });
        sleeping.store(false);
        idle = 0;
    }
}
