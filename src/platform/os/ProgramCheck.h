// A check of a program file's bytes just before it starts, read through
// the very handle that then starts it (see StartCheckedProgram).
#pragma once

#include <cstddef>
#include <functional>

namespace os {

// The bytes of an open program file, from its start.
class ProgramBytes {
  public:
    // Reads up to `size` further bytes into `buffer`; 0 at the end of the
    // file or when reading failed.
    virtual std::size_t Read(void* buffer, std::size_t size) = 0;

  protected:
    ~ProgramBytes() = default;
};

// True when the bytes may start.
using ProgramCheck = std::function<bool(ProgramBytes& bytes)>;

}  // namespace os
