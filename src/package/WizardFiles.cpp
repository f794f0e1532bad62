#include "package/WizardFiles.h"

#include <errno.h>

#include <random>
#include <string_view>

#include "package/Paths.h"
#include "platform/os/FolderListing.h"
#include "platform/os/NativePath.h"

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

// A name is taken only by a file already there; a folder that refuses new
// files refuses every name, so a few draws are enough.
constexpr int kNameAttempts = 16;

CString RandomSuffix(std::mt19937& generator) {
    static constexpr char kAlphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kAlphabet) - 2);
    CString suffix;
    for (int i = 0; i < kWizardFileSuffixLength; ++i) suffix += kAlphabet[pick(generator)];
    return suffix;
}

std::string ModuleFolder() {
    return os::ToNativePath(GetModuleDirectory());
}

}  // namespace

bool IsWizardFileName(const std::string& name) {
    return HasWizardSuffix(name, kPartialDownloadPrefix) ||
           HasWizardSuffix(name, kConnectionTestPrefix);
}

os::LocalFile CreateWizardFile(const CString& strDirectory, const char* prefix, CString& strPath) {
    std::random_device seed;
    std::mt19937 generator(seed());
    os::LocalFile file;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        CString strCandidate = strDirectory + prefix + RandomSuffix(generator);
        file = os::LocalFile::Open(strCandidate, os::OpenMode::CreateNew);
        if (file.IsOpen()) {
            strPath = strCandidate;
            return file;
        }
        if (file.Error() != EEXIST) break;
    }
    return file;
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
