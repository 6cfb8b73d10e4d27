#include "scan/sharedstat.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

// Statting a batch with the helper thread gives each name its own result, as
// statting them one by one does: regular files with their sizes, links as
// links, missing names as failures, batch after batch on the same object.
namespace {

std::thread::id testThread;

// Slow stats, the helper's slower still: the helper wakes in time to take
// names, and a result the caller reads before the helper has written it
// shows up.
SharedStat::Result slowHelper(int directoryFd, const char *name)
{
    const bool helper = std::this_thread::get_id() != testThread;
    std::this_thread::sleep_for(std::chrono::microseconds(helper ? 400 : 50));
    return SharedStat::statName(directoryFd, name);
}

} // namespace

class tst_SharedStat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameAsOneByOne_data();
    void sameAsOneByOne();
};

void tst_SharedStat::sameAsOneByOne_data()
{
    QTest::addColumn<bool>("withHelper");
    QTest::addColumn<bool>("slow");
    QTest::newRow("helper") << true << false;
    QTest::newRow("slow helper") << true << true;
    QTest::newRow("alone") << false << false;
}

void tst_SharedStat::sameAsOneByOne()
{
    QFETCH(bool, withHelper);
    QFETCH(bool, slow);
    testThread = std::this_thread::get_id();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray base = QFile::encodeName(dir.path());

    // 300 files of distinct sizes, a link, a subdirectory and names that do
    // not exist, interleaved.
    std::vector<std::string> storage;
    for (int i = 0; i < 300; ++i) {
        const std::string name = "f" + std::to_string(i);
        const int fd = ::open((base + '/' + name.c_str()).constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::ftruncate(fd, off_t(i) * 4099), 0);
        ::close(fd);
        storage.push_back(name);
        if (i % 50 == 0)
            storage.push_back("missing" + std::to_string(i));
    }
    QCOMPARE(::symlink("f1", (base + "/link").constData()), 0);
    QCOMPARE(::mkdir((base + "/sub").constData(), 0755), 0);
    storage.insert(storage.begin() + 100, "link");
    storage.insert(storage.begin() + 200, "sub");
    std::vector<const char *> names;
    for (const std::string &name : storage)
        names.push_back(name.c_str());

    const int dirFd = ::open(base.constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(dirFd >= 0);
    SharedStat shared(withHelper, slow ? &slowHelper : &SharedStat::statName);
    // Many batches of every length on one object: a result in the wrong place
    // or from the wrong batch shows as a wrong size or mode.
    for (int round = 0; round < (slow ? 40 : 200); ++round) {
        const int count = 1 + (round * 37) % int(names.size());
        const int first = (round * 11) % (int(names.size()) - count + 1);
        std::vector<SharedStat::Result> results;
        results.resize(std::size_t(count));
        shared.statAll(dirFd, names.data() + first, results.data(), count);
        for (int i = 0; i < count; ++i) {
            const char *name = names[std::size_t(first + i)];
            struct stat st;
            const bool ok = ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0;
            QCOMPARE(results[std::size_t(i)].ok, ok);
            if (!ok)
                continue;
            QCOMPARE(results[std::size_t(i)].mode, st.st_mode);
            QCOMPARE(qint64(results[std::size_t(i)].size), qint64(st.st_size));
        }
    }
    ::close(dirFd);
}

QTEST_GUILESS_MAIN(tst_SharedStat)
#include "tst_sharedstat.moc"
