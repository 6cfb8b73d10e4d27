#include "scan/standardstreams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace standardstreams {

namespace {
bool closedAtStart[3] = {false, false, false};
}

void reserve()
{
    for (const int fd : {Input, Output, Error}) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        closedAtStart[fd] = true;
        // The lowest free number: this one, as the ones below are open.
        const int null = ::open("/dev/null", fd == Input ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) {
            ::dup2(null, fd);
            ::close(null);
        }
    }
}

bool wasClosed(Stream stream)
{
    return closedAtStart[stream];
}

} // namespace standardstreams
