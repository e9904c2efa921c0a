#pragma once
// Wall-clock timing and medians: a median is robust against one slow outlier on a busy machine.

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

template <typename Work>
double SecondsOf(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

template <typename Work>
double MedianSeconds(int runs, Work work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(SecondsOf(work));
    return Median(std::move(times));
}

}  // namespace bench
