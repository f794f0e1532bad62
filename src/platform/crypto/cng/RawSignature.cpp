#include "platform/crypto/RawSignature.h"

// clang-format off
#include <windows.h>
#include <bcrypt.h>
// clang-format on

#include <cstring>
#include <vector>

namespace crypto {
namespace {

// Owns the provider and the imported key of one verification.
class EcdsaKey {
  public:
    explicit EcdsaKey(const PublicKey& key) {
        if (!BCRYPT_SUCCESS(
                BCryptOpenAlgorithmProvider(&m_algorithm, BCRYPT_ECDSA_P256_ALGORITHM, nullptr, 0)))
            return;
        // CNG's public blob: the header, then X and Y without the 0x04 before them.
        std::vector<unsigned char> blob(sizeof(BCRYPT_ECCKEY_BLOB) + 64);
        BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, 32};
        std::memcpy(blob.data(), &header, sizeof header);
        std::memcpy(blob.data() + sizeof header, key.point.data() + 1, 64);
        if (!BCRYPT_SUCCESS(BCryptImportKeyPair(m_algorithm, nullptr, BCRYPT_ECCPUBLIC_BLOB, &m_key,
                                                blob.data(), static_cast<ULONG>(blob.size()), 0))) {
            m_key = nullptr;
        }
    }
    EcdsaKey(const EcdsaKey&) = delete;
    EcdsaKey& operator=(const EcdsaKey&) = delete;
    ~EcdsaKey() {
        if (m_key) BCryptDestroyKey(m_key);
        if (m_algorithm) BCryptCloseAlgorithmProvider(m_algorithm, 0);
    }

    BCRYPT_KEY_HANDLE Get() const { return m_key; }

  private:
    BCRYPT_ALG_HANDLE m_algorithm = nullptr;
    BCRYPT_KEY_HANDLE m_key = nullptr;
};

}  // namespace

bool VerifyRawSignature(const PublicKey& key, const Digest& digest, const RawSignature& rs) {
    EcdsaKey publicKey(key);
    if (publicKey.Get() == nullptr) return false;
    Digest hash = digest;
    RawSignature signature = rs;
    return BCRYPT_SUCCESS(BCryptVerifySignature(publicKey.Get(), nullptr, hash.data(),
                                                static_cast<ULONG>(hash.size()), signature.data(),
                                                static_cast<ULONG>(signature.size()), 0));
}

}  // namespace crypto
