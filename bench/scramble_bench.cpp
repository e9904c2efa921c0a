#include "scramble_bench.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "emulator/state_scrambler.h"
#include "timing.h"

namespace bench {

double CompareScrambleWithMemcpy()
{
    constexpr std::size_t kSize = 64u << 20;
    std::vector<std::byte> source(kSize), target(kSize);
    for (std::size_t i = 0; i < kSize; ++i)
        source[i] = std::byte(static_cast<unsigned char>(i * 2654435761u >> 13));
    std::memcpy(target.data(), source.data(), kSize);  // both buffers touched before timing

    // Like with like: both read the same source and write the same target, taking turns, so
    // neither finds the caches the way the other left them more often.
    std::vector<double> copies, scrambles;
    for (int run = 0; run < 9; ++run) {
        copies.push_back(SecondsOf([&] { std::memcpy(target.data(), source.data(), kSize); }));
        scrambles.push_back(SecondsOf([&] { emulator::ScrambleInto(source, target, 0); }));
    }
    const double copy = Median(copies), scramble = Median(scrambles);
    const double ratio = copy / scramble;
    std::printf("64 MiB source to target, medians of 9 alternating runs: scramble %7.2f GB/s, memcpy %7.2f GB/s, "
                "ratio %.2f (aim: at least 0.8)\n",
                kSize / scramble / 1e9, kSize / copy / 1e9, ratio);
    return ratio;
}

}  // namespace bench
