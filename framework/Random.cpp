#include "Random.h"

namespace {

std::mt19937_64::result_type EntropySeed()
{
    std::random_device entropy;
    return (static_cast<std::mt19937_64::result_type>(entropy()) << 32) ^ entropy();
}

} // namespace

Random::Random() : generator_(EntropySeed()) { }

int32_t Random::InRange(int32_t min, int32_t max)
{
    // Worked in 64 bits so that no span between two 32-bit bounds overflows.
    const int64_t low = min < max ? min : max;
    const int64_t high = min < max ? max : min;
    std::uniform_int_distribution<int64_t> draw(low, high);
    return static_cast<int32_t>(draw(generator_));
}
