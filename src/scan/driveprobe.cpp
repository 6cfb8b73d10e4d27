#include "scan/driveprobe.h"

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

} // namespace

QStringList answering(const QStringList &roots, std::function<bool(const QString &)> probe,
                      int timeoutMs)
{
    const auto answers = std::make_shared<Answers>();
    answers->verdicts.assign(size_t(roots.size()), -1);
    for (qsizetype i = 0; i < roots.size(); ++i) {
        // Qt's own threads rather than the C++ library's: in the MinGW
        // build, threads of the C++ library (winpthreads) that first use
        // Qt's file classes side by side have crashed in the heap or never
        // answered. Each thread is deleted in the caller's event loop once
        // it has ended.
        QThread *const thread = QThread::create(
            [answers, probe, root = roots.at(i), i] { answer(*answers, i, probe(root)); });
        QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        thread->start();
        if (!thread->isRunning() && !thread->isFinished()) {
            // No thread to be had: ask here and now.
            delete thread;
            answer(*answers, i, probe(roots.at(i)));
        }
    }
    // Qt's timed wait: the C++ library's timed waits are not to be relied
    // on with every MinGW runtime.
    answers->answered.tryAcquire(int(roots.size()), timeoutMs);
    QStringList result;
    QMutexLocker lock(&answers->mutex);
    for (qsizetype i = 0; i < roots.size(); ++i) {
        if (answers->verdicts[size_t(i)] == 1)
            result << roots.at(i);
    }
    return result;
}

} // namespace driveprobe
