// Bodies in the content codings a host may send, made with zlib.
#pragma once

#include <string>

namespace testing_support {

enum class Coding {
    Gzip,         // a gzip member (RFC 1952)
    Deflate,      // a zlib stream (RFC 1950), as "deflate" is meant
    BareDeflate,  // the deflate stream without its zlib wrapper, as some servers send it
};

// `data` in `coding`.
std::string Encoded(const std::string& data, Coding coding);

}  // namespace testing_support
