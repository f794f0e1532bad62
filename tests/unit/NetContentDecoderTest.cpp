// The decoder against the smallest pieces a connection may deliver: one
// coded byte at a time, with an interrupted wait between any two.
#include <gtest/gtest.h>

#include <string>

#include "platform/net/ContentDecoder.h"
#include "support/CodedBody.h"
#include "support/TestHostBody.h"

namespace {

using testing_support::Coding;
using testing_support::Encoded;

TEST(NetContentDecoder, OneCodedByteAtATimeWithInterruptionsGivesTheWholeObject) {
    const std::string data = testing_support::PatternBytes(0, 20000);
    struct Case {
        Coding coding;
        const char* name;
    } const cases[] = {
        {Coding::Gzip, "gzip"}, {Coding::Deflate, "deflate"}, {Coding::BareDeflate, "deflate"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.coding));
        const std::string coded = Encoded(data, c.coding);
        std::size_t sent = 0;
        bool interrupt = false;
        // Every other call is an interrupted wait; the others bring one byte.
        auto read = [&](char* buffer, std::size_t) -> std::optional<std::size_t> {
            interrupt = !interrupt;
            if (interrupt) return std::nullopt;
            if (sent == coded.size()) return 0;
            buffer[0] = coded[sent++];
            return 1;
        };
        net::ContentDecoder decoder(c.name);
        std::string decoded;
        char piece[7];
        for (int stops = 0; stops < 100000; ++stops) {
            std::size_t made = decoder.Read(piece, sizeof piece, read);
            decoded.append(piece, made);
            if (made == 0 && sent == coded.size() && !interrupt) break;
        }
        EXPECT_EQ(decoded, data);
    }
}

}  // namespace
