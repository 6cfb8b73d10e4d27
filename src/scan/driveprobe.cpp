#include "scan/driveprobe.h"

#include <QList>
#include <QMutex>
#include <QSemaphore>
#include <QThread>

#include <memory>
#include <vector>

namespace driveprobe {

namespace {

// Shared by the caller and the probing threads; the last one out frees it.
struct Answers
{
    QMutex mutex;
    std::vector<int> verdicts; // -1 while unanswered, else 0 or 1
    QSemaphore answered; // one per answer
};

void answer(Answers &answers, qsizetype i, bool yes)
{
    {
        QMutexLocker lock(&answers.mutex);
        answers.verdicts[size_t(i)] = yes ? 1 : 0;
    }
    answers.answered.release();
}

// Probing threads not yet deleted. Every call deletes those that have ended;
// one whose drive never answers stays listed for as long as it runs. The
// callers may have no event loop (the drives are probed off the GUI
// thread), so the threads are not left to deleteLater().
// Never destroyed, so that a thread still running at exit is not destroyed
// under itself.
QMutex threadsMutex;
QList<QThread *> &pendingThreads = *new QList<QThread *>;

void reapEndedThreads()
{
    QMutexLocker lock(&threadsMutex);
    for (auto it = pendingThreads.begin(); it != pendingThreads.end();) {
        if ((*it)->isFinished()) {
            (*it)->wait();
            delete *it;
            it = pendingThreads.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace

QStringList answering(const QStringList &roots, std::function<bool(const QString &)> probe,
                      int timeoutMs)
{
    const auto answers = std::make_shared<Answers>();
    answers->verdicts.assign(size_t(roots.size()), -1);
    std::vector<QThread *> threads(size_t(roots.size()), nullptr);
    for (qsizetype i = 0; i < roots.size(); ++i) {
        // Qt's own threads rather than the C++ library's: in the MinGW
        // build, threads of the C++ library (winpthreads) that first use
        // Qt's file classes side by side have crashed in the heap or never
        // answered.
        QThread *const thread = QThread::create(
            [answers, probe, root = roots.at(i), i] { answer(*answers, i, probe(root)); });
        thread->start();
        if (!thread->isRunning() && !thread->isFinished()) {
            // No thread to be had: ask here and now.
            delete thread;
            answer(*answers, i, probe(roots.at(i)));
            continue;
        }
        threads[size_t(i)] = thread;
    }
    // Qt's timed wait: the C++ library's timed waits are not to be relied
    // on with every MinGW runtime.
    answers->answered.tryAcquire(int(roots.size()), timeoutMs);
    reapEndedThreads();
    QStringList result;
    std::vector<int> verdicts;
    {
        QMutexLocker lock(&answers->mutex);
        verdicts = answers->verdicts;
    }
    for (qsizetype i = 0; i < roots.size(); ++i) {
        if (verdicts[size_t(i)] == 1)
            result << roots.at(i);
        QThread *const thread = threads[size_t(i)];
        if (!thread)
            continue;
        if (verdicts[size_t(i)] >= 0) {
            // It has answered, which is the last thing it does.
            thread->wait();
            delete thread;
        } else {
            QMutexLocker lock(&threadsMutex);
            pendingThreads << thread;
        }
    }
    return result;
}

} // namespace driveprobe
