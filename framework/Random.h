#pragma once
#include <cstdint>
#include <random>

// Each object draws from its own generator, seeded from the system's entropy.
class Random {
public:
    Random();
    // Uniform over the whole numbers min..max, both included; with min above max, over max..min.
    int32_t InRange(int32_t min, int32_t max);

private:
    std::mt19937_64 generator_;
};
