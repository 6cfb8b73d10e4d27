#include "scan/driveprobe.h"

#include <QMutex>
#include <QSemaphore>

#include <memory>
#include <system_error>
#include <thread>
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
        try {
            std::thread([answers, probe, root = roots.at(i), i] {
                answer(*answers, i, probe(root));
            }).detach();
        } catch (const std::system_error &) {
            // No thread to be had: ask here and now.
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
