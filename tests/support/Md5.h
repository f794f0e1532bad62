// MD5 of a byte string, as lowercase hex: the digest that HTTP Digest
// sign-in uses, for the test host to check a Digest answer by itself.
#pragma once

#include <string>
#include <string_view>

namespace testing_support {

std::string Md5Hex(std::string_view bytes);

}  // namespace testing_support
