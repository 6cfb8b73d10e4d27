#pragma once

#include <QMutex>
#include <QWaitCondition>

#include <memory>

class ScanSession;
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
    // Listens to the walker's walkfile(); make it before the walk starts.
    explicit WalkGate(walker *scanner);
    explicit WalkGate(ScanSession *session);
    ~WalkGate();

    // Lets the walk through until close().
    void open() { setAllowance(-1); }
    // Lets the next `files` files through, then holds the walk again.
    void openFor(int files) { setAllowance(files); }
    // Holds the walk again; call only while the walk is not running.
    void close() { setAllowance(0); }

private:
    // Shared with the listener, which may still run as the gate goes.
    struct State
    {
        QMutex mutex;
        QWaitCondition changed;
        int allowance = 0; // files still let through; -1: every one
    };

    void setAllowance(int files);

    std::shared_ptr<State> state = std::make_shared<State>();
};

} // namespace testsupport
