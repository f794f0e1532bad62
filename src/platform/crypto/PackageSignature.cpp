#include "platform/crypto/PackageSignature.h"

#include <algorithm>
#include <cstdint>

#include "platform/crypto/RawSignature.h"

namespace crypto {
namespace {

constexpr unsigned char kSequence = 0x30;
constexpr unsigned char kInteger = 0x02;
constexpr std::size_t kNumberSize = 32;

// Reads one DER INTEGER at `pos` into 32 right-aligned bytes. Only the
// minimal encoding of a positive number below 2^256 is taken, as a strict
// reader of signatures must: another encoding of the same numbers would
// make one signature many.
bool ReadNumber(const std::string& der, std::size_t& pos, unsigned char* out) {
    if (pos + 2 > der.size() || static_cast<unsigned char>(der[pos]) != kInteger) return false;
    std::size_t length = static_cast<unsigned char>(der[pos + 1]);
    pos += 2;
    if (length == 0 || length > kNumberSize + 1 || pos + length > der.size()) return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(der.data() + pos);
    if (bytes[0] & 0x80) return false;                                    // negative
    if (length > 1 && bytes[0] == 0 && !(bytes[1] & 0x80)) return false;  // not minimal
    if (length == kNumberSize + 1 && bytes[0] != 0) return false;         // too large
    std::size_t skip = length == kNumberSize + 1 ? 1 : 0;
    std::fill(out, out + kNumberSize, 0);
    std::copy(bytes + skip, bytes + length, out + kNumberSize - (length - skip));
    pos += length;
    return std::any_of(out, out + kNumberSize, [](unsigned char b) { return b != 0; });
}

// Decodes SEQUENCE { INTEGER r, INTEGER s } with nothing around it.
bool DecodeSignature(const std::string& der, RawSignature& rs) {
    if (der.size() < 8 || der.size() > 2 + 2 * (2 + kNumberSize + 1)) return false;
    if (static_cast<unsigned char>(der[0]) != kSequence) return false;
    if (static_cast<std::size_t>(static_cast<unsigned char>(der[1])) != der.size() - 2)
        return false;
    std::size_t pos = 2;
    return ReadNumber(der, pos, rs.data()) && ReadNumber(der, pos, rs.data() + kNumberSize) &&
           pos == der.size();
}

int HexValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

}  // namespace

bool VerifySignature(const PublicKey& key, const Digest& digest, const std::string& der) {
    RawSignature rs{};
    return DecodeSignature(der, rs) && VerifyRawSignature(key, digest, rs);
}

bool ParsePublicKey(const char* hex, PublicKey& key) {
    std::size_t i = 0;
    for (; i < key.point.size(); ++i) {
        int high = hex[2 * i] ? HexValue(hex[2 * i]) : -1;
        int low = high >= 0 ? HexValue(hex[2 * i + 1]) : -1;
        if (low < 0) return false;
        key.point[i] = static_cast<unsigned char>(high * 16 + low);
    }
    return hex[2 * i] == '\0' && key.point[0] == 0x04;
}

}  // namespace crypto
