#include "platform/crypto/RawSignature.h"

#include <openssl/bn.h>
#include <openssl/ec.h>
#include <openssl/evp.h>
#include <openssl/x509.h>

#include <memory>
#include <vector>

namespace crypto {
namespace {

// The DER head of a SubjectPublicKeyInfo for a P-256 key (id-ecPublicKey,
// prime256v1), followed by the 65 bytes of the point.
constexpr unsigned char kP256KeyInfoHead[] = {0x30, 0x59, 0x30, 0x13, 0x06, 0x07, 0x2a, 0x86, 0x48,
                                              0xce, 0x3d, 0x02, 0x01, 0x06, 0x08, 0x2a, 0x86, 0x48,
                                              0xce, 0x3d, 0x03, 0x01, 0x07, 0x03, 0x42, 0x00};

struct KeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct ContextFree {
    void operator()(EVP_PKEY_CTX* context) const { EVP_PKEY_CTX_free(context); }
};
struct SignatureFree {
    void operator()(ECDSA_SIG* signature) const { ECDSA_SIG_free(signature); }
};

std::unique_ptr<EVP_PKEY, KeyFree> ImportKey(const PublicKey& key) {
    std::vector<unsigned char> info(std::begin(kP256KeyInfoHead), std::end(kP256KeyInfoHead));
    info.insert(info.end(), key.point.begin(), key.point.end());
    const unsigned char* cursor = info.data();
    return std::unique_ptr<EVP_PKEY, KeyFree>(
        d2i_PUBKEY(nullptr, &cursor, static_cast<long>(info.size())));
}

// r and s again in DER, as OpenSSL's verification takes them: the strict
// decoding that every back end shares has already judged the original.
std::vector<unsigned char> EncodeSignature(const RawSignature& rs) {
    std::unique_ptr<ECDSA_SIG, SignatureFree> signature(ECDSA_SIG_new());
    BIGNUM* r = BN_bin2bn(rs.data(), 32, nullptr);
    BIGNUM* s = BN_bin2bn(rs.data() + 32, 32, nullptr);
    if (!signature || !r || !s || !ECDSA_SIG_set0(signature.get(), r, s)) {
        BN_free(r);
        BN_free(s);
        return {};
    }
    int length = i2d_ECDSA_SIG(signature.get(), nullptr);
    if (length <= 0) return {};
    std::vector<unsigned char> der(static_cast<std::size_t>(length));
    unsigned char* cursor = der.data();
    i2d_ECDSA_SIG(signature.get(), &cursor);
    return der;
}

}  // namespace

bool VerifyRawSignature(const PublicKey& key, const Digest& digest, const RawSignature& rs) {
    std::unique_ptr<EVP_PKEY, KeyFree> publicKey = ImportKey(key);
    if (!publicKey) return false;
    std::vector<unsigned char> der = EncodeSignature(rs);
    if (der.empty()) return false;
    std::unique_ptr<EVP_PKEY_CTX, ContextFree> context(EVP_PKEY_CTX_new(publicKey.get(), nullptr));
    if (!context || EVP_PKEY_verify_init(context.get()) != 1) return false;
    return EVP_PKEY_verify(context.get(), der.data(), der.size(), digest.data(), digest.size()) ==
           1;
}

}  // namespace crypto
