#include "scan/copyfinder.h"

#include "scan/fileprobe.h"
#include "scan/pathcodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QMutex>
#include <QThread>

#include <algorithm>
#include <climits>
#include <map>
#include <thread>
#include <tuple>
#include <vector>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace copies {

bool keptBefore(const CopyEntry &a, const CopyEntry &b)
{
    if (a.path.size() != b.path.size())
        return a.path.size() < b.path.size();
    if (a.modified != b.modified)
        return a.modified < b.modified;
    return pathcodec::compareNative(a.path, b.path) < 0;
}

void sortForKeeping(QList<CopyEntry> &files)
{
    std::sort(files.begin(), files.end(), keptBefore);
}

qint64 freeableBytes(const CopySet &set)
{
    // Files that share their blocks take one place between them.
    QList<int> places;
    for (const CopyEntry &file : set.files) {
        if (!places.contains(file.storage))
            places << file.storage;
    }
    return set.size * qMax<qint64>(places.size() - 1, 0);
}

QString placeText(int place, int count)
{
    return QCoreApplication::translate("Widget", "%1 of %2").arg(place).arg(count);
}

QString summaryText(const QList<CopySet> &sets, const QLocale &locale)
{
    // Sets whose files all share one place waste nothing and are not counted.
    qsizetype wasting = 0;
    qint64 freeable = 0;
    for (const CopySet &set : sets) {
        const qint64 bytes = freeableBytes(set);
        wasting += bytes > 0 ? 1 : 0;
        freeable += bytes;
    }
    if (wasting == 0)
        return QCoreApplication::translate("Widget", "No copies among the listed files");
    const int plural = int(qMin<qint64>(wasting, INT_MAX));
    const QString text = wasting == 1
        ? QCoreApplication::translate("Widget",
                                      "%1 set of copies; %2 could be freed by keeping one of each")
        : QCoreApplication::translate("Widget",
                                      "%1 sets of copies; %2 could be freed by keeping one of each",
                                      nullptr, plural);
    // The size as the window's status line writes sizes.
    return text.arg(locale.toString(wasting),
                    locale.formattedDataSize(freeable, 1, QLocale::DataSizeTraditionalFormat));
}

} // namespace copies

namespace {

// Reading threads per device, and in all.
constexpr int readersPerDevice = 2;
constexpr int mostReaders = 8;

} // namespace

struct CopyFinder::Candidate
{
    QString path;
    qint64 size = 0;
    // The identity that tells paths to one file apart from copies: the
    // scan's, else the system's.
    quint64 device = 0;
    quint64 inode = 0;
    // When the file was first looked at; every read must find it unchanged.
    FileStamp stamp;
    SpaceLayout layout;
    XXH128_hash_t head {};
    XXH128_hash_t tail {};
    qint64 hashedBytes = 0;
    // Why it was left out; empty while it is compared.
    QString reason;
    bool cancelled = false;
};

CopyFinder::CopyFinder(const QList<FoundFile> &files) : input(files) { }

bool CopyFinder::read(Candidate &candidate, bool head, char *buffer)
{
    const auto leaveOut = [&](const QString &reason) {
        candidate.reason = reason;
        return false;
    };
    QFile file(candidate.path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return leaveOut(file.errorString());
    const FileStamp before = stampOfFile(file);
    if (!before.sameAs(candidate.stamp))
        return leaveOut(QCoreApplication::translate("CopyFinder", "changed since the scan"));
    if (head)
        candidate.layout = spaceLayoutOf(file);

    const qint64 start = head ? 0 : headBytes;
    qint64 left = head ? qMin(candidate.size, headBytes) : candidate.size - headBytes;
    if (start > 0 && !file.seek(start))
        return leaveOut(file.errorString());
    XXH3_state_t state;
    XXH3_128bits_reset(&state);
    while (left > 0) {
        if (cancelled.load(std::memory_order_relaxed)) {
            candidate.cancelled = true;
            return false;
        }
        const qint64 got = file.read(buffer, qMin(left, bufferBytes));
        if (got < 0)
            return leaveOut(file.errorString());
        if (got == 0)
            return leaveOut(QCoreApplication::translate("CopyFinder", "changed while it was read"));
        XXH3_128bits_update(&state, buffer, size_t(got));
        left -= got;
        candidate.hashedBytes += got;
        hashed.fetch_add(got, std::memory_order_relaxed);
    }
    if (readHook)
        readHook(candidate.path);

    // Changed while read: its size or time moved. Gone or replaced: its path
    // no longer leads to the file that was read.
    if (!stampOfFile(file).sameAs(before))
        return leaveOut(QCoreApplication::translate("CopyFinder", "changed while it was read"));
    const FileStamp now = stampOfPath(candidate.path);
    if (!now.valid)
        return leaveOut(now.error);
    if (!now.sameAs(before))
        return leaveOut(QCoreApplication::translate("CopyFinder", "changed while it was read"));
    (head ? candidate.head : candidate.tail) = XXH3_128bits_digest(&state);
    return true;
}

void CopyFinder::readAll(std::vector<Candidate> &candidates, const std::vector<int> &which,
                         bool head)
{
    // One queue per device; each device is read by at most readersPerDevice
    // threads at a time, so files on different devices are read side by side.
    struct Queue
    {
        quint64 device = 0;
        std::vector<int> items;
        size_t next = 0;
        int active = 0;
    };
    std::vector<Queue> queues;
    for (int index : which) {
        const quint64 device = candidates[size_t(index)].stamp.device;
        auto queue = std::find_if(queues.begin(), queues.end(),
                                  [&](const Queue &q) { return q.device == device; });
        if (queue == queues.end()) {
            queues.push_back({device, {}, 0, 0});
            queue = queues.end() - 1;
        }
        queue->items.push_back(index);
    }
    int readers = 0;
    for (const Queue &queue : queues)
        readers += int(qMin<size_t>(readersPerDevice, queue.items.size()));
    readers = qMin(readers, mostReaders);

    QMutex mutex;
    size_t cursor = 0;
    // The next file a reader may take, or none: a reader that finds every
    // device with files left busy ends, as those devices' readers go on.
    const auto take = [&](size_t &queueIndex, int &item) {
        QMutexLocker lock(&mutex);
        for (size_t k = 0; k < queues.size(); ++k) {
            const size_t q = (cursor + k) % queues.size();
            Queue &queue = queues[q];
            if (queue.next < queue.items.size() && queue.active < readersPerDevice) {
                item = queue.items[queue.next++];
                ++queue.active;
                queueIndex = q;
                cursor = q + 1;
                return true;
            }
        }
        return false;
    };
    const auto work = [&] {
        std::vector<char> buffer(static_cast<size_t>(bufferBytes));
        size_t queue = 0;
        int item = 0;
        while (!cancelled.load(std::memory_order_relaxed) && take(queue, item)) {
            Candidate &candidate = candidates[size_t(item)];
            if (!read(candidate, head, buffer.data()) && !candidate.cancelled)
                toHash.fetch_sub(candidate.size - candidate.hashedBytes, std::memory_order_relaxed);
            QMutexLocker lock(&mutex);
            --queues[queue].active;
        }
    };
    std::vector<std::thread> threads;
    for (int i = 0; i < readers; ++i)
        threads.emplace_back(work);
    for (std::thread &thread : threads)
        thread.join();
}

CopyReport CopyFinder::run()
{
    CopyReport report;
    const auto leaveOut = [&](const QString &path, const QString &reason) {
        report.leftOut.append({path, reason});
    };
    const auto cancelledReport = [] {
        CopyReport cancelledOne;
        cancelledOne.cancelled = true;
        return cancelledOne;
    };

    // Sizes met more than once; empty files hold nothing to free.
    std::map<qint64, std::vector<int>> bySize;
    for (int i = 0; i < int(input.size()); ++i) {
        if (input.at(i).size > 0)
            bySize[input.at(i).size].push_back(i);
    }

    std::vector<Candidate> candidates;
    for (const auto &[size, indices] : bySize) {
        if (indices.size() < 2)
            continue;
        if (cancelled.load(std::memory_order_relaxed))
            return cancelledReport();
        std::vector<Candidate> group;
        for (int index : indices) {
            const FoundFile &found = input.at(index);
            Candidate candidate;
            candidate.path = found.path;
            candidate.size = size;
            candidate.stamp = stampOfPath(found.path);
            if (!candidate.stamp.valid) {
                leaveOut(found.path, candidate.stamp.error);
                continue;
            }
            const bool replaced = found.inode != 0 && candidate.stamp.inode != 0 &&
                (found.device != candidate.stamp.device || found.inode != candidate.stamp.inode);
            if (!candidate.stamp.regular || candidate.stamp.size != size || replaced) {
                leaveOut(found.path,
                         QCoreApplication::translate("CopyFinder", "changed since the scan"));
                continue;
            }
            candidate.device = candidate.stamp.inode != 0 ? candidate.stamp.device : found.device;
            candidate.inode = candidate.stamp.inode != 0 ? candidate.stamp.inode : found.inode;
            group.push_back(std::move(candidate));
        }
        // Several paths to one file (hard links) are one file, not copies:
        // the path kept first stands for it.
        std::sort(group.begin(), group.end(), [](const Candidate &a, const Candidate &b) {
            if (a.device != b.device || a.inode != b.inode)
                return std::tie(a.device, a.inode) < std::tie(b.device, b.inode);
            return copies::keptBefore({a.path, a.stamp.modified}, {b.path, b.stamp.modified});
        });
        const auto sameFile = [](const Candidate &a, const Candidate &b) {
            return a.inode != 0 && a.device == b.device && a.inode == b.inode;
        };
        group.erase(std::unique(group.begin(), group.end(), sameFile), group.end());
        if (group.size() < 2)
            continue;
        for (Candidate &candidate : group) {
            toHash.fetch_add(size, std::memory_order_relaxed);
            candidates.push_back(std::move(candidate));
        }
    }

    // Files of one size whose hashes so far agree, in groups of two or more;
    // the others are done with.
    const auto regroup = [&](const std::vector<int> &which, bool tailToo) {
        std::vector<int> sorted;
        for (int index : which) {
            const Candidate &candidate = candidates[size_t(index)];
            if (candidate.reason.isEmpty())
                sorted.push_back(index);
            else
                leaveOut(candidate.path, candidate.reason);
        }
        const auto key = [&](int index) {
            const Candidate &c = candidates[size_t(index)];
            return std::make_tuple(c.size, c.head.high64, c.head.low64, tailToo ? c.tail.high64 : 0,
                                   tailToo ? c.tail.low64 : 0);
        };
        std::stable_sort(sorted.begin(), sorted.end(),
                         [&](int a, int b) { return key(a) < key(b); });
        std::vector<std::vector<int>> groups;
        for (size_t i = 0; i < sorted.size();) {
            size_t end = i + 1;
            while (end < sorted.size() && key(sorted[end]) == key(sorted[i]))
                ++end;
            if (end - i >= 2) {
                groups.emplace_back(sorted.begin() + qsizetype(i), sorted.begin() + qsizetype(end));
            } else {
                const Candidate &alone = candidates[size_t(sorted[i])];
                toHash.fetch_sub(alone.size - alone.hashedBytes, std::memory_order_relaxed);
            }
            i = end;
        }
        return groups;
    };

    std::vector<int> all(candidates.size());
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = int(i);
    readAll(candidates, all, true);
    if (cancelled.load(std::memory_order_relaxed))
        return cancelledReport();
    std::vector<std::vector<int>> groups = regroup(all, false);

    // The rest of the content, for files longer than the first read.
    std::vector<int> longer;
    for (const std::vector<int> &group : groups) {
        if (candidates[size_t(group.front())].size > headBytes)
            longer.insert(longer.end(), group.begin(), group.end());
    }
    if (!longer.empty()) {
        readAll(candidates, longer, false);
        if (cancelled.load(std::memory_order_relaxed))
            return cancelledReport();
        std::vector<int> compared;
        for (const std::vector<int> &group : groups)
            compared.insert(compared.end(), group.begin(), group.end());
        groups = regroup(compared, true);
    }

    for (const std::vector<int> &group : groups) {
        CopySet set;
        set.size = candidates[size_t(group.front())].size;
        QList<QByteArray> placements;
        for (int index : group) {
            const Candidate &candidate = candidates[size_t(index)];
            CopyEntry file;
            file.path = candidate.path;
            file.modified = candidate.stamp.modified;
            if (candidate.layout.shared) {
                qsizetype place = placements.indexOf(candidate.layout.placement);
                if (place < 0) {
                    place = placements.size();
                    placements << candidate.layout.placement;
                }
                file.storage = int(place);
            } else {
                // A place of its own: a negative number, which no shared
                // placement takes.
                file.storage = -1 - int(set.files.size());
            }
            set.files << file;
        }
        for (CopyEntry &file : set.files) {
            file.sharesSpace =
                std::count_if(set.files.cbegin(), set.files.cend(), [&](const CopyEntry &other) {
                    return other.storage == file.storage;
                }) > 1;
        }
        copies::sortForKeeping(set.files);
        report.sets << set;
    }
    std::sort(report.sets.begin(), report.sets.end(), [](const CopySet &a, const CopySet &b) {
        const qint64 heldA = a.size * a.files.size();
        const qint64 heldB = b.size * b.files.size();
        if (heldA != heldB)
            return heldA > heldB;
        if (a.size != b.size)
            return a.size > b.size;
        return pathcodec::compareNative(a.files.front().path, b.files.front().path) < 0;
    });
    return report;
}

CopySearch::CopySearch(QObject *parent) : QObject(parent) { }

CopySearch::~CopySearch()
{
    if (thread) {
        finder->cancel();
        thread->wait();
        delete thread;
    }
}

bool CopySearch::start(const QList<FoundFile> &files)
{
    if (thread)
        return false;
    finder = std::make_unique<CopyFinder>(files);
    finder->setReadHook(readHook);
    result = CopyReport();
    CopyFinder *running = finder.get();
    thread = QThread::create([this, running] { result = running->run(); });
    connect(thread, &QThread::finished, this, &CopySearch::threadFinished);
    thread->start();
    return true;
}

void CopySearch::stop()
{
    if (thread)
        finder->cancel();
}

qint64 CopySearch::bytesHashed() const
{
    return finder ? finder->bytesHashed() : 0;
}

qint64 CopySearch::bytesToHash() const
{
    return finder ? finder->bytesToHash() : 0;
}

void CopySearch::threadFinished()
{
    thread->wait();
    delete thread;
    thread = nullptr;
    Q_EMIT finished();
}
