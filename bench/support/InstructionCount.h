#pragma once

#include <cstdint>

// Counts the instructions this thread runs in user space between start()
// and stop(): unlike time, the count does not depend on what else the
// machine runs. Zero when the system allows no counting.
class InstructionCount
{
public:
    InstructionCount();
    ~InstructionCount();
    InstructionCount(const InstructionCount &) = delete;
    InstructionCount &operator=(const InstructionCount &) = delete;

    void start();
    std::uint64_t stop();

private:
    int mFd = -1;
};
