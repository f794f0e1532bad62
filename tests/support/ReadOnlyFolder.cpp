#include "support/ReadOnlyFolder.h"

#include <fstream>

#include "support/TempDir.h"

namespace testing_support {

bool ReadOnlyFolder::Refuses() const {
    const std::filesystem::path probe = FsPath(m_folder) / "vessamo-write-probe";
    std::ofstream file(probe, std::ios::binary);
    if (!file) return true;
    file.close();
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return false;
}

}  // namespace testing_support
