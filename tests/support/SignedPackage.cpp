#include "support/SignedPackage.h"

#include "support/SignedTestData.h"

namespace testing_support {
namespace {

std::string Repeat(const char* line) {
    std::string text;
    for (int i = 0; i < kLineCount; ++i) text += line;
    return text;
}

std::string Bytes(const char* hex) {
    std::string bytes;
    for (std::size_t i = 0; hex[i] && hex[i + 1]; i += 2) {
        bytes += static_cast<char>(std::stoi(std::string(hex + i, 2), nullptr, 16));
    }
    return bytes;
}

}  // namespace

crypto::PublicKey PublisherKey() {
    crypto::PublicKey key;
    crypto::ParsePublicKey(kPublisherKey, key);
    return key;
}

std::string SignedBody() {
    return Repeat(kBodyLine);
}
std::string OtherSignedBody() {
    return Repeat(kOtherLine);
}
std::string PublisherSignature() {
    return Bytes(kpublisher_body_sig);
}
std::string PublisherSignatureOfOtherFile() {
    return Bytes(kpublisher_other_sig);
}
std::string StrangerSignature() {
    return Bytes(kstranger_body_sig);
}

}  // namespace testing_support
