#include "walkgate.h"

#include "scan/walker.h"

namespace testsupport {

WalkGate::WalkGate(walker *scanner)
{
    // An open gate holds one permit, which each passing thread takes and
    // gives back.
    QObject::connect(
        scanner, &walker::walkfile, scanner,
        [semaphore = semaphore](const QString &) {
            semaphore->acquire();
            semaphore->release();
        },
        Qt::DirectConnection);
}

WalkGate::~WalkGate()
{
    semaphore->release(1 << 20);
}

} // namespace testsupport
