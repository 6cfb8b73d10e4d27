#pragma once

#include <sys/stat.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// Stats a batch of names in one directory (lstat semantics: links are not
// followed), with the calling thread and, when asked for, one helper thread
// that takes names from the same batch. Either way the call returns only when
// every name has its result, so the caller sees them exactly as if it had
// statted them one by one: the walk's order stays its own.
class SharedStat
{
public:
    struct Result
    {
        bool ok = false; // false: the name could not be statted
        mode_t mode = 0;
        off_t size = 0;
    };

    using StatFunction = Result (*)(int directoryFd, const char *name);
    // lstat() relative to a directory: what statAll() uses unless it is given
    // another function (a test slows one thread down this way).
    static Result statName(int directoryFd, const char *name);

    explicit SharedStat(bool withHelper, StatFunction statFunction = &SharedStat::statName);
    ~SharedStat();
    SharedStat(const SharedStat &) = delete;
    SharedStat &operator=(const SharedStat &) = delete;

    // Stats names[0, count) relative to directoryFd into results[0, count).
    void statAll(int directoryFd, const char *const *names, Result *results, int count);

private:
    void helperLoop();
    void work();

    const StatFunction statFunction;

    // The batch on offer. Written only while `open` is false and no helper
    // is inside work().
    int directoryFd = -1;
    const char *const *names = nullptr;
    Result *results = nullptr;
    int count = 0;

    alignas(64) std::atomic<int> next{0}; // the next name to take
    alignas(64) std::atomic<bool> open{false}; // a batch is on offer
    // Helpers inside work(); a helper leaves it only after the stat of every
    // name it took has its result.
    std::atomic<int> helpers{0};
    std::atomic<bool> sleeping{false};
    std::atomic<bool> quit{false};
    std::mutex sleepMutex;
    std::condition_variable wake;
    std::thread helper;
};
