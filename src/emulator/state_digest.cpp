#include "emulator/state_digest.h"

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define KOVRIN_SHA_INSTRUCTIONS 1
#endif

namespace emulator {
namespace {

alignas(16) constexpr std::uint32_t kRound[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

constexpr std::uint32_t Rotate(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

std::uint32_t BigEndian(const std::uint8_t* p)
{
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

void PortableBlocks(std::uint32_t* state, const std::uint8_t* data, std::size_t count)
{
    for (; count > 0; --count, data += 64) {
        std::uint32_t w[64];
        for (int i = 0; i < 16; ++i)
            w[i] = BigEndian(data + 4 * i);
        for (int i = 16; i < 64; ++i) {
            const std::uint32_t s0 = Rotate(w[i - 15], 7) ^ Rotate(w[i - 15], 18) ^ (w[i - 15] >> 3);
            const std::uint32_t s1 = Rotate(w[i - 2], 17) ^ Rotate(w[i - 2], 19) ^ (w[i - 2] >> 10);
            w[i] = w[i - 16] + s0 + w[i - 7] + s1;
        }
        std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
        std::uint32_t e = state[4], f = state[5], g = state[6], h = state[7];
        for (int i = 0; i < 64; ++i) {
            const std::uint32_t t1 = h + (Rotate(e, 6) ^ Rotate(e, 11) ^ Rotate(e, 25)) + ((e & f) ^ (~e & g)) + kRound[i] + w[i];
            const std::uint32_t t2 = (Rotate(a, 2) ^ Rotate(a, 13) ^ Rotate(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
            h = g;
            g = f;
            f = e;
            e = d + t1;
            d = c;
            c = b;
            b = a;
            a = t1 + t2;
        }
        state[0] += a, state[1] += b, state[2] += c, state[3] += d;
        state[4] += e, state[5] += f, state[6] += g, state[7] += h;
    }
}

#ifdef KOVRIN_SHA_INSTRUCTIONS
// The processor's SHA extensions run the same rounds several times faster, which matters for a
// state of hundreds of MiB. The state is kept as the instructions want it: ABEF and CDGH.
__attribute__((target("sha,sse4.1,ssse3"))) void ShaInstructionBlocks(std::uint32_t* state, const std::uint8_t* data,
                                                                     std::size_t count)
{
    const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);
    __m128i cdab = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0xB1);
    __m128i efgh = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4)), 0x1B);
    __m128i abef = _mm_alignr_epi8(cdab, efgh, 8);
    __m128i cdgh = _mm_blend_epi16(efgh, cdab, 0xF0);

    for (; count > 0; --count, data += 64) {
        const __m128i abefBefore = abef, cdghBefore = cdgh;
        __m128i w[4];  // the last four groups of four message words
        for (int i = 0; i < 16; ++i) {
            __m128i words;
            if (i < 4) {
                words = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * i)), byteSwap);
            } else {
                const __m128i older = _mm_sha256msg1_epu32(w[i % 4], w[(i + 1) % 4]);
                const __m128i middle = _mm_alignr_epi8(w[(i + 3) % 4], w[(i + 2) % 4], 4);
                words = _mm_sha256msg2_epu32(_mm_add_epi32(older, middle), w[(i + 3) % 4]);
            }
            w[i % 4] = words;
            const __m128i message = _mm_add_epi32(words, _mm_load_si128(reinterpret_cast<const __m128i*>(kRound + 4 * i)));
            cdgh = _mm_sha256rnds2_epu32(cdgh, abef, message);
            abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(message, 0x0E));
        }
        abef = _mm_add_epi32(abef, abefBefore);
        cdgh = _mm_add_epi32(cdgh, cdghBefore);
    }

    const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
    const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_blend_epi16(feba, dchg, 0xF0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), _mm_alignr_epi8(dchg, feba, 8));
}
#endif

}  // namespace

StateDigester::StateDigester()
    : m_state{0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19},
      m_useShaInstructions(HasShaInstructions())
{
}

bool StateDigester::HasShaInstructions()
{
#ifdef KOVRIN_SHA_INSTRUCTIONS
    static const bool has = [] {
        unsigned a = 0, b = 0, c = 0, d = 0;
        if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_SSE4_1) || !(c & bit_SSSE3))
            return false;
        return __get_cpuid_count(7, 0, &a, &b, &c, &d) && (b & bit_SHA) != 0;
    }();
    return has;
#else
    return false;
#endif
}

void StateDigester::Blocks(const std::uint8_t* data, std::size_t count)
{
#ifdef KOVRIN_SHA_INSTRUCTIONS
    if (m_useShaInstructions) {
        ShaInstructionBlocks(m_state.data(), data, count);
        return;
    }
#endif
    PortableBlocks(m_state.data(), data, count);
}

void StateDigester::Add(std::span<const std::byte> data)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.data());
    std::size_t size = data.size();
    m_total += size;
    if (m_pendingSize > 0) {
        const std::size_t take = std::min(size, m_pending.size() - m_pendingSize);
        std::memcpy(m_pending.data() + m_pendingSize, bytes, take);
        m_pendingSize += take;
        bytes += take;
        size -= take;
        if (m_pendingSize < m_pending.size())
            return;
        Blocks(m_pending.data(), 1);
        m_pendingSize = 0;
    }
    Blocks(bytes, size / 64);
    m_pendingSize = size % 64;
    std::memcpy(m_pending.data(), bytes + size - m_pendingSize, m_pendingSize);
}

StateDigest StateDigester::Finish()
{
    const std::uint64_t bits = m_total * 8;
    std::uint8_t tail[72] = {0x80};
    const std::size_t padding = (m_pendingSize < 56 ? 56 : 120) - m_pendingSize;
    for (int i = 0; i < 8; ++i)
        tail[padding + i] = static_cast<std::uint8_t>(bits >> (56 - 8 * i));
    Add(std::as_bytes(std::span(tail, padding + 8)));
    StateDigest digest;
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 4; ++j)
            digest[4 * i + j] = static_cast<std::uint8_t>(m_state[i] >> (24 - 8 * j));
    return digest;
}

std::string DigestToHex(const StateDigest& digest)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (std::uint8_t byte : digest) {
        hex.push_back(kHex[byte >> 4]);
        hex.push_back(kHex[byte & 15]);
    }
    return hex;
}

std::optional<StateDigest> DigestFromHex(std::u16string_view hex)
{
    auto nibble = [](char16_t c) -> int {
        if (c >= u'0' && c <= u'9')
            return c - u'0';
        if (c >= u'a' && c <= u'f')
            return c - u'a' + 10;
        return -1;
    };
    StateDigest digest;
    if (hex.size() != 2 * digest.size())
        return std::nullopt;
    for (std::size_t i = 0; i < digest.size(); ++i) {
        const int high = nibble(hex[2 * i]), low = nibble(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        digest[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return digest;
}

}  // namespace emulator
