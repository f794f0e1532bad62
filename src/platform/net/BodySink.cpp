#include "platform/net/BodySink.h"

#include <algorithm>
#include <cstring>

namespace net {

BodySink::BodySink(std::size_t spillCapacity)
    : m_spill(new char[spillCapacity]), m_spillCapacity(spillCapacity) {}

void BodySink::BeginRead(char* buffer, std::size_t capacity) {
    m_target = buffer;
    m_capacity = capacity;
    m_filled = std::min(Spilled(), capacity);
    if (m_filled > 0) std::memcpy(m_target, m_spill.get() + m_spillBegin, m_filled);
    m_spillBegin += m_filled;
    if (m_spillBegin == m_spillEnd) m_spillBegin = m_spillEnd = 0;
}

std::size_t BodySink::EndRead() {
    std::size_t received = m_filled;
    m_target = nullptr;
    m_capacity = 0;
    m_filled = 0;
    return received;
}

bool BodySink::Offer(const char* data, std::size_t size) {
    // Bytes may go straight to the reader only when none wait in the spill.
    std::size_t room = (Spilled() == 0 && m_target != nullptr) ? m_capacity - m_filled : 0;
    std::size_t direct = std::min(size, room);
    std::size_t rest = size - direct;
    if (rest > m_spillCapacity - Spilled()) return false;
    if (direct > 0) {
        std::memcpy(m_target + m_filled, data, direct);
        m_filled += direct;
    }
    if (rest > 0) Spill(data + direct, rest);
    return true;
}

void BodySink::Clear() {
    m_spillBegin = m_spillEnd = 0;
}

void BodySink::Spill(const char* data, std::size_t size) {
    if (m_spillEnd + size > m_spillCapacity) {
        std::memmove(m_spill.get(), m_spill.get() + m_spillBegin, Spilled());
        m_spillEnd -= m_spillBegin;
        m_spillBegin = 0;
    }
    std::memcpy(m_spill.get() + m_spillEnd, data, size);
    m_spillEnd += size;
}

}  // namespace net
