// A folder the user may not write to, for as long as an object of this
// class lives: no new file can be made in it.
//
// On POSIX its mode says so, and the calling thread (with the threads it
// starts) loses root's override of file modes. Windows keeps users out of
// folders by access lists, which Wine does not enforce, and a folder's
// read-only attribute means nothing to Windows; there the folder stays
// writable, Refuses() says so, and the test that needs it is skipped.
#pragma once

#include <memory>
#include <string>

#include "support/NonCopyable.h"

namespace testing_support {

class ReadOnlyFolder : NonCopyable {
  public:
    explicit ReadOnlyFolder(std::string folder);
    ~ReadOnlyFolder();

    // Whether the folder refuses a new file now (tried, not assumed).
    bool Refuses() const;

  private:
    struct Hold;  // what the platform keeps until the folder is writable again
    std::string m_folder;
    std::unique_ptr<Hold> m_hold;
};

}  // namespace testing_support
