// vastrel-testfuse: a tiny FUSE file system for the walk's tests, whose
// operations can be made to hang or fail the way a lost network server or a
// broken disk makes them.
//
//   vastrel-testfuse MOUNTPOINT [--subtype NAME] [--block OPERATION]
//                    [--fail-getattr NAME]
//
// It holds /file.bin (4096 bytes) and /sub/inner.bin (2048 bytes). With
// --block, the operation (statfs, opendir or getattr) on the root waits
// until the line "release" arrives on standard input; --fail-getattr makes
// examining /NAME (a 100-byte file listed in the root) fail with EIO;
// --subtype names the mount "fuse.NAME" in the mount table.
//
// Standard output gets one line per event: "mounted" once the file system
// answers, "blocking OPERATION" when a call starts to wait, "releasedir" when
// a listing of the root has been closed. When standard input ends (the test
// is done, or died), it lets every call through, unmounts and exits.

#define FUSE_USE_VERSION 31

#include <fuse.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string mountPoint;
std::string blocked; // the operation that waits, or empty
std::string failingName; // a file whose getattr fails, or empty
std::mutex mutex;
std::condition_variable releasedChanged;
bool released = false;

void say(const std::string &line)
{
    std::lock_guard<std::mutex> lock(mutex);
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

// Waits while the operation is the blocked one, on the root.
void maybeBlock(const char *operation, const char *path)
{
    if (blocked != operation || std::strcmp(path, "/") != 0)
        return;
    std::unique_lock<std::mutex> lock(mutex);
    if (released)
        return;
    std::fprintf(stdout, "blocking %s\n", operation);
    std::fflush(stdout);
    releasedChanged.wait(lock, [] { return released; });
}

void release()
{
    std::lock_guard<std::mutex> lock(mutex);
    released = true;
    releasedChanged.notify_all();
}

void *init(fuse_conn_info *, fuse_config *config)
{
    // Every call reaches the file system: nothing is answered from a cache.
    config->entry_timeout = 0;
    config->attr_timeout = 0;
    config->negative_timeout = 0;
    return nullptr;
}

int getattr(const char *path, struct stat *st, fuse_file_info *)
{
    maybeBlock("getattr", path);
    std::memset(st, 0, sizeof *st);
    const std::string name = path;
    if (name == "/" || name == "/sub") {
        st->st_mode = S_IFDIR | 0755;
        st->st_nlink = 2;
    } else if (name == "/file.bin" || name == "/sub/inner.bin") {
        st->st_mode = S_IFREG | 0644;
        st->st_nlink = 1;
        st->st_size = name == "/file.bin" ? 4096 : 2048;
    } else if (!failingName.empty() && name == "/" + failingName) {
        return -EIO;
    } else {
        return -ENOENT;
    }
    return 0;
}

int opendir(const char *path, fuse_file_info *)
{
    maybeBlock("opendir", path);
    const std::string name = path;
    return name == "/" || name == "/sub" ? 0 : -ENOENT;
}

int readdir(const char *path, void *buffer, fuse_fill_dir_t fill, off_t, fuse_file_info *,
            fuse_readdir_flags)
{
    const std::string name = path;
    std::vector<std::string> names;
    if (name == "/") {
        names = {"file.bin", "sub"};
        if (!failingName.empty())
            names.push_back(failingName);
    } else if (name == "/sub") {
        names = {"inner.bin"};
    } else {
        return -ENOENT;
    }
    fill(buffer, ".", nullptr, 0, fuse_fill_dir_flags(0));
    fill(buffer, "..", nullptr, 0, fuse_fill_dir_flags(0));
    for (const std::string &entry : names)
        fill(buffer, entry.c_str(), nullptr, 0, fuse_fill_dir_flags(0));
    return 0;
}

int releasedir(const char *path, fuse_file_info *)
{
    if (std::strcmp(path, "/") == 0)
        say("releasedir");
    return 0;
}

int statfs(const char *path, struct statvfs *st)
{
    maybeBlock("statfs", path);
    std::memset(st, 0, sizeof *st);
    st->f_bsize = 4096;
    st->f_namemax = 255;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    std::string subtype = "vastreltest";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--subtype" && i + 1 < argc)
            subtype = argv[++i];
        else if (argument == "--block" && i + 1 < argc)
            blocked = argv[++i];
        else if (argument == "--fail-getattr" && i + 1 < argc)
            failingName = argv[++i];
        else if (mountPoint.empty() && argument.compare(0, 1, "-") != 0)
            mountPoint = argument;
        else {
            std::fprintf(stderr, "vastrel-testfuse: unexpected argument '%s'\n", argv[i]);
            return 2;
        }
    }
    if (mountPoint.empty()) {
        std::fputs("usage: vastrel-testfuse MOUNTPOINT [--subtype NAME] [--block OPERATION] "
                   "[--fail-getattr NAME]\n",
                   stderr);
        return 2;
    }

    fuse_operations operations {};
    operations.init = init;
    operations.getattr = getattr;
    operations.opendir = opendir;
    operations.readdir = readdir;
    operations.releasedir = releasedir;
    operations.statfs = statfs;

    const std::string options = "subtype=" + subtype + ",fsname=vastrel-testfuse";
    std::vector<char *> arguments {argv[0], const_cast<char *>("-o"),
                                   const_cast<char *>(options.c_str())};
    fuse_args args = FUSE_ARGS_INIT(int(arguments.size()), arguments.data());
    fuse *fs = fuse_new(&args, &operations, sizeof operations, nullptr);
    if (!fs)
        return 1;
    if (fuse_mount(fs, mountPoint.c_str()) != 0) {
        fuse_destroy(fs);
        return 1;
    }
    say("mounted");

    // Standard input: "release" lets blocked calls through; its end also
    // unmounts, which ends the loop below.
    std::thread control([] {
        std::string line;
        while (std::getline(std::cin, line)) {
            if (line == "release")
                release();
        }
        release();
        ::umount2(mountPoint.c_str(), MNT_DETACH);
    });
    control.detach();

    const int result = fuse_loop_mt(fs, 0);
    fuse_unmount(fs);
    fuse_destroy(fs);
    // The control thread may still be reading: end without running the
    // destructors of what it uses.
    std::fflush(stdout);
    ::_exit(result == 0 ? 0 : 1);
}
