#include "emulator/state_scrambler.h"

#include <cstring>

namespace emulator {
namespace {

constexpr std::uint8_t KeyByte(std::size_t i) { return static_cast<std::uint8_t>(kScrambleKey[i % 4] & 0xFF); }

// The key as one 64-bit word for the given phase, so the loop XORs eight bytes at a time
// (and compilers vectorise it) instead of one.
std::uint64_t KeyWord(std::size_t phase)
{
    std::uint8_t bytes[8];
    for (std::size_t i = 0; i < 8; ++i)
        bytes[i] = KeyByte(phase + i);
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

}  // namespace

void ScrambleInPlace(std::span<std::byte> data, std::uint64_t fileOffset)
{
    ScrambleInto(data, data, fileOffset);
}

void ScrambleInto(std::span<const std::byte> source, std::span<std::byte> target, std::uint64_t fileOffset)
{
    const std::byte* from = source.data();
    std::byte* to = target.data();
    const std::size_t n = source.size();
    std::size_t phase = static_cast<std::size_t>(fileOffset % 4);

    const std::uint64_t key = KeyWord(phase);
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, from + i, sizeof word);
        word ^= key;
        std::memcpy(to + i, &word, sizeof word);
    }
    // A multiple of 8 bytes keeps the phase; the tail goes byte by byte.
    for (; i < n; ++i)
        to[i] = from[i] ^ std::byte{KeyByte(phase + i)};
}

}  // namespace emulator
