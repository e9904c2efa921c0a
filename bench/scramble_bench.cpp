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

    const double copy = MedianSeconds(9, [&] { std::memcpy(target.data(), source.data(), kSize); });
    const double scramble = MedianSeconds(9, [&] { emulator::ScrambleInPlace(target, 0); });
    const double ratio = copy / scramble;
    std::printf("scramble in memory: %7.2f GB/s, memcpy: %7.2f GB/s, ratio %.2f (aim: at least 0.8)\n",
                kSize / scramble / 1e9, kSize / copy / 1e9, ratio);
    return ratio;
}

}  // namespace bench
