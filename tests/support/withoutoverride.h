#pragma once

// Linux only: capabilities are a Linux feature.

#include <QtGlobal>

#include <linux/capability.h>

namespace testsupport {

// Drops the permission checks root skips (CAP_DAC_OVERRIDE and
// CAP_DAC_READ_SEARCH) from the calling thread's effective set, and from the
// threads it starts meanwhile, so that root meets a folder it cannot read.
// Restores them when destroyed.
class WithoutOverride
{
    Q_DISABLE_COPY(WithoutOverride)

public:
    WithoutOverride();
    ~WithoutOverride();

    // True when permissions now apply to this thread.
    bool applies() const;

private:
    __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[2] {};
    bool dropped = false;
};

} // namespace testsupport
