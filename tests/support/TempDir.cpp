#include "support/TempDir.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace testing_support {

namespace {

std::string Utf8(const std::filesystem::path& path) {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A new, empty folder under the system's temporary folder.
std::string MakeFreshFolder() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << "vessamo-test-" << std::hex << random();
        std::error_code error;
        if (std::filesystem::create_directory(base / name.str(), error)) {
            return Utf8(base / name.str());
        }
    }
    throw std::runtime_error("no fresh temporary folder");
}

}  // namespace

std::filesystem::path FsPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

TempDir::TempDir() : m_path(MakeFreshFolder()) {}

TempDir::~TempDir() {
    std::error_code ignored;
    // A test may have made the folder read-only; give write access back first.
    std::filesystem::permissions(FsPath(m_path), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(FsPath(m_path), ignored);
}

void TempDir::Write(const std::string& name, const std::string& contents) const {
    std::ofstream out(FsPath(File(name)), std::ios::binary | std::ios::trunc);
    out << contents;
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(FsPath(File(name)), std::ios::binary);
    if (!in) return "<missing>";
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

bool TempDir::Exists(const std::string& name) const {
    std::error_code ignored;
    return std::filesystem::exists(FsPath(File(name)), ignored);
}

std::vector<std::string> TempDir::Names() const {
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(FsPath(m_path), ignored)) {
        names.push_back(Utf8(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Backslashed(std::string path) {
    for (char& ch : path) {
        if (ch == '/') ch = '\\';
    }
    return path;
}

}  // namespace testing_support
