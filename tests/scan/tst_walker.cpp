#include "scan/topfilemap.h"
#include "scan/walker.h"
#include "support/messagecapture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>
#include <new>
#include <system_error>

// The walker thread over real trees: what it emits and logs, in which order,
// and how stopping and destruction end a walk. Three roots r1, r2 and r3 hold
// three files each: x.bin (100 bytes), y.bin (200) and z.bin (300).
class tst_Walker : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tree;
    QString root[3];

    // The debug lines of the running case.
    std::unique_ptr<testsupport::MessageCapture> log;

    static QStringList heldPaths()
    {
        QStringList paths = TopFileMap::instance()->map().values();
        paths.sort();
        return paths;
    }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void walk_data();
    void walk();
    void signalBeforeRanking();
    void stopDuringSecondOfThreeRoots();
    void runsAgainAfterStop();
    void recentPathFollowsTheWalk();
    void destroyWhileRunning();
    void outOfMemoryEndsTheWalk();
    void linkedFileFreesNothing();
};

void tst_Walker::initTestCase()
{
    QVERIFY(tree.isValid());
    for (int i = 0; i < 3; ++i) {
        root[i] = tree.path() + QStringLiteral("/r%1").arg(i + 1);
        QVERIFY(QDir().mkpath(root[i]));
        int size = 100;
        for (const char *name : {"/x.bin", "/y.bin", "/z.bin"}) {
            QFile file(root[i] + QLatin1String(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(size));
            size += 100;
        }
    }
}

void tst_Walker::init()
{
    TopFileMap::instance()->clear();
    TopFileMap::instance()->setCapacity(1000);
    log = std::make_unique<testsupport::MessageCapture>();
}

void tst_Walker::cleanup()
{
    log.reset();
}

void tst_Walker::walk_data()
{
    QTest::addColumn<QStringList>("roots");
    QTest::addColumn<int>("files");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("no roots") << QStringList {} << 0 << QStringList {"0"};
    QTest::newRow("empty root") << QStringList {""} << 0 << QStringList {"walk! ", "0"};
    QTest::newRow("one root") << QStringList {"%1"} << 3 << QStringList {"walk! %1", "3"};
    QTest::newRow("three roots") << QStringList {"%1", "%2", "%3"} << 9
                                 << QStringList {"walk! %1", "walk! %2", "walk! %3", "9"};
    QTest::newRow("nested roots") << QStringList {"%T", "%1"} << 12
                                  << QStringList {"walk! %T", "walk! %1", "12"};
    QTest::newRow("missing root") << QStringList {"%T/none", "%2"} << 3
                                  << QStringList {"walk! %T/none", "walk! %2", "3"};
}

// Every file is emitted once per root that covers it and reaches the ranking;
// one "walk!" line per root and the ranking's size are logged.
void tst_Walker::walk()
{
    QFETCH(QStringList, roots);
    QFETCH(int, files);
    QFETCH(QStringList, messages);
    const auto fill = [this](QStringList list) {
        for (QString &text : list) {
            text.replace(QLatin1String("%T"), tree.path());
            for (int i = 0; i < 3; ++i)
                text.replace(QStringLiteral("%%1").arg(i + 1), root[i]);
        }
        return list;
    };

    walker w(TopFileMap::instance());
    // walkfile comes from several walk threads at once, which QSignalSpy
    // does not allow for: count with an atomic instead.
    QAtomicInt emitted(0);
    QObject::connect(
        &w, &walker::walkfile, &w, [&emitted](const QString &) { emitted.fetchAndAddRelaxed(1); },
        Qt::DirectConnection);
    // finished() comes from the walker's thread: the spy is read only once
    // wait() has seen that thread end.
    QSignalSpy finished(&w, &QThread::finished);
    w.setDirs(fill(roots));
    w.start();
    QVERIFY(w.wait(10000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(emitted.loadRelaxed(), files);
    QCOMPARE(TopFileMap::instance()->map().size(), files);
    QCOMPARE(log->take(), fill(messages));
}

void tst_Walker::signalBeforeRanking()
{
    walker w(TopFileMap::instance());
    QStringList order;
    QMutex mutex;
    connect(
        &w, &walker::walkfile, this,
        [&](const QString &path) {
            // Runs in a walk thread: the file is not in the ranking yet.
            bool held = false;
            for (const FoundFile &file : TopFileMap::instance()->snapshot(1000))
                held = held || file.path == path;
            QMutexLocker lock(&mutex);
            order << path + (held ? " late" : "");
        },
        Qt::DirectConnection);
    w.setDirs({root[0]});
    w.start();
    QVERIFY(w.wait(10000));
    order.sort();
    QCOMPARE(order, (QStringList {root[0] + "/x.bin", root[0] + "/y.bin", root[0] + "/z.bin"}));
    QCOMPARE(heldPaths(), order);
}

void tst_Walker::stopDuringSecondOfThreeRoots()
{
    walker w(TopFileMap::instance());
    QStringList seen;
    QMutex mutex;
    connect(
        &w, &walker::walkfile, this,
        [&](const QString &path) {
            QMutexLocker lock(&mutex);
            seen << path;
            if (path.startsWith(root[1]))
                w.stop();
        },
        Qt::DirectConnection);
    QSignalSpy finished(&w, &QThread::finished);
    w.setDirs({root[0], root[1], root[2]});
    w.start();
    QVERIFY(w.wait(10000));
    QCOMPARE(finished.size(), 1);

    // All of r1, the one file of r2 that asked to stop, nothing of r3; every
    // root is still logged, then the count.
    QCOMPARE(seen.size(), 4);
    QVERIFY(seen.last().startsWith(root[1]));
    QCOMPARE(heldPaths().size(), 4);
    QCOMPARE(log->take(),
             (QStringList {"walk! " + root[0], "walk! " + root[1], "walk! " + root[2], "4"}));
}

// A new run starts with the stop request cleared.
void tst_Walker::runsAgainAfterStop()
{
    walker w(TopFileMap::instance());
    // walkfile comes from several walk threads at once, which QSignalSpy
    // does not allow for: count with an atomic instead.
    QAtomicInt emitted(0);
    QObject::connect(
        &w, &walker::walkfile, &w, [&emitted](const QString &) { emitted.fetchAndAddRelaxed(1); },
        Qt::DirectConnection);
    w.setDirs({root[0]});
    w.stop();
    w.start();
    QVERIFY(w.wait(10000));
    QCOMPARE(emitted.loadRelaxed(), 3);
    w.setDirs({root[1], root[2]});
    w.start();
    QVERIFY(w.wait(10000));
    QCOMPARE(emitted.loadRelaxed(), 9);
}

// The destructor stops the walk and waits for the thread, also when it comes
// right after start(), before the thread has begun.
// Each takeRecentPath() hands over the file met after the previous call, and
// asks for the next; nothing is handed over twice.
void tst_Walker::recentPathFollowsTheWalk()
{
    walker w(TopFileMap::instance());
    QCOMPARE(w.takeRecentPath(), QString());
    // Each root is one folder, listed by one thread: its files come in turn.
    QStringList seen, taken;
    connect(
        &w, &walker::walkfile, this,
        [&](const QString &path) {
            taken << w.takeRecentPath();
            seen << path;
        },
        Qt::DirectConnection);
    w.setDirs({root[1], root[2]});
    w.start();
    QVERIFY(w.wait(10000));
    QCOMPARE(seen.size(), 6);
    QCOMPARE(taken, QStringList({QString()}) + seen.mid(0, 5));
    QCOMPARE(w.takeRecentPath(), seen.last());
    QCOMPARE(w.takeRecentPath(), QString());
}

void tst_Walker::destroyWhileRunning()
{
    QTemporaryDir big;
    QVERIFY(big.isValid());
    const int files = 10000;
    for (int d = 0; d < 100; ++d) {
        const QString dir = big.path() + QStringLiteral("/d%1").arg(d);
        QVERIFY(QDir().mkpath(dir));
        for (int f = 0; f < files / 100; ++f) {
            QFile file(dir + QStringLiteral("/f%1").arg(f));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    for (const bool holdFirstFile : {false, true}) {
        QAtomicInt emitted(0);
        QSemaphore deleting;
        QSemaphore firstFile;
        auto w = std::make_unique<walker>(TopFileMap::instance());
        connect(
            w.get(), &walker::walkfile, this,
            [&](const QString &) {
                emitted.fetchAndAddRelaxed(1);
                if (!holdFirstFile)
                    return;
                // Keep every walk thread at its first file until the destructor
                // is on its way: a busy machine may wake this thread only after
                // a quick walk of the whole tree.
                firstFile.release();
                if (deleting.tryAcquire(1, 10000))
                    deleting.release(); // for the next thread
            },
            Qt::DirectConnection);
        w->setDirs({big.path()});
        w->start();
        if (holdFirstFile)
            QVERIFY(firstFile.tryAcquire(1, 10000));
        deleting.release();
        w.reset();
        QVERIFY2(emitted.loadRelaxed() < files / 2,
                 qPrintable(QString::number(emitted.loadRelaxed())));
    }
}

// Memory running out in a walk thread (a path that cannot be made) ends the
// walk instead of the program, and the walker says so; what was ranked stays.
void tst_Walker::outOfMemoryEndsTheWalk()
{
    walker w(TopFileMap::instance());
    QAtomicInt emitted(0);
    QAtomicInt failing(1);
    connect(
        &w, &walker::walkfile, this,
        [&](const QString &) {
            if (emitted.fetchAndAddRelaxed(1) == 1 && failing.loadRelaxed())
                throw std::bad_alloc();
        },
        Qt::DirectConnection);
    w.setDirs({root[0], root[1]});
    w.start();
    QVERIFY(w.wait(10000));
    QVERIFY(w.outOfMemory());
    QVERIFY(!heldPaths().isEmpty());
    QVERIFY(heldPaths().size() < 6);

    // The next walk starts clear of it.
    failing.storeRelaxed(0);
    TopFileMap::instance()->clear();
    w.start();
    QVERIFY(w.wait(10000));
    QVERIFY(!w.outOfMemory());
    QCOMPARE(heldPaths().size(), 6);
}

// A file with a second name is listed once, and removing it frees nothing
// while the other name keeps it, whether or not the listing gave the number
// of names (the Windows one does not).
void tst_Walker::linkedFileFreesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("a.bin"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(5000, 'a')) == 5000);
    file.close();
    std::error_code error;
    std::filesystem::create_hard_link(QFileInfo(file.fileName()).filesystemFilePath(),
                                      QFileInfo(dir.filePath("b.bin")).filesystemFilePath(), error);
    QVERIFY2(!error, error.message().c_str());

    walker w(TopFileMap::instance());
    w.setResultCount(10);
    w.setDirs({dir.path()});
    w.start();
    QVERIFY(w.wait(10000));
    const QList<FoundFile> listed = TopFileMap::instance()->snapshot(10);
    QCOMPARE(listed.size(), 1);
    QCOMPARE(listed.front().links, 2u);
    QCOMPARE(listed.front().frees, 0);
}

QTEST_GUILESS_MAIN(tst_Walker)
#include "tst_walker.moc"
