// SHA-256 of a stream of bytes, fed piece by piece as they arrive.
#pragma once

#include <array>
#include <cstddef>
#include <memory>

namespace crypto {

using Digest = std::array<unsigned char, 32>;

class Sha256 {
  public:
    Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;
    ~Sha256();

    // Adds `size` bytes to what is hashed.
    void Update(const void* data, std::size_t size);
    // The digest of everything added; the object starts afresh afterwards.
    Digest Finish();

  private:
    struct State;  // the back end's context
    std::unique_ptr<State> m_state;
};

}  // namespace crypto
