#pragma once

#include <algorithm>

// How many times a walk over the played segments (timing, graphs, preview)
// plays a loop whose "Loop Times" cell holds count. The editor keeps 2 to 15;
// a hand-made file may hold anything, and a walk must still end: a loop plays
// at least once and at most as often as the device can repeat it.
constexpr int MostLoopPasses = 15;

constexpr int loopPasses(int count)
{
    return std::clamp(count, 1, MostLoopPasses);
}
