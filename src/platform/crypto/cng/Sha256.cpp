#include "platform/crypto/Sha256.h"

// clang-format off
#include <windows.h>
#include <bcrypt.h>
// clang-format on

#include <new>

namespace crypto {

// A hash object ends with BCryptFinishHash; Finish makes the next one.
struct Sha256::State {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
};

Sha256::Sha256() : m_state(new State) {
    bool ok = BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&m_state->algorithm,
                                                         BCRYPT_SHA256_ALGORITHM, nullptr, 0)) &&
              BCRYPT_SUCCESS(
                  BCryptCreateHash(m_state->algorithm, &m_state->hash, nullptr, 0, nullptr, 0, 0));
    if (!ok) {
        if (m_state->algorithm) BCryptCloseAlgorithmProvider(m_state->algorithm, 0);
        throw std::bad_alloc();
    }
}

Sha256::~Sha256() {
    if (m_state->hash) BCryptDestroyHash(m_state->hash);
    BCryptCloseAlgorithmProvider(m_state->algorithm, 0);
}

void Sha256::Update(const void* data, std::size_t size) {
    if (m_state->hash == nullptr) return;
    // CNG takes at most 4 GiB - 1 per call.
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        ULONG piece = size > 0x40000000 ? 0x40000000 : static_cast<ULONG>(size);
        BCryptHashData(m_state->hash, const_cast<PUCHAR>(bytes), piece, 0);
        bytes += piece;
        size -= piece;
    }
}

Digest Sha256::Finish() {
    Digest digest{};
    BCryptFinishHash(m_state->hash, digest.data(), static_cast<ULONG>(digest.size()), 0);
    BCryptDestroyHash(m_state->hash);
    m_state->hash = nullptr;
    BCryptCreateHash(m_state->algorithm, &m_state->hash, nullptr, 0, nullptr, 0, 0);
    return digest;
}

}  // namespace crypto
