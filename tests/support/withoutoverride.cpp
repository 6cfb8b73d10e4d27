#include "withoutoverride.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace testsupport {

WithoutOverride::WithoutOverride()
{
    if (::geteuid() != 0)
        return;
    if (::syscall(SYS_capget, &header, saved) != 0)
        return;
    __user_cap_data_struct lowered[2] = {saved[0], saved[1]};
    lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    dropped = ::syscall(SYS_capset, &header, lowered) == 0;
}

WithoutOverride::~WithoutOverride()
{
    if (dropped)
        ::syscall(SYS_capset, &header, saved);
}

bool WithoutOverride::applies() const
{
    return ::geteuid() != 0 || dropped;
}

} // namespace testsupport
