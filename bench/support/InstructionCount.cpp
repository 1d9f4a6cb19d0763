#include "InstructionCount.h"

#include <cstring>
#include <linux/perf_event.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <unistd.h>

InstructionCount::InstructionCount()
{
    perf_event_attr attributes;
    std::memset(&attributes, 0, sizeof attributes);
    attributes.type = PERF_TYPE_HARDWARE;
    attributes.size = sizeof attributes;
    attributes.config = PERF_COUNT_HW_INSTRUCTIONS;
    attributes.disabled = 1;
    attributes.exclude_kernel = 1;
    attributes.exclude_hv = 1;
    mFd = int(syscall(SYS_perf_event_open, &attributes, 0, -1, -1, 0));
}

InstructionCount::~InstructionCount()
{
    if (mFd >= 0)
        close(mFd);
}

void InstructionCount::start()
{
    if (mFd < 0)
        return;
    ioctl(mFd, PERF_EVENT_IOC_RESET, 0);
    ioctl(mFd, PERF_EVENT_IOC_ENABLE, 0);
}

std::uint64_t InstructionCount::stop()
{
    std::uint64_t count = 0;
    if (mFd < 0)
        return 0;
    ioctl(mFd, PERF_EVENT_IOC_DISABLE, 0);
    return read(mFd, &count, sizeof count) == sizeof count ? count : 0;
}
