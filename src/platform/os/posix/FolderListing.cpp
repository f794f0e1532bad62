#include "platform/os/FolderListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace os {
namespace {

// Owns a folder's descriptor; entries are then looked at relative to it, so
// the folder cannot be swapped for another under us between the calls.
class FolderHandle {
  public:
    explicit FolderHandle(const std::string& directory)
        : m_fd(directory.empty() ? -1
                                 : open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;
    ~FolderHandle() {
        if (m_fd >= 0) close(m_fd);
    }

    int Fd() const { return m_fd; }
    bool IsRegularFile(const std::string& name) const {
        struct stat info {};
        return fstatat(m_fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
               S_ISREG(info.st_mode);
    }

  private:
    int m_fd;
};

}  // namespace

std::vector<std::string> RegularFilesIn(const std::string& directory) {
    std::vector<std::string> names;
    FolderHandle folder(directory);
    if (folder.Fd() < 0) return names;
    // fdopendir takes over a descriptor of its own.
    int listFd = dup(folder.Fd());
    if (listFd < 0) return names;
    DIR* listing = fdopendir(listFd);
    if (listing == nullptr) {
        close(listFd);
        return names;
    }
    while (const dirent* entry = readdir(listing)) {
        std::string name = entry->d_name;
        if (name != "." && name != ".." && folder.IsRegularFile(name)) names.push_back(name);
    }
    closedir(listing);
    return names;
}

bool RemoveRegularFileIn(const std::string& directory, const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos) return false;
    FolderHandle folder(directory);
    if (folder.Fd() < 0 || !folder.IsRegularFile(name)) return false;
    // Should the entry change in between, unlinkat still removes a name
    // only: never a folder (flags 0) and never what a link points to.
    return unlinkat(folder.Fd(), name.c_str(), 0) == 0;
}

}  // namespace os
