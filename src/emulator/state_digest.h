#pragma once
// A strong digest (SHA-256) of a device state, so that a session which changed nothing is known
// without keeping a copy of the state. Fed piece by piece as the state streams past.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace emulator {

using StateDigest = std::array<std::uint8_t, 32>;

class StateDigester {
public:
    StateDigester();
    void Add(std::span<const std::byte> data);
    StateDigest Finish();

    // The same digest with the processor's own SHA instructions on or off; for tests.
    static bool HasShaInstructions();
    void UseShaInstructions(bool use) { m_useShaInstructions = use && HasShaInstructions(); }

private:
    void Blocks(const std::uint8_t* data, std::size_t count);

    std::array<std::uint32_t, 8> m_state;
    std::array<std::uint8_t, 64> m_pending{};
    std::size_t m_pendingSize = 0;
    std::uint64_t m_total = 0;
    bool m_useShaInstructions;
};

std::string DigestToHex(const StateDigest& digest);
std::optional<StateDigest> DigestFromHex(std::u16string_view hex);

}  // namespace emulator
