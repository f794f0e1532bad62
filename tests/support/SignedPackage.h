// The signed-package tests' material, made when the build was configured:
// the publisher's public key, two bodies, and signatures of them by the
// publisher and by a stranger's key (see tests/CMakeLists.txt).
#pragma once

#include <string>

#include "platform/crypto/PackageSignature.h"

namespace testing_support {

crypto::PublicKey PublisherKey();
// The body that the publisher signed, and another file the publisher signed.
std::string SignedBody();
std::string OtherSignedBody();
// The signature files: of SignedBody by the publisher, of OtherSignedBody
// by the publisher, and of SignedBody by a stranger.
std::string PublisherSignature();
std::string PublisherSignatureOfOtherFile();
std::string StrangerSignature();

}  // namespace testing_support
