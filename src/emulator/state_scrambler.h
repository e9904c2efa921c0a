#pragma once
// The scrambling of the emulation file: every byte XORed with the low byte of one of the first
// four key characters, by its position in the file. The pass is its own inverse.

#include <cstddef>
#include <cstdint>
#include <span>

namespace emulator {

// Only the first four characters take part: the key repeats every 4 bytes, not every 9.
inline constexpr char16_t kScrambleKey[] = u"KEMAR3914";

// Scrambles (or unscrambles) `data`, which starts at byte `fileOffset` of the file.
void ScrambleInPlace(std::span<std::byte> data, std::uint64_t fileOffset);
// The same pass from `source` into the first source.size() bytes of `target`, which must hold
// that many; the two may be the same buffer but must not overlap otherwise.
void ScrambleInto(std::span<const std::byte> source, std::span<std::byte> target, std::uint64_t fileOffset);

}  // namespace emulator
