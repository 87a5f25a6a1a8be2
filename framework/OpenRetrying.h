#pragma once
// open(2) that a signal arriving mid-call does not turn into a failure: the
// run takes SIGTERM as a quit, and a quit must not lose the save it triggers.
#include <cerrno>
#include <fcntl.h>
#include <sys/types.h>

inline int OpenRetrying(const char* name, int flags, mode_t mode = 0)
{
    int fd;
    do fd = open(name, flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}
