#include "support/ReadOnlyFolder.h"

#include <sys/stat.h>

#include "support/WithoutFileOverride.h"

namespace testing_support {

struct ReadOnlyFolder::Hold {
    WithoutFileOverride asUser;
};

ReadOnlyFolder::ReadOnlyFolder(std::string folder)
    : m_folder(std::move(folder)), m_hold(std::make_unique<Hold>()) {
    chmod(m_folder.c_str(), 0555);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    m_hold.reset();
    chmod(m_folder.c_str(), 0755);
}

}  // namespace testing_support
