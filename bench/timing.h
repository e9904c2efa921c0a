#pragma once
// Median wall-clock time of repeated runs: robust against one slow outlier on a busy machine.

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

template <typename Work>
double MedianSeconds(int runs, Work work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace bench
