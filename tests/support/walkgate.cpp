#include "walkgate.h"

#include "scan/scansession.h"
#include "scan/walker.h"

namespace testsupport {

WalkGate::WalkGate(walker *scanner)
{
    QObject::connect(
        scanner, &walker::walkfile, scanner,
        [state = state](const QString &) {
            QMutexLocker lock(&state->mutex);
            while (state->allowance == 0)
                state->changed.wait(&state->mutex);
            if (state->allowance > 0)
                --state->allowance;
        },
        Qt::DirectConnection);
}

WalkGate::WalkGate(ScanSession *session) : WalkGate(session->walkerThread()) { }

WalkGate::~WalkGate()
{
    open();
}

void WalkGate::setAllowance(int files)
{
    QMutexLocker lock(&state->mutex);
    state->allowance = files;
    state->changed.wakeAll();
}

} // namespace testsupport
