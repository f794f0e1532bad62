// The publisher's signature of a package: ECDSA over P-256 of the package's
// SHA-256, in the DER form that `openssl dgst -sha256 -sign` writes, checked
// with a public key built into the product.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "platform/crypto/Sha256.h"

namespace crypto {

// A P-256 public key as an uncompressed point: 0x04, X, Y.
struct PublicKey {
    std::array<unsigned char, 65> point{};
};

// The largest signature file that is read at all; a DER P-256 signature has
// at most 72 bytes.
constexpr std::size_t kMaxSignatureSize = 1024;

// Whether `der` is a well-formed signature, made with the private half of
// `key`, of the data whose SHA-256 is `digest`. Anything malformed (an
// empty or oversized text, trailing bytes, a non-minimal or negative
// number, r or s out of range) is no signature.
bool VerifySignature(const PublicKey& key, const Digest& digest, const std::string& der);

// The key whose point `hex` spells (130 hex digits, as the build writes
// it); false when it is no such text.
bool ParsePublicKey(const char* hex, PublicKey& key);

}  // namespace crypto
