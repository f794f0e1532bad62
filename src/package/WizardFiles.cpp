#include "package/WizardFiles.h"

#include <string_view>

#include "package/Paths.h"
#include "platform/os/FolderListing.h"
#include "platform/os/PosixPath.h"

namespace {

bool IsLetterOrDigit(char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
}

bool HasWizardSuffix(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + kWizardFileSuffixLength) return false;
    if (name.substr(0, prefix.size()) != prefix) return false;
    for (char ch : name.substr(prefix.size())) {
        if (!IsLetterOrDigit(ch)) return false;
    }
    return true;
}

std::string ModuleFolder() {
    return os::ToPosixPath(GetModuleDirectory());
}

}  // namespace

bool IsWizardFileName(const std::string& name) {
    return HasWizardSuffix(name, kPartialDownloadPrefix) ||
           HasWizardSuffix(name, kConnectionTestPrefix);
}

os::FolderLock LockWizardFolder() {
    return os::FolderLock::TryAcquire(ModuleFolder(), kFolderLockName);
}

void RemoveWizardLeftovers() {
    std::string folder = ModuleFolder();
    for (const std::string& name : os::RegularFilesIn(folder)) {
        if (IsWizardFileName(name)) os::RemoveRegularFileIn(folder, name);
    }
}
