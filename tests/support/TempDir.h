// A fresh temporary directory for one test, removed with everything in it
// when the test ends.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/NonCopyable.h"

namespace testing_support {

class TempDir : NonCopyable {
  public:
    TempDir();
    ~TempDir();

    // The directory's path in UTF-8 (a Windows path on Windows), without a
    // trailing separator.
    const std::string& Path() const { return m_path; }
    // Path() + "/" + name.
    std::string File(const std::string& name) const { return m_path + "/" + name; }

    // Creates (or replaces) a file with `contents`.
    void Write(const std::string& name, const std::string& contents) const;
    // The contents of a file, or "<missing>" when it cannot be read.
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // The names of the entries in the directory, sorted.
    std::vector<std::string> Names() const;

  private:
    std::string m_path;
};

// The std::filesystem path of a UTF-8 `path`, whatever the system's code page.
std::filesystem::path FsPath(const std::string& utf8);

// `path` with every slash turned into a backslash, as the wizard hands paths
// to the file functions.
std::string Backslashed(std::string path);

}  // namespace testing_support
