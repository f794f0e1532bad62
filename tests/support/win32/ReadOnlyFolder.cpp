#include "support/ReadOnlyFolder.h"

namespace testing_support {

// Nothing to hold: see the header for why the folder stays writable here.
struct ReadOnlyFolder::Hold {};

ReadOnlyFolder::ReadOnlyFolder(std::string folder) : m_folder(std::move(folder)) {}

ReadOnlyFolder::~ReadOnlyFolder() = default;

}  // namespace testing_support
