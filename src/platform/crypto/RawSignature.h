// What each back end of the signature check provides: the verification of
// a signature already decoded to its two numbers.
#pragma once

#include <array>

#include "platform/crypto/PackageSignature.h"

namespace crypto {

// r and s, each as 32 big-endian bytes: the form CNG takes.
using RawSignature = std::array<unsigned char, 64>;

// Whether r and s sign `digest` for `key`; false for a key that is no
// point of the curve.
bool VerifyRawSignature(const PublicKey& key, const Digest& digest, const RawSignature& rs);

}  // namespace crypto
