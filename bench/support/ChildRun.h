#pragma once

#include <string>
#include <vector>

// One run of a program as a child process, its output thrown away.
struct ChildRun
{
    bool succeeded = false; // ended with status 0
    double wallSeconds = 0;
    double cpuSeconds = 0; // user and system
};
ChildRun runChild(const std::vector<std::string> &command);

// A program beside the benchmark's own.
std::string binPath(const char *name);
