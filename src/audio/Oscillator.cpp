#include "audio/Oscillator.h"

#include <array>
#include <cmath>

namespace {
constexpr int TableBits = 12;
constexpr int TableSize = 1 << TableBits;

// One turn of a sine, with the first entry repeated at the end so that the
// interpolation never wraps.
struct SineTable
{
    SineTable()
    {
        for (int i = 0; i <= TableSize; ++i)
            values[size_t(i)] = float(std::sin(2 * M_PI * i / TableSize));
    }
    std::array<float, TableSize + 1> values;
};
const SineTable Table;
} // namespace

float Oscillator::sine(uint64_t phase)
{
    const auto index = size_t(phase >> (64 - TableBits));
    const float fraction = float(uint32_t(phase >> (32 - TableBits))) * 0x1p-32f;
    const float a = Table.values[index];
    return a + fraction * (Table.values[index + 1] - a);
}
