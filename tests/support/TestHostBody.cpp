#include "support/TestHostBody.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "support/TempDir.h"

namespace testing_support {

char PatternByte(std::uint64_t index) {
    return static_cast<char>((index + (index >> 8) * 31 + (index >> 16) * 7 + 0x5A) & 0xFF);
}

std::string PatternBytes(std::uint64_t offset, std::size_t count) {
    std::string bytes(count, '\0');
    for (std::size_t i = 0; i < count; ++i) bytes[i] = PatternByte(offset + i);
    return bytes;
}

bool FileHoldsPattern(const std::string& path, std::uint64_t size) {
    if (FileSize(path) != static_cast<std::int64_t>(size)) return false;
    std::ifstream in(FsPath(path), std::ios::binary);
    std::vector<char> block(1 << 20);
    std::uint64_t offset = 0;
    while (offset < size) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        std::size_t got = static_cast<std::size_t>(in.gcount());
        if (got == 0) return false;
        for (std::size_t i = 0; i < got; ++i) {
            if (block[i] != PatternByte(offset + i)) return false;
        }
        offset += got;
    }
    return offset == size;
}

std::int64_t FileSize(const std::string& path) {
    std::error_code error;
    auto size = std::filesystem::file_size(FsPath(path), error);
    return error ? -1 : static_cast<std::int64_t>(size);
}

}  // namespace testing_support
