#include "support/Md5.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace testing_support {

namespace {

constexpr std::array<std::uint32_t, 64> kShifts = {
    7,  12, 17, 22, 7,  12, 17, 22, 7,  12, 17, 22, 7,  12, 17, 22, 5,  9,  14, 20, 5,  9,
    14, 20, 5,  9,  14, 20, 5,  9,  14, 20, 4,  11, 16, 23, 4,  11, 16, 23, 4,  11, 16, 23,
    4,  11, 16, 23, 6,  10, 15, 21, 6,  10, 15, 21, 6,  10, 15, 21, 6,  10, 15, 21};

std::uint32_t RotateLeft(std::uint32_t value, std::uint32_t count) {
    return (value << count) | (value >> (32 - count));
}

void Round(std::array<std::uint32_t, 4>& state, const unsigned char* block) {
    std::uint32_t words[16];
    for (int i = 0; i < 16; ++i) {
        words[i] = block[i * 4] | block[i * 4 + 1] << 8 | block[i * 4 + 2] << 16 |
                   static_cast<std::uint32_t>(block[i * 4 + 3]) << 24;
    }
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (std::uint32_t i = 0; i < 64; ++i) {
        std::uint32_t f = 0;
        std::uint32_t g = 0;
        if (i < 16) {
            f = (b & c) | (~b & d);
            g = i;
        } else if (i < 32) {
            f = (d & b) | (~d & c);
            g = (5 * i + 1) % 16;
        } else if (i < 48) {
            f = b ^ c ^ d;
            g = (3 * i + 5) % 16;
        } else {
            f = c ^ (b | ~d);
            g = (7 * i) % 16;
        }
        auto constant = static_cast<std::uint32_t>(
            static_cast<std::uint64_t>(std::fabs(std::sin(i + 1.0)) * 4294967296.0));
        std::uint32_t next = d;
        d = c;
        c = b;
        b += RotateLeft(a + f + constant + words[g], kShifts[i]);
        a = next;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

}  // namespace

std::string Md5Hex(std::string_view bytes) {
    std::array<std::uint32_t, 4> state = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
    std::string padded(bytes);
    padded += static_cast<char>(0x80);
    while (padded.size() % 64 != 56) padded += '\0';
    std::uint64_t bits = static_cast<std::uint64_t>(bytes.size()) * 8;
    for (int i = 0; i < 8; ++i) padded += static_cast<char>((bits >> (8 * i)) & 0xFF);
    for (std::size_t offset = 0; offset < padded.size(); offset += 64) {
        Round(state, reinterpret_cast<const unsigned char*>(padded.data() + offset));
    }
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (std::uint32_t word : state) {
        for (int i = 0; i < 4; ++i) {
            unsigned byte = (word >> (8 * i)) & 0xFF;
            hex += kHex[byte >> 4];
            hex += kHex[byte & 0xF];
        }
    }
    return hex;
}

}  // namespace testing_support
