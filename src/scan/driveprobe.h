#pragma once

#include <QStringList>

#include <functional>

// Asks about drives without waiting on one that does not answer: a mapped
// network drive whose server is gone can keep a call busy for half a minute,
// and the window asks about every drive as it opens.
namespace driveprobe {

// Calls probe(root) for every root, each in a thread of its own, and returns
// the roots it answered true for within timeoutMs, in their order. A root
// still unanswered then is left out; its thread ends on its own when the
// system answers, holding nothing of the caller's but the probe, which must
// therefore own what it uses.
QStringList answering(const QStringList &roots, std::function<bool(const QString &)> probe,
                      int timeoutMs);

} // namespace driveprobe
