// The parts of LocalFile that do not depend on the platform: ownership of
// the handle. Opening, writing and closing are each back end's.
#include "platform/os/LocalFile.h"

#include <utility>

namespace os {

LocalFile::LocalFile(LocalFile&& other) noexcept
    : m_handle(std::exchange(other.m_handle, kNoHandle)), m_error(other.m_error) {}

LocalFile& LocalFile::operator=(LocalFile&& other) noexcept {
    if (this != &other) {
        Close();
        m_handle = std::exchange(other.m_handle, kNoHandle);
        m_error = other.m_error;
    }
    return *this;
}

LocalFile::~LocalFile() {
    Close();
}

}  // namespace os
