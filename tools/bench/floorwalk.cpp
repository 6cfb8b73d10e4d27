// vastrel-floorwalk DIR: a bare Linux walk that learns every file's size and
// does nothing else, for tools/bench-scan.sh to measure the scan against. As
// many threads as the scan uses share a stack of directories; each directory
// is opened by its path, read with getdents64, and every entry but the
// hidden ones that is not known to be a directory given to fstatat. No
// ranking, no names decoded, no loop, mount or hard-link checks. The system
// calls per file are the ones any walk that reads sizes makes, so the scan's
// time over this one's is what the scan's own work costs. It prints the
// number of regular files and their total size.

#include "scan/directorywalk.h"

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

struct LinuxDirent64
{
    ino64_t inode;
    off64_t offset;
    unsigned short length;
    unsigned char type;
    char name[];
};

class FloorWalk
{
public:
    explicit FloorWalk(std::string root) { pending.push_back(std::move(root)); }

    void run(int threadCount)
    {
        std::vector<std::thread> threads;
        for (int i = 0; i < threadCount; ++i)
            threads.emplace_back([this] { work(); });
        for (std::thread &thread : threads)
            thread.join();
    }

    std::uint64_t files = 0;
    std::uint64_t bytes = 0;

private:
    void work()
    {
        std::vector<char> buffer(32 * 1024);
        std::uint64_t myFiles = 0, myBytes = 0;
        std::string dir;
        while (take(dir)) {
            const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd >= 0) {
                long got;
                while ((got = syscall(SYS_getdents64, fd, buffer.data(), buffer.size())) > 0) {
                    for (long at = 0; at < got;) {
                        const auto *entry =
                            reinterpret_cast<const LinuxDirent64 *>(buffer.data() + at);
                        at += entry->length;
                        if (entry->name[0] == '.')
                            continue;
                        if (entry->type == DT_DIR) {
                            give(dir + '/' + entry->name);
                            continue;
                        }
                        struct stat info;
                        if (fstatat(fd, entry->name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                            continue;
                        if (S_ISREG(info.st_mode)) {
                            ++myFiles;
                            myBytes += std::uint64_t(info.st_size);
                        } else if (S_ISDIR(info.st_mode)) {
                            give(dir + '/' + entry->name); // a file system without d_type
                        }
                    }
                }
                close(fd);
            }
            done();
        }
        std::lock_guard<std::mutex> lock(mutex);
        files += myFiles;
        bytes += myBytes;
    }

    bool take(std::string &dir)
    {
        std::unique_lock<std::mutex> lock(mutex);
        wake.wait(lock, [this] { return !pending.empty() || busy == 0; });
        if (pending.empty())
            return false;
        dir = std::move(pending.back());
        pending.pop_back();
        ++busy;
        return true;
    }

    void give(std::string dir)
    {
        std::lock_guard<std::mutex> lock(mutex);
        pending.push_back(std::move(dir));
        wake.notify_one();
    }

    void done()
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (--busy == 0 && pending.empty())
            wake.notify_all();
    }

    std::mutex mutex;
    std::condition_variable wake;
    std::vector<std::string> pending;
    int busy = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: vastrel-floorwalk DIR\n");
        return 2;
    }
    FloorWalk walk(argv[1]);
    walk.run(DirectoryWalk::defaultThreadCount());
    std::printf("%llu files, %llu bytes\n", static_cast<unsigned long long>(walk.files),
                static_cast<unsigned long long>(walk.bytes));
    return 0;
}
