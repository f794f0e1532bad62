// The deterministic bytes of a generated response body. Byte i depends on
// more than i mod 256, so a body that lost, doubled or shifted a block does
// not match by accident.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace testing_support {

char PatternByte(std::uint64_t index);
// `count` pattern bytes starting at `offset`.
std::string PatternBytes(std::uint64_t offset, std::size_t count);
// Whether the file at `path` holds exactly the first `size` pattern bytes.
bool FileHoldsPattern(const std::string& path, std::uint64_t size);
// The size of the file at `path`, or -1 when there is none.
std::int64_t FileSize(const std::string& path);

}  // namespace testing_support
