// The base of the test helpers that own something for as long as they live
// (a folder, a server, a process, a replaced hook): neither copied nor
// moved, so exactly one object gives back what it owns.
#pragma once

namespace testing_support {

class NonCopyable {
  public:
    NonCopyable(const NonCopyable&) = delete;
    NonCopyable& operator=(const NonCopyable&) = delete;

  protected:
    NonCopyable() = default;
    ~NonCopyable() = default;
};

}  // namespace testing_support
