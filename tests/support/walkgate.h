#pragma once

#include <QSemaphore>

#include <memory>

class walker;

namespace testsupport {

// Holds the threads of a walk at each file they meet while it is closed, so
// that a test can act (stop, say) before a busy machine lets the whole walk
// through. It starts closed. Destroyed, it opens for good: make it after the
// window or session that owns the walker, so a check that fails half-way
// leaves no walk thread waiting while the walker is taken down.
class WalkGate
{
public:
    // Listens to scanner's walkfile(); connect before the walk starts.
    explicit WalkGate(walker *scanner);
    ~WalkGate();

    // Lets the walk through until close().
    void open() { semaphore->release(); }
    // Holds the walk again; call only while the walk is not running.
    void close() { semaphore->acquire(); }

private:
    // Shared with the listener, which may still run as the gate goes.
    std::shared_ptr<QSemaphore> semaphore = std::make_shared<QSemaphore>();
};

} // namespace testsupport
