#include "platform/crypto/Sha256.h"

#include <openssl/evp.h>

#include <new>

namespace crypto {

struct Sha256::State {
    EVP_MD_CTX* context = nullptr;
};

Sha256::Sha256() : m_state(new State) {
    m_state->context = EVP_MD_CTX_new();
    if (m_state->context == nullptr ||
        !EVP_DigestInit_ex(m_state->context, EVP_sha256(), nullptr)) {
        EVP_MD_CTX_free(m_state->context);
        throw std::bad_alloc();
    }
}

Sha256::~Sha256() {
    EVP_MD_CTX_free(m_state->context);
}

void Sha256::Update(const void* data, std::size_t size) {
    EVP_DigestUpdate(m_state->context, data, size);
}

Digest Sha256::Finish() {
    Digest digest{};
    unsigned int length = 0;
    EVP_DigestFinal_ex(m_state->context, digest.data(), &length);
    EVP_DigestInit_ex(m_state->context, EVP_sha256(), nullptr);
    return digest;
}

}  // namespace crypto
