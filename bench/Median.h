#pragma once
// The middle of a set of timings: one sample slowed by a load that comes and
// goes moves it far less than it moves the mean.
#include <algorithm>
#include <limits>
#include <vector>

// No samples have no middle: not a number, rather than a read past the end.
inline double Median(std::vector<double> v)
{
    if (v.empty()) return std::numeric_limits<double>::quiet_NaN();
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}
