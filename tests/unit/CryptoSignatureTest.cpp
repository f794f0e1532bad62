// The signature check: SHA-256 fed in pieces, and a strict reading of the
// DER signature, so that only the publisher's own encoding verifies.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/crypto/PackageSignature.h"
#include "platform/crypto/Sha256.h"
#include "support/SignedPackage.h"

namespace {

crypto::Digest HashInPieces(const std::string& data, std::size_t piece) {
    crypto::Sha256 hash;
    for (std::size_t at = 0; at < data.size(); at += piece) {
        hash.Update(data.data() + at, std::min(piece, data.size() - at));
    }
    return hash.Finish();
}

TEST(CryptoSignatureTest, HashIsTheSameWhateverThePiecesAndStartsAfreshAfterFinish) {
    crypto::Sha256 hash;
    hash.Update("abc", 3);
    crypto::Digest abc = hash.Finish();
    EXPECT_EQ(abc[0], 0xba);  // SHA-256("abc") = ba7816bf ... 15ad
    EXPECT_EQ(abc[31], 0xad);
    hash.Update("abc", 3);
    EXPECT_EQ(hash.Finish(), abc);
    std::string body = testing_support::SignedBody();
    EXPECT_EQ(HashInPieces(body, 1), HashInPieces(body, 65535));
}

TEST(CryptoSignatureTest, OnlyTheWellFormedSignatureOfTheseBytesVerifies) {
    const crypto::PublicKey key = testing_support::PublisherKey();
    const crypto::Digest digest = HashInPieces(testing_support::SignedBody(), 4096);
    const std::string good = testing_support::PublisherSignature();
    // r's length byte is good[3]; its number starts at good[4].
    std::string padded = good;
    padded.insert(4, 1, '\0');
    padded[3] = static_cast<char>(padded[3] + 1);
    padded[1] = static_cast<char>(padded[1] + 1);
    std::string negative = good;
    negative[4] = static_cast<char>(0x80);
    std::string longer = good;
    longer[1] = static_cast<char>(longer[1] + 1);
    longer += '\0';
    struct Case {
        const char* name;
        std::string der;
        bool verifies;
    };
    const Case cases[] = {
        {"the signature", good, true},
        {"empty", "", false},
        {"a byte after it", good + '\0', false},
        {"cut short", good.substr(0, good.size() - 1), false},
        {"a number padded with a zero", padded, false},
        {"a negative number", negative, false},
        {"a sequence longer than its numbers", longer, false},
        {"another file's signature", testing_support::PublisherSignatureOfOtherFile(), false},
        {"another key's signature", testing_support::StrangerSignature(), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(crypto::VerifySignature(key, digest, c.der), c.verifies) << c.name;
    }
    crypto::PublicKey offCurve = key;
    offCurve.point[64] ^= 0x01;
    EXPECT_FALSE(crypto::VerifySignature(offCurve, digest, good));
}

}  // namespace
