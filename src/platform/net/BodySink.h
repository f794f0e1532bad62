// Turns libcurl's pushed pieces of a response body into pulled reads.
//
// While a read is in progress its buffer is the target: a piece goes there
// first, and what does not fit goes to a spill buffer that is allocated once
// and holds at most one receive buffer's worth. A piece that fits neither is
// refused whole, so that libcurl pauses and offers it again later. The next
// read takes the spilled bytes first, so the order of the bytes is kept.
#pragma once

#include <cstddef>
#include <memory>

namespace net {

class BodySink {
  public:
    explicit BodySink(std::size_t spillCapacity);
    BodySink(const BodySink&) = delete;
    BodySink& operator=(const BodySink&) = delete;

    // Starts a read into `buffer` (`capacity` bytes) and moves spilled bytes there first.
    void BeginRead(char* buffer, std::size_t capacity);
    // Ends the read and returns how many bytes it received; no target is set afterwards.
    std::size_t EndRead();

    // Takes a piece of the body whole (true) or not at all (false).
    bool Offer(const char* data, std::size_t size);
    // Drops the spilled bytes, for a new response.
    void Clear();

    // Bytes received by the read in progress.
    std::size_t Received() const { return m_filled; }
    // Whether the read in progress has no room left.
    bool IsFull() const { return m_target == nullptr || m_filled == m_capacity; }
    std::size_t Spilled() const { return m_spillEnd - m_spillBegin; }

  private:
    void Spill(const char* data, std::size_t size);

    std::unique_ptr<char[]> m_spill;
    std::size_t m_spillCapacity;
    std::size_t m_spillBegin = 0;
    std::size_t m_spillEnd = 0;

    char* m_target = nullptr;
    std::size_t m_capacity = 0;
    std::size_t m_filled = 0;
};

}  // namespace net
